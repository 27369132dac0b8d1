// The save panel of the drawing window and the true-size printing.
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <filesystem>

#include "ConstructionPrint.h"
#include "GuiTestSupport.h"
#include "PlotSavePanel.h"
#include "RadioGroup.h"
#include "dials/AltitudeDialGeometry.h"
#include "dials/HourLineAngles.h"

namespace skiagraf::gui::test {
namespace {

class PlotSavePanelTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    Settings().DialTypeCode = 'h';
    Settings().Latitude = 48;
    DefaultPlanarPlacement(Settings(), 1120, 790, view_);
    panel_ = std::make_unique<PlotSavePanel>([this] {
      PlotSavePanel::Drawing d;
      d.settings = &Settings();
      d.view = view_;
      d.canvasWidth = 1120;
      d.canvasHeight = 790;
      return d;
    });
  }
  template <typename T>
  T* Child(const char* name) {
    return panel_->findChild<T*>(name);
  }

  DrawingView view_;
  std::unique_ptr<PlotSavePanel> panel_;
};

TEST_F(PlotSavePanelTest, NameCompletionAndListName) {
  EXPECT_EQ(panel_->objectName(), "HPGpanel");
  auto* name = Child<QLineEdit>("namehpg");
  auto* list = Child<QLabel>("lKoord");
  ASSERT_TRUE(name && list && Child<RadioGroup>("RGKoordinaten") && Child<QComboBox>("dxfCombobox") &&
              Child<QPushButton>("BtnWeiter") && Child<QPushButton>("BtnAbbruch"));
  struct Case {
    PlotFormat format;
    const char* typed;
    const char* completed;
  };
  for (const Case& c : {Case{PlotFormat::Hpgl, "", "skiag.plt"}, Case{PlotFormat::Dxf, "sonnenuhr", "sonnenuhr.dxf"},
                        Case{PlotFormat::Hpgl, "a.b.c", "a.plt"}}) {
    name->setText(c.typed);
    ASSERT_TRUE(panel_->Open(c.format, true, false));
    EXPECT_TRUE(panel_->isVisible());
    EXPECT_EQ(name->text(), c.completed);
    EXPECT_EQ(list->text(), QString(c.completed).section('.', 0, 0) + ".txt");
  }
  // Switching the language re-captions the open panel and keeps its choices.
  SetCurrentLanguage(Language::English);
  RecaptionWindow(panel_.get());
  EXPECT_EQ(Child<QPushButton>("BtnWeiter")->text(), "&Continue");
  EXPECT_EQ(Child<QComboBox>("dxfCombobox")->currentText(), " thin ");
  EXPECT_EQ(Child<RadioGroup>("RGKoordinaten")->ItemIndex(), 2);
  SetCurrentLanguage(Language::German);
  RecaptionWindow(panel_.get());
  // While typing the list name follows the name.
  name->setText("wand");
  panel_->namehpgChange();
  EXPECT_EQ(list->text(), "wand.txt");
  panel_->abbruch();
  EXPECT_FALSE(panel_->isVisible());
}

TEST_F(PlotSavePanelTest, SavesTheDrawingWithItsCoordinateList) {
  const std::string file = (Folder() + "/dial.dxf").toStdString();
  ui_.files.push_back(file);
  ASSERT_TRUE(panel_->Open(PlotFormat::Dxf, true, true));
  auto* width = Child<QComboBox>("dxfCombobox");
  EXPECT_EQ(width->itemText(1), " mittel");
  width->setCurrentIndex(1);
  panel_->dxfComboboxClick(1);
  EXPECT_EQ(Settings().PlotLineWeight, 2);
  ui_.answers.push_back(Answer::No);  // no grid
  panel_->BtnWeiterClick();
  EXPECT_FALSE(panel_->isVisible());
  EXPECT_TRUE(panel_->LastResult().saved);
  EXPECT_TRUE(std::filesystem::exists(file));
  EXPECT_TRUE(std::filesystem::exists((Folder() + "/dial.txt").toStdString()));
  EXPECT_FALSE(std::filesystem::exists((Folder() + "/skiagraf.$$$").toStdString()));
  EXPECT_TRUE(ui_.Showed("Soll zusätzlich das Koordinatennetz"));
  EXPECT_TRUE(ui_.Showed("gespeichert"));
}

TEST_F(PlotSavePanelTest, FootOutsideAsksAndOtherTypesHaveNoList) {
  view_.foot = {-5, 100};
  ui_.answers.push_back(Answer::Yes);  // cancel
  EXPECT_FALSE(panel_->Open(PlotFormat::Hpgl, false, true));
  EXPECT_FALSE(panel_->isVisible());
  EXPECT_TRUE(ui_.Showed("Abbrechen?"));
  EXPECT_EQ(ui_.shown.back().icon, MessageIcon::Question);
  // A dial type with a plot file but no coordinate list.
  Settings().DialTypeCode = 'k';
  ASSERT_TRUE(panel_->Open(PlotFormat::Hpgl, true, true));
  EXPECT_FALSE(Child<RadioGroup>("RGKoordinaten")->isEnabled());
  EXPECT_EQ(Child<RadioGroup>("RGKoordinaten")->ItemIndex(), 0);
  EXPECT_TRUE(Child<QLabel>("lKoord")->text().isEmpty());
}

TEST_F(PlotSavePanelTest, DialTypesWithoutAConstructionAreNeitherSavedNorPrinted) {
  for (const char type : {'q', 'a', 'r'}) {
    SCOPED_TRACE(std::string(1, type));
    Settings().DialTypeCode = type;
    ui_.shown.clear();
    EXPECT_FALSE(panel_->Open(PlotFormat::Dxf, false, true));
    EXPECT_FALSE(panel_->isVisible());
    EXPECT_TRUE(ui_.Showed("keine Konstruktion"));
    // The print routine says so too instead of printing a blank page.
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = Folder() + "/blank.pdf";
    printer.setOutputFileName(pdf);
    bool setUpShown = false;
    ui_.shown.clear();
    EXPECT_FALSE(PrintConstruction(printer, Settings(), view_, 1120, 790, [&](QPrinter&) { return setUpShown = true; }));
    EXPECT_FALSE(setUpShown);
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(ui_.Showed("keine Konstruktion"));
  }
}

// Longest run of dark pixels in a row and in a column of the image.
int LongestRun(const QImage& image, bool horizontal) {
  int best = 0;
  const int outer = horizontal ? image.height() : image.width();
  const int inner = horizontal ? image.width() : image.height();
  for (int a = 0; a < outer; ++a) {
    int run = 0;
    for (int b = 0; b < inner; ++b) {
      const QColor c = horizontal ? image.pixelColor(b, a) : image.pixelColor(a, b);
      run = c.lightness() < 160 ? run + 1 : 0;
      best = std::max(best, run);
    }
  }
  return best;
}

// The construction of the record on a page at 254 dots per inch, where one pixel is
// 0.1 mm, with the drawing window's default canvas and placements.
QImage TrueSizePage(DialSettings& s) {
  DrawingView view;
  DefaultPlanarPlacement(s, 1120, 790, view);
  QImage page(2800, 2000, QImage::Format_RGB32);
  page.setDotsPerMeterX(10000);
  page.setDotsPerMeterY(10000);
  page.fill(Qt::white);
  {
    QPainter painter(&page);
    PrintPageTransform(painter, 0, 0);
    DrawConstructionPage(painter, 2800, 2000, s, view, 1120, 790);
  }
  return page;
}

// The page without its frame, which lies 50 units inside the page edge.
QImage TrueSizePageInsideTheFrame(DialSettings& s) { return TrueSizePage(s).copy(60, 60, 2680, 1880); }

TEST_F(GuiTest, PrintedGnomonScaleBarIsTrueSize) {
  DialSettings& s = Settings();
  s.DialTypeCode = 'h';
  s.Latitude = 48;
  s.GnomonHeight = 50;
  // The bar in the lower left corner: upright and base 50 mm, tick 5 mm.
  const QImage corner = TrueSizePage(s).copy(0, 1350, 700, 650);
  EXPECT_NEAR(LongestRun(corner, true), 500, 2);
  EXPECT_NEAR(LongestRun(corner, false), 500, 2);
}

TEST_F(GuiTest, AltitudeDialsPrintTheirScalesAtTrueSize) {
  DialSettings& s = Settings();
  s.Latitude = 47;
  // The shepherd's dial: a date axis of 250 mm (270 reduced to the limit) is the
  // longest line inside the frame.
  s.DialTypeCode = 'z';
  s.CylinderKind = 0;
  s.CylinderAxisLength = 270;
  EXPECT_NEAR(LongestRun(TrueSizePageInsideTheFrame(s), true), 2500, 3);
  // The altitude dial: 180 mm of horizontal and 25 mm of vertical plate across, and
  // 120 mm for a year along the date axis.
  s.DialTypeCode = 'k';
  s.HorizontalScaleLength = 180;
  s.HorizontalAltitudeGnomon = 25;
  s.HorizontalMonthScaleLength = 120;
  const QImage page = TrueSizePageInsideTheFrame(s);
  EXPECT_NEAR(LongestRun(page, true), 2050, 3);
  const DateAxis days = AltitudeDateAxis(s);
  EXPECT_NEAR(LongestRun(page, false), (days.last - days.first) * 1200 / 365.0, 3);
}

TEST_F(GuiTest, PrintingRefusesTemporalHoursBeyond63DegreesForTheAltitudeDials) {
  struct Case {
    char type;
    double latitude;
    bool common, ownOption;  // TemporalHours, TemporalHourLines
    bool printed;
  } const cases[] = {
      {'z', 63.5, true, false, false}, {'z', -64, true, false, false}, {'z', 63, true, false, true},
      {'k', 64, false, true, false},   {'k', 64, true, false, true},   {'k', -62, false, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(1, c.type) + " at " + std::to_string(c.latitude));
    DialSettings& s = Settings();
    s.DialTypeCode = c.type;
    s.CylinderKind = 0;
    s.Latitude = c.latitude;
    s.TemporalHours = c.common;
    s.TemporalHourLines = c.ownOption;
    DrawingView view;
    DefaultPlanarPlacement(s, 1120, 790, view);
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = Folder() + "/altitude.pdf";
    QFile::remove(pdf);
    printer.setOutputFileName(pdf);
    bool setUpShown = false;
    ui_.shown.clear();
    EXPECT_EQ(PrintConstruction(printer, s, view, 1120, 790, [&](QPrinter&) { return setUpShown = true; }),
              c.printed);
    EXPECT_EQ(QFile::exists(pdf), c.printed);
    // The refusal comes before the printer is set up.
    EXPECT_EQ(setUpShown, c.printed);
    EXPECT_EQ(ui_.Showed("Temporalstunden sind in dieser geogr. Breite nicht möglich!"), !c.printed);
  }
}

TEST_F(GuiTest, PrintToPdfAndCancelledSetUp) {
  DialSettings& s = Settings();
  s.DialTypeCode = 'v';
  DrawingView view;
  DefaultPlanarPlacement(s, 1120, 790, view);
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  const QString pdf = Folder() + "/dial.pdf";
  printer.setOutputFileName(pdf);
  // Cancel in the set-up dialog prints nothing and keeps the orientation.
  EXPECT_FALSE(PrintConstruction(printer, s, view, 1120, 790, [](QPrinter&) { return false; }));
  EXPECT_FALSE(QFile::exists(pdf));
  EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
  // A foot outside the canvas asks; No prints anyway, on a landscape page.
  view.foot = {2000, 30};
  ui_.answers.push_back(Answer::No);
  QPageLayout::Orientation printedIn = QPageLayout::Portrait;
  EXPECT_TRUE(PrintConstruction(printer, s, view, 1120, 790, [&](QPrinter& p) {
    printedIn = p.pageLayout().orientation();
    return true;
  }));
  EXPECT_TRUE(ui_.Showed("Abbrechen?"));
  EXPECT_EQ(ui_.shown.back().icon, MessageIcon::Warning);  // the exclamation icon
  EXPECT_EQ(ui_.shown.back().title, "SKIAGRAF.EXE - Achtung!");
  EXPECT_EQ(printedIn, QPageLayout::Landscape);
  EXPECT_TRUE(QFile::exists(pdf));
  EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
}

TEST_F(GuiTest, AnglesTablePageAndInformationListing) {
  DialSettings& s = Settings();
  s.DialTypeCode = 'v';
  s.WallDeclination = 20;
  const auto lines = AnglesTablePageLines(s, 1.0, "Sonne auf dem Zifferblatt: 7:01 - 19:00");
  ASSERT_GE(lines.size(), 10u);
  EXPECT_EQ(lines[0], "Vertikale SONNENUHR");
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "     Sonne auf dem Zifferblatt: 7:01 - 19:00"), 1);
  EXPECT_EQ(lines.back(), "   Stundenlinien gemessen. Winkel im Gegenuhrzeigersinn sind positiv.");
  s.DialTypeCode = 'h';
  const auto h = AnglesTablePageLines(s, 1.0, "x");
  EXPECT_EQ(h.size(), 3u + 2u + 5u);  // three data lines, period and blank, five notes

  const HourLineAngleTable table = ComputeHourLineAngles(s, 1.0);
  QImage page(2800, 2000, QImage::Format_RGB32);
  page.setDotsPerMeterX(10000);
  page.setDotsPerMeterY(10000);
  page.fill(Qt::white);
  int newPages = 0;
  {
    QPainter painter(&page);
    PrintPageTransform(painter, 0, 0);
    DrawAnglesTablePage(painter, s, table, 1.0, "Winkel", "x", [&] { ++newPages; });
  }
  EXPECT_LE(newPages, 1);
  EXPECT_GT(LongestRun(page, false), 300);  // the table frame

  const QStringList listing = InformationListing({"a", "b"});
  ASSERT_EQ(listing.size(), 5);
  EXPECT_EQ(listing.front(), "  " + QString(78, '_'));
  EXPECT_EQ(listing.back(), listing.front());
}

// Columns of times, angles and tangents stand inside the frame of the table, in both
// languages and with four parts per hour, also on the width of a portrait A4 page.
TEST_F(GuiTest, AnglesTableStaysInsideItsFrameOnAPortraitPage) {
  DialSettings& s = Settings();
  s.DialTypeCode = 'v';
  s.BifilarHourInterval = '3';  // four columns of times
  for (const Language language : {Language::German, Language::English}) {
    SCOPED_TRACE(static_cast<int>(language));
    SetCurrentLanguage(language);
    const HourLineAngleTable table = ComputeHourLineAngles(s, 1.0);
    const int width = 2030;  // 210 mm less the left margin of 7 mm
    QImage page(width, 2870, QImage::Format_RGB32);
    page.setDotsPerMeterX(10000);
    page.setDotsPerMeterY(10000);
    page.fill(Qt::white);
    {
      QPainter painter(&page);
      PrintPageTransform(painter, 0, 0);
      DrawAnglesTablePage(painter, s, table, 1.0, "Winkel", "x", [] {}, width);
    }
    // The rightmost ink is the right edge of the frame, not text beyond it.
    int right = -1;
    for (int x = page.width() - 1; x >= 0 && right < 0; --x)
      for (int y = 0; y < page.height(); ++y)
        if (page.pixelColor(x, y).lightness() < 160) {
          right = x;
          break;
        }
    ASSERT_GT(right, 1500);
    EXPECT_LT(right, width - 2);
    int edge = 0;
    for (int x = right - 2; x <= right; ++x) {
      int run = 0;
      for (int y = 0; y < page.height(); ++y) {
        run = page.pixelColor(x, y).lightness() < 160 ? run + 1 : 0;
        edge = std::max(edge, run);
      }
    }
    EXPECT_GT(edge, 300);
  }
}

}  // namespace
}  // namespace skiagraf::gui::test
