#include <gtest/gtest.h>

#include <cmath>

#include "dials/PlanarGeometry.h"
#include "dials/PlanarInfoText.h"
#include "text/Language.h"

namespace skiagraf {
namespace {

constexpr double kPi = 3.14159265358979323846;
double Tan(double deg) { return std::tan(deg * kPi / 180.0); }

struct StyleCase {
  const char* name;
  double phi, D, zeta, g;
  double sx, sy, styleHeight, substyleDirection, substyleTime;
  bool parallel;
};

class PolarStyleTest : public ::testing::TestWithParam<StyleCase> {};

TEST_P(PolarStyleTest, MatchesTheKnownFaces) {
  const StyleCase& c = GetParam();
  const PolarStyleData d = ComputePolarStyle(c.phi, c.D, c.zeta, c.g);
  EXPECT_EQ(d.StyleParallel, c.parallel);
  if (!c.parallel) {
    EXPECT_NEAR(d.Sx, c.sx, 1e-6);
    EXPECT_NEAR(d.Sy, c.sy, 1e-6);
  }
  EXPECT_NEAR(d.StyleHeight, c.styleHeight, 1e-6);
  EXPECT_NEAR(d.SubstyleDirection, c.substyleDirection, 1e-6);
  EXPECT_NEAR(d.SubstyleTime, c.substyleTime, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    Faces, PolarStyleTest,
    ::testing::Values(
        // Horizontal: S below P at g / tan(phi), style height = latitude.
        StyleCase{"horizontal47", 47, 0, 0, 35, 0, -35 / Tan(47), 47, 0, 12, false},
        StyleCase{"horizontal30", 30, 0, 0, 50, 0, -50 / Tan(30), 30, 0, 12, false},
        // South wall at 47: S above P at g tan 47, the style points to the south pole.
        StyleCase{"southWall47", 47, 0, 90, 35, 0, 35 * Tan(47), -43, 0, 12, false},
        // East and west walls: the style is parallel to the face.
        StyleCase{"eastWall", 47, -90, 90, 35, 0, 0, 0, 43, 6, true},
        StyleCase{"westWall", 47, 90, 90, 35, 0, 0, 0, 137, 18, true},
        // North wall: M = +90, substyle direction 180, shadow on the substyle at noon.
        StyleCase{"northWall", 47, 180, 90, 35, 0, -35 * Tan(47), 43, 180, 12, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PolarStyleTest, EastWestWallsHaveFlippedSubstyleTimes) {
  // The substyle of a declining wall lies on the side the wall faces: a wall turned
  // west (D > 0) has its substyle in the afternoon.
  const auto west = ComputePolarStyle(47, 30, 90, 35);
  const auto east = ComputePolarStyle(47, -30, 90, 35);
  EXPECT_GT(west.SubstyleTime, 12.0);
  EXPECT_LT(east.SubstyleTime, 12.0);
  EXPECT_NEAR(west.SubstyleTime - 12.0, 12.0 - east.SubstyleTime, 1e-9);
  EXPECT_NEAR(west.Sx, -east.Sx, 1e-9);
  EXPECT_GT(west.StyleLength, 0.0);
}

TEST(PolarStyleTest, PoleGuard) {
  EXPECT_DOUBLE_EQ(PoleGuardedLatitude(89.9997), 89.999);
  EXPECT_DOUBLE_EQ(PoleGuardedLatitude(-89.9997), -89.999);
  EXPECT_DOUBLE_EQ(PoleGuardedLatitude(89.99), 89.99);
  // The guard makes the pole give the same data as 89.999.
  const auto atPole = ComputePolarStyle(90, 0, 0, 35);
  const auto near = ComputePolarStyle(89.999, 0, 0, 35);
  EXPECT_DOUBLE_EQ(atPole.Sy, near.Sy);
  EXPECT_TRUE(std::isfinite(atPole.Sy));
}

TEST(PolarStyleTest, StyleLengthIsTheDistanceFromSToTheTip) {
  for (double D : {-40.0, 0.0, 25.0}) {
    for (double zeta : {0.0, 30.0, 90.0}) {
      const auto d = ComputePolarStyle(47, D, zeta, 35);
      ASSERT_TRUE(d.HasStyleLength);
      // S and the tip (at height g above P) form a right triangle with P.
      EXPECT_NEAR(d.StyleLength, std::hypot(std::hypot(d.Sx, d.Sy), 35.0), 1e-6) << D << " " << zeta;
    }
  }
}

struct ClockCase {
  double hours;
  const char* text;
};

class ClockTextTest : public ::testing::TestWithParam<ClockCase> {};

TEST_P(ClockTextTest, Formats) { EXPECT_EQ(ClockText(GetParam().hours), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(Times, ClockTextTest,
                         ::testing::Values(ClockCase{12.0, " 12:00"}, ClockCase{9.5, "  9:30"},
                                           ClockCase{13.999, " 14:00"}, ClockCase{-0.5, " -0:30"},
                                           ClockCase{-0.001, "  0:00"}, ClockCase{-2.25, " -2:15"},
                                           ClockCase{7.0 + 5.0 / 60, "  7:05"}));

TEST(EquivalentHorizontalDialTest, KnownPlanes) {
  // A horizontal plane is itself.
  auto e = EquivalentHorizontalDial(0, 0, 47);
  EXPECT_NEAR(e.Latitude, 47, 1e-9);
  EXPECT_NEAR(e.LongitudeShift, 0, 1e-9);
  EXPECT_NEAR(e.Rotation, 0, 1e-9);
  // A south wall at 47 is a horizontal dial at -43.
  e = EquivalentHorizontalDial(90, 0, 47);
  EXPECT_NEAR(e.Latitude, -43, 1e-9);
  EXPECT_NEAR(e.LongitudeShift, 0, 1e-9);
  // A plane tilted towards the south by the latitude is parallel to the horizon of
  // the equator.
  e = EquivalentHorizontalDial(47, 0, 47);
  EXPECT_NEAR(e.Latitude, 0, 1e-9);
  // A west-declining wall shifts the clock to the west (positive shift).
  e = EquivalentHorizontalDial(90, 30, 47);
  EXPECT_GT(e.LongitudeShift, 0);
  EXPECT_GT(e.Rotation, 0);
}

TEST(EquivalentHorizontalDialTest, Atan2CoversTheCircle) {
  EXPECT_DOUBLE_EQ(Atan2Degrees(1, 0), 90);
  EXPECT_DOUBLE_EQ(Atan2Degrees(-1, 0), -90);
  EXPECT_DOUBLE_EQ(Atan2Degrees(0, -1), 180);
  EXPECT_DOUBLE_EQ(Atan2Degrees(0, 1), 0);
  EXPECT_NEAR(Atan2Degrees(1, -1), 135, 1e-12);
  EXPECT_NEAR(Atan2Degrees(-1, -1), -135, 1e-12);
}

TEST(DaylightHourDeclinationsTest, AtTheEquatorEveryDayLastsTwelveHours) {
  const auto d = DaylightHourDeclinations(0, 23.44);
  for (double v : d) EXPECT_EQ(v, 0.0);
}

TEST(DaylightHourDeclinationsTest, AtFortySevenDegrees) {
  const auto d = DaylightHourDeclinations(47, 23.44);
  EXPECT_EQ(d[0], 0.0);
  // A 13-hour day: tan(delta) = sin(7.5) tan(43).
  EXPECT_NEAR(d[1], std::atan(std::sin(7.5 * kPi / 180) * Tan(43)) * 180 / kPi, 1e-9);
  for (int n = 1; n <= 3; ++n) EXPECT_LT(d[n], 23.44);
  // 16 hours need a declination above the solstice at 47 degrees.
  EXPECT_EQ(d[4], kNoDeclination);
  for (int n = 1; n < 12; ++n) {
    if (d[n] != kNoDeclination && d[n + 1] != kNoDeclination) {
      EXPECT_LT(d[n], d[n + 1]);
    }
  }
}

class InfoTextTest : public ::testing::Test {
 protected:
  void SetUp() override { SetCurrentLanguage(Language::German); }
  void TearDown() override { SetCurrentLanguage(Language::German); }
  static bool Contains(const std::vector<std::string>& lines, const std::string& fragment) {
    for (const auto& l : lines)
      if (l.find(fragment) != std::string::npos) return true;
    return false;
  }
  PlanarInfoTexts texts;
};

TEST_F(InfoTextTest, HorizontalDialGerman) {
  PlanarInfoOptions o;
  o.dialType = 'h';
  PlanarDialInfoText(o, 47, -9.5, 0, 0, 35, texts);
  ASSERT_GE(texts.lines.size(), 8u);
  EXPECT_EQ(texts.lines[0], "Horizontale SONNENUHR");
  EXPECT_EQ(texts.lines[1], "     Geogr. Breite:" + std::string(26, ' ') + "47.00 Grad");
  // No declination or inclination line on a horizontal dial.
  EXPECT_FALSE(Contains(texts.lines, "Deklination der Uhr"));
  EXPECT_EQ(texts.lines[3], "     Gnomonhöhe normal zum Zifferblatt   :  35.000 [ mm ]");
  EXPECT_EQ(texts.lines[5], "     Winkel zw. Substilare und Polstab   :   47.00 Grad");
  EXPECT_EQ(texts.lines.back(), " ");
  EXPECT_EQ(texts.SubstyleTimeText, " 12:00");
  EXPECT_EQ(texts.StyleHeightText, "   47.00");
  EXPECT_TRUE(Contains(texts.lines, "(WOZ)    :   12:00  Uhr"));
}

TEST_F(InfoTextTest, EastWallEnglishShowsTheParallelStyle) {
  SetCurrentLanguage(Language::English);
  PlanarInfoOptions o;
  o.dialType = 'v';
  PlanarDialInfoText(o, 47, -9.5, -90, 90, 35, texts);
  EXPECT_EQ(texts.lines[0], "Vertical SUNDIAL");
  EXPECT_TRUE(Contains(texts.lines, "     Polar-pointing style parallel to face"));
  EXPECT_FALSE(Contains(texts.lines, "Intersection of style"));
  // No length can be given for a style parallel to the face.
  EXPECT_FALSE(Contains(texts.lines, "Length of pole style"));
  EXPECT_TRUE(Contains(texts.lines, "Angle from dial face to pole style  :    0.00 deg "));
  EXPECT_TRUE(Contains(texts.lines, "Declination of dial (in degrees)    :  -90.00 deg "));
}

TEST_F(InfoTextTest, SouthWallShowsS) {
  PlanarInfoOptions o;
  o.dialType = 'v';
  PlanarDialInfoText(o, 47, -9.5, 0, 90, 35, texts);
  EXPECT_TRUE(Contains(texts.lines, "     Durchstosspunkt des Polstabes       : S( 0.000/37.533)"));
  EXPECT_TRUE(Contains(texts.lines, "Winkel zw. Substilare und Polstab   :  -43.00 Grad"));
}

TEST_F(InfoTextTest, UmbrellaTitles) {
  struct Case {
    char type;
    bool umbrella;
    const char* german;
  };
  for (const Case& c : {Case{'i', true, "SCHIRMUHR,pultförmig"}, Case{'v', true, "Vertikale SCHIRMUHR"},
                        Case{'h', true, "Horizontale SCHIRMUHR"}, Case{'i', false, "Inklinierende SONNENUHR"},
                        Case{'x', false, "Inklinierende SONNENUHR"}}) {
    PlanarInfoOptions o;
    o.dialType = c.type;
    o.umbrella = c.umbrella;
    PlanarDialInfoText(o, 47, -9.5, 10, 40, 35, texts);
    EXPECT_EQ(texts.lines[0], c.german);
  }
}

TEST_F(InfoTextTest, DaylightBlockAtTheEquatorHoldsNoEntries) {
  PlanarInfoOptions o;
  o.dialType = 'h';
  o.wholeHourDateLines = true;
  PlanarDialInfoText(o, 0, 0, 0, 0, 35, texts);
  const auto& l = texts.lines;
  ASSERT_GE(l.size(), 5u);
  // ..., "", heading, 12-hour line, two empty entry lines, " ".
  EXPECT_EQ(l[l.size() - 5], "    Sonnendeklination f. Tage mit ganzzahliger StundenAnzahl");
  EXPECT_EQ(l[l.size() - 6], "");
  EXPECT_EQ(l[l.size() - 4], "    12 Std.: 0.0°;");
  EXPECT_EQ(l[l.size() - 3], "   ");
  EXPECT_EQ(l[l.size() - 2], "   ");
}

TEST_F(InfoTextTest, DaylightBlockAtFortySeven) {
  PlanarInfoOptions o;
  o.dialType = 'h';
  o.wholeHourDateLines = true;
  PlanarDialInfoText(o, 47, 0, 0, 0, 35, texts);
  const auto& l = texts.lines;
  EXPECT_EQ(l[l.size() - 3], "    13 Std.:   6.94°, 14 Std.:  13.57°, 15 Std.:  19.64°,");
  EXPECT_EQ(l[l.size() - 2].substr(0, 15), "    11 Std.:  -");
}

TEST_F(InfoTextTest, FaceInfoAppends) {
  texts.lines = {"before"};
  FaceInfoText('v', 47, -9.5, 0, 90, 35, texts);
  EXPECT_EQ(texts.lines[0], "before");
  EXPECT_EQ(texts.lines[1], "Vertikale SONNENUHR");
  bool found = false;
  for (const auto& line : texts.lines)
    found |= line == "     Richtung Sonnenuhr-Standpunkt -> Pol: <0.00/37.53>";
  EXPECT_TRUE(found);
  EXPECT_EQ(texts.SubstyleDirectionText, "    0.00");
}

}  // namespace
}  // namespace skiagraf
