#pragma once

#include <QFrame>

#include "Recaption.h"

class QLabel;
class QPushButton;
class QSlider;
class QTimer;

namespace skiagraf::gui {

// The photo gallery: a 600 x 600 panel centred in the client area that shows the
// pictures of the dial types one after the other, at the pace of its track bar.
class GalleryPanel : public QFrame, public Recaptionable {
  Q_OBJECT

 public:
  explicit GalleryPanel(QWidget* parent = nullptr);

  void ShowCentred();  // centred in the parent, never closer than 3 pixels to the top
  void ToggleTimer();  // "Start Photo Gallery"
  void StopAndHide();
  void ShowPicture(int number);
  void ShowNext();  // one timer tick
  int CurrentPicture() const { return current_; }
  bool Running() const;
  int IntervalMs() const;
  void RecaptionOwn() override;

 signals:
  void runningChanged(bool running);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void UpdateIntervalLabel();

  QLabel* image_;
  QLabel* caption_;
  QSlider* trackBar_;
  QLabel* intervalCaption_;
  QLabel* intervalLabel_;
  QPushButton* startStop_;
  QPushButton* close_;
  QTimer* timer_;
  int current_ = 0;
};

}  // namespace skiagraf::gui
