#pragma once

#include <QMainWindow>

namespace skiagraf::gui {

// The main window of the program. It hosts one task window at a time.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);
};

}  // namespace skiagraf::gui
