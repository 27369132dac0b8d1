#include <QApplication>
#include <QLocale>
#include <QString>

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
  skiagraf::gui::MainWindowOptions options;
  for (int i = 1; i < argc; ++i)
    if (QString(argv[i]) == "/debug" || QString(argv[i]) == "-debug") options.helpLog = true;
  skiagraf::gui::MainWindow window(options);
  ui.SetParent(&window);
  window.show();
  return app.exec();
}
