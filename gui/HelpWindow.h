#pragma once

#include <QWidget>

class QTextBrowser;

namespace skiagraf::gui {

// The program's own help: one HTML file per language with an anchor "ctx<number>"
// for the help context of every window, shown in a browser window.
class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);
  void ShowContext(const QString& file, int context);
  QTextBrowser* Browser() const { return browser_; }
  int Context() const { return context_; }  // the context shown last

 private:
  QTextBrowser* browser_;
  int context_ = 0;
};

}  // namespace skiagraf::gui
