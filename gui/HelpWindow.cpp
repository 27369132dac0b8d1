#include "HelpWindow.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace skiagraf::gui {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent), browser_(new QTextBrowser(this)) {
  setObjectName("HelpWindow");
  browser_->setObjectName("HelpBrowser");
  browser_->setOpenExternalLinks(false);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  resize(640, 560);
}

void HelpWindow::ShowContext(const QString& file, int context) {
  context_ = context;
  QUrl url = QUrl::fromLocalFile(file);
  url.setFragment(QString("ctx%1").arg(context));
  if (browser_->source().adjusted(QUrl::RemoveFragment) != url.adjusted(QUrl::RemoveFragment))
    browser_->setSource(QUrl::fromLocalFile(file));
  browser_->scrollToAnchor(url.fragment());
  setWindowTitle(browser_->documentTitle());
  show();
  raise();
  activateWindow();
}

}  // namespace skiagraf::gui
