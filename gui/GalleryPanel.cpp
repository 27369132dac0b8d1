#include "GalleryPanel.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "Pictures.h"
#include "base/NumberFormat.h"
#include "Recaption.h"
#include "text/Texts.h"

namespace skiagraf::gui {

GalleryPanel::GalleryPanel(QWidget* parent)
    : QFrame(parent),
      image_(new QLabel(this)),
      caption_(new QLabel(this)),
      trackBar_(new QSlider(Qt::Horizontal, this)),
      intervalCaption_(new QLabel(this)),
      intervalLabel_(new QLabel(this)),
      startStop_(new QPushButton(this)),
      close_(new QPushButton(this)),
      timer_(new QTimer(this)) {
  setObjectName("GalleryPanel");
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(2);
  setAutoFillBackground(true);
  setFixedSize(600, 600);
  image_->setObjectName("GalleryImage");
  image_->setAlignment(Qt::AlignCenter);
  image_->setMinimumSize(560, 480);
  caption_->setObjectName("GalleryCaption");
  caption_->setAlignment(Qt::AlignCenter);
  QFont f = caption_->font();
  f.setPointSize(f.pointSize() + 2);
  f.setBold(true);
  caption_->setFont(f);
  trackBar_->setObjectName("GalleryTrackBar");
  trackBar_->setRange(5, 100);  // tenths of a second: 0.5 s .. 10 s
  trackBar_->setValue(22);
  intervalLabel_->setObjectName("GalleryInterval");
  startStop_->setObjectName("GalleryStartStop");
  close_->setObjectName("GalleryClose");
  timer_->setObjectName("GalleryTimer");
  timer_->setInterval(IntervalMs());

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(image_, 1);
  layout->addWidget(caption_);
  auto* row = new QHBoxLayout;
  intervalCaption_->setObjectName("GalleryIntervalCaption");
  intervalCaption_->setBuddy(trackBar_);
  row->addWidget(intervalCaption_);
  row->addWidget(trackBar_, 1);
  row->addWidget(intervalLabel_);
  row->addWidget(startStop_);
  row->addWidget(close_);
  layout->addLayout(row);

  connect(trackBar_, &QSlider::valueChanged, this, [this] {
    timer_->setInterval(IntervalMs());
    UpdateIntervalLabel();
  });
  connect(timer_, &QTimer::timeout, this, &GalleryPanel::ShowNext);
  connect(close_, &QPushButton::clicked, this, &GalleryPanel::StopAndHide);
  connect(startStop_, &QPushButton::clicked, this, &GalleryPanel::ToggleTimer);
  RecaptionOwn();
  ShowPicture(GalleryCycle().front());
}

int GalleryPanel::IntervalMs() const { return trackBar_->value() * 100; }

bool GalleryPanel::Running() const { return timer_->isActive(); }

void GalleryPanel::UpdateIntervalLabel() {
  intervalLabel_->setText(QString::fromStdString(FormatReal(trackBar_->value() / 10.0, 4, 1)) + " s");
}

void GalleryPanel::ShowCentred() {
  if (QWidget* p = parentWidget()) {
    const int x = std::max(0, (p->width() - width()) / 2);
    const int y = std::max(3, (p->height() - height()) / 2);
    move(x, y);
  }
  show();
  raise();
  setFocus();
}

void GalleryPanel::ToggleTimer() {
  if (timer_->isActive()) timer_->stop();
  else timer_->start();
  RecaptionOwn();
  emit runningChanged(timer_->isActive());
}

void GalleryPanel::StopAndHide() {
  const bool wasRunning = timer_->isActive();
  timer_->stop();
  hide();
  RecaptionOwn();
  if (wasRunning) emit runningChanged(false);
}

void GalleryPanel::ShowPicture(int number) {
  current_ = number;
  const QImage image = PictureImage(number);
  if (image.isNull()) image_->setText(QString::number(number));
  else
    image_->setPixmap(QPixmap::fromImage(image.scaled(image_->minimumSize(), Qt::KeepAspectRatio,
                                                      Qt::SmoothTransformation)));
  caption_->setText(PictureCaption(number));
}

void GalleryPanel::ShowNext() {
  const auto& cycle = GalleryCycle();
  auto it = std::find(cycle.begin(), cycle.end(), current_);
  if (it == cycle.end() || ++it == cycle.end()) it = cycle.begin();
  ShowPicture(*it);
}

void GalleryPanel::RecaptionOwn() {
  close_->setText(ToQ(CatalogueText(7)).trimmed());
  startStop_->setText(ToQ(ShellCaption(timer_->isActive() ? ShellText::GalleryStop : ShellText::GalleryStart)));
  intervalCaption_->setText(ToQ(ShellCaption(ShellText::GalleryInterval)));
  UpdateIntervalLabel();
  caption_->setText(PictureCaption(current_));
}

void GalleryPanel::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    StopAndHide();
    return;
  }
  QFrame::keyPressEvent(event);
}

}  // namespace skiagraf::gui
