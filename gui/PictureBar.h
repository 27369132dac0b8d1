#pragma once

#include <QWidget>

namespace skiagraf::gui {

// The bar of dial-type buttons (740 x 120) shown while no task window is open.
// Clicking a button shows that type's picture in the gallery at once.
class PictureBar : public QWidget {
  Q_OBJECT

 public:
  explicit PictureBar(QWidget* parent = nullptr);
  void Recaption();

 signals:
  void pictureChosen(int number);
};

}  // namespace skiagraf::gui
