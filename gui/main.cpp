#include <QApplication>
#include <QLocale>

#include "DrawingPlotHooks.h"
#include "DrawingWindow.h"
#include "InputWindows.h"
#include "MainWindow.h"
#include "QtUserInterface.h"
#include "base/UserInterface.h"
#include "model/DialSettings.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Numbers are always written with "." whatever the desktop's locale.
  QLocale::setDefault(QLocale::c());
  skiagraf::InitDialSettings(skiagraf::Settings());
  skiagraf::gui::QtUserInterface ui;
  skiagraf::ScopedUserInterface installed(ui);
  // The task windows the menus and the guided creation open.
  skiagraf::gui::RegisterInputWindows();
  skiagraf::gui::RegisterDrawingWindow();
  skiagraf::gui::InstallDrawingPlotHooks();
  skiagraf::gui::MainWindow window;
  ui.SetParent(&window);
  window.show();
  return app.exec();
}
