#include "TaskWindow.h"

#include <QCloseEvent>
#include <QMdiSubWindow>

namespace skiagraf::gui {

TaskWindow::TaskWindow(const QString& name, int helpContext, QWidget* parent)
    : QWidget(parent), helpContext_(helpContext) {
  setObjectName(name);
  setProperty("taskWindow", true);
}

void TaskWindow::CloseTask() {
  if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) frame->close();
  else close();
}

void TaskWindow::closeEvent(QCloseEvent* event) {
  if (!CanClose()) {
    event->ignore();
    return;
  }
  event->accept();
  emit closed(helpContext_);
}

}  // namespace skiagraf::gui
