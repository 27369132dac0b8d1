#include "MainWindow.h"

#include <QApplication>
#include <QMenuBar>

namespace skiagraf::gui {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName("TForm1");
  setWindowTitle("SKIAGRAF");
  resize(1024, 740);
  QMenu* file = menuBar()->addMenu("  &Datei  ");
  QAction* quit = file->addAction("&Beenden");
  quit->setObjectName("Beenden");
  connect(quit, &QAction::triggered, qApp, &QApplication::quit);
}

}  // namespace skiagraf::gui
