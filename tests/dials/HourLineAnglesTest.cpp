#include <gtest/gtest.h>

#include <cmath>

#include "dials/HourLineAngles.h"
#include "text/Language.h"

namespace skiagraf {
namespace {

constexpr double kPi = 3.14159265358979323846;

DialSettings SiteAt47(char type) {
  DialSettings s;
  s.Latitude = 47;
  s.Longitude = -15;
  s.ZoneMeridian = -15;
  s.SolsticeDeclination = 23.44;
  s.DialTypeCode = type;
  s.WallDeclination = 0;
  s.WallInclination = type == 'v' ? 90 : 0;
  s.MainTimeStart = 6;
  s.MainTimeEnd = 18;
  s.BifilarHourInterval = '0';
  return s;
}

// The cells of the grid row of a full hour (one row per hour without subdivisions).
const std::array<std::string, 16>& RowOf(const HourLineAngleTable& t, int hour, int start) {
  return t.Grid.at(static_cast<size_t>(hour - start + 1));
}

struct AngleCase {
  char type;
  int hour;
  const char* angle;
  const char* tangent;
};

class AnglesTableTest : public ::testing::TestWithParam<AngleCase> {
 protected:
  void SetUp() override { SetCurrentLanguage(Language::German); }
};

TEST_P(AnglesTableTest, ListsTheHourLineAt47Degrees) {
  const AngleCase& c = GetParam();
  const auto t = ComputeHourLineAngles(SiteAt47(c.type), false, 35.0);
  const auto& row = RowOf(t, c.hour, 6);
  EXPECT_EQ(row[0], std::to_string(c.hour) + ":00");
  EXPECT_EQ(row[1], c.angle);
  EXPECT_EQ(row[2], c.tangent);
}

INSTANTIATE_TEST_SUITE_P(Faces, AnglesTableTest,
                         ::testing::Values(AngleCase{'h', 9, "    36.18", "    0.731"},
                                           AngleCase{'h', 15, "   -36.18", "   -0.731"},
                                           AngleCase{'h', 12, "     0.00", "    0.000"},
                                           AngleCase{'h', 18, "   -90.00", "  <-10000"},
                                           AngleCase{'v', 9, "   -34.29", "   -0.682"},
                                           AngleCase{'v', 15, "    34.29", "    0.682"}));

TEST(AnglesTable, HorizontalLinesFollowTheTangentLaw) {
  const DialSettings s = SiteAt47('h');
  const auto t = ComputeHourLineAngles(s, false, 35.0);
  for (int n = 7; n <= 17; ++n) {
    // tan(angle) = -sin(phi) tan(hour angle): morning lines count positive.
    const double expected =
        std::atan(std::sin(47 * kPi / 180) * std::tan((12 - n) * 15 * kPi / 180)) * 180 / kPi;
    EXPECT_NEAR(t.Angles[static_cast<size_t>(n)][0], expected, 1e-9) << n;
  }
  // Hours outside the range are missing.
  EXPECT_EQ(t.Angles[5][0], kNoAngle);
  EXPECT_EQ(t.Angles[19][0], kNoAngle);
}

TEST(AnglesTable, SubdivisionSettingFourGivesSixPartsAndTwoRowsPerHour) {
  DialSettings s = SiteAt47('h');
  s.BifilarHourInterval = '4';
  const auto t = ComputeHourLineAngles(s, false, 35.0);
  EXPECT_EQ(t.Parts, 6);
  // Heading plus two rows for each of the 13 hours.
  EXPECT_EQ(t.Grid.size(), 1u + 2u * 13u);
  const auto& first = t.Grid[1];
  EXPECT_EQ(first[0], "6:00");
  EXPECT_EQ(first[4], "6:10");
  EXPECT_EQ(first[12], "6:30");
  const auto& second = t.Grid[2];
  EXPECT_EQ(second[0], " ");
  EXPECT_EQ(second[4], "6:40");
  EXPECT_EQ(second[8], "6:50");
  // Ten-minute steps: 9:10 has the hour angle -42.5 degrees.
  const double expected = std::atan(std::sin(47 * kPi / 180) * std::tan(42.5 * kPi / 180)) * 180 / kPi;
  EXPECT_NEAR(t.Angles[9][1], expected, 1e-9);
  // The last hour has no subdivisions beyond the end of the range.
  EXPECT_NE(t.Angles[18][0], kNoAngle);
  EXPECT_EQ(t.Angles[18][1], kNoAngle);
}

TEST(AnglesTable, ZoneCorrectionShiftsTheHourAngle) {
  DialSettings s = SiteAt47('h');
  s.Longitude = -9.0;  // 6 degrees west of the zone meridian
  const auto local = ComputeHourLineAngles(s, false, 35.0);
  const auto zone = ComputeHourLineAngles(s, true, 35.0);
  EXPECT_NEAR(local.Angles[12][0], 0.0, 1e-9);
  const double expected = std::atan(std::sin(47 * kPi / 180) * std::tan(6.0 * kPi / 180)) * 180 / kPi;
  EXPECT_NEAR(zone.Angles[12][0], expected, 1e-9);
}

TEST(AnglesTable, DecliningWallKeepsItsLinesContinuous) {
  DialSettings s = SiteAt47('v');
  s.WallDeclination = -40;
  s.MainTimeStart = 5;
  s.MainTimeEnd = 17;
  const auto t = ComputeHourLineAngles(s, false, 35.0);
  for (int n = 6; n <= 17; ++n) {
    const double step = std::fabs(t.Angles[static_cast<size_t>(n)][0] - t.Angles[static_cast<size_t>(n - 1)][0]);
    EXPECT_TRUE(step < 90 || step > 300) << n;
  }
  // Morning lines lie on the left side (negative angles) of a vertical dial.
  EXPECT_LT(t.Angles[9][0], 0.0);
  EXPECT_GT(t.Angles[15][0], 0.0);
}

TEST(AnglesTable, MemoLinesDescribeTheFace) {
  SetCurrentLanguage(Language::English);
  const auto t = ComputeHourLineAngles(SiteAt47('v'), false, 35.0);
  SetCurrentLanguage(Language::German);
  ASSERT_FALSE(t.MemoLines.empty());
  EXPECT_EQ(t.MemoLines.front(), "Vertical SUNDIAL");
  EXPECT_EQ(t.MemoLines.back(), "   Angle (steepest slope,noon line) :       0.000 deg ");
  EXPECT_NEAR(t.StyleAngle, -43.0, 1e-9);
  EXPECT_EQ(t.DialKindLabel, "Angles of the Hour Lines in a Vertical Sundial");
}

TEST(SunlitPeriodTest, HorizontalFaceSeesTheLongestDay) {
  const double h0 = std::acos(-std::tan(23.44 * kPi / 180) * std::tan(47 * kPi / 180)) * 180 / kPi;
  const auto r = SunlitPeriod(0, 0, 47, 0, 23.44);
  // The scan runs in steps of 0.05 degrees of declination from 23.5 down.
  EXPECT_NEAR(r.HA1, -h0, 0.05);
  EXPECT_NEAR(r.HA2, h0, 0.05);
  EXPECT_NEAR(r.DeclinationAtHA1, 23.44, 0.02);
  EXPECT_TRUE(r.SinglePeriod);
}

TEST(SunlitPeriodTest, SouthWallIsLitFromSixToSix) {
  const auto r = SunlitPeriod(90, 0, 47, 0, 23.44);
  EXPECT_NEAR(r.HA1, -90, 0.5);
  EXPECT_NEAR(r.HA2, 90, 0.5);
  EXPECT_EQ(r.Text, "           6:00 -  18:00");
}

TEST(SunlitPeriodTest, ShiftIsAddedToTheLimits) {
  const auto a = SunlitPeriod(90, -30, 47, 0, 23.44);
  const auto b = SunlitPeriod(90, -30, 47, 15, 23.44);
  EXPECT_NEAR(b.HA1, a.HA1 + 15, 1e-9);
  EXPECT_NEAR(b.HA2, a.HA2 + 15, 1e-9);
  // A wall turned to the east gets sun before six in the morning, and loses it
  // before six in the evening.
  EXPECT_LT(a.HA1, -90);
  EXPECT_LT(a.HA2, 90);
}

TEST(SunlitPeriodTest, NorthWallHasMorningAndEveningSun) {
  const auto r = SunlitPeriod(90, 180, 47, 0, 23.44);
  EXPECT_FALSE(r.SinglePeriod);
  EXPECT_LT(r.HA1, -90);
  EXPECT_GT(r.HA2, 90);
  EXPECT_NE(r.Text.find("; "), std::string::npos);
}

}  // namespace
}  // namespace skiagraf
