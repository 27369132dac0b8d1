#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "SunPositionWindow.h"
#include "base/UserInterface.h"
#include "model/DialSettings.h"
#include "text/Language.h"

namespace skiagraf::gui::test {

// One QApplication for the whole test program, on the offscreen platform.
inline QApplication& App() {
  static int argc = 1;
  static char name[] = "test_gui";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
  }();
  return *app;
}

// Every test starts from the program's defaults, in German, with scripted dialogs.
class GuiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    App();
    InitDialSettings(Settings());
    SunState() = SunWindowState{};
    SetCurrentLanguage(Language::German);
    ASSERT_TRUE(folder_.isValid());
  }
  void TearDown() override { SetCurrentLanguage(Language::German); }

  QString Folder() const { return folder_.path(); }

  ScriptedUserInterface ui_;
  ScopedUserInterface scoped_{ui_};
  QTemporaryDir folder_;
};

}  // namespace skiagraf::gui::test
