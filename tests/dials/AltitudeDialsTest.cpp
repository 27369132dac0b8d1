// The shepherd's dial and the horizontal altitude dial: geometry, canvas and plot file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <sstream>

#include "astro/Ephemeris.h"
#include "base/UserInterface.h"
#include "dials/AltitudeDialGeometry.h"
#include "dials/AltitudeDials.h"
#include "dials/DialDispatch.h"
#include "draw/RecordingSurface.h"
#include "plot/DxfConverter.h"
#include "plot/PlotSave.h"
#include "text/Language.h"
#include "text/Texts.h"

namespace skiagraf {
namespace {

constexpr double kDeg = 3.14159265358979323846 / 180.0;
constexpr double kWidth = 1120, kHeight = 790;

// A site where local time and zone time agree, one hour line at `hour`.
DialSettings AltitudeSite(char type, int hour = 10) {
  DialSettings s = DefaultDialSettings();
  s.ReferenceYear = 2021;
  ComputeObliquity(s);
  s.DialTypeCode = type;
  s.CylinderKind = 0;
  s.Latitude = 47.25;
  s.Longitude = s.ZoneMeridian = -15;
  s.LocalTime = true;
  s.CylinderEotConstruction = false;
  s.DialTimeStart = s.DialTimeEnd = hour;
  s.HourInterval = '0';
  return s;
}

// The sun's altitude at a local apparent time, from the declination of the ephemeris.
double AltitudeAt(const DialSettings& s, int day, double hour) {
  const double x = day + (hour + s.ZoneMeridian / 15.0 - 12.0) / 24.0;
  const double delta = SunEphemeris(s.ReferenceYear, x).Declination * kDeg;
  const double phi = s.Latitude * kDeg, t = 15.0 * (hour - 12.0) * kDeg;
  return std::asin(std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(t)) / kDeg;
}

std::vector<const RecordingSurface::Op*> PolylinesOf(const RecordingSurface& r, Rgb color) {
  std::vector<const RecordingSurface::Op*> result;
  for (const auto* op : r.OpsOfKind(RecordingSurface::Kind::Polyline))
    if (op->pen.color == color) result.push_back(op);
  return result;
}

// The scale rectangle: the second rectangle drawn (the first is the frame).
std::pair<PointD, PointD> ScaleRectangle(const RecordingSurface& r) {
  const auto rects = r.OpsOfKind(RecordingSurface::Kind::Rectangle);
  EXPECT_GE(rects.size(), 2u);
  return {rects[1]->points[0], rects[1]->points[1]};
}

struct ShadowCase {
  int month, day;
  int hour;
};

void PrintTo(const ShadowCase& c, std::ostream* os) { *os << c.day << "." << c.month << ". " << c.hour << " h"; }

class ShepherdShadowTest : public ::testing::TestWithParam<ShadowCase> {};

// The shadow tip lies L tan h below the gnomon: on the canvas that is the distance
// from the scale's top edge in millimetres of the scale.
TEST_P(ShepherdShadowTest, ShadowLengthIsGnomonTimesTanAltitude) {
  const ShadowCase c = GetParam();
  DialSettings s = AltitudeSite('z', c.hour);
  s.CylinderGnomonLength = 70;
  s.CylinderAxisLength = 250;
  const int day = DayOfYear(s.ReferenceYear, c.month, c.day);
  const double expected = 70 * std::tan(AltitudeAt(s, day, c.hour) * kDeg);

  RecordingSurface canvas(kWidth, kHeight);
  DrawingView view;
  DrawShepherdsDial(canvas, true, view, s);
  const auto [topLeft, bottomRight] = ScaleRectangle(canvas);
  const double F = (bottomRight.x - topLeft.x) / 250.0;  // canvas units per mm
  const DateAxis axis = AltitudeDateAxis(s);
  const double x = topLeft.x + (day - axis.first) * 250.0 / (axis.last - axis.first) * F;

  const auto lines = PolylinesOf(canvas, PaletteColor(s, c.hour <= 12 ? 2 : 3));
  ASSERT_EQ(lines.size(), 1u);
  const auto& points = lines[0]->points;
  const auto at = std::find_if(points.begin(), points.end(), [&](PointD p) { return std::fabs(p.x - x) < 1e-6; });
  ASSERT_NE(at, points.end()) << "no sample on day " << day;
  EXPECT_NEAR((at->y - topLeft.y) / F, expected, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Dates, ShepherdShadowTest,
                         ::testing::Values(ShadowCase{6, 21, 9}, ShadowCase{7, 21, 12}, ShadowCase{9, 19, 10},
                                           ShadowCase{11, 18, 14}, ShadowCase{12, 21, 11}));

TEST(AltitudeDialFold, BothPlatesMeetAtTheFoldAltitude) {
  struct Case {
    double b, L2;
  } const cases[] = {{25, 180}, {40, 100}, {110, 20}};
  for (const Case& c : cases) {
    const double h0 = FoldAltitude(c.b, c.L2);
    EXPECT_NEAR(h0, std::atan(c.b / c.L2) / kDeg, 1e-12);
    EXPECT_NEAR(AltitudeDialShadow(c.b, c.L2, h0), c.L2, 1e-9);
    EXPECT_NEAR(AltitudeDialShadow(c.b, c.L2, h0 - 1e-9), c.L2, 1e-6);
    const double above = h0 + 0.5 * (90 - h0), below = 0.5 * h0;
    EXPECT_NEAR(AltitudeDialShadow(c.b, c.L2, above), c.b / std::tan(above * kDeg), 1e-9);
    EXPECT_NEAR(AltitudeDialShadow(c.b, c.L2, below), c.L2 + c.b - c.L2 * std::tan(below * kDeg), 1e-9);
    EXPECT_NEAR(AltitudeDialShadow(c.b, c.L2, 1e-9), c.L2 + c.b, 1e-6);  // the horizon at the top
  }
}

TEST(AltitudeDialFold, AnEveningLinePassesFromOnePlateToTheOtherWithoutAGap) {
  DialSettings s = AltitudeSite('k', 18);
  s.HorizontalAltitudeGnomon = 25;
  s.HorizontalScaleLength = 180;
  s.AddVerticalFace = true;
  RecordingSurface canvas(kWidth, kHeight);
  DrawingView view;
  DrawHorizontalAltitudeDial(canvas, true, view, s);
  const auto rects = canvas.OpsOfKind(RecordingSurface::Kind::Rectangle);
  ASSERT_GE(rects.size(), 3u);  // frame, horizontal plate, vertical plate
  const double xF = rects[1]->points[0].x, fold = rects[1]->points[1].x;
  const double F = (fold - xF) / 180.0;
  const auto lines = PolylinesOf(canvas, PaletteColor(s, 3));
  ASSERT_EQ(lines.size(), 1u);
  const auto& p = lines[0]->points;
  int crossings = 0;
  for (size_t i = 1; i < p.size(); ++i)
    if ((p[i - 1].x - fold) * (p[i].x - fold) < 0) ++crossings;
  EXPECT_EQ(crossings, 1);  // once, in one piece
  // Every point lies where its altitude puts it, on either plate.
  const DateAxis axis = AltitudeDateAxis(s);
  const double top = rects[1]->points[0].y, perDay = s.HorizontalMonthScaleLength / 365.0 * F;
  for (const PointD& q : p) {
    const double day = axis.first + (q.y - top) / perDay;
    if (std::fabs(day - std::round(day)) > 1e-6) continue;  // an interpolated end
    const double h = AltitudeAt(s, static_cast<int>(std::lround(day)), 18) * kDeg;
    const double expected = h >= std::atan(25.0 / 180.0) ? 25 / std::tan(h) : 180 + 25 - 180 * std::tan(h);
    EXPECT_NEAR((q.x - xF) / F, expected, 1e-6);
  }
}

struct RefusalCase {
  char type;
  double latitude;
  bool refused;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.type << " at " << c.latitude; }

class TemporalLatitudeTest : public ::testing::TestWithParam<RefusalCase> {};

// Temporal hours beyond 65 degrees: the canvas shows the notice and no line, the plot
// file routine shows the error box and writes nothing.
TEST_P(TemporalLatitudeTest, NoticeAndNoLinesBeyondSixtyFiveDegrees) {
  const RefusalCase c = GetParam();
  SetCurrentLanguage(Language::English);
  DialSettings s = AltitudeSite(c.type);
  s.Latitude = c.latitude;
  s.TemporalHours = s.TemporalHourLines = true;
  RecordingSurface canvas(kWidth, kHeight);
  DrawingView view;
  ScriptedUserInterface ui;
  ScopedUserInterface scoped(ui);
  ConstructDial(canvas, true, view, s);
  std::ostringstream plot;
  HpglWriter writer(plot);
  const bool written = WriteAltitudeDialHpgl(writer, s, c.type == 'z');

  const bool notice = canvas.HasText("Temporal hours are not possible in this latitude!") &&
                      canvas.HasText("Therefore the sundial is not constructed.") &&
                      canvas.HasText(AltitudeDialRefusalTitle(c.type == 'z'));
  EXPECT_EQ(notice, c.refused);
  EXPECT_EQ(canvas.OpsOfKind(RecordingSurface::Kind::Polyline).empty(), c.refused);
  EXPECT_EQ(written, !c.refused);
  EXPECT_EQ(plot.str().empty(), c.refused);
  EXPECT_EQ(ui.Showed("Temporal hours are not possible"), c.refused);
  SetCurrentLanguage(Language::German);
}

INSTANTIATE_TEST_SUITE_P(Latitudes, TemporalLatitudeTest,
                         ::testing::Values(RefusalCase{'z', 65.5, true}, RefusalCase{'k', -70, true},
                                           RefusalCase{'z', 65, false}, RefusalCase{'k', 64, false}));

TEST(ShepherdsDial, DateAxisAbove250MillimetresIsReducedWithTheNote) {
  struct Case {
    int length;
    bool reduced;
  } const cases[] = {{250, false}, {251, true}, {400, true}, {180, false}};
  const std::string note = ShepherdAxisReducedNote();
  for (const Case& c : cases) {
    DialSettings s = AltitudeSite('z');
    s.CylinderAxisLength = c.length;
    RecordingSurface canvas(2800, 2000);
    DrawingView view;
    DrawShepherdsDial(canvas, false, view, s);  // print mode: 10 units per mm
    const auto [topLeft, bottomRight] = ScaleRectangle(canvas);
    EXPECT_NEAR(bottomRight.x - topLeft.x, 10.0 * std::min(c.length, 250), 1e-9) << c.length;
    const auto texts = canvas.OpsOfKind(RecordingSurface::Kind::Text);
    const auto it = std::find_if(texts.begin(), texts.end(), [&](const auto* op) { return op->text == note; });
    ASSERT_EQ(it != texts.end(), c.reduced) << c.length;
    if (c.reduced) {
      EXPECT_EQ((*it)->font.color, (Rgb{255, 0, 0}));
      EXPECT_EQ((*it)->font.angle, -90);
    }
  }
}

TEST(AltitudeDials, NoonRuleKeepsOneSideOfNoonForLocalTimeWithoutEquationOfTime) {
  struct Case {
    int first, last;
    bool local, eot;
    int keptFirst, keptLast;
  } const cases[] = {
      {8, 15, true, false, 8, 12},   // 15 - 12 < 12 - 8
      {10, 16, true, false, 12, 16},
      {9, 15, true, false, 12, 15},  // a tie keeps the afternoon
      {8, 11, true, false, 8, 11},   // not across noon
      {8, 15, true, true, 8, 15},    // with EoT morning and afternoon differ
      {8, 15, false, false, 8, 15},  // zone time differs too
  };
  for (const Case& c : cases) {
    DialSettings s = AltitudeSite('z');
    s.DialTimeStart = c.first;
    s.DialTimeEnd = c.last;
    s.LocalTime = c.local;
    s.CylinderEotConstruction = c.eot;
    EXPECT_EQ(OrdinaryHourRange(s), std::make_pair(c.keptFirst, c.keptLast)) << c.first << ".." << c.last;
    // On the canvas: the hour numbers drawn are exactly those of the kept side.
    for (char type : {'z', 'k'}) {
      s.DialTypeCode = type;
      RecordingSurface canvas(kWidth, kHeight);
      DrawingView view;
      ConstructDial(canvas, true, view, s);
      std::set<std::string> numbers, expected;
      for (const auto* op : canvas.OpsOfKind(RecordingSurface::Kind::Text))
        if (op->font.angle == 0 && (op->font.color == PaletteColor(s, 2) || op->font.color == PaletteColor(s, 3)))
          numbers.insert(op->text);
      for (int h = c.keptFirst; h <= c.keptLast; ++h) expected.insert(std::to_string(h));
      EXPECT_EQ(numbers, expected) << type << " " << c.first << ".." << c.last;
    }
  }
}

TEST(AltitudeDials, RangeAndLatitudeChecksOfTheHourFamilies) {
  SetCurrentLanguage(Language::German);
  DialSettings s = AltitudeSite('k');
  s.TemporalHourLines = true;
  s.DialTemporalStart = 2;
  s.DialTemporalEnd = 13;
  s.DialTemporalInterval = 0;
  HourLinePlan plan = PlanHourLines(s, AltitudeDialKind::Horizontal);
  ASSERT_EQ(plan.messages.size(), 1u);
  EXPECT_EQ(plan.messages[0].text, Message(41));
  ASSERT_FALSE(plan.lines.empty());  // the altitude dial falls back to 0 .. 6
  EXPECT_EQ(plan.lines.front().value, 0);
  EXPECT_EQ(plan.lines.back().value, 6);
  EXPECT_TRUE(std::all_of(plan.lines.begin(), plan.lines.end(),
                          [](const HourLine& l) { return l.family == HourFamily::Temporal; }));

  s.TemporalHours = true;  // the shepherd's dial keeps its range
  plan = PlanHourLines(s, AltitudeDialKind::Shepherd);
  EXPECT_EQ(plan.messages.size(), 1u);
  double lastTemporal = 0;
  for (const HourLine& l : plan.lines)
    if (l.family == HourFamily::Temporal) lastTemporal = l.value;
  EXPECT_NEAR(lastTemporal, 13, 1e-9);

  DialSettings far = AltitudeSite('z');
  far.Latitude = 66;
  far.ItalianHours = far.BabylonianHours = true;
  plan = PlanHourLines(far, AltitudeDialKind::Shepherd);
  ASSERT_EQ(plan.messages.size(), 1u);
  EXPECT_NE(plan.messages[0].text.find("Italische und Babylonische Stunden"), std::string::npos);
  EXPECT_TRUE(std::none_of(plan.lines.begin(), plan.lines.end(),
                           [](const HourLine& l) { return l.family != HourFamily::Ordinary; }));
}

// The plot-file commands of one pen: how many polylines (PD runs) each pen draws.
std::map<int, int> PolylinesPerPen(const std::string& hpgl) {
  std::map<int, int> count;
  int pen = 0;
  std::stringstream in(hpgl);
  std::string command;
  while (std::getline(in, command, ';')) {
    if (command.rfind("SP ", 0) == 0) pen = std::stoi(command.substr(3));
    if (command.rfind("PD ", 0) == 0) ++count[pen];
  }
  return count;
}

// The edge symbol of the altitude dial goes below the plates when its text does not fit
// beside them; the title block then stands below it instead of on it (the English
// title ran into the symbol).
TEST(AltitudeDials, EdgeSymbolAndTitleDoNotOverlap) {
  for (const Language language : {Language::German, Language::English}) {
    SetCurrentLanguage(language);
    DialSettings s = AltitudeSite('k');
    RecordingSurface canvas(775, 640);  // the canvas of the drawing window at 1024 x 740
    DrawingView view;
    DrawHorizontalAltitudeDial(canvas, true, view, s);
    const RecordingSurface::Op* edge = nullptr;
    const RecordingSurface::Op* title = nullptr;
    for (const auto* op : canvas.OpsOfKind(RecordingSurface::Kind::Text)) {
      if (op->text.find(EdgeHeightText(0).substr(0, 10)) == 0) edge = op;
      if (op->text == AltitudeDialTitle(AltitudeDialKind::Horizontal).first) title = op;
    }
    ASSERT_NE(edge, nullptr);
    ASSERT_NE(title, nullptr);
    const double edgeLeft = edge->points[0].x, edgeTop = edge->points[0].y;
    // The recording surface estimates a character as 0.55 font heights wide.
    const double titleRight = title->points[0].x + 0.55 * title->font.height * static_cast<double>(title->text.size());
    const bool apartSideways = edgeLeft > titleRight;
    const bool apartVertically = title->points[0].y > edgeTop + edge->font.height;
    EXPECT_TRUE(apartSideways || apartVertically) << static_cast<int>(language);
  }
  SetCurrentLanguage(Language::German);
}

TEST(AltitudeDials, CanvasAndPlotFileDrawTheSameHourLines) {
  DialSettings s = AltitudeSite('k');
  s.DialTimeStart = 9;
  s.DialTimeEnd = 18;
  s.LocalTime = false;  // both sides of noon
  RecordingSurface canvas(kWidth, kHeight);
  DrawingView view;
  DrawHorizontalAltitudeDial(canvas, true, view, s);
  std::ostringstream plot;
  HpglWriter writer(plot);
  ASSERT_TRUE(WriteAltitudeDialHpgl(writer, s, false));
  const auto perPen = PolylinesPerPen(plot.str());
  for (int pen : {2, 3}) {
    const size_t canvasLines = PolylinesOf(canvas, PaletteColor(s, pen)).size();
    EXPECT_GT(canvasLines, 0u);
    EXPECT_EQ(static_cast<size_t>(perPen.count(pen) ? perPen.at(pen) : 0), canvasLines) << "pen " << pen;
  }
  EXPECT_EQ(plot.str().rfind("IN;VS 1;PA;", 0), 0u);
  EXPECT_EQ(plot.str().substr(plot.str().size() - 4), ";IN;");
}

TEST(ShepherdsDialPlot, EquationOfTimeLinesGoIntoTwoBandsWhenTwoFit) {
  struct Case {
    int axis;
    bool eot;
    bool secondBand;
    bool advice;
  } const cases[] = {{170, true, true, false}, {250, true, false, true}, {170, false, false, false}};
  for (const Case& c : cases) {
    DialSettings s = AltitudeSite('z');
    s.CylinderAxisLength = c.axis;
    s.CylinderEotConstruction = c.eot;
    s.DialTimeStart = 8;
    s.DialTimeEnd = 16;
    ScriptedUserInterface ui;
    ScopedUserInterface scoped(ui);
    std::ostringstream plot;
    HpglWriter writer(plot);
    ASSERT_TRUE(WriteAltitudeDialHpgl(writer, s, true));
    // The second band's scale starts 8350 units right of the first one's (400).
    const std::string second = "PU 8750 10250;PD " + std::to_string(8750 + c.axis * 40) + " 10250";
    EXPECT_EQ(plot.str().find(second) != std::string::npos, c.secondBand) << c.axis << " " << c.eot;
    EXPECT_EQ(ui.Showed("in 2 Teilen für Vormittag und Nachmittag"), c.advice) << c.axis << " " << c.eot;
    if (c.secondBand) {
      // Morning lines only in the first band, afternoon lines only in the second.
      const std::string text = plot.str();
      const auto split = text.find(second);
      const auto perPenFirst = PolylinesPerPen(text.substr(0, split));
      const auto perPenSecond = PolylinesPerPen(text.substr(split));
      EXPECT_EQ(perPenFirst.count(3), 0u);
      EXPECT_GT(perPenSecond.count(3), 0u);
    }
  }
}

// Both plot files end up in millimetres in the DXF: the shepherd's dial is written with
// the multiplier 25 and converted with 1000 units per mm, the altitude dial is always
// written in plotter units and converted with 40.
TEST(AltitudeDialsPlot, DxfIsInMillimetresForBothTypes) {
  for (char type : {'z', 'k'}) {
    const DialSettings s = AltitudeSite(type);
    std::ostringstream plot;
    HpglWriter writer(plot, hpgl::kDxfMultiplier);
    DrawingView view;
    ASSERT_TRUE(WriteDialPlot(writer, view, s));
    const DxfConversion dxf = ConvertHpglText(plot.str(), 1, DxfUnitScaleForDialType(type));
    ASSERT_TRUE(dxf.converted);
    // The largest x of any vertex is the page frame's right edge, 16157 plotter units.
    double maxX = 0;
    std::stringstream in(dxf.dxf.substr(dxf.dxf.find("ENTITIES")));
    std::string value, code;
    std::getline(in, value);  // "ENTITIES"
    while (std::getline(in, code) && std::getline(in, value))
      if (std::stoi(code) == 10) maxX = std::max(maxX, std::stod(value));
    EXPECT_NEAR(maxX, 16157 / 40.0, 1e-6) << type;
  }
}

TEST(AltitudeDials, DispatchTablesServeTheShepherdsKindOnly) {
  DialSettings s = AltitudeSite('z');
  EXPECT_EQ(ConstructionFor(s), &DrawShepherdsDial);
  EXPECT_NE(PlotRoutineFor(s), nullptr);
  s.CylinderKind = 1;  // the hat dial has its own construction
  EXPECT_EQ(ConstructionFor(s), nullptr);
  EXPECT_EQ(PlotRoutineFor(s), nullptr);
  s.DialTypeCode = 'k';
  EXPECT_EQ(ConstructionFor(s), &DrawHorizontalAltitudeDial);
  EXPECT_NE(PlotRoutineFor(s), nullptr);
}

}  // namespace
}  // namespace skiagraf
