#pragma once

#include <QFrame>

#include "Recaption.h"

class QLabel;
class QPushButton;

namespace skiagraf::gui {

// The about panel: program name, version, what it does, and a link.
class AboutPanel : public QFrame, public Recaptionable {
  Q_OBJECT

 public:
  explicit AboutPanel(QWidget* parent = nullptr);
  void ShowPanel();
  void RecaptionOwn() override;

 private:
  QLabel* text_;
  QPushButton* close_;
};

}  // namespace skiagraf::gui
