#include "MainWindow.h"

#include <QAction>
#include <filesystem>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include <QLabel>
#include <QRandomGenerator>
#include <QScreen>
#include <QShowEvent>

#include "AboutPanel.h"
#include "FontSetup.h"
#include "JpegImage.h"
#include "GalleryPanel.h"
#include "HelpWindow.h"
#include "MenuLayout.h"
#include "PalettePanel.h"
#include "PictureBar.h"
#include "Pictures.h"
#include "Recaption.h"
#include "StandardDialogLanguage.h"
#include "SunPositionWindow.h"
#include "TaskWindow.h"
#include "Version.h"
#include "base/UserInterface.h"
#include "model/ConstructionData.h"
#include "model/DialSettings.h"
#include "model/OwnDates.h"
#include "model/SettingsFile.h"
#include "model/SettingsLocation.h"
#include "text/Texts.h"

namespace skiagraf::gui {

namespace {

std::map<QString, MainWindow::TaskFactory>& Factories() {
  static std::map<QString, MainWindow::TaskFactory> factories;
  return factories;
}


QString S(ShellText text) { return ToQ(ShellCaption(text)); }

}  // namespace

void MainWindow::RegisterTaskWindow(const QString& prefix, TaskFactory factory) {
  Factories()[prefix] = std::move(factory);
}

bool MainWindow::HasTaskWindow(const QString& prefix) { return Factories().count(prefix) > 0; }

MainWindow::MainWindow(const MainWindowOptions& options, QWidget* parent)
    : QMainWindow(parent), options_(options) {
  setObjectName("TForm1");
  settingsFile_ = options_.settingsFile;
  if (settingsFile_.isEmpty())
    settingsFile_ = options_.programDirectory.isEmpty()
                        ? QString::fromStdString(SettingsFilePath().string())
                        : QDir(options_.programDirectory).filePath(kSettingsFileName);
  if (options_.programDirectory.isEmpty()) options_.programDirectory = QCoreApplication::applicationDirPath();
  if (QFileInfo::exists(QDir(options_.programDirectory).filePath("debug.debug"))) options_.helpLog = true;
  InstallFontSubstitutions();
  setWindowTitle(QString("  Skiagraf  v. ") + kVersion);
  resize(1024, 740);

  auto* central = new QWidget(this);
  central->setObjectName("ClientPanel");
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  pictureBar_ = new PictureBar(central);
  layout->addWidget(pictureBar_, 0, Qt::AlignHCenter);
  galleryButton_ = new QPushButton(central);
  galleryButton_->setObjectName("GalleryButton");
  layout->addWidget(galleryButton_, 0, Qt::AlignHCenter);
  mdi_ = new QMdiArea(central);
  mdi_->setObjectName("ClientArea");
  mdi_->setBackground(QColor(0xD8, 0xD4, 0xC8));
  layout->addWidget(mdi_, 1);
  setCentralWidget(central);

  titlePicture_ = new QLabel(mdi_->viewport());
  titlePicture_->setObjectName("TitlePicture");
  titlePicture_->setAlignment(Qt::AlignCenter);
  palette_ = new PalettePanel(mdi_->viewport());
  palette_->SetIniPath(settingsFile_);
  palette_->hide();
  about_ = new AboutPanel(mdi_->viewport());
  about_->hide();
  gallery_ = new GalleryPanel(central);
  gallery_->hide();

  connect(galleryButton_, &QPushButton::clicked, this, [this] {
    gallery_->ShowCentred();
    gallery_->ToggleTimer();
  });
  connect(gallery_, &GalleryPanel::runningChanged, this, [this](bool running) {
    galleryButton_->setText(S(running ? ShellText::GalleryStop : ShellText::GalleryStart));
  });
  connect(pictureBar_, &PictureBar::pictureChosen, this, [this](int picture) {
    gallery_->ShowCentred();
    gallery_->ShowPicture(picture);
  });

  // Today's date is the reference year and the date of the calculation windows.
  const QDate today = QDate::currentDate();
  Settings().ReferenceYear = std::clamp(today.year(), 1300, 2500);
  ComputeObliquity(Settings());
  SunState().Day = today.day();
  SunState().Month = today.month();
  SunState().Time = 12.0;
  expertMode_ = Settings().ExpertMode;

  statusBar()->setObjectName("StatusBar");
  BuildMenu();
  BuildPopupMenus();
  qApp->installEventFilter(this);

  RecaptionMenu();
  RecaptionWindow(this);
  UpdateCommands();
  CheckHelpFile();
  ShowTitlePicture();
}

void MainWindow::ShowTitlePicture() {
  // Our own title picture beside the program, else one of the built-in photographs.
  QImage image = LoadJpeg(QDir(options_.programDirectory).filePath("skiagraf.jpg"));
  if (image.isNull()) image = PictureImage(QRandomGenerator::global()->bounded(10) < 6 ? 1106 : 1105);
  titlePicture_->setPixmap(QPixmap::fromImage(image.scaled(480, 360, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  titlePicture_->adjustSize();
  titlePicture_->lower();
  PlaceTitlePicture();
}

void MainWindow::PlaceTitlePicture() {
  const QSize area = mdi_->viewport()->size();
  titlePicture_->move(std::max(0, (area.width() - titlePicture_->width()) / 2),
                      std::max(0, (area.height() - titlePicture_->height()) / 2));
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (started_) return;
  started_ = true;
  // After the window has appeared, so that the questions of reading the settings
  // file stand in front of it.
  QMetaObject::invokeMethod(this, &MainWindow::StartUp, Qt::QueuedConnection);
}

void MainWindow::StartUp() {
  ApplyStandardDialogLanguage(CurrentLanguage());
  if (const QScreen* screen = this->screen()) {
    const QSize size = screen->size();
    const bool largeFont = screen->logicalDotsPerInch() >= 120;
    if (size.width() < 1000 && largeFont)
      Ui().ShowMessage(Caption(CaptionKind::Information),
                       Message(50) + std::to_string(size.width()) + " x " + std::to_string(size.height()) +
                           Message(largeFont ? 51 : 52) + "\n\r" + Message(19),
                       MessageIcon::Information);
  }
  ReadSettingsFile(Settings(), settingsFile_.toStdString());
  AddDefaultOwnDates(Settings().OwnDateLines);
  RememberSavedSettings();
  expertMode_ = Settings().ExpertMode;
  Action("Expertenmode")->setChecked(expertMode_);
  const Language saved = Settings().German ? Language::German : Language::English;
  if (saved != CurrentLanguage()) {
    Sprache(saved);
  } else {
    RecaptionMenu();
    RecaptionAll();
  }
  palette_->RecaptionOwn();
  WarnWithoutZodiacFont(ZodiacFontFamily());
}

MainWindow::~MainWindow() { qApp->removeEventFilter(this); }

QAction* MainWindow::Action(const QString& name) const {
  auto it = actions_.find(name);
  return it == actions_.end() ? nullptr : it->second;
}

void MainWindow::BuildMenu() {
  std::vector<QMenu*> menus(3, nullptr);
  auto* a4a3 = new QActionGroup(this);
  auto* languages = new QActionGroup(this);
  const std::vector<std::string> captions = MainMenuCaptions(CurrentLanguage());
  for (size_t i = 0; i < MainMenuLayout().size(); ++i) {
    const MenuEntry& e = MainMenuLayout()[i];
    QAction* action = nullptr;
    const QString caption = QString::fromStdString(captions[i]);
    if (e.submenu) {
      QMenu* menu = e.level == 0 ? menuBar()->addMenu(caption) : menus[e.level - 1]->addMenu(caption);
      menu->setObjectName(QString(e.name) + "Menu");
      menus[e.level] = menu;
      action = menu->menuAction();
    } else {
      if (e.separatorBefore) menus[e.level - 1]->addSeparator();
      action = menus[e.level - 1]->addAction(caption);
      if (e.key[0] != '\0') action->setShortcut(QKeySequence(QString::fromLatin1(e.key)));
    }
    action->setObjectName(e.name);
    actions_[e.name] = action;
    menuOrder_ << action;
  }
  for (const char* n : {"DINA4", "DINA3"}) {
    Action(n)->setCheckable(true);
    a4a3->addAction(Action(n));
  }
  Action("DINA4")->setChecked(true);
  for (const char* n : {"Deutsch", "English"}) {
    Action(n)->setCheckable(true);
    languages->addAction(Action(n));
  }
  Action("Expertenmode")->setCheckable(true);
  Action("Expertenmode")->setChecked(Settings().ExpertMode);
  Action("Hinweise")->setCheckable(true);
  Action("Hinweise")->setChecked(true);

  connect(Action("Sonnenuhrerstellen"), &QAction::triggered, this, &MainWindow::StartWizard);
  connect(Action("HilfeSonnenuhrerstellen"), &QAction::triggered, this, &MainWindow::StartWizard);
  connect(Action("Fensterschliessen"), &QAction::triggered, this, [this] {
    CloseChildrenExcept("");
    RestoreStartPanel();
  });
  connect(Action("Druckereinrichten"), &QAction::triggered, this, [this] {
    QPageSetupDialog dialog(&Printer(), this);
    dialog.exec();
  });
  connect(Action("Fensterausdrucken"), &QAction::triggered, this, [this] {
    TaskWindow* task = ActiveTask();
    if (!task) return;
    QPrintDialog dialog(&Printer(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    const QPixmap image = task->grab();
    QPainter painter(&Printer());
    const QRect page = painter.viewport();
    const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.drawPixmap(QRect(page.topLeft(), size), image);
  });
  connect(Action("Beenden"), &QAction::triggered, this, &QWidget::close);
  connect(Action("Drucken"), &QAction::triggered, this, [this] {
    if (TaskWindow* task = ActiveTask(); task && task->CanPrintTask()) task->PrintTask();
  });

  WireTask(Action("Lage"), "Form6");
  WireTask(Action("AuswahlTyp"), "F4");
  WireTask(Action("Parameter"), "Form4");
  WireTask(Action("Zeichnungerstellen"), "Form5");
  connect(Action("Farbpalette"), &QAction::triggered, this, [this] {
    palette_->ShowPanel();
    about_->hide();
  });
  const std::pair<const char*, int> sunModes[] = {
      {"AufUntergang", 1}, {"Sonnenstand", 2}, {"ZeitFuerSonnenstand", 4}, {"Zeitgleichung", 8}};
  for (const auto& [name, mode] : sunModes) {
    const int m = mode;
    connect(Action(name), &QAction::triggered, this, [this, m] { OpenSunWindow(m); });
  }
  for (const char* n : {"TabAufUntergang", "TabZeitgleichung", "TabDeklination", "TabMittag", "GraphZeitgleichung",
                        "GraphRechteckig", "GraphPolar"})
    WireTask(Action(n), "sset2");

  connect(Action("HilfeIndex"), &QAction::triggered, this, &MainWindow::ShowHelp);
  connect(Action("Expertenmode"), &QAction::triggered, this, &MainWindow::ToggleExpertMode);
  connect(Action("Deutsch"), &QAction::triggered, this, [this] { Sprache(Language::German); });
  connect(Action("English"), &QAction::triggered, this, [this] { Sprache(Language::English); });
  connect(Action("Hinweise"), &QAction::toggled, this, &MainWindow::SetHints);
  connect(Action("About"), &QAction::triggered, this, [this] {
    palette_->hide();
    about_->ShowPanel();
  });
  // Commands whose windows or files are served elsewhere in the program stay
  // disabled until that part is wired in (see UpdateCommands).
}

void MainWindow::WireTask(QAction* action, const QString& prefix) {
  action->setProperty("taskPrefix", prefix);
  connect(action, &QAction::triggered, this, [this, prefix] { OpenTask(prefix); });
}

void MainWindow::BuildPopupMenus() {
  popup_ = new QMenu(this);
  popup_->setObjectName("PopupMenu1");
  for (const char* name : {"SpeichernP", "LadenP", "SpeichernDatum", "LadDatum", "PopLage", "PopTyp", "PopParameter",
                           "Sonnenuhrkonstruktion", "Showhints", "PopSchliessen"}) {
    QAction* a = popup_->addAction(QString());
    a->setObjectName(name);
    actions_[name] = a;
  }
  connect(Action("PopLage"), &QAction::triggered, Action("Lage"), &QAction::trigger);
  connect(Action("PopTyp"), &QAction::triggered, Action("AuswahlTyp"), &QAction::trigger);
  connect(Action("PopParameter"), &QAction::triggered, Action("Parameter"), &QAction::trigger);
  connect(Action("Sonnenuhrkonstruktion"), &QAction::triggered, Action("Zeichnungerstellen"), &QAction::trigger);
  connect(Action("Showhints"), &QAction::triggered, Action("Hinweise"), &QAction::trigger);
  connect(Action("PopSchliessen"), &QAction::triggered, Action("Fensterschliessen"), &QAction::trigger);
  connect(Action("SpeichernP"), &QAction::triggered, Action("SpeichernINI"), &QAction::trigger);
  connect(Action("LadenP"), &QAction::triggered, Action("Sonnenuhrdatenladen"), &QAction::trigger);
  WireFileCommands();

  wizardPopup_ = new QMenu(this);
  wizardPopup_->setObjectName("WizardPopup");
  for (const char* n : {"WizardWeiter", "WizardAbbrechen", "WizardHilfe"}) {
    QAction* a = wizardPopup_->addAction(n);
    a->setObjectName(n);
    actions_[n] = a;
  }
  connect(Action("WizardWeiter"), &QAction::triggered, this, &MainWindow::WizardNext);
  connect(Action("WizardAbbrechen"), &QAction::triggered, this, &MainWindow::WizardCancel);
  connect(Action("WizardHilfe"), &QAction::triggered, this, &MainWindow::ShowHelp);
  FillPopupCaptions();
}

void MainWindow::FillPopupCaptions() {
  auto title = [this](const char* name) { return ToQ(CaptionToTitle(Action(name)->text().toStdString())); };
  Action("PopLage")->setText(title("Lage"));
  Action("PopTyp")->setText(title("AuswahlTyp"));
  Action("PopParameter")->setText(title("Parameter"));
  Action("SpeichernP")->setText(S(ShellText::PopupSaveSettings));
  Action("LadenP")->setText(S(ShellText::PopupLoad));
  Action("SpeichernDatum")->setText(S(ShellText::PopupSaveDates));
  Action("LadDatum")->setText(S(ShellText::PopupLoadDates));
  Action("Sonnenuhrkonstruktion")->setText(S(ShellText::PopupConstruction));
  Action("Showhints")->setText(S(ShellText::PopupShowHints));
  Action("PopSchliessen")->setText(S(ShellText::PopupClose));
  Action("WizardWeiter")->setText(S(ShellText::WizardNext));
  Action("WizardAbbrechen")->setText(S(ShellText::WizardCancel));
  Action("WizardHilfe")->setText(S(ShellText::WizardHelp));
  galleryButton_->setText(S(gallery_ && gallery_->Running() ? ShellText::GalleryStop : ShellText::GalleryStart));
}

void MainWindow::RecaptionMenu() {
  const std::vector<std::string> captions = MainMenuCaptions(CurrentLanguage());
  // Separators are not in the list, so caption k lands on the k-th real entry.
  if (captions.size() == static_cast<size_t>(menuOrder_.size()))
    for (int i = 0; i < menuOrder_.size(); ++i) menuOrder_[i]->setText(ToQ(captions[i]));
  for (QAction* a : menuOrder_) {
    QString tip = ToQ(CaptionToTitle(a->text().toStdString())).trimmed();
    if (!a->shortcut().isEmpty()) tip += "  (" + a->shortcut().toString(QKeySequence::NativeText) + ")";
    a->setStatusTip(tip);
  }
  Action(CurrentLanguage() == Language::English ? "English" : "Deutsch")->setChecked(true);
  if (popup_) FillPopupCaptions();
}

void MainWindow::UpdateCommands() {
  // While an input window is open its own menu entry is disabled.
  static const QStringList kInputWindows = {"Form6", "F4", "Form4"};
  const QString active = ActiveTask() ? ActiveTask()->objectName() : QString();
  for (QAction* a : menuOrder_) {
    const QString prefix = a->property("taskPrefix").toString();
    if (!prefix.isEmpty()) a->setEnabled(HasTaskWindow(prefix) && !(kInputWindows.contains(prefix) && active == prefix));
  }
  const bool hasChild = !Children().isEmpty();
  Action("Fensterschliessen")->setEnabled(hasChild);
  Action("Fensterausdrucken")->setEnabled(hasChild);
  // Printing needs a task window with a construction to print (the drawing window).
  Action("Drucken")->setEnabled(hasChild && ActiveTask() && ActiveTask()->CanPrintTask());
  const bool parameterActive = ActiveTask() && ActiveTask()->objectName().startsWith("Form4");
  // The days-file entries belong to the own date lines.
  Action("SpeichernDatum")->setVisible(parameterActive && Settings().DateLineMode == '2');
  Action("LadDatum")->setVisible(parameterActive && Settings().DateLineMode == '2');
  const bool wizardBusy = wizardState_ != WizardState::None;
  const bool wizardPossible = HasTaskWindow("Form6");
  Action("Sonnenuhrerstellen")->setEnabled(!wizardBusy && wizardPossible);
  Action("HilfeSonnenuhrerstellen")->setEnabled(!wizardBusy && wizardPossible);
  Action("Berechnungen")->setEnabled(!wizardBusy);
  Action("Optionen")->setEnabled(!wizardBusy);
  if (wizardBusy) Action("Zeichnungerstellen")->setEnabled(false);
}

QList<TaskWindow*> MainWindow::Children() const {
  QList<TaskWindow*> out;
  for (QMdiSubWindow* sub : mdi_->subWindowList())
    if (auto* task = qobject_cast<TaskWindow*>(sub->widget())) out << task;
  return out;
}

TaskWindow* MainWindow::ActiveTask() const {
  if (QMdiSubWindow* sub = mdi_->activeSubWindow())
    if (auto* task = qobject_cast<TaskWindow*>(sub->widget())) return task;
  const QList<TaskWindow*> children = Children();
  return children.isEmpty() ? nullptr : children.last();
}

static void CloseChild(QMdiArea* mdi, TaskWindow* task) {
  for (QMdiSubWindow* sub : mdi->subWindowList())
    if (sub->widget() == task) {
      sub->close();
      return;
    }
}

void MainWindow::CloseChildrenExcept(const QString& prefix) {
  for (TaskWindow* task : Children())
    if (prefix.isEmpty() || !task->objectName().startsWith(prefix)) CloseChild(mdi_, task);
  UpdateCommands();
}

void MainWindow::CloseChildrenWith(const QString& prefix) {
  for (TaskWindow* task : Children())
    if (task->objectName().startsWith(prefix)) CloseChild(mdi_, task);
  UpdateCommands();
}

TaskWindow* MainWindow::OpenTask(const QString& prefix) {
  auto it = Factories().find(prefix);
  if (it == Factories().end()) return nullptr;
  CloseChildrenExcept("");
  if (!Children().isEmpty()) return nullptr;  // a window refused to close
  TaskWindow* window = it->second(*this);
  if (window) HostTask(window);
  return window;
}

TaskWindow* MainWindow::OpenSunWindow(int mode) {
  CloseChildrenExcept("");
  if (!Children().isEmpty()) return nullptr;
  auto* window = new SunPositionWindow(mode, this);
  HostTask(window);
  return window;
}

void MainWindow::HostTask(TaskWindow* window) {
  // The start panels give way first: the work area takes its full height, and a new
  // window is sized to fit the area it opens in, so it is not squeezed to the height
  // left below the picture bar.
  HideStartPanels();
  if (QLayout* layout = centralWidget()->layout()) layout->activate();
  QMdiSubWindow* sub = mdi_->addSubWindow(window);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  sub->setObjectName(window->objectName() + "Frame");
  connect(window, &TaskWindow::closed, this, &MainWindow::ChildClosed);
  connect(window, &TaskWindow::windowTitleChanged, sub, &QWidget::setWindowTitle);
  RecaptionWindow(window);
  sub->setWindowTitle(window->windowTitle());
  window->show();
  sub->show();
  mdi_->setActiveSubWindow(sub);
  AfterTaskOpened();
}

void MainWindow::HideStartPanels() {
  pictureBar_->hide();
  titlePicture_->hide();
  galleryButton_->hide();
  gallery_->StopAndHide();
  palette_->hide();
  about_->hide();
}

void MainWindow::AfterTaskOpened() {
  HideStartPanels();
  UpdateCommands();
  Action("Fensterschliessen")->setEnabled(true);
  Action("Fensterausdrucken")->setEnabled(true);
}

void MainWindow::ChildClosed(int helpContext) {
  lastHelpContext_ = helpContext;
  // The closing window is still listed until its frame is gone; update afterwards.
  QMetaObject::invokeMethod(
      this,
      [this] {
        UpdateCommands();
        if (Children().isEmpty() && wizardState_ == WizardState::None) RestoreStartPanel();
      },
      Qt::QueuedConnection);
}

void MainWindow::RestoreStartPanel() {
  pictureBar_->show();
  galleryButton_->show();
  titlePicture_->show();
}

// --- settings files -------------------------------------------------------------

void MainWindow::WireFileCommands() {
  const auto ini = [this] { return std::filesystem::path(settingsFile_.toStdString()); };
  connect(Action("Standardwerte"), &QAction::triggered, this, [this] {
    ReplaceSettings([] { ResetDialSettings(Settings()); return true; }, false);
  });
  connect(Action("SpeichernINI"), &QAction::triggered, this, [this, ini] {
    if (SaveSettingsAs(Settings(), ini())) RememberSavedSettings();
  });
  connect(Action("LadenINI"), &QAction::triggered, this, [this, ini] {
    ReplaceSettings([ini] { return ReloadSettingsFile(Settings(), ini()); }, true);
  });
  connect(Action("Sonnenuhrdatenspeichern"), &QAction::triggered, this, [this] {
    if (SaveConstructionDataAs(Settings())) RememberSavedSettings();
  });
  connect(Action("Sonnenuhrdatenladen"), &QAction::triggered, this, [this] {
    ReplaceSettings([] { return LoadConstructionDataFrom(Settings()); }, true);
  });
  connect(Action("SpeichernDatum"), &QAction::triggered, this, [ini] {
    SaveDateLinesToSettingsFile(Settings().OwnDateLines, Settings().ReferenceYear, ini());
  });
  connect(Action("LadDatum"), &QAction::triggered, this, [this, ini] {
    ReplaceSettings(
        [ini] {
          return LoadDateLinesFromSettingsFile(Settings(), ini(), ini().parent_path() / kDaysFileName);
        },
        false);
  });
}

void MainWindow::ReplaceSettings(const std::function<bool()>& load, bool needsValidInputs) {
  if (needsValidInputs && !Settings().InputsValid) {
    Ui().ShowMessage(Caption(CaptionKind::Warning), Message(8), MessageIcon::Warning);
    return;
  }
  // An open input window hands its fields over when it closes; it is closed first so
  // that it cannot overwrite what is read, and opened again afterwards.
  QString reopen;
  int sunMode = 0;
  if (TaskWindow* task = ActiveTask()) {
    reopen = task->objectName();
    if (auto* sun = qobject_cast<SunPositionWindow*>(task)) sunMode = sun->Mode();
  }
  CloseChildrenExcept("");
  if (!Children().isEmpty()) return;
  if (load()) {
    RememberSavedSettings();
    const Language language = Settings().German ? Language::German : Language::English;
    if (language != CurrentLanguage()) Sprache(language);
    expertMode_ = Settings().ExpertMode;
    Action("Expertenmode")->setChecked(expertMode_);
    palette_->RecaptionOwn();
  }
  if (sunMode != 0) OpenSunWindow(sunMode);
  else if (!reopen.isEmpty()) OpenTask(reopen);
  if (Children().isEmpty() && wizardState_ == WizardState::None) RestoreStartPanel();
}

// --- wizard -----------------------------------------------------------------

void MainWindow::StartWizard() {
  if (!HasTaskWindow("Form6")) return;
  CloseChildrenExcept("");
  wizardState_ = WizardState::Running;
  wizardStep_ = "Form6";
  UpdateCommands();
  OpenTask("Form6");
  UpdateCommands();
}

void MainWindow::WizardNext() {
  if (wizardState_ == WizardState::None) return;
  static const QStringList steps = {"Form6", "F4", "Form4", "Form5"};
  wizardState_ = WizardState::Next;
  const qsizetype at = steps.indexOf(wizardStep_);
  if (at < 0 || at + 1 >= steps.size() || !HasTaskWindow(steps[at + 1])) {
    // The last step (or a step not available) ends the wizard.
    wizardState_ = WizardState::None;
    if (at + 1 >= steps.size()) {
      UpdateCommands();
      return;
    }
    WizardCancel();
    return;
  }
  const QString current = wizardStep_;
  wizardStep_ = steps[at + 1];
  if (!OpenTask(wizardStep_) && !Children().isEmpty()) {
    // The window of the current step refused to close (an entry fails its check):
    // the guided creation stays at that step.
    wizardStep_ = current;
    wizardState_ = WizardState::Running;
    UpdateCommands();
    return;
  }
  wizardState_ = wizardStep_ == "Form5" ? WizardState::None : WizardState::Running;
  UpdateCommands();
}

void MainWindow::WizardCancel() {
  wizardState_ = WizardState::None;
  wizardStep_.clear();
  CloseChildrenExcept("");
  RestoreStartPanel();
  UpdateCommands();
}

// --- language -----------------------------------------------------------------

void MainWindow::Sprache(Language language) {
  SetCurrentLanguage(language);
  ApplyStandardDialogLanguage(language);
  Settings().German = language == Language::German;
  CheckHelpFile();
  RecaptionMenu();
  RecaptionAll();
  // The dial-type window builds its lists when it opens.
  for (TaskWindow* task : Children())
    if (task->objectName().startsWith("F4")) {
      OpenTask("F4");
      break;
    }
}

QString MainWindow::HelpFileName() const {
  const char* name = CurrentLanguage() == Language::English ? "skiagraf_e.html" : "skiagraf_d.html";
  return QDir(options_.programDirectory).filePath(name);
}

bool MainWindow::CheckHelpFile() {
  const QString file = HelpFileName();
  if (QFileInfo::exists(file)) return true;
  if (options_.helpLog) qInfo("help: %s is missing", qPrintable(file));
  Ui().ShowMessage(Caption(CaptionKind::Error),
                   ShellCaption(ShellText::HelpFileIntro) + QDir::toNativeSeparators(file).toStdString() +
                       ShellCaption(ShellText::HelpFileNotFound) + "\r\n" + ShellCaption(ShellText::HelpFileNoHelp),
                   MessageIcon::Error);
  return false;
}

void MainWindow::ShowHelp() {
  if (!CheckHelpFile()) return;
  int context = kHelpMainWindow;
  if (TaskWindow* task = ActiveTask()) context = task->HelpContext();
  else if (palette_->isVisible()) context = kHelpPalette;
  else if (gallery_->isVisible()) context = kHelpGallery;
  else if (lastHelpContext_ != 0) context = lastHelpContext_;
  if (wizardState_ != WizardState::None && !ActiveTask()) context = kHelpWizard;
  if (!help_) {
    help_ = new HelpWindow(nullptr);
    help_->setAttribute(Qt::WA_DeleteOnClose);
  }
  help_->ShowContext(HelpFileName(), context);
  if (options_.helpLog) qInfo("help: %s #ctx%d", qPrintable(HelpFileName()), context);
}

// --- expert mode --------------------------------------------------------------

// Without expert mode the ring offsets fall back to their defaults and the types
// that only expert mode offers give way to the horizontal dial.
static void ApplyExpertMode(DialSettings& s, bool on) {
  s.ExpertMode = on;
  if (on) return;
  s.RingHoleOffset = 0.0;
  s.RingHoleOffsetMax = s.Obliquity / 2.0;
  if (s.DialTypeCode == 'c' || s.DialTypeCode == 'm') SelectDialType(s, 'h');
}

void MainWindow::ToggleExpertMode() {
  expertMode_ = !Settings().ExpertMode;
  Action("Expertenmode")->setChecked(expertMode_);
  const std::string title = std::string("Skiagraf ") + kVersion + ", Info";
  if (expertMode_)
    Ui().ShowMessage(title, Message(68) + ShellCaption(ShellText::ExpertOn),
                     MessageIcon::Information);
  else
    Ui().ShowMessage(title, Message(67), MessageIcon::Information);
  ApplyExpertMode(Settings(), expertMode_);
  // Windows that list the dial types show those of the new mode.
  CloseChildrenWith("Form5");
  for (TaskWindow* task : Children()) {
    const QString name = task->objectName();
    if (name.startsWith("F4") || name.startsWith("Form4")) {
      OpenTask(name.startsWith("F4") ? "F4" : "Form4");
      break;
    }
  }
}

// --- hints, keys, events --------------------------------------------------------

void MainWindow::SetHints(bool on) {
  hintsOn_ = on;
  if (Action("Hinweise")->isChecked() != on) Action("Hinweise")->setChecked(on);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ToolTip && !hintsOn_) return true;
  // The status bar shows the hint of the control under the mouse.
  if (event->type() == QEvent::Enter && hintsOn_ && watched->isWidgetType()) {
    auto* widget = static_cast<QWidget*>(watched);
    if (!widget->toolTip().isEmpty() && widget->window() == this) statusBar()->showMessage(widget->toolTip(), 4000);
  }
  if (event->type() == QEvent::Resize && titlePicture_ && watched == mdi_->viewport()) PlaceTitlePicture();
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && gallery_->isVisible()) {
    gallery_->StopAndHide();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
  FillPopupCaptions();
  UpdateCommands();
  (wizardState_ != WizardState::None ? wizardPopup_ : popup_)->popup(event->globalPos());
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (gallery_ && gallery_->isVisible()) gallery_->ShowCentred();
}

void MainWindow::RememberSavedSettings() { savedSettings_ = SettingsSnapshot(Settings()); }

void MainWindow::closeEvent(QCloseEvent* event) {
  CloseChildrenExcept("");
  if (!Children().isEmpty()) {
    event->ignore();
    return;
  }
  // The open windows have handed their fields over; a design that was changed but not
  // saved is not lost without a question.
  if (!savedSettings_.empty() && SettingsSnapshot(Settings()) != savedSettings_) {
    const Answer answer = Ui().Ask(Caption(CaptionKind::Question), ShellCaption(ShellText::QuitWithUnsavedSettings),
                                   QuestionButtons::YesNoCancel);
    const std::filesystem::path ini = settingsFile_.toStdString();
    if (answer == Answer::Cancel || (answer == Answer::Yes && !SaveSettingsFile(Settings(), ini, ini))) {
      event->ignore();
      return;
    }
  }
  wizardState_ = WizardState::None;
  if (help_) help_->close();
  event->accept();
}

QPrinter& MainWindow::Printer() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

}  // namespace skiagraf::gui
