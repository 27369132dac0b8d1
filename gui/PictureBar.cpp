#include "PictureBar.h"

#include <QGridLayout>
#include <QToolButton>

#include "Pictures.h"

namespace skiagraf::gui {

PictureBar::PictureBar(QWidget* parent) : QWidget(parent) {
  setObjectName("PictureBar");
  setFixedSize(740, 120);
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(2, 2, 2, 2);
  grid->setSpacing(2);
  const auto& pictures = DialPictures();
  const int columns = 13;
  for (int i = 0; i < static_cast<int>(pictures.size()); ++i) {
    const int number = pictures[i].number;
    auto* button = new QToolButton(this);
    button->setObjectName(QString("DialTypeButton%1").arg(number));
    button->setIconSize(QSize(50, 50));
    button->setFixedSize(54, 54);
    const QImage image = PictureImage(number);
    if (!image.isNull()) button->setIcon(QIcon(QPixmap::fromImage(image.scaled(50, 50, Qt::KeepAspectRatio,
                                                                               Qt::SmoothTransformation))));
    connect(button, &QToolButton::clicked, this, [this, number] { emit pictureChosen(number); });
    grid->addWidget(button, i / columns, i % columns);
  }
  Recaption();
}

void PictureBar::Recaption() {
  for (const DialPicture& p : DialPictures())
    if (auto* b = findChild<QToolButton*>(QString("DialTypeButton%1").arg(p.number))) b->setToolTip(PictureCaption(p.number));
}

}  // namespace skiagraf::gui
