#pragma once

#include <QMainWindow>
#include <string>
#include <vector>
#include <QPointer>
#include <QString>
#include <functional>
#include <map>
#include <memory>

#include "text/Language.h"

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QPrinter;
class QPushButton;

namespace skiagraf::gui {

class AboutPanel;
class GalleryPanel;
class HelpWindow;
class PalettePanel;
class PictureBar;
class TaskWindow;

// Where the main window looks for its files. The program uses its own directory;
// tests point it elsewhere.
struct MainWindowOptions {
  QString programDirectory;  // empty: the directory of the executable
  // The settings file "skiag.ini": empty means the one in `programDirectory` when
  // that was given, else the one of the settings folder.
  QString settingsFile;
  // "/debug", "-debug" or a file "debug.debug" in the program directory: every help
  // request is logged to the standard error stream.
  bool helpLog = false;
};

// The frame of the whole program (TForm1): menu bar, status bar, picture bar of
// dial types, photo gallery, colour palette and about panel. It hosts one task
// window at a time.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(const MainWindowOptions& options = {}, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Task windows are created by factories registered under their name prefix
  // ("Form6" location, "F4" dial type, "Form4" parameters, "Form5" drawing,
  // "sset2" tables and diagrams). A command whose window has no factory yet is
  // disabled.
  using TaskFactory = std::function<TaskWindow*(MainWindow& frame)>;
  static void RegisterTaskWindow(const QString& prefix, TaskFactory factory);
  static bool HasTaskWindow(const QString& prefix);

  // Opens the task window of `prefix` after closing every other child.
  TaskWindow* OpenTask(const QString& prefix);
  // Opens the sun-position window in calculation mode 1, 2, 4 or 8.
  TaskWindow* OpenSunWindow(int mode);
  // Adds an already created task window as the only child.
  void HostTask(TaskWindow* window);

  // Closes every child whose name does not start with `prefix` ("" closes all).
  void CloseChildrenExcept(const QString& prefix);
  // Closes every child whose name starts with `prefix`.
  void CloseChildrenWith(const QString& prefix);
  QList<TaskWindow*> Children() const;
  TaskWindow* ActiveTask() const;

  // Language: Sprache switches, re-captions the menu and every open window, and
  // re-opens an open dial-type window.
  void Sprache(Language language);
  void RecaptionMenu();

  // The dial wizard: location -> dial type -> parameters -> drawing.
  enum class WizardState { None = 0, Running = 1, Next = 3 };
  void StartWizard();
  void WizardNext();  // the user chose "Weiter" in the current wizard window
  void WizardCancel();
  WizardState Wizard() const { return wizardState_; }

  void ToggleExpertMode();
  void ShowHelp();  // F1 / "Hilfe Index"
  QString HelpFileName() const;
  bool CheckHelpFile();  // shows the message when the help file is missing

  QString SettingsFile() const { return settingsFile_; }
  // What happens when the window is first shown: the screen check, reading the
  // settings file, the default date lines, the saved language, the font check.
  void StartUp();

  QPrinter& Printer();
  PalettePanel* Palette() const { return palette_; }
  GalleryPanel* Gallery() const { return gallery_; }
  AboutPanel* About() const { return about_; }
  PictureBar* Pictures() const { return pictureBar_; }
  QAction* Action(const QString& name) const;

  // Tool-tip hints on or off ("Hinweise").
  bool HintsOn() const { return hintsOn_; }
  void SetHints(bool on);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildMenu();
  void BuildPopupMenus();
  void UpdateCommands();
  void ChildClosed(int helpContext);
  void WireTask(QAction* action, const QString& prefix);
  void HideStartPanels();
  void AfterTaskOpened();
  void RestoreStartPanel();
  void FillPopupCaptions();
  void WireFileCommands();
  // Closes the open task window, runs `load` and shows the task again with the
  // values read; refused while an input window holds a faulty entry.
  void ReplaceSettings(const std::function<bool()>& load, bool needsValidInputs);
  void ShowTitlePicture();
  void PlaceTitlePicture();

  MainWindowOptions options_;
  QMdiArea* mdi_ = nullptr;
  PictureBar* pictureBar_ = nullptr;
  QPushButton* galleryButton_ = nullptr;
  QLabel* titlePicture_ = nullptr;
  PalettePanel* palette_ = nullptr;
  GalleryPanel* gallery_ = nullptr;
  AboutPanel* about_ = nullptr;
  QPointer<HelpWindow> help_;
  QMenu* popup_ = nullptr;
  QMenu* wizardPopup_ = nullptr;
  std::unique_ptr<QPrinter> printer_;
  std::map<QString, QAction*> actions_;
  QList<QAction*> menuOrder_;  // every real menu entry, in menu order
  WizardState wizardState_ = WizardState::None;
  QString wizardStep_;
  int lastHelpContext_ = 0;
  bool hintsOn_ = true;
  bool expertMode_ = false;
  bool started_ = false;
  QString settingsFile_;
  // What the settings file holds of the record since it was last read or saved; the
  // program asks before it quits when the record differs.
  std::vector<std::string> savedSettings_;
  void RememberSavedSettings();
};

}  // namespace skiagraf::gui
