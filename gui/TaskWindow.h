#pragma once

#include <QWidget>

namespace skiagraf::gui {

// Base of every task window the main window hosts (location, dial type, parameters,
// drawing, sun position, tables). The object name is the window's name prefix,
// e.g. "sset1"; the help context number is remembered when the window closes.
class TaskWindow : public QWidget {
  Q_OBJECT

 public:
  TaskWindow(const QString& name, int helpContext, QWidget* parent = nullptr);
  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int context) { helpContext_ = context; }

  // Asked before the window closes; false keeps it open.
  virtual bool CanClose() { return true; }

  // Closes the window through the frame that hosts it.
  void CloseTask();

 signals:
  void closed(int helpContext);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  int helpContext_;
};

}  // namespace skiagraf::gui
