#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QWheelEvent>

#include "DrawingWindow.h"
#include "GuiTestSupport.h"
#include "MainWindow.h"
#include "PalettePanel.h"
#include "text/Texts.h"

namespace skiagraf::gui::test {
namespace {

class DrawingWindowTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    DrawingHooks() = {};
    Settings().Latitude = 47;
  }
  void TearDown() override {
    window_.reset();
    DrawingHooks() = {};
    GuiTest::TearDown();
  }

  // A drawing window of its own, shown at a fixed size.
  DrawingWindow& Open() {
    window_ = std::make_unique<DrawingWindow>();
    window_->resize(1100, 760);
    window_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    return *window_;
  }
  template <typename T>
  T* Find(const char* name) {
    T* w = window_->findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  // Pixels of the canvas that are not white.
  int InkedPixels() const {
    const QImage& image = window_->CanvasImage();
    int n = 0;
    for (int y = 0; y < image.height(); y += 2)
      for (int x = 0; x < image.width(); x += 2) n += image.pixel(x, y) != qRgb(255, 255, 255);
    return n;
  }

  std::unique_ptr<DrawingWindow> window_;
};

TEST_F(DrawingWindowTest, TheMainWindowOpensItUnderForm5) {
  RegisterDrawingWindow();
  MainWindow frame(MainWindowOptions{.programDirectory = Folder(), .settingsFile = {}});
  frame.show();
  TaskWindow* task = frame.OpenTask("Form5");
  ASSERT_NE(qobject_cast<DrawingWindow*>(task), nullptr);
  EXPECT_EQ(task->objectName(), "Form5");
  EXPECT_EQ(task->HelpContext(), 700);
  EXPECT_EQ(task->windowTitle(), " Konstruktion einer vertikalen Sonnenuhr");
}

TEST_F(DrawingWindowTest, ZeichnenDrawsTheDialAtZoomOne) {
  DrawingWindow& w = Open();
  w.FormMouseWheel(120);
  QTest::mouseClick(Find<QPushButton>("BitBtnNetz"), Qt::LeftButton);
  EXPECT_TRUE(w.View().grid);
  QTest::mouseClick(Find<QPushButton>("bitBtnZeichne"), Qt::LeftButton);
  EXPECT_FALSE(w.View().grid);
  EXPECT_DOUBLE_EQ(w.Zoom(), 1.0);
  EXPECT_GT(InkedPixels(), 2000);
}

TEST_F(DrawingWindowTest, WheelZoomsByTheTurnAndIgnoresStrongTurnsTowardsTheUser) {
  DrawingWindow& w = Open();
  w.FormMouseWheel(-300);
  EXPECT_DOUBLE_EQ(w.Zoom(), 1.0);
  // A wheel event over the canvas reaches the same handler.
  auto* canvas = Find<QWidget>("Image1");
  const QPointF at(100, 100);
  QWheelEvent wheel(at, canvas->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(canvas, &wheel);
  EXPECT_DOUBLE_EQ(w.Zoom(), 1.06);
  w.FormMouseWheel(-299);
  EXPECT_NEAR(w.Zoom(), 1.06 * (1 - 299.0 / 2000), 1e-12);
  // Over the angles table the wheel scrolls the table; a turn that the table cannot
  // use (at the end of its range) comes on to the canvas and leaves the drawing as it is.
  const double zoom = w.Zoom();
  w.BitBtnWinkelClick(true);
  const QPointF overTable = QPointF(Find<QWidget>("PWinkel")->geometry().center());
  QWheelEvent passedOn(overTable, canvas->mapToGlobal(overTable), QPoint(), QPoint(0, 120), Qt::NoButton,
                       Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(canvas, &passedOn);
  EXPECT_DOUBLE_EQ(w.Zoom(), zoom);
}

TEST_F(DrawingWindowTest, EightZoomStepsDoubleTheZoom) {
  DrawingWindow& w = Open();
  for (int i = 0; i < 8; ++i) QTest::mouseClick(Find<QPushButton>("BBtnZoomIn"), Qt::LeftButton);
  EXPECT_NEAR(w.Zoom(), 2.0, 1e-12);
  for (int i = 0; i < 8; ++i) QTest::mouseClick(Find<QPushButton>("BitBtnOut"), Qt::LeftButton);
  EXPECT_NEAR(w.Zoom(), 1.0, 1e-12);
}

TEST_F(DrawingWindowTest, ScreenFormatA3KeepsTheZoomAndIsTickedInThePopup) {
  DrawingWindow& w = Open();
  w.Konstruiere(DrawingWindow::DrawMode::Fresh);
  w.A3Click();
  EXPECT_TRUE(w.View().a3);
  EXPECT_DOUBLE_EQ(w.Zoom(), 1.0);
  auto* popup = Find<QMenu>("PopupZeichnen");
  emit popup->aboutToShow();
  EXPECT_TRUE(Find<QAction>("A3")->isChecked());
  EXPECT_FALSE(Find<QAction>("A4")->isChecked());
}

TEST_F(DrawingWindowTest, ScreenFormatOfTheMainMenuHoldsForTheNextDrawingWindow) {
  RegisterDrawingWindow();
  MainWindow frame(MainWindowOptions{.programDirectory = Folder(), .settingsFile = {}});
  frame.show();
  frame.Action("DINA3")->trigger();
  auto* drawing = qobject_cast<DrawingWindow*>(frame.OpenTask("Form5"));
  ASSERT_NE(drawing, nullptr);
  EXPECT_TRUE(drawing->View().a3);
  drawing->A4Click();
  EXPECT_TRUE(frame.Action("DINA4")->isChecked());
  frame.CloseChildrenExcept("");
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  drawing = qobject_cast<DrawingWindow*>(frame.OpenTask("Form5"));
  ASSERT_NE(drawing, nullptr);
  EXPECT_FALSE(drawing->View().a3);
}

TEST_F(DrawingWindowTest, DefaultFootLiesAboveTheMiddleOnSouthernLatitudes) {
  Settings().DialTypeCode = 'h';
  Settings().Latitude = -35;
  DrawingWindow& w = Open();
  EXPECT_LT(w.View().foot.y, w.CanvasSize().height() / 2.0);
  Settings().Latitude = 47;
  w.Ursprung_zeigen();
  EXPECT_GT(w.View().foot.y, w.CanvasSize().height() / 2.0);
  EXPECT_FALSE(w.FootPlacedByUser());
}

TEST_F(DrawingWindowTest, MouseClicksPlaceTheFootAndTheText) {
  DrawingWindow& w = Open();
  auto* canvas = Find<QWidget>("Image1");
  QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(300, 200));
  EXPECT_EQ(w.View().foot, (PointD{300, 200}));
  EXPECT_TRUE(w.FootPlacedByUser());
  EXPECT_GT(InkedPixels(), 1000);
  QTest::mouseClick(canvas, Qt::LeftButton, Qt::AltModifier, QPoint(120, 600));
  EXPECT_EQ(w.View().textAnchor, (PointD{120, 600}));
  EXPECT_TRUE(w.TextPlacedByUser());
  EXPECT_EQ(w.View().foot, (PointD{300, 200}));
}

TEST_F(DrawingWindowTest, PopupTogglesTheStyleOptionsAndDisablesThemOnUmbrellaDials) {
  DrawingWindow& w = Open();
  auto* popup = Find<QMenu>("PopupZeichnen");
  Find<QAction>("StundenlinienbiszumFupunkt1")->trigger();
  Find<QAction>("ZeichnePolDr1")->trigger();
  EXPECT_TRUE(Settings().HourLinesToStyleFoot);
  EXPECT_TRUE(Settings().PolarTriangle);
  emit popup->aboutToShow();
  EXPECT_TRUE(Find<QAction>("StundenlinienbiszumFupunkt1")->isChecked());
  EXPECT_TRUE(Find<QAction>("ZeichnePolDr1")->isEnabled());
  Settings().UmbrellaMode = true;
  emit popup->aboutToShow();
  EXPECT_FALSE(Find<QAction>("ZeichnePolDr1")->isEnabled());
  EXPECT_FALSE(Find<QAction>("StundenlinienbiszumFupunkt1")->isEnabled());
  EXPECT_FALSE(Find<QAction>("PolstabInformationen1")->isEnabled());
  (void)w;
}

TEST_F(DrawingWindowTest, AnglesTableAndStyleInformation) {
  Settings().DialTypeCode = 'h';
  Settings().MainTimeStart = 6;
  Settings().BifilarHourInterval = '0';
  DrawingWindow& w = Open();
  QTest::mouseClick(Find<QPushButton>("BitBtnWinkel"), Qt::LeftButton);
  auto* grid = Find<QTableWidget>("StrGrWinkel");
  ASSERT_TRUE(Find<QWidget>("PWinkel")->isVisible());
  // 9:00 lies in row 4 (6, 7, 8, 9 after the heading).
  ASSERT_NE(grid->item(4, 1), nullptr);
  EXPECT_EQ(grid->item(4, 0)->text(), "9:00");
  EXPECT_EQ(grid->item(4, 1)->text(), "    36.18");
  EXPECT_EQ(grid->item(4, 2)->text(), "    0.731");
  ASSERT_NE(w.AnglesTable(), nullptr);
  EXPECT_FALSE(Find<QPlainTextEdit>("Memo1")->toPlainText().isEmpty());
  // The longitude tick switches the straight lines to apparent time at the zone meridian.
  QTest::mouseClick(Find<QCheckBox>("ChBLKorr"), Qt::LeftButton);
  EXPECT_FALSE(Settings().BifilarLocalTime);
  EXPECT_TRUE(Find<QWidget>("PLaen")->isVisible());
  QTest::mouseClick(Find<QPushButton>("BitBtnStabInfo"), Qt::LeftButton);
  EXPECT_TRUE(Find<QWidget>("pStabInfo")->isVisible());
  EXPECT_TRUE(Find<QPlainTextEdit>("StabMemo")->toPlainText().startsWith("Horizontale SONNENUHR"));
}

TEST_F(DrawingWindowTest, LongitudeTickShowsTheTimeOfTheRecord) {
  // A design whose straight hour lines show apparent time at the zone meridian.
  Settings().DialTypeCode = 'h';
  Settings().BifilarLocalTime = false;
  DrawingWindow& w = Open();
  w.BitBtnWinkelClick(true);
  EXPECT_TRUE(Find<QCheckBox>("ChBLKorr")->isChecked());
  // The table is the one of the record (noon is off the meridian by the longitude).
  const HourLineAngleTable record = ComputeHourLineAngles(Settings(), w.Zoom());
  ASSERT_NE(w.AnglesTable(), nullptr);
  EXPECT_EQ(w.AnglesTable()->Grid, record.Grid);
  EXPECT_NE(ComputeHourLineAngles(Settings(), false, 35.0).Grid, record.Grid);
  // Unticking goes back to local apparent time.
  QTest::mouseClick(Find<QCheckBox>("ChBLKorr"), Qt::LeftButton);
  EXPECT_TRUE(Settings().BifilarLocalTime);
  EXPECT_FALSE(Find<QCheckBox>("ChBLKorr")->isChecked());
}

TEST_F(DrawingWindowTest, CanvasShowsTheWholeConstructionWithAndWithoutTheExpertPanel) {
  for (const bool expert : {false, true}) {
    SCOPED_TRACE(expert);
    Settings().ExpertPanel = expert;
    DrawingWindow& w = Open();
    w.Konstruiere(DrawingWindow::DrawMode::Fresh);
    EXPECT_EQ(Find<QWidget>("PExpert")->isVisible(), expert);
    // After the window has been laid out anew the canvas still shows the whole image.
    w.resize(1000, 700);
    QCoreApplication::processEvents();
    EXPECT_EQ(Find<QWidget>("Image1")->size(), w.CanvasSize());
  }
}

TEST_F(DrawingWindowTest, ColourButtonAndMapBoxesCarryTheirCaptions) {
  Settings().ExpertPanel = true;
  Open();
  EXPECT_EQ(Find<QPushButton>("BitBtnCol")->text(), "Colors");
  EXPECT_EQ(Find<QCheckBox>("ChBMap")->text(), "coastline");
  EXPECT_EQ(Find<QCheckBox>("ChBfrontier")->text(), "Grenzen");
}

TEST_F(DrawingWindowTest, ExpertBoxesMirrorTheMapSettings) {
  Settings().DrawCoastline = false;
  Open();
  auto* map = Find<QCheckBox>("ChBMap");
  EXPECT_FALSE(map->isChecked());
  QTest::mouseClick(map, Qt::LeftButton);
  EXPECT_TRUE(Settings().DrawCoastline);
  QTest::mouseClick(Find<QCheckBox>("ChBfrontier"), Qt::LeftButton);
  EXPECT_FALSE(Settings().DrawBorders);
}

TEST_F(DrawingWindowTest, SaveAndPrintCommandsCallTheirHooks) {
  {
    Open();
    EXPECT_FALSE(Find<QPushButton>("dxf")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>("BitBtnDrucken")->isEnabled());
  }
  int saved = -1, printed = 0;
  bool listed = true;
  DrawingHooks().save = [&](DrawingWindow&, bool dxf, bool coordinates) {
    saved = dxf;
    listed = coordinates;
  };
  DrawingHooks().print = [&](DrawingWindow&) { ++printed; };
  Open();
  QTest::mouseClick(Find<QPushButton>("dxf"), Qt::LeftButton);
  EXPECT_EQ(saved, 1);
  EXPECT_FALSE(listed);
  QTest::mouseClick(Find<QPushButton>("BitBtnHPGL"), Qt::LeftButton);
  EXPECT_EQ(saved, 0);
  QTest::mouseClick(Find<QPushButton>("BitBtnDrucken"), Qt::LeftButton);
  EXPECT_EQ(printed, 1);
  // "Koordinatenliste" saves a DXF file with the coordinate list in a text file.
  emit Find<QMenu>("PopupZeichnen")->aboutToShow();
  ASSERT_TRUE(Find<QAction>("Koordinaten1")->isEnabled());
  Find<QAction>("Koordinaten1")->trigger();
  EXPECT_EQ(saved, 1);
  EXPECT_TRUE(listed);
}

TEST_F(DrawingWindowTest, SaveAndPrintNeedAConstructionOfTheDialType) {
  int saved = 0, printed = 0;
  DrawingHooks().save = [&](DrawingWindow&, bool, bool) { ++saved; };
  DrawingHooks().print = [&](DrawingWindow&) { ++printed; };
  struct Case {
    char type;
    int cylinderKind;
    bool usable;  // has a construction and a plot-file routine
    bool list;    // offers the coordinate list
  } const cases[] = {{'v', 0, true, true}, {'k', 0, true, false}, {'z', 0, true, false},
                     {'z', 1, false, false}, {'q', 0, false, false}, {'a', 0, false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(1, c.type) + std::to_string(c.cylinderKind));
    Settings().DialTypeCode = c.type;
    Settings().CylinderKind = c.cylinderKind;
    DrawingWindow& w = Open();
    emit Find<QMenu>("PopupZeichnen")->aboutToShow();
    for (const char* button : {"dxf", "BitBtnHPGL", "BitBtnDrucken"})
      EXPECT_EQ(Find<QPushButton>(button)->isEnabled(), c.usable) << button;
    for (const char* item : {"SpeichernalsHPGL1", "Speichernalsdxf1", "Drucken1"})
      EXPECT_EQ(Find<QAction>(item)->isEnabled(), c.usable) << item;
    EXPECT_EQ(Find<QAction>("Koordinaten1")->isEnabled(), c.list);
    EXPECT_EQ(w.CanPrintTask(), c.usable);
    // Called all the same (a short-cut), they do nothing.
    saved = printed = 0;
    w.dxfClick(true);
    w.BildDrucken();
    EXPECT_EQ(saved, c.usable);
    EXPECT_EQ(printed, c.usable);
  }
}

TEST_F(DrawingWindowTest, TheMainWindowsPrintCommandPrintsTheDrawingOnce) {
  int printed = 0;
  DrawingHooks().save = [](DrawingWindow&, bool, bool) {};
  DrawingHooks().print = [&](DrawingWindow&) { ++printed; };
  RegisterDrawingWindow();
  MainWindow frame(MainWindowOptions{.programDirectory = Folder(), .settingsFile = {}});
  frame.show();
  ASSERT_NE(frame.OpenTask("Form5"), nullptr);
  QCoreApplication::processEvents();
  ASSERT_TRUE(frame.Action("Drucken")->isEnabled());
  frame.Action("Drucken")->trigger();
  EXPECT_EQ(printed, 1);
  // Saving hides the colour palette of the main window, which would cover the panel.
  frame.Action("Farbpalette")->trigger();
  ASSERT_TRUE(frame.Palette()->isVisible());
  frame.findChild<QPushButton*>("dxf")->click();
  EXPECT_FALSE(frame.Palette()->isVisible());
  // A dial type without a construction has nothing to print.
  frame.CloseChildrenExcept("");
  Settings().DialTypeCode = 'q';
  ASSERT_NE(frame.OpenTask("Form5"), nullptr);
  QCoreApplication::processEvents();
  EXPECT_FALSE(frame.Action("Drucken")->isEnabled());
}

TEST_F(DrawingWindowTest, HintPanelNamesWhatTheMouseDoes) {
  Open();
  auto* hint = Find<QLabel>("pWarnung");
  EXPECT_EQ(hint->text().toStdString(), CatalogueText(719));  // after activation
  QEvent enter(QEvent::Enter);
  QApplication::sendEvent(Find<QPushButton>("BitBtnStabInfo"), &enter);
  EXPECT_EQ(hint->text().toStdString(), CatalogueText(720));
  QApplication::sendEvent(Find<QPushButton>("BitBtnNetz"), &enter);
  EXPECT_EQ(hint->text().toStdString(), CatalogueText(719));
  // Over the canvas the placement hint stays; after a drawing, which clears the
  // panel, the canvas brings the hint on the text position.
  QMouseEvent move(QEvent::MouseMove, QPointF(50, 50), QPointF(50, 50), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(Find<QWidget>("Image1"), &move);
  EXPECT_EQ(hint->text().toStdString(), CatalogueText(719));
  window_->Konstruiere();
  EXPECT_TRUE(hint->text().isEmpty());
  QApplication::sendEvent(Find<QWidget>("Image1"), &move);
  EXPECT_EQ(hint->text().toStdString(), CatalogueText(720));
  Settings().DialTypeCode = 'q';  // types without a movable foot get no hint
  QApplication::sendEvent(Find<QPushButton>("BitBtnNetz"), &enter);
  EXPECT_TRUE(hint->text().isEmpty());
}

TEST_F(DrawingWindowTest, AltitudeDialsAreDrawnWithTheirCaptionAndWithoutThePlanarParts) {
  struct Case {
    char type;
    Language language;
    const char* caption;
  } const cases[] = {
      {'z', Language::German, " Konstruktion einer Zylindersonnenuhr (Hirtensonnenuhr)"},
      {'z', Language::English, "Construction of a Cylinder Sundial (Shepherds´ Dial)"},
      {'k', Language::German, " Konstruktion einer horizontalen Höhensonnenuhr"},
      {'k', Language::English, "Construction of a horizontal elevation Sundial"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(1, c.type));
    SetCurrentLanguage(c.language);
    Settings().DialTypeCode = c.type;
    Settings().CylinderKind = 0;
    DrawingWindow& w = Open();
    EXPECT_EQ(w.windowTitle().toStdString(), c.caption);
    // Nothing to place with the mouse: drawn as the window opens, no hint, and a
    // click leaves the foot alone.
    EXPECT_GT(InkedPixels(), 2000) << "drawn when the window opens";
    EXPECT_TRUE(Find<QLabel>("pWarnung")->text().isEmpty());
    QTest::mouseClick(Find<QPushButton>("bitBtnZeichne"), Qt::LeftButton);
    EXPECT_GT(InkedPixels(), 2000);
    const PointD foot = w.View().foot;
    QTest::mouseClick(Find<QWidget>("Image1"), Qt::LeftButton, Qt::NoModifier, QPoint(300, 200));
    EXPECT_EQ(w.View().foot, foot);
    EXPECT_FALSE(w.FootPlacedByUser());
    // Style data and the angles table belong to the planar dials.
    EXPECT_FALSE(Find<QPushButton>("BitBtnStabInfo")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>("BitBtnWinkel")->isEnabled());
    w.sInfo();
    w.BitBtnWinkelClick(true);
    EXPECT_FALSE(Find<QWidget>("pStabInfo")->isVisible());
    EXPECT_FALSE(Find<QWidget>("PWinkel")->isVisible());
    EXPECT_EQ(w.AnglesTable(), nullptr);
    emit Find<QMenu>("PopupZeichnen")->aboutToShow();
    for (const char* planarOnly : {"PolstabInformationen1", "ZeichnePolDr1", "StundenlinienbiszumFupunkt1"})
      EXPECT_FALSE(Find<QAction>(planarOnly)->isEnabled()) << planarOnly;
  }
}

TEST_F(DrawingWindowTest, LettersWithoutAConstructionLeaveTheCanvasWhite) {
  Settings().DialTypeCode = 'q';
  DrawingWindow& w = Open();
  w.Konstruiere(DrawingWindow::DrawMode::Fresh);
  EXPECT_EQ(InkedPixels(), 0);
}

}  // namespace
}  // namespace skiagraf::gui::test
