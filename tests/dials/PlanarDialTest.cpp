#include <gtest/gtest.h>

#include <cmath>

#include "astro/Ephemeris.h"
#include "astro/SunPosition.h"
#include "base/UserInterface.h"
#include "dials/DialDispatch.h"
#include "dials/HourLineAngles.h"
#include "dials/PlanarDial.h"
#include "dials/PlanarGeometry.h"
#include "dials/PlanarHourLines.h"
#include "dials/PlanarTracer.h"
#include "draw/RecordingSurface.h"
#include "text/Language.h"

namespace skiagraf {
namespace {

using Kind = RecordingSurface::Kind;

// Pens with colours that nothing else on the drawing uses, so that the lines of one
// family can be told apart.
ColorRef Unique(int pen) { return static_cast<ColorRef>(0x010203 * pen + 0x101010); }

// A horizontal dial at 47 degrees with every line family off.
DialSettings Bare(char type = 'h') {
  DialSettings s = DefaultDialSettings();
  s.DialTypeCode = type;
  s.UmbrellaMode = false;
  s.Latitude = 47;
  s.Longitude = -9.5;
  s.ZoneMeridian = -15;
  s.WallDeclination = 0;
  s.WallInclination = 0;
  s.GnomonHeight = 35;
  s.ApparentTimeLines = s.MeanTimeLines = s.MarkAnalemma = false;
  s.TemporalHours = s.BabylonianHours = s.ItalianHours = s.AltitudeLines = false;
  s.WholeHourDateLines = false;
  s.HourLinesToStyleFoot = s.PolarTriangle = false;
  s.DateLineMode = '3';
  for (int k = 1; k <= ColorPalette::kPens; ++k) s.ColorPalette.Pens[static_cast<size_t>(k - 1)] = Unique(k);
  return s;
}

Rgb PenColor(const DialSettings& s, int pen) { return PaletteColor(s, pen); }

// The lines of one colour, joined into polylines where one line starts at the end
// of the previous one.
std::vector<std::vector<PointD>> Polylines(const RecordingSurface& r, Rgb color) {
  std::vector<std::vector<PointD>> out;
  for (const auto* op : r.LinesInColor(color)) {
    const PointD a = op->points[0], b = op->points[1];
    if (out.empty() || !(out.back().back() == a)) out.push_back({a});
    out.back().push_back(b);
  }
  return out;
}

struct Drawn {
  RecordingSurface surface;
  DrawingView view;
};

// Draws the dial on a canvas of w x h with the gnomon foot at `foot`.
void Draw(Drawn& d, const DialSettings& s, PointD foot, double zoom = 1.0) {
  d.view.foot = foot;
  d.view.zoom = zoom;
  DrawPlanarDial(d.surface, true, d.view, s);
}

// Where the sun of `day` at clock time `t` falls on the canvas of a non-inclined dial.
PointD Expected(const DialSettings& s, const Drawn& d, int day, double t, bool mean, double reference) {
  const PlanarFrame f = PlanarEntry(s, d.view.zoom);
  const SunPosition p = SunPositionAtTime(s.ReferenceYear, day, mean, t, f.workLatitude, reference, f.zoneMeridian);
  const FaceProjection fp = ProjectOnFace(f, {p.Altitude, p.Azimuth});
  const double C = f.gnomon * d.surface.Width() / 280.0;
  return {d.view.foot.x + C * fp.x, d.view.foot.y + C * fp.y};
}

void ExpectNear(PointD a, PointD b) {
  EXPECT_NEAR(a.x, b.x, 1e-6);
  EXPECT_NEAR(a.y, b.y, 1e-6);
}

class PlanarDialTest : public ::testing::Test {
 protected:
  void SetUp() override { SetCurrentLanguage(Language::German); }
  ScriptedUserInterface ui_;
  ScopedUserInterface scoped_{ui_};
};

TEST_F(PlanarDialTest, StraightHourLineRunsFromDay171ToDay365) {
  DialSettings s = Bare();
  s.ApparentTimeLines = true;
  s.MainTimeStart = s.MainTimeEnd = 12;
  s.BifilarHourInterval = '0';
  Drawn d{RecordingSurface(1120, 790), {}};
  Draw(d, s, {560, 592});
  const auto lines = Polylines(d.surface, PenColor(s, 3));
  ASSERT_EQ(lines.size(), 1u);
  // Day 171, then 176, 179, ... 365: 64 steps, every one of them on the dial.
  EXPECT_EQ(lines[0].size(), 65u);
  ExpectNear(lines[0].front(), Expected(s, d, 171, 12, false, s.ZoneMeridian));
  ExpectNear(lines[0][1], Expected(s, d, 176, 12, false, s.ZoneMeridian));
  ExpectNear(lines[0].back(), Expected(s, d, 365, 12, false, s.ZoneMeridian));
  // Local apparent noon lies on the meridian: a straight vertical line through P.
  for (const PointD& p : lines[0]) EXPECT_NEAR(p.x, 560, 1e-6);
}

TEST_F(PlanarDialTest, FigureEightLineCoversTheYear) {
  DialSettings s = Bare();
  s.MeanTimeLines = true;
  s.EotTimeStart = s.EotTimeEnd = 12;
  s.EotHourInterval = '0';
  s.PlanarLocalTime = true;
  Drawn d{RecordingSurface(1120, 790), {}};
  Draw(d, s, {560, 592});
  // Pen 4 is also the text colour (the cross at P, the gnomon bar): the loop is the
  // one long polyline.
  std::vector<std::vector<PointD>> lines;
  for (const auto& l : Polylines(d.surface, PenColor(s, 4)))
    if (l.size() > 10) lines.push_back(l);
  ASSERT_EQ(lines.size(), 1u);
  // Day 1, then 6, 9, ... 363.
  EXPECT_EQ(lines[0].size(), 121u);
  ExpectNear(lines[0].front(), Expected(s, d, 1, 12, true, s.ZoneMeridian));
  ExpectNear(lines[0].back(), Expected(s, d, 363, 12, true, s.ZoneMeridian));
  // The loop leaves the meridian on both sides: the equation of time at work.
  double left = 1e9, right = -1e9;
  for (const PointD& p : lines[0]) {
    left = std::min(left, p.x);
    right = std::max(right, p.x);
  }
  EXPECT_LT(left, 555);
  EXPECT_GT(right, 565);
}

TEST_F(PlanarDialTest, DateLineStartsWithAPenMoveAndClosesAtTwentyFourHours) {
  // Above the polar circle the sun of the summer solstice never sets: the whole
  // date line lies on the dial.
  DialSettings s = Bare();
  s.Latitude = 80;
  s.DateLineMode = '0';  // zodiac: traced by declination
  Drawn d{RecordingSurface(4000, 4000), {}};
  Draw(d, s, {2000, 2000}, 0.5);
  const Rgb pen1 = PenColor(s, 1);
  const auto lines = Polylines(d.surface, pen1);
  ASSERT_FALSE(lines.empty());
  const auto& june = lines.front();
  // 97 samples: the first only positions the pen, the other 96 draw.
  EXPECT_EQ(june.size(), 97u);
  ExpectNear(june.front(), june.back());
  // The pen was moved to the 0 h sample before the first line was drawn.
  const auto& ops = d.surface.Ops();
  for (size_t i = 0; i < ops.size(); ++i) {
    if (ops[i].kind == Kind::Line && ops[i].pen.color == pen1) {
      ASSERT_GT(i, 0u);
      EXPECT_EQ(ops[i - 1].kind, Kind::Move);
      EXPECT_EQ(ops[i - 1].points[0], june.front());
      break;
    }
  }
}

TEST_F(PlanarDialTest, ScreenFormatA3ShrinksTheDialWithoutChangingTheZoom) {
  DialSettings s = Bare();
  s.ApparentTimeLines = true;
  s.MainTimeStart = s.MainTimeEnd = 12;
  Drawn a4{RecordingSurface(1120, 790), {}}, a3{RecordingSurface(1120, 790), {}};
  a3.view.a3 = true;
  Draw(a4, s, {560, 592});
  Draw(a3, s, {560, 592});
  EXPECT_DOUBLE_EQ(a3.view.zoom, 1.0);
  const auto l4 = Polylines(a4.surface, PenColor(s, 3)), l3 = Polylines(a3.surface, PenColor(s, 3));
  ASSERT_EQ(l4.size(), 1u);
  ASSERT_EQ(l3.size(), 1u);
  EXPECT_NEAR((l3[0].back().y - 592) / (l4[0].back().y - 592), 280.0 / 420.0, 1e-9);
}

TEST_F(PlanarDialTest, SubdivisionSettingFourDrawsSixParts) {
  EXPECT_EQ(PartsPerHour('4'), 6);
  EXPECT_EQ(PartsPerHour('3'), 4);
  DialSettings s = Bare();
  s.ApparentTimeLines = true;
  s.MainTimeStart = 12;
  s.MainTimeEnd = 13;
  s.BifilarHourInterval = '4';
  Drawn d{RecordingSurface(1120, 790), {}};
  Draw(d, s, {560, 592});
  // 12:00 and 13:00 in the full-hour pen, 12:10 .. 12:50 in the subdivision pen;
  // nothing beyond the end of the range.
  EXPECT_EQ(Polylines(d.surface, PenColor(s, 3)).size(), 2u);
  const auto parts = Polylines(d.surface, PenColor(s, 8));
  ASSERT_EQ(parts.size(), 5u);
  // Each part lies further to the right: afternoon shadows turn towards the east.
  for (size_t i = 1; i < parts.size(); ++i) EXPECT_GT(parts[i].front().x, parts[i - 1].front().x);
}

TEST_F(PlanarDialTest, HourLinesMeetInSAndFigureEightsStraddleThem) {
  // Straight lines of local apparent time all pass through S, the point where the
  // polar style meets the face; the loops of local mean time cross the straight
  // line of their hour.
  struct Face {
    char type;
    double D, zeta;
    PointD foot;
  };
  for (const Face& face : {Face{'h', 0, 0, {560, 592}}, Face{'v', -11.7, 90, {560, 150}},
                           Face{'i', -20, 40, {560, 592}}}) {
    DialSettings s = Bare(face.type);
    s.WallDeclination = face.D;
    s.WallInclination = face.zeta;
    s.ApparentTimeLines = s.MeanTimeLines = true;
    s.BifilarLocalTime = s.PlanarLocalTime = true;
    s.MainTimeStart = s.EotTimeStart = 9;
    s.MainTimeEnd = s.EotTimeEnd = 14;  // the summer sun of 15 h leaves the east-declining wall
    s.BifilarHourInterval = s.EotHourInterval = '0';
    Drawn d{RecordingSurface(1120, 790), {}};
    Draw(d, s, face.foot, 0.5);  // small enough for every loop to lie on the canvas
    const double C = 17.5 * 1120 / 280;
    const PolarStyleData st = ComputePolarStyle(s.Latitude, face.D, face.zeta, C);
    const PointD S{face.foot.x + st.Sx, face.foot.y - st.Sy};
    const auto lines = Polylines(d.surface, PenColor(s, 3));
    std::vector<std::vector<PointD>> loops;
    for (const auto& l : Polylines(d.surface, PenColor(s, 4)))
      if (l.size() > 10) loops.push_back(l);
    ASSERT_EQ(lines.size(), 6u) << face.type;
    ASSERT_EQ(loops.size(), 6u) << face.type;
    for (size_t h = 0; h < lines.size(); ++h) {
      const PointD a = lines[h].front(), b = lines[h].back();
      const double length = std::hypot(b.x - a.x, b.y - a.y);
      auto side = [&](PointD p) { return ((b.x - a.x) * (p.y - a.y) - (p.x - a.x) * (b.y - a.y)) / length; };
      EXPECT_LT(std::fabs(side(S)), 0.05) << face.type << " hour " << 9 + h;
      double least = 0, most = 0;
      for (const PointD& p : loops[h]) {
        least = std::min(least, side(p));
        most = std::max(most, side(p));
      }
      EXPECT_LT(least, -1.0) << face.type << " hour " << 9 + h;
      EXPECT_GT(most, 1.0) << face.type << " hour " << 9 + h;
    }
  }
}

TEST_F(PlanarDialTest, HalfHourLineContinuedFromSTakesItsOwnAngle) {
  // The 18:30 and 19:30 lines of a horizontal dial have no sample on the drawing;
  // continued to S they are drawn from S in the direction of their own angles in
  // the angles table.
  DialSettings s = Bare();
  s.ApparentTimeLines = true;
  s.HourLinesToStyleFoot = true;
  s.MainTimeStart = 18;
  s.MainTimeEnd = 20;
  s.BifilarHourInterval = '1';
  const HourLineAngleTable angles = ComputeHourLineAngles(s, false, 35.0);
  Drawn d{RecordingSurface(1120, 790), {}};
  d.view.angles = &angles;
  Draw(d, s, {560, 400});
  const double C = 35.0 * 1120 / 280;
  const PointD S{560, 400 + C / std::tan(47 * 3.14159265358979323846 / 180)};
  std::vector<double> directions;
  for (const auto* op : d.surface.LinesInColor(PenColor(s, 8)))
    if (std::hypot(op->points[0].x - S.x, op->points[0].y - S.y) < 1e-6)
      directions.push_back(std::atan2(S.x - op->points[1].x, S.y - op->points[1].y) * 180 / 3.14159265358979323846);
  ASSERT_EQ(directions.size(), 2u);
  EXPECT_NEAR(directions[0], angles.Angles[18][1], 1e-6);
  EXPECT_NEAR(directions[1], angles.Angles[19][1], 1e-6);
}

TEST_F(PlanarDialTest, AltitudeLinesOnlyShowSunPositionsOfTheYear) {
  // On a horizontal dial a point at distance r from P in direction A (from south,
  // west positive) is the shadow of a sun at altitude atan(C / r) and azimuth A;
  // that sun must have a declination the sun reaches in the year.
  constexpr double kDeg = 3.14159265358979323846 / 180;
  for (double phi : {47.0, -35.0}) {
    DialSettings s = Bare();
    s.Latitude = phi;
    s.AltitudeLines = true;
    Drawn d{RecordingSurface(1120, 790), {}};
    const PointD foot{560, 395};
    Draw(d, s, foot, 0.5);
    const double C = 17.5 * 1120 / 280;
    int checked = 0;
    for (const auto* op : d.surface.LinesInColor(PenColor(s, 5))) {
      const PointD p = op->points[1];
      if (p.x <= 0.5 || p.x >= 1119.5 || p.y <= 0.5 || p.y >= 789.5) continue;  // cut at the border
      const double dx = p.x - foot.x, dy = p.y - foot.y;
      const double h = std::atan(C / std::hypot(dx, dy));
      const double A = std::atan2(dx, -dy);
      const double sinDelta = std::sin(phi * kDeg) * std::sin(h) - std::cos(phi * kDeg) * std::cos(h) * std::cos(A);
      EXPECT_LE(std::fabs(std::asin(sinDelta) / kDeg), s.SolsticeDeclination + 0.5) << phi << " at " << p.x << "," << p.y;
      ++checked;
    }
    EXPECT_GT(checked, 100) << phi;
  }
}

TEST_F(PlanarDialTest, ItalianHoursAt66DegreesDrawNothingAndSaySo) {
  DialSettings s = Bare();
  s.Latitude = 66;
  s.ItalianHours = true;
  Drawn d{RecordingSurface(1120, 790), {}};
  Draw(d, s, {560, 592});
  EXPECT_TRUE(d.surface.LinesInColor(PenColor(s, 6)).empty());
  ASSERT_EQ(ui_.shown.size(), 1u);
  EXPECT_EQ(ui_.shown[0].text, "Italische und Babylonische Stunden\nsind nicht möglich (zu hohe geogr. Breite)!");
  // The rest of the dial is still drawn.
  EXPECT_TRUE(d.surface.HasText("Horizontale SONNENUHR"));
}

TEST_F(PlanarDialTest, PrintModeDrawsTheGnomonBarAtTrueSize) {
  // On the printer page (tenths of a millimetre, margin 50) a 35 mm gnomon is 350
  // units long, whatever the size of the page.
  DialSettings s = Bare();
  RecordingSurface page(2870, 2000);
  DrawingView view;
  view.foot = {1435, 1500};
  DrawPlanarDial(page, false, view, s);
  bool found = false;
  for (const auto* op : page.LinesInColor(PenColor(s, 4))) {
    const PointD a = op->points[0], b = op->points[1];
    // The upright of the bar stands inside the frame, clear of the white margin.
    if (a.x == b.x && a.x > 50 && std::fabs(a.y - b.y) == 350 && a.y == 2000 - 50 - 42.5) found = true;
  }
  EXPECT_TRUE(found);
  EXPECT_TRUE(page.HasText("Gnomon Höhe: (= 35.00)"));
}

TEST_F(PlanarDialTest, HourNumbersStayClearOfTheFootCross) {
  // The noon number lies on the line through P: north and south of the equator it
  // is moved past the cross (on southern sites the noon sun stands in the north and
  // its number is written too).
  for (double phi : {47.0, -35.0}) {
    DialSettings s = Bare();
    s.Latitude = phi;
    s.ApparentTimeLines = true;
    s.MainTimeStart = 9;
    s.MainTimeEnd = 15;
    Drawn d{RecordingSurface(1120, 790), {}};
    const PointD foot{560, 395};
    Draw(d, s, foot);
    const double u = std::round(560 / 14.0);
    int numbers = 0;
    for (const auto* op : d.surface.OpsOfKind(Kind::Text)) {
      if (op->text != "9" && op->text != "12" && op->text != "15") continue;
      ++numbers;
      const PointD a = op->points[0];
      const double w = 0.55 * op->font.height * static_cast<double>(op->text.size());
      const bool overlaps = a.x < foot.x + u / 2 && a.x + w > foot.x - u / 2 && a.y < foot.y + u / 2 &&
                            a.y + op->font.height > foot.y - u / 2;
      EXPECT_FALSE(overlaps) << phi << " " << op->text;
    }
    EXPECT_EQ(numbers, 3) << phi;
  }
}

TEST_F(PlanarDialTest, EastWallDrawsItsSubstyleTowardsTheNorthernS) {
  // Due east the style is parallel to the face; S is taken for a wall 0.07 degrees
  // south of east, far up to the right (north lies to the right on an east wall).
  DialSettings s = Bare('v');
  s.WallDeclination = -90;
  Drawn d{RecordingSurface(1120, 790), {}};
  Draw(d, s, {560, 35});
  const auto substyle = Polylines(d.surface, Rgb{223, 223, 223});
  ASSERT_EQ(substyle.size(), 1u);
  ASSERT_EQ(substyle[0].size(), 2u);
  const PointD to = substyle[0][1];
  EXPECT_GT(to.x, 560 + 10000);
  EXPECT_LT(to.y, 35 - 10000);
}

TEST_F(PlanarDialTest, SmallGnomonIsRaisedToFiveMillimetres) {
  DialSettings s = Bare();
  s.GnomonHeight = 30;
  Drawn d{RecordingSurface(1120, 790), {}};
  Draw(d, s, {560, 592}, 0.1);
  EXPECT_DOUBLE_EQ(d.view.zoom, 5.0 / 30.0);
  EXPECT_TRUE(d.surface.HasText("(=  5.00)"));
}

// The caption at the top edge stands at 0.73 of the width, but on a narrow canvas it
// moves left rather than run past the frame.
TEST_F(PlanarDialTest, TopCaptionStaysInsideTheFrame) {
  SetCurrentLanguage(Language::English);
  DialSettings s = Bare('v');
  s.ApparentTimeLines = true;
  s.BifilarLocalTime = true;
  for (const double width : {2000.0, 1120.0, 740.0}) {
    Drawn d{RecordingSurface(width, 600), {}};
    Draw(d, s, {width / 2, 80});
    bool found = false;
    for (const auto* op : d.surface.OpsOfKind(Kind::Text)) {
      if (op->text.find("Straight hour lines show") == std::string::npos) continue;
      found = true;
      d.surface.SetFont(op->font);
      const double end = op->points[0].x + d.surface.TextWidth(op->text);
      EXPECT_LE(end, width) << width;
      if (width == 2000.0) {
        EXPECT_NEAR(op->points[0].x, std::round(0.73 * width), 1) << "room enough: it stays put";
      }
    }
    EXPECT_TRUE(found) << width;
  }
  SetCurrentLanguage(Language::German);
}

TEST_F(PlanarDialTest, DispatchTableDrawsOnlyKnownLetters) {
  RecordingSurface r(400, 300);
  DrawingView view;
  DialSettings s = Bare();
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    // The planar dials and the altitude dials ('k', 'z') are constructed so far.
    const bool known = letter == 'h' || letter == 'i' || letter == 'v' || letter == 'k' || letter == 'z';
    EXPECT_EQ(ConstructionFor(letter) != nullptr, known) << letter;
  }
  s.DialTypeCode = 'q';
  EXPECT_FALSE(ConstructDial(r, true, view, s));
  EXPECT_TRUE(r.Ops().empty());
  EXPECT_EQ(ConstructionFor('A'), nullptr);
}

}  // namespace
}  // namespace skiagraf
