#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <cmath>

#include "DialTypeWindow.h"
#include "GuiTestSupport.h"
#include "InputWindows.h"
#include "LocationWindow.h"
#include "MainWindow.h"
#include "ParameterWindow.h"
#include "RadioGroup.h"

namespace skiagraf::gui::test {
namespace {

template <typename T = QWidget>
T* Find(QWidget* window, const char* name) {
  T* w = window->findChild<T*>(name);
  EXPECT_NE(w, nullptr) << name;
  return w;
}

void Click(QWidget* window, const char* button) {
  if (auto* b = Find<QAbstractButton>(window, button)) b->click();
}

using InputWindowsTest = GuiTest;

TEST_F(InputWindowsTest, LocationInDegreesMinutesSeconds) {
  LocationWindow::DecimalInput() = true;
  LocationWindow window;
  Click(&window, "RGinput_1");
  EXPECT_FALSE(LocationWindow::DecimalInput());
  EXPECT_FALSE(Find<QLineEdit>(&window, "Edit11")->isEnabled());
  EXPECT_TRUE(Find<QLineEdit>(&window, "Edit1")->isEnabled());
  Find<QLineEdit>(&window, "Edit1")->setText("47");
  Find<QLineEdit>(&window, "Edit2")->setText("15");
  Find<QLineEdit>(&window, "Edit8")->setText("5");
  Click(&window, "RG1_0");
  EXPECT_TRUE(window.Validate());
  EXPECT_NEAR(Settings().Latitude, 47.251389, 5e-7);
  EXPECT_EQ(Find<QLineEdit>(&window, "Edit11")->text(), " 47.251389");
  LocationWindow::DecimalInput() = true;
}

TEST_F(InputWindowsTest, LocationKeyFiltersAndEnter) {
  LocationWindow::DecimalInput() = true;
  LocationWindow window;
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  auto* latitude = Find<QLineEdit>(&window, "Edit11");
  latitude->clear();
  QTest::keyClicks(latitude, "4x7,5");
  EXPECT_EQ(latitude->text(), "47.5");
  auto* year = Find<QLineEdit>(&window, "Edit5");
  year->clear();
  QTest::keyClicks(year, "-19.9a9");
  EXPECT_EQ(year->text(), "1999");
  // Enter in a decimal field goes to the year, in the year to the close button.
  latitude->setFocus();
  QTest::keyClick(latitude, Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), year);
  QTest::keyClick(year, Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), Find<QWidget>(&window, "Button1"));
  EXPECT_DOUBLE_EQ(Settings().Latitude, 47.5);
  EXPECT_EQ(Settings().ReferenceYear, 1999);
  // A decimal latitude of 0 stays 0 and reads as south in the degree presentation.
  latitude->setText("0");
  EXPECT_TRUE(window.Validate());
  EXPECT_EQ(Settings().Latitude, 0.0);
  EXPECT_EQ(Find<RadioGroup>(&window, "RG1")->ItemIndex(), 1);
}

TEST_F(InputWindowsTest, VerticalDialSetsInclinationAndHidesItsField) {
  Settings().WallInclination = 30;
  DialTypeWindow window;
  window.show();
  Click(&window, "RG1_1");
  EXPECT_EQ(Settings().DialTypeCode, 'v');
  EXPECT_DOUBLE_EQ(Settings().WallInclination, 90.0);
  EXPECT_FALSE(Find<QLineEdit>(&window, "Edit2")->isVisible());
  EXPECT_TRUE(Find<QLineEdit>(&window, "Edit1")->isVisible());
  // Closing with the horizontal dial puts the plane flat.
  Click(&window, "RG1_0");
  EXPECT_TRUE(window.Validate());
  EXPECT_EQ(Settings().WallDeclination, 0.0);
  EXPECT_EQ(Settings().WallInclination, 0.0);
  EXPECT_TRUE(Settings().InputsValid);
}

TEST_F(InputWindowsTest, DialTypeWindowKeepsTheFocusWhileItsEntriesFail) {
  QWidget frame;
  auto* window = new DialTypeWindow(nullptr, &frame);
  auto* elsewhere = new QLineEdit(&frame);
  elsewhere->setObjectName("Elsewhere");
  frame.show();
  QApplication::setActiveWindow(&frame);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
  auto* gnomon = Find<QLineEdit>(window, "Edit3");
  gnomon->setFocus();
  // 150 passes the field's own check (5 .. 200) but not the window's (3 .. 120).
  gnomon->setText("150");
  elsewhere->setFocus();
  EXPECT_EQ(QApplication::focusWidget(), gnomon);
  EXPECT_FALSE(Settings().InputsValid);
  gnomon->setText("40");
  elsewhere->setFocus();
  EXPECT_EQ(QApplication::focusWidget(), elsewhere);
  EXPECT_DOUBLE_EQ(Settings().GnomonHeight, 40.0);
  EXPECT_TRUE(Settings().InputsValid);
}

TEST_F(InputWindowsTest, OpeningSelectsTheItemOfTheType) {
  Settings().DialTypeCode = 'f';
  EXPECT_EQ(DialTypeWindow().findChild<RadioGroup*>("RG1")->ItemIndex(), 13);
  SelectUmbrellaDial(Settings());
  Settings().DialTypeCode = 'v';
  DialTypeWindow umbrella;
  EXPECT_EQ(Find<RadioGroup>(&umbrella, "RG1")->ItemIndex(), 3);
  EXPECT_EQ(Find<RadioGroup>(&umbrella, "rgSchirm")->ItemIndex(), 2);
  Click(&umbrella, "rgSchirm_1");
  EXPECT_EQ(Settings().DialTypeCode, 'i');
  EXPECT_EQ(Settings().UmbrellaOrientation, 'i');
}

TEST_F(InputWindowsTest, PicturePerType) {
  struct Case {
    char letter;
    int kind;  // cylinder, altitude-dial or azimuth-circle kind
    int picture;
    int width;
  };
  const Case cases[] = {{'z', 0, 3005, 56}, {'z', 1, 3014, 68}, {'z', 2, 3013, 82}, {'q', 0, 3004, 82},
                        {'q', 2, 3011, 82}, {'a', 0, 3003, 82}, {'h', 0, 1105, 82}, {'f', 0, 0, 82}};
  for (const Case& c : cases) {
    DialSettings s = DefaultDialSettings();
    s.DialTypeCode = c.letter;
    s.CylinderKind = s.AltitudeDialKind = s.AzimuthCircleKind = c.kind;
    EXPECT_EQ(DialTypePicture(s), c.picture) << c.letter << c.kind;
    EXPECT_EQ(DialTypePictureSize(s).width(), c.width) << c.letter << c.kind;
  }
  DialSettings s = DefaultDialSettings();
  s.DialTypeCode = 'a';
  s.AzimuthCircleKind = 1;
  s.AltitudeCircleSpacing = 2;
  EXPECT_EQ(DialTypePicture(s), 3015);
  s.AltitudeCircleSpacing = 0;
  EXPECT_EQ(DialTypePicture(s), 0);
}

TEST_F(InputWindowsTest, TypeListWithoutExpertMode) {
  Settings().ExpertMode = false;
  Settings().DialTypeCode = 'm';  // from a file: not offered, becomes 'h'
  DialTypeWindow window;
  EXPECT_EQ(Settings().DialTypeCode, 'h');
  auto* list = Find<RadioGroup>(&window, "RG1");
  ASSERT_EQ(list->Count(), 13);
  EXPECT_EQ(list->ItemIndex(), 0);
  const int bifilar = static_cast<int>(list->Items().indexOf(ToQ(CatalogueText(196))));
  ASSERT_EQ(bifilar, 11);
  Click(&window, "RG1_11");
  EXPECT_EQ(Settings().DialTypeCode, 'f');
  EXPECT_TRUE(Find<QLabel>(&window, "Label13")->text().contains("ausgeschaltet"));
  Settings().ExpertMode = true;  // not part of the defaults the next test starts from
}

TEST_F(InputWindowsTest, ParameterWindowOpensOnThePageOfTheType) {
  const std::pair<char, const char*> cases[] = {{'q', "TabSheet2"}, {'r', "TabSheet8"}, {'w', "TabSheet10"},
                                                {'h', "TabSheet1"}};
  Settings().ExpertMode = true;
  for (const auto& [letter, page] : cases) {
    SelectDialType(Settings(), letter);
    ParameterWindow window;
    EXPECT_EQ(Find<QTabWidget>(&window, "PageControl1")->currentWidget()->objectName(), page) << letter;
  }
}

TEST_F(InputWindowsTest, CopiesOnSeveralPagesStayInStep) {
  ParameterWindow window;
  auto* start = Find<QComboBox>(&window, "ComboAnf");
  emit start->activated(13);
  EXPECT_EQ(Settings().MainTimeStart, 13);
  for (const char* copy : {"cSoAnf", "coBiAnf"}) EXPECT_EQ(Find<QComboBox>(&window, copy)->currentIndex(), 13);
  emit Find<QComboBox>(&window, "cEotInt2")->activated(4);
  EXPECT_EQ(Settings().EotHourInterval, '6');
  EXPECT_EQ(Find<QComboBox>(&window, "CEotStund")->currentIndex(), 4);

  // Local or zone time: every such choice follows, and local time is the complement.
  Click(&window, "RgA1_1");
  EXPECT_TRUE(Settings().ZoneTime);
  EXPECT_FALSE(Settings().LocalTime);
  EXPECT_EQ(Find<RadioGroup>(&window, "rgQuad")->ItemIndex(), 1);
  Click(&window, "rgQuad_0");
  EXPECT_TRUE(Settings().LocalTime);
  EXPECT_EQ(Find<RadioGroup>(&window, "RgAzCo")->ItemIndex(), 0);

  Click(&window, "chB5S");  // Babylonian hours on the umbrella page
  EXPECT_TRUE(Settings().BabylonianHours);
  for (const char* copy : {"ChB5", "ChB5z", "ChB5r", "ChB5a"}) EXPECT_TRUE(Find<QCheckBox>(&window, copy)->isChecked());

  // The empty fifth date-line item means own dates; every date-line control follows.
  Click(&window, "RG1_4");
  EXPECT_EQ(Settings().DateLineMode, '2');
  for (const char* group : {"RG1", "RGs1", "RgBi"}) EXPECT_EQ(Find<RadioGroup>(&window, group)->ItemIndex(), 2);
  for (const char* chooser : {"cLinZl", "cLinZl2", "cLinZlS", "cLinZlH"})
    EXPECT_EQ(Find<QComboBox>(&window, chooser)->currentIndex(), 2);
  emit Find<QComboBox>(&window, "cLinZlH")->activated(0);
  EXPECT_EQ(Settings().DateLineMode, '0');
  EXPECT_EQ(Find<RadioGroup>(&window, "RgBi")->ItemIndex(), 0);
  EXPECT_TRUE(Find<QListWidget>(&window, "ListBox2")->property("greyed").toBool());
}

TEST_F(InputWindowsTest, LanguageSwitchKeepsTheChoicesOfTheParameterWindow) {
  ParameterWindow window;
  Click(&window, "RG1_3");
  emit Find<QComboBox>(&window, "ComboAnf")->activated(6);
  SetCurrentLanguage(Language::English);
  RecaptionWindow(&window);
  auto* pages = Find<QTabWidget>(&window, "PageControl1");
  EXPECT_EQ(pages->tabText(0).toStdString(), Title(31, Language::English));
  EXPECT_EQ(pages->tabText(9).toStdString(), Title(40, Language::English));
  auto* rg1 = Find<RadioGroup>(&window, "RG1");
  EXPECT_EQ(rg1->ItemIndex(), 3);
  EXPECT_EQ(rg1->Items().at(3).toStdString(), CatalogueText(127, Language::English));
  EXPECT_EQ(Find<QComboBox>(&window, "ComboAnf")->currentIndex(), 6);
  // "No date lines" has no entry among the lines per month.
  auto* perMonth = Find<QComboBox>(&window, "cLinZl");
  EXPECT_EQ(perMonth->count(), 3);
  EXPECT_EQ(perMonth->currentIndex(), -1);
  EXPECT_EQ(perMonth->itemText(2).toStdString(), CatalogueText(48, Language::English));
  EXPECT_EQ(Find<QPushButton>(&window, "Button2")->text(), "Date &into List");
  EXPECT_EQ(Find<QPushButton>(&window, "btCancel")->text().toStdString(), CatalogueText(546, Language::English));
}

TEST_F(InputWindowsTest, OwnDatesAddedInOrderAndRemoved) {
  Settings().OwnDateLines = {"01/03    ( 01. Mar )", "21/12    ( 21. Dez )"};
  ParameterWindow window;
  auto* list = Find<QListWidget>(&window, "ListBox2");
  ASSERT_EQ(list->count(), 2);
  auto* entry = Find<QLineEdit>(&window, "MaskEdit1");
  for (int i = 0; i < 2; ++i) {
    entry->setText("05/07");
    Click(&window, "Button2");
  }
  const std::vector<std::string> expected = {"01/03    ( 01. Mar )", "05/07    ( 05. Jul )", "05/07    ( 05. Jul )",
                                             "21/12    ( 21. Dez )"};
  EXPECT_EQ(Settings().OwnDateLines, expected);
  ASSERT_EQ(list->count(), 4);
  EXPECT_EQ(list->item(1)->text(), "05/07    ( 05. Jul )");
  entry->setText("31/04");
  Click(&window, "Button2");
  EXPECT_TRUE(ui_.Showed("Fehlerhafte Eingabe !"));
  EXPECT_EQ(list->count(), 4);
  list->setCurrentRow(0);
  Click(&window, "Button1");
  ASSERT_EQ(Settings().OwnDateLines.size(), 3u);
  EXPECT_EQ(Settings().OwnDateLines.front(), "05/07    ( 05. Jul )");
  Click(&window, "Button1");  // nothing selected: nothing removed
  EXPECT_EQ(Settings().OwnDateLines.size(), 3u);
}

// Clicking anywhere into the empty date field and typing the digits enters the date.
TEST_F(InputWindowsTest, DateTypedAfterAClickAtTheEndOfTheEmptyField) {
  ParameterWindow window;
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  auto* entry = Find<QLineEdit>(&window, "MaskEdit1");
  QTest::mouseClick(entry, Qt::LeftButton, {}, QPoint(entry->width() - 4, entry->height() / 2));
  QTest::keyClicks(entry, "0507");
  EXPECT_EQ(entry->displayText(), "05/07");
}

TEST_F(InputWindowsTest, LeavingAPageTransfersIt) {
  SelectDialType(Settings(), 'r');
  ParameterWindow window;
  auto* width = Find<QLineEdit>(&window, "rBreitEdit");
  width->setText("500");
  EXPECT_FALSE(window.SelectPage(ParameterPage::Planar));
  EXPECT_EQ(window.CurrentPage(), ParameterPage::Ring);
  EXPECT_TRUE(ui_.Showed("Bitte zuerst die fehlerhafte Eingabe korrigieren!"));
  width->setText("250");
  EXPECT_TRUE(window.SelectPage(ParameterPage::Planar));
  EXPECT_DOUBLE_EQ(Settings().RingWidth, 250.0);
}

TEST_F(InputWindowsTest, SawyerKindAndUmbrellaOrientation) {
  ParameterWindow window;
  Click(&window, "rgSawPeau_1");
  EXPECT_EQ(Settings().DialTypeCode, 'p');
  Settings().SawyerTimeKind = 3;
  Click(&window, "rgSawPeau_0");
  EXPECT_EQ(Settings().DialTypeCode, 'w');
  EXPECT_TRUE(Settings().SawyerStraightLines);
  EXPECT_TRUE(Settings().CylinderEotConstruction);
  Click(&window, "RgBifi_1");
  EXPECT_TRUE(Settings().UmbrellaMode);
  Click(&window, "RGSchirm_1");
  EXPECT_EQ(Settings().DialTypeCode, 'i');
  EXPECT_EQ(Settings().UmbrellaOrientation, 'i');
  Click(&window, "RgBifi_0");
  EXPECT_EQ(Settings().DialTypeCode, 'f');
  EXPECT_FALSE(Settings().UmbrellaMode);
}

TEST_F(InputWindowsTest, GuidedCreationThroughTheThreeWindows) {
  const QString help = QString(SKIAGRAF_SOURCE_DIR) + "/gui/help";
  for (const char* name : {"skiagraf_d.html", "skiagraf_e.html"})
    ASSERT_TRUE(QFile::copy(help + "/" + name, Folder() + "/" + name));
  RegisterInputWindows();
  MainWindow frame(MainWindowOptions{.programDirectory = Folder(), .settingsFile = {}});
  frame.show();
  auto child = [&frame]() -> TaskWindow* {
    QCoreApplication::processEvents();
    const QList<TaskWindow*> children = frame.Children();
    return children.size() == 1 ? children.front() : nullptr;
  };
  frame.StartWizard();
  ASSERT_NE(child(), nullptr);
  EXPECT_EQ(child()->objectName(), "Form6");
  // "Weiter" from the menu with a refused entry stays at the step.
  Find<QLineEdit>(child(), "Edit5")->setText("1299");
  frame.WizardNext();
  ASSERT_NE(child(), nullptr);
  EXPECT_EQ(child()->objectName(), "Form6");
  EXPECT_EQ(frame.Wizard(), MainWindow::WizardState::Running);
  Find<QLineEdit>(child(), "Edit5")->setText("2024");
  EXPECT_EQ(child()->windowTitle(), "Sonnenuhr erstellen, Teil 1");
  EXPECT_TRUE(Find<QWidget>(child(), "btCancel")->isVisible());
  EXPECT_EQ(Find<QPushButton>(child(), "Button1")->text(), " &Nächstes... >");
  Click(child(), "Button1");
  ASSERT_NE(child(), nullptr);
  EXPECT_EQ(child()->objectName(), "F4");
  EXPECT_EQ(child()->windowTitle(), "Sonnenuhr erstellen, Teil 2");
  EXPECT_FALSE(frame.Action("AuswahlTyp")->isEnabled()) << "the open window's own entry";
  EXPECT_TRUE(frame.Action("Lage")->isEnabled());
  Click(child(), "Button1");
  ASSERT_NE(child(), nullptr);
  EXPECT_EQ(child()->objectName(), "Form4");
  Click(child(), "btCancel");
  QCoreApplication::processEvents();
  EXPECT_TRUE(frame.Children().isEmpty());
  EXPECT_EQ(frame.Wizard(), MainWindow::WizardState::None);
}

}  // namespace
}  // namespace skiagraf::gui::test
