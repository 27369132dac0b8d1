#include "AboutPanel.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "Version.h"
#include "base/UserInterface.h"
#include "Recaption.h"
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
  close_->setFocus();
}

void AboutPanel::RecaptionOwn() {
  auto text = [](ShellText t) { return ToQ(ShellCaption(t)).toHtmlEscaped(); };
  QString html = QString("<h2>Skiagraf</h2><p>%1 %2</p>").arg(text(ShellText::AboutVersion), kVersion);
  html += "<p>" + text(ShellText::AboutDescription) + "</p>";
  html += QString("<p>%1 <a href=\"%2\">%3</a></p>")
              .arg(text(ShellText::AboutLinkIntro), text(ShellText::AboutLinkAddress), text(ShellText::AboutLinkText));
  text_->setText(html);
  close_->setText(ToQ(CatalogueText(7)).trimmed());
}

}  // namespace skiagraf::gui
