#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QLibraryInfo>
#include <QPointer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "GuiTestSupport.h"
#include "HelpWindow.h"
#include "MainWindow.h"
#include "MenuLayout.h"
#include "PalettePanel.h"
#include "PictureBar.h"
#include "RadioGroup.h"
#include "TaskWindow.h"
#include "model/ConstructionData.h"
#include "model/SettingsFile.h"
#include "text/Texts.h"

namespace skiagraf::gui::test {
namespace {

const QString kHelpSource = QString(SKIAGRAF_SOURCE_DIR) + "/gui/help";

// A task window that stands in for the windows other parts of the program provide.
TaskWindow* Stand_in(const QString& name, int context) { return new TaskWindow(name, context); }

class MainWindowTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    for (const char* help : {"skiagraf_d.html", "skiagraf_e.html"})
      ASSERT_TRUE(QFile::copy(kHelpSource + "/" + help, Folder() + "/" + help)) << help;
    for (const auto& [prefix, context] :
         {std::pair{"Form6", 300}, std::pair{"F4", 400}, std::pair{"Form4", 500}, std::pair{"Form5", 700}}) {
      const QString name = prefix;
      const int c = context;
      MainWindow::RegisterTaskWindow(name, [name, c](MainWindow&) { return Stand_in(name, c); });
    }
    // A settings file as the program writes it, so that start-up reads it silently.
    ASSERT_TRUE(CreateSettingsFile(DefaultDialSettings(), Ini()));
    ui_.shown.clear();
    MainWindowOptions options;
    options.programDirectory = Folder();
    window_ = std::make_unique<MainWindow>(options);
    window_->show();
    QApplication::setActiveWindow(window_.get());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  }
  void TearDown() override {
    window_.reset();
    GuiTest::TearDown();
  }

  std::string Ini() const { return (Folder() + "/skiag.ini").toStdString(); }

  QStringList ChildNames() const {
    QStringList names;
    for (TaskWindow* t : window_->Children()) names << t->objectName();
    return names;
  }

  // Closed sub-windows are deleted later; let Qt finish that.
  void Settle() { QCoreApplication::processEvents(); QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

  std::unique_ptr<MainWindow> window_;
};

TEST_F(MainWindowTest, ShortCutOpensItsWindowAndClosesTheOthers) {
  struct Case {
    QKeySequence key;
    QString child;
  };
  const Case cases[] = {{QKeySequence(Qt::Key_F5), "Form6"}, {QKeySequence(Qt::Key_F9), "sset1"},
                        {QKeySequence(Qt::Key_F6), "F4"},    {QKeySequence(Qt::Key_F12), "sset1"},
                        {QKeySequence(Qt::Key_F7), "Form4"}, {QKeySequence(Qt::Key_F10), "sset1"},
                        {QKeySequence(Qt::Key_F8), "Form5"}, {QKeySequence(Qt::Key_F11), "sset1"}};
  for (const Case& c : cases) {
    QTest::keySequence(window_.get(), c.key);
    Settle();
    EXPECT_EQ(ChildNames(), QStringList{c.child}) << c.key.toString().toStdString();
  }
  // F9..F12 choose the calculation mode of the sun window.
  QTest::keySequence(window_.get(), QKeySequence(Qt::Key_F9));
  Settle();
  auto* sun = window_->findChild<SunPositionWindow*>("sset1");
  ASSERT_NE(sun, nullptr);
  EXPECT_EQ(sun->Mode(), 1);
  EXPECT_FALSE(window_->Pictures()->isVisible()) << "the picture bar gives way to the task window";
  QTest::keySequence(window_.get(), QKeySequence(Qt::ALT | Qt::Key_F3));
  Settle();
  EXPECT_TRUE(ChildNames().isEmpty());
  EXPECT_TRUE(window_->Pictures()->isVisible());
}

// Content that would like 600 pixels of height but can be squeezed.
class TallContent : public QWidget {
 public:
  using QWidget::QWidget;
  QSize sizeHint() const override { return {300, 600}; }
};

// A window opened from the start screen gets the height it needs, not only the height
// that was left below the picture bar (the parameter window's groups were squeezed).
TEST_F(MainWindowTest, WindowOpenedFromTheStartScreenIsNotSqueezed) {
  MainWindow::RegisterTaskWindow("Tall", [](MainWindow&) {
    auto* window = new TaskWindow("Tall", 500);
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(new TallContent(window));
    return window;
  });
  ASSERT_TRUE(window_->Pictures()->isVisible());
  TaskWindow* tall = window_->OpenTask("Tall");
  ASSERT_NE(tall, nullptr);
  Settle();
  EXPECT_GE(tall->height(), 600);
}

TEST_F(MainWindowTest, CloseOperationsActByNamePrefix) {
  window_->OpenTask("Form4");
  // Hosting a second window by hand, as a window that opens a helper would.
  window_->HostTask(Stand_in("Form4b", 501));
  window_->HostTask(Stand_in("Form5", 700));
  Settle();
  ASSERT_EQ(ChildNames().size(), 3);
  window_->CloseChildrenWith("Form4");
  Settle();
  EXPECT_EQ(ChildNames(), QStringList{"Form5"});
  window_->HostTask(Stand_in("Form6", 300));
  window_->CloseChildrenExcept("Form6");
  Settle();
  EXPECT_EQ(ChildNames(), QStringList{"Form6"});
}

TEST_F(MainWindowTest, WizardLeadsThroughTheFourStepsAndCancelRestores) {
  window_->Action("Sonnenuhrerstellen")->trigger();
  Settle();
  EXPECT_EQ(window_->Wizard(), MainWindow::WizardState::Running);
  EXPECT_EQ(ChildNames(), QStringList{"Form6"});
  EXPECT_FALSE(window_->Action("Berechnungen")->isEnabled());
  EXPECT_FALSE(window_->Action("Optionen")->isEnabled());
  EXPECT_FALSE(window_->Action("Sonnenuhrerstellen")->isEnabled());
  EXPECT_FALSE(window_->Action("Zeichnungerstellen")->isEnabled());
  for (const char* next : {"F4", "Form4"}) {
    window_->WizardNext();
    Settle();
    EXPECT_EQ(ChildNames(), QStringList{next});
    EXPECT_EQ(window_->Wizard(), MainWindow::WizardState::Running);
  }
  window_->WizardNext();
  Settle();
  EXPECT_EQ(ChildNames(), QStringList{"Form5"});
  EXPECT_EQ(window_->Wizard(), MainWindow::WizardState::None) << "the drawing ends the wizard";
  EXPECT_TRUE(window_->Action("Berechnungen")->isEnabled());

  window_->StartWizard();
  window_->WizardNext();
  window_->WizardCancel();
  Settle();
  EXPECT_TRUE(ChildNames().isEmpty());
  EXPECT_EQ(window_->Wizard(), MainWindow::WizardState::None);
  EXPECT_TRUE(window_->Action("Optionen")->isEnabled());
  EXPECT_TRUE(window_->Pictures()->isVisible());
}

TEST_F(MainWindowTest, LanguageSwitchRecaptionsOpenWindowAndKeepsSelections) {
  window_->OpenSunWindow(1);
  auto* sun = window_->findChild<SunPositionWindow*>("sset1");
  ASSERT_NE(sun, nullptr);
  auto* dawn = sun->findChild<RadioGroup*>("RGDawn2");
  auto* kind = sun->findChild<RadioGroup*>("rgZeitart");
  ASSERT_NE(dawn, nullptr);
  ASSERT_NE(kind, nullptr);
  dawn->SetItemIndex(2);
  kind->SetItemIndex(0);
  auto* year = sun->findChild<QLabel*>("lJahr");
  ASSERT_NE(year, nullptr);
  EXPECT_EQ(year->text().toStdString(), CatalogueText(804, Language::German));

  QTest::keySequence(window_.get(), QKeySequence(Qt::CTRL | Qt::Key_E));
  EXPECT_EQ(CurrentLanguage(), Language::English);
  EXPECT_EQ(year->text().toStdString(), CatalogueText(804, Language::English));
  EXPECT_EQ(sun->findChild<QPushButton*>("Button1")->text().toStdString(), CatalogueText(807, Language::English));
  EXPECT_EQ(dawn->Items().join("|").toStdString(),
            (Phrase(34, Language::English) + "|" + Phrase(35, Language::English) + "|" + Phrase(36, Language::English)));
  EXPECT_EQ(dawn->ItemIndex(), 2);
  EXPECT_EQ(kind->ItemIndex(), 0);
  EXPECT_EQ(kind->title().toStdString(), CatalogueText(496, Language::English));
  EXPECT_TRUE(window_->Action("English")->isChecked());

  QTest::keySequence(window_.get(), QKeySequence(Qt::CTRL | Qt::Key_D));
  EXPECT_EQ(CurrentLanguage(), Language::German);
  EXPECT_EQ(year->text().toStdString(), CatalogueText(804, Language::German));
  EXPECT_EQ(dawn->ItemIndex(), 2);
  EXPECT_EQ(kind->ItemIndex(), 0);
}

TEST_F(MainWindowTest, LanguageSwitchRecaptionsTheMainMenu) {
  const auto& layout = MainMenuLayout();
  for (Language language : {Language::English, Language::German}) {
    window_->Sprache(language);
    const std::vector<std::string> captions = MainMenuCaptions(language);
    ASSERT_EQ(captions.size(), layout.size());
    for (size_t i = 0; i < layout.size(); ++i)
      EXPECT_EQ(window_->Action(layout[i].name)->text().toStdString(), captions[i]) << layout[i].name;
  }
}

// Qt's own dialogs (file and colour choosers, message-box buttons) follow the language
// switch; they were English in the German program.
TEST_F(MainWindowTest, StandardDialogsSpeakTheProgramsLanguage) {
  if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm") == false)
    GTEST_SKIP() << "the German Qt translations (qt6-translations-l10n) are not installed";
  const auto cancelText = [] {
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    return box.button(QDialogButtonBox::Cancel)->text().remove('&');
  };
  window_->Sprache(Language::German);
  EXPECT_EQ(cancelText(), "Abbrechen");
  window_->Sprache(Language::English);
  EXPECT_EQ(cancelText(), "Cancel");
  window_->Sprache(Language::German);
  EXPECT_EQ(cancelText(), "Abbrechen");
}

TEST_F(MainWindowTest, ReopensAnOpenDialTypeWindowOnLanguageSwitch) {
  TaskWindow* first = window_->OpenTask("F4");
  QPointer<TaskWindow> watch(first);
  window_->Sprache(Language::English);
  Settle();
  EXPECT_TRUE(watch.isNull()) << "the old dial-type window is gone";
  EXPECT_EQ(ChildNames(), QStringList{"F4"});
}

TEST_F(MainWindowTest, HelpShowsTheContextOfTheActiveWindow) {
  window_->OpenSunWindow(2);
  window_->ShowHelp();
  HelpWindow* shown = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* h = qobject_cast<HelpWindow*>(w); h && h->isVisible()) shown = h;
  ASSERT_NE(shown, nullptr);
  EXPECT_TRUE(shown->Browser()->source().toLocalFile().endsWith("skiagraf_d.html"));
  EXPECT_TRUE(shown->Browser()->toPlainText().contains("Sonnenstand"));
  EXPECT_TRUE(ui_.shown.empty());
  shown->close();
}

TEST_F(MainWindowTest, HelpPagesCoverEveryContextAndDialTypeInBothLanguages) {
  for (const char* page : {"skiagraf_d.html", "skiagraf_e.html"}) {
    QFile file(kHelpSource + "/" + page);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page;
    const QString html = QString::fromUtf8(file.readAll());
    for (int context : {kHelpMainWindow, kHelpWizard, kHelpPalette, kHelpGallery, kHelpSettingsFile, kHelpLocation,
                        kHelpDialType, kHelpParameters, kHelpDrawing, kHelpSunPosition, kHelpTables})
      EXPECT_TRUE(html.contains(QString("name=\"ctx%1\"").arg(context))) << page << " " << context;
    for (char type : std::string("hviqazkrfpwcm"))
      EXPECT_TRUE(html.contains(QString("name=\"type-%1\"").arg(type))) << page << " " << type;
    EXPECT_TRUE(html.contains("name=\"type-umbrella\"")) << page;
  }
  // With the palette open (and no task window) F1 shows the palette's section.
  window_->Action("Farbpalette")->trigger();
  window_->ShowHelp();
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* h = qobject_cast<HelpWindow*>(w); h && h->isVisible()) {
      EXPECT_EQ(h->Context(), kHelpPalette);
      h->close();
    }
}

TEST_F(MainWindowTest, ExpertModeOffShowsMessageAndReplacesExpertTypes) {
  for (char code : {'c', 'm', 'v'}) {
    Settings().ExpertMode = true;
    Settings().DialTypeCode = code;
    Settings().RingHoleOffset = 5.0;
    ui_.shown.clear();
    window_->ToggleExpertMode();
    EXPECT_FALSE(Settings().ExpertMode);
    EXPECT_EQ(Settings().DialTypeCode, code == 'v' ? 'v' : 'h') << code;
    EXPECT_EQ(Settings().RingHoleOffset, 0.0);
    EXPECT_TRUE(ui_.Showed(Message(67))) << code;
    window_->ToggleExpertMode();
    EXPECT_TRUE(Settings().ExpertMode);
    EXPECT_TRUE(ui_.Showed(Message(68) + " on!"));
  }
}

TEST_F(MainWindowTest, HintsCanBeSwitchedOff) {
  EXPECT_TRUE(window_->HintsOn());
  window_->Action("Hinweise")->trigger();
  EXPECT_FALSE(window_->HintsOn());
  QHelpEvent tip(QEvent::ToolTip, QPoint(1, 1), QPoint(1, 1));
  EXPECT_TRUE(static_cast<QObject*>(window_.get())->eventFilter(window_->Pictures(), &tip)) << "tool tips are swallowed";
  window_->Action("Hinweise")->trigger();
  EXPECT_TRUE(window_->HintsOn());
  EXPECT_FALSE(window_->Action("AufUntergang")->statusTip().isEmpty());
}

TEST_F(MainWindowTest, StartUpReadsTheSettingsFileAndShowsNoWarning) {
  EXPECT_TRUE(ui_.shown.empty()) << (ui_.shown.empty() ? "" : ui_.shown.front().text);
  EXPECT_EQ(window_->SettingsFile().toStdString(), Ini());
  // The three default date lines are added to an empty list.
  EXPECT_EQ(Settings().OwnDateLines,
            (std::vector<std::string>{"21/03    ( 21. März )", "21/06    ( 21. Juni )", "21/12    ( 21. Dezember )"}));
}

TEST_F(MainWindowTest, StartUpTakesTheSavedLanguage) {
  DialSettings saved = DefaultDialSettings();
  saved.German = false;
  saved.Latitude = 12.5;
  ASSERT_TRUE(CreateSettingsFile(saved, Ini()));
  ui_.shown.clear();
  MainWindowOptions options;
  options.programDirectory = Folder();
  MainWindow window(options);
  window.show();
  QCoreApplication::processEvents();
  EXPECT_EQ(CurrentLanguage(), Language::English);
  EXPECT_EQ(window.Action("Datei")->text().toStdString(), MenuCaptions(Language::English).front());
  EXPECT_DOUBLE_EQ(Settings().Latitude, 12.5);
}

TEST_F(MainWindowTest, SettingsCommandsReplaceTheRecordAndReopenTheTask) {
  window_->OpenTask("Form6");
  Settings().Latitude = 1.0;
  ASSERT_TRUE(window_->Action("LadenINI")->isEnabled());
  window_->Action("LadenINI")->trigger();
  Settle();
  EXPECT_DOUBLE_EQ(Settings().Latitude, DefaultDialSettings().Latitude) << "read from the file";
  EXPECT_TRUE(ui_.Showed(Ini() + Message(56)));
  EXPECT_EQ(ChildNames(), QStringList{"Form6"}) << "the open window is shown again";

  // A faulty entry in an input window blocks the reload.
  Settings().InputsValid = false;
  Settings().Latitude = 2.0;
  ui_.shown.clear();
  window_->Action("LadenINI")->trigger();
  EXPECT_TRUE(ui_.Showed(Message(8)));
  EXPECT_DOUBLE_EQ(Settings().Latitude, 2.0);
  Settings().InputsValid = true;

  // Construction data chosen in the file dialog; the language of the file is applied.
  DialSettings design = DefaultDialSettings();
  design.German = false;
  design.GnomonHeight = 77.0;
  const std::string file = (Folder() + "/design.skiag").toStdString();
  ASSERT_TRUE(SaveConstructionData(design, file));
  ui_.files.push_back(file);
  window_->Action("Sonnenuhrdatenladen")->trigger();
  Settle();
  EXPECT_DOUBLE_EQ(Settings().GnomonHeight, 77.0);
  EXPECT_EQ(CurrentLanguage(), Language::English);

  Settings().GnomonHeight = 5.0;
  window_->Action("Standardwerte")->trigger();
  Settle();
  EXPECT_DOUBLE_EQ(Settings().GnomonHeight, DefaultDialSettings().GnomonHeight);
}

// Quitting with a changed record asks whether to save it: Cancel keeps the program
// open, Yes writes the settings file, and an unchanged record quits without a word.
TEST_F(MainWindowTest, QuittingWithUnsavedSettingsAsks) {
  const std::string question = ShellCaption(ShellText::QuitWithUnsavedSettings);
  ui_.shown.clear();
  Settings().Latitude = 33.5;
  ui_.answers = {Answer::Cancel};
  EXPECT_FALSE(window_->close());
  EXPECT_TRUE(ui_.Showed(question));
  EXPECT_TRUE(window_->isVisible());

  ui_.shown.clear();
  ui_.answers = {Answer::Yes};
  EXPECT_TRUE(window_->close());
  DialSettings reread = DefaultDialSettings();
  ReadSettingsFile(reread, Ini());
  EXPECT_DOUBLE_EQ(reread.Latitude, 33.5) << "saved on the way out";

  // Read again: nothing changed, no question.
  window_->show();
  ui_.shown.clear();
  window_->Action("LadenINI")->trigger();
  Settle();
  ui_.shown.clear();
  EXPECT_TRUE(window_->close());
  EXPECT_FALSE(ui_.Showed(question));
}

TEST_F(MainWindowTest, PaletteSavesIntoTheSettingsFileOfTheProgram) {
  window_->Action("Farbpalette")->trigger();
  ASSERT_TRUE(window_->Palette()->isVisible());
  window_->Palette()->SetPen(2, MakeColorRef(1, 2, 3));
  window_->Palette()->findChild<QPushButton*>("FarbenSpeichern")->click();
  EXPECT_TRUE(ui_.Showed(Message(71)));
  DialSettings read = DefaultDialSettings();
  ReadSettingsFile(read, Ini());
  EXPECT_EQ(read.ColorPalette.Pen(2), MakeColorRef(1, 2, 3));
}

// A drawing window that counts its print requests.
class PrintingStandIn : public TaskWindow {
 public:
  PrintingStandIn() : TaskWindow("Form5", kHelpDrawing) {}
  bool CanPrintTask() const override { return true; }
  void PrintTask() override { ++printed; }
  int printed = 0;
};

TEST_F(MainWindowTest, PrintCommandPrintsTheActiveConstruction) {
  window_->OpenSunWindow(8);
  EXPECT_FALSE(window_->Action("Drucken")->isEnabled()) << "the sun window has no construction";
  auto* drawing = new PrintingStandIn;
  window_->CloseChildrenExcept("");
  Settle();
  window_->HostTask(drawing);
  ASSERT_TRUE(window_->Action("Drucken")->isEnabled());
  QTest::keySequence(window_.get(), QKeySequence(Qt::Key_F3));
  EXPECT_EQ(drawing->printed, 1);
}

TEST_F(MainWindowTest, SunWindowOpensTheTablesWindowInItsPlace) {
  MainWindow::RegisterTaskWindow("sset2", [](MainWindow&) { return Stand_in("sset2", kHelpTables); });
  window_->OpenSunWindow(1);
  auto* sun = window_->findChild<SunPositionWindow*>("sset1");
  ASSERT_NE(sun, nullptr);
  SunState().Twilight = 1;
  sun->OpenTables(1);
  Settle();
  EXPECT_EQ(ChildNames(), QStringList{"sset2"});
  EXPECT_EQ(SunState().Mode, 1);
  EXPECT_EQ(SunState().Twilight, 2) << "nautical twilight becomes astronomical for the table";

  window_->OpenSunWindow(8);
  sun = window_->findChild<SunPositionWindow*>("sset1");
  ASSERT_NE(sun, nullptr);
  QAction* transit = sun->findChild<QAction*>("meridiandurchgang1");
  ASSERT_NE(transit, nullptr);
  EXPECT_TRUE(transit->isEnabled());
  transit->trigger();
  Settle();
  EXPECT_EQ(ChildNames(), QStringList{"sset2"});
  EXPECT_EQ(SunState().Mode, 8);
  EXPECT_EQ(SunState().AnnualTable, 3);
}

class MissingHelpTest : public GuiTest {};

TEST_F(MissingHelpTest, StartUpGoesOnAndNamesTheFullPath) {
  MainWindowOptions options;
  options.programDirectory = Folder();
  MainWindow window(options);
  const std::string expected = "Help file " + QDir::toNativeSeparators(Folder() + "/skiagraf_d.html").toStdString() +
                               " not found!\r\nTherefore no help information included!";
  ASSERT_FALSE(ui_.shown.empty());
  EXPECT_EQ(ui_.shown.front().text, expected);
  EXPECT_EQ(ui_.shown.front().title, Caption(CaptionKind::Error));
  ui_.shown.clear();
  window.Sprache(Language::English);  // the English file is missing too; the switch happens all the same
  EXPECT_EQ(CurrentLanguage(), Language::English);
  EXPECT_TRUE(ui_.Showed("skiagraf_e.html not found!"));
  EXPECT_NE(window.Action("AufUntergang"), nullptr);
}

}  // namespace
}  // namespace skiagraf::gui::test
