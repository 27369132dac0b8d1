#include "InputWindows.h"

#include "DialTypeWindow.h"
#include "LocationWindow.h"
#include "MainWindow.h"
#include "ParameterWindow.h"

namespace skiagraf::gui {

void RegisterInputWindows() {
  MainWindow::RegisterTaskWindow("Form6", [](MainWindow& frame) { return new LocationWindow(&frame); });
  MainWindow::RegisterTaskWindow("F4", [](MainWindow& frame) { return new DialTypeWindow(&frame); });
  MainWindow::RegisterTaskWindow("Form4", [](MainWindow& frame) { return new ParameterWindow(&frame); });
}

}  // namespace skiagraf::gui
