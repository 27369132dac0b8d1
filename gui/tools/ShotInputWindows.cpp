// Opens the input windows in the main window at 1024 x 768 and saves a picture of
// every window and page in both languages (run by hand under a display or Xvfb):
//   skiagraf-shots-input <folder>
#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QMdiSubWindow>
#include <QTabWidget>
#include <QTimer>

#include "InputWindows.h"
#include "MainWindow.h"
#include "ParameterWindow.h"
#include "TaskWindow.h"
#include "base/UserInterface.h"
#include "model/DialSettings.h"
#include "text/Language.h"

using namespace skiagraf;
using namespace skiagraf::gui;

namespace {

void Settle() {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

void Shoot(QWidget* window, const QString& file) {
  Settle();
  window->grab().save(file);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLocale::setDefault(QLocale::c());
  const QString folder = argc > 1 ? argv[1] : "/tmp/shots-input";
  QDir().mkpath(folder);
  InitDialSettings(Settings());
  ScriptedUserInterface ui;
  ScopedUserInterface installed(ui);
  RegisterInputWindows();
  MainWindow window;
  window.resize(1024, 740);  // the main window's own size on a 1024 x 768 screen
  window.show();
  Settle();
  for (Language language : {Language::German, Language::English}) {
    window.Sprache(language);
    const QString suffix = language == Language::German ? "de" : "en";
    for (const char* prefix : {"Form6", "F4"}) {
      window.OpenTask(prefix);
      Shoot(&window, folder + "/" + prefix + "-" + suffix + ".png");
    }
    // The dial-type window for a few types with sub-choices.
    for (char letter : {'z', 'q', 'a', 'i'}) {
      SelectDialType(Settings(), letter);
      if (letter == 'q') Settings().AltitudeDialKind = 1;
      window.OpenTask("F4");
      Shoot(&window, folder + "/F4-" + letter + "-" + suffix + ".png");
    }
    InitDialSettings(Settings());
    SetCurrentLanguage(language);
    auto* parameters = static_cast<ParameterWindow*>(window.OpenTask("Form4"));
    for (int page = 0; page < 10; ++page) {
      parameters->SelectPage(static_cast<ParameterPage>(page));
      Shoot(&window, folder + QString("/Form4-page%1-").arg(page + 1) + suffix + ".png");
    }
    // The umbrella variant of the bifilar page and the Habermel variant of the quadrant page.
    SelectUmbrellaDial(Settings());
    Settings().DialTypeCode = 'i';
    Settings().AltitudeDialKind = 2;
    parameters = static_cast<ParameterWindow*>(window.OpenTask("Form4"));
    Shoot(&window, folder + "/Form4-umbrella-" + suffix + ".png");
    parameters->SelectPage(ParameterPage::Quadrant);
    Shoot(&window, folder + "/Form4-habermel-" + suffix + ".png");
    InitDialSettings(Settings());
    SetCurrentLanguage(language);
    window.StartWizard();
    Shoot(&window, folder + "/wizard-Form6-" + suffix + ".png");
    window.WizardNext();
    Shoot(&window, folder + "/wizard-F4-" + suffix + ".png");
    window.WizardNext();
    Shoot(&window, folder + "/wizard-Form4-" + suffix + ".png");
    window.WizardCancel();
  }
  for (const auto& shown : ui.shown) fprintf(stderr, "message: %s\n", shown.text.c_str());
  return 0;
}
