#include "AboutPanel.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "Version.h"
#include "base/UserInterface.h"
#include "text/Texts.h"

namespace skiagraf::gui {

AboutPanel::AboutPanel(QWidget* parent) : QFrame(parent), text_(new QLabel(this)), close_(new QPushButton(this)) {
  setObjectName("AboutPanel");
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setAutoFillBackground(true);
  text_->setObjectName("AboutText");
  text_->setWordWrap(true);
  text_->setTextFormat(Qt::RichText);
  connect(text_, &QLabel::linkActivated, this, [](const QString& link) {
    if (!QDesktopServices::openUrl(QUrl(link)))
      Ui().ShowMessage(Caption(CaptionKind::Warning), Message(48), MessageIcon::Warning);
  });
  close_->setObjectName("AboutClose");
  connect(close_, &QPushButton::clicked, this, &QWidget::hide);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_, 1);
  layout->addWidget(close_, 0, Qt::AlignRight);
  setFixedSize(460, 300);
  RecaptionOwn();
}

void AboutPanel::ShowPanel() {
  RecaptionOwn();
  if (QWidget* p = parentWidget()) move(std::max(0, (p->width() - width()) / 2), std::max(3, (p->height() - height()) / 3));
  show();
  raise();
}

void AboutPanel::RecaptionOwn() {
  const bool english = CurrentLanguage() == Language::English;
  QString html = QString("<h2>Skiagraf</h2><p>%1 %2</p>").arg(english ? "Version" : "Version", kVersion);
  html += english ? "<p>Designs sundials of some twenty types for any place and year, prints them at true size "
                    "and saves them as HPGL and DXF drawings. Computes the position of the sun, sunrise, sunset, "
                    "twilight, moonrise and moonset, and tables and diagrams of the equation of time.</p>"
                  : "<p>Entwirft Sonnenuhren von rund zwanzig Arten für jeden Ort und jedes Jahr, druckt sie in "
                    "wahrer Größe und speichert sie als HPGL- und DXF-Zeichnung. Berechnet den Sonnenstand, "
                    "Sonnenauf- und -untergang, Dämmerung, Mondauf- und -untergang sowie Tabellen und Diagramme "
                    "der Zeitgleichung.</p>";
  html += QString("<p>%1 <a href=\"https://en.wikipedia.org/wiki/Sundial\">%2</a></p>")
              .arg(english ? "About sundials:" : "Über Sonnenuhren:", english ? "Sundial (Wikipedia)" : "Sonnenuhr (Wikipedia)");
  text_->setText(html);
  close_->setText(english ? "&Close" : "S&chließen");
}

}  // namespace skiagraf::gui
