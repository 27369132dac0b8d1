#pragma once

#include <QWidget>

namespace skiagraf::gui {

// Help context numbers: each names a section of the help pages (anchor "ctx<n>").
// A task window passes its number to the TaskWindow constructor.
inline constexpr int kHelpMainWindow = 1;
inline constexpr int kHelpWizard = 2;
inline constexpr int kHelpPalette = 10;
inline constexpr int kHelpGallery = 11;
inline constexpr int kHelpSettingsFile = 12;
inline constexpr int kHelpLocation = 300;    // "Form6"
inline constexpr int kHelpDialType = 400;    // "F4"
inline constexpr int kHelpParameters = 500;  // "Form4"
inline constexpr int kHelpDrawing = 700;     // "Form5"
inline constexpr int kHelpSunPosition = 800; // "sset1"
inline constexpr int kHelpTables = 900;      // "sset2"

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

  // "Drucken" (F3) of the main window prints the active task's construction; a
  // window that has one to print says so and prints it.
  virtual bool CanPrintTask() const { return false; }
  virtual void PrintTask() {}

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
