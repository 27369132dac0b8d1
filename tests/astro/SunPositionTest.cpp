#include "astro/SunPosition.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>

#include "astro/Ephemeris.h"

namespace skiagraf {
namespace {

constexpr double kDeg = 0.017453292519943295;

TEST(HorizontalCoordinates, ReferenceCases) {
  struct Case {
    double t, declination, latitude;
    double altitude, azimuth, tolerance;
  } const cases[] = {
      {0, 0, 0, 90, 0, 1e-9},          // sun in the zenith
      {0, 30, 10, 70, 180, 1e-9},      // culminating north of the zenith
      {-90, 0, 45, 0, -90, 1e-8},      // rising due east at the equinox
      {90, 0, 45, 0, 90, 1e-8},        // setting due west
      {180, 0, 45, -45, 180, 1e-9},    // lower culmination
      {0, -20, -60, 50, 180, 1e-9},    // southern latitude, sun in the north at noon
      {0, 10, 47, 53, 0, 1e-9},        // noon in the south
      {0, 47, 47, 90, 0, 1e-6},        // zenith at noon (the sine guard keeps 1e-6 degrees)
      {-180, 23, 90, 23, -180, 1e-6},  // pole: altitude equals declination
  };
  for (const auto& c : cases) {
    const HorizontalPosition p = HorizontalCoordinates(c.t, c.declination, c.latitude);
    EXPECT_NEAR(p.Altitude, c.altitude, c.tolerance) << c.t << " " << c.declination << " " << c.latitude;
    EXPECT_NEAR(std::fabs(p.Azimuth), std::fabs(c.azimuth), 1e-6) << c.t << " " << c.declination << " " << c.latitude;
    if (std::fabs(c.azimuth) != 180.0) {
      EXPECT_NEAR(p.Azimuth, c.azimuth, 1e-6) << c.t << " " << c.declination << " " << c.latitude;
    }
  }
}

TEST(HorizontalCoordinates, HourAngleIsReducedToHalfATurn) {
  const double pairs[][2] = {{200, -160}, {-200, 160}, {540, 180}, {725, 5}, {-370, -10}};
  for (const auto& pr : pairs) {
    const HorizontalPosition a = HorizontalCoordinates(pr[0], 12.5, 47.25);
    const HorizontalPosition b = HorizontalCoordinates(pr[1], 12.5, 47.25);
    EXPECT_NEAR(a.Altitude, b.Altitude, 1e-9) << pr[0];
    EXPECT_NEAR(a.Azimuth, b.Azimuth, 1e-9) << pr[0];
  }
}

TEST(HorizontalCoordinates, ZeroHourAngleFacesSouthOrNorth) {
  struct Case {
    double declination, latitude, azimuth;
  } const cases[] = {{10, 47, 0}, {23.44, 23.44, 0}, {23.44, 10, 180}, {-23.44, -30, 180}, {-23.44, -10, 0}};
  for (const auto& c : cases)
    EXPECT_EQ(HorizontalCoordinates(0.0, c.declination, c.latitude).Azimuth, c.azimuth) << c.declination << " " << c.latitude;
}

// The textbook formulas with atan2 agree with the guarded arctangent forms.
TEST(HorizontalCoordinates, AgreesWithTheSphericalTriangle) {
  for (double lat = -80; lat <= 80; lat += 20)
    for (double dec = -23; dec <= 23; dec += 11.5)
      for (double t = -175; t <= 175; t += 12.5) {
        const HorizontalPosition p = HorizontalCoordinates(t, dec, lat);
        const double sinH = std::sin(lat * kDeg) * std::sin(dec * kDeg) +
                            std::cos(lat * kDeg) * std::cos(dec * kDeg) * std::cos(t * kDeg);
        const double az = std::atan2(std::sin(t * kDeg),
                                     std::cos(t * kDeg) * std::sin(lat * kDeg) - std::tan(dec * kDeg) * std::cos(lat * kDeg)) /
                          kDeg;
        ASSERT_NEAR(p.Altitude, std::asin(sinH) / kDeg, 1e-7) << t << " " << dec << " " << lat;
        ASSERT_NEAR(p.Azimuth, az, 1e-6) << t << " " << dec << " " << lat;
      }
}

TEST(SunPositionAtTime, ApparentNoonOnTheZoneMeridian) {
  // With the longitude on the zone meridian and no equation of time, 12:00 is t = 0.
  const int days[] = {1, 80, 173, 266, 355};
  for (int day : days) {
    const SunPosition p = SunPositionAtTime(2000, day, false, 12.0, 47.25, -15.0, -15.0);
    EXPECT_EQ(p.Azimuth, 0.0) << day;
    EXPECT_NEAR(p.Altitude, 90.0 - 47.25 + p.Declination, 1e-9) << day;
  }
}

TEST(SunPositionAtTime, TimeKindsShiftTheHourAngle) {
  const double lat = 47.25, lon = -9.55, zone = -15.0, day = 173.0;
  const SunPosition apparent = SunPositionForTimeKind(TimeKind::Apparent, 1999, day, 12.0, lat, lon, zone);
  EXPECT_EQ(apparent.Azimuth, 0.0);
  // Local mean noon: the hour angle is the equation of time.
  const SunPosition mean = SunPositionForTimeKind(TimeKind::Mean, 1999, day, 12.0, lat, lon, zone);
  const HorizontalPosition expectMean = HorizontalCoordinates(mean.EquationOfTime, mean.Declination, lat);
  EXPECT_NEAR(mean.Azimuth, expectMean.Azimuth, 1e-9);
  // Zone time: the sun culminates (lon - zone)/15 hours and E/15 hours away from 12:00.
  const SunPosition e = SunPositionAtTime(1999, day, true, 12.0, lat, lon, zone);
  const double culmination = 12.0 + (lon - zone) / 15.0 - e.EquationOfTime / 15.0;
  EXPECT_NEAR(SunPositionForTimeKind(TimeKind::Zone, 1999, day, culmination, lat, lon, zone).Azimuth, 0.0, 0.01);
}

TEST(SunPositionAtTime, EphemerisInstantIsUniversalTime) {
  // 13:00 zone time in zone -15 is 12:00 UT, i.e. ephemeris day value x = day.
  const SunPosition p = SunPositionAtTime(2000, 42.0, true, 13.0, 47.25, -9.55, -15.0);
  const SolarEphemeris e = SunEphemeris(2000, 42.0);
  EXPECT_DOUBLE_EQ(p.Declination, e.Declination);
  EXPECT_DOUBLE_EQ(p.EquationOfTime, e.EquationOfTime);
}

TEST(SunPositionNoonDeclination, OneDeclinationPerDay) {
  const double times[] = {0.0, 6.0, 12.0, 18.5, 23.9};
  const SolarEphemeris noon = SunEphemeris(2000, 80.0 + -15.0 / 360.0);
  for (double zt : times) {
    const SunPosition p = SunPositionNoonDeclination(2000, 80.0, true, zt, 47.25, -9.55, -15.0);
    EXPECT_DOUBLE_EQ(p.Declination, noon.Declination) << zt;
    const double t = 15.0 * (zt - 12.0) - (-9.55 + 15.0) + noon.EquationOfTime;
    EXPECT_NEAR(p.Altitude, HorizontalCoordinates(t, noon.Declination, 47.25).Altitude, 1e-12) << zt;
  }
}

TEST(PositionForDeclination, MeanSunWithoutEquationOfTime) {
  const HorizontalPosition p = PositionForDeclination(15.0, 47.25, -9.55, -15.0, 10.0);
  const HorizontalPosition q = HorizontalCoordinates(45.0 - 5.45, 10.0, 47.25);
  EXPECT_DOUBLE_EQ(p.Altitude, q.Altitude);
  EXPECT_DOUBLE_EQ(p.Azimuth, q.Azimuth);
}

TEST(HoursMinutesSeconds, RoundsAndCarries) {
  struct Case {
    double hours;
    const char* text;
  } const cases[] = {{13.5, " 13:30:00"}, {0.0, "  0:00:00"},       {9.99999, " 10:00:00"},
                     {14.0858333333, " 14:05:09"}, {24.5, " 24:30:00"}, {7.0 + 59.0 / 60 + 59.6 / 3600, "  8:00:00"}};
  for (const auto& c : cases) EXPECT_EQ(HoursMinutesSeconds(c.hours), c.text) << c.hours;
}

class TimeOfAzimuthTest : public ::testing::Test {
 protected:
  Site site_{47.25, -9.55, -15.0};
};

TEST_F(TimeOfAzimuthTest, FoundTimeHasTheAzimuth) {
  struct Case {
    int month, day;
    double azimuth;
  } const cases[] = {{6, 22, -100}, {6, 22, -45}, {6, 22, 30},  {6, 22, 110}, {12, 22, -50},
                     {12, 22, 0.0}, {12, 22, 45}, {3, 21, -85}, {3, 21, 85},  {9, 23, 10}};
  for (const auto& c : cases) {
    const AzimuthTime t = TimeOfAzimuth(c.azimuth, 1999, c.month, c.day, site_, Language::German);
    ASSERT_TRUE(t.Found) << c.month << " " << c.azimuth;
    EXPECT_TRUE(t.Messages.empty()) << c.month << " " << c.azimuth << " " << t.Messages.front().text;
    const double day = CalendarDayOfYear(1999, c.month, c.day);
    const SunPosition p = SunPositionAtTime(1999, day, true, t.ZoneTime, site_.Latitude, site_.Longitude, site_.ZoneMeridian);
    EXPECT_NEAR(p.Azimuth, c.azimuth == 0.0 ? 0.0001 : c.azimuth, 0.005) << c.month << " " << c.azimuth;
    EXPECT_NEAR(t.Altitude, p.Altitude, 1e-9);
    EXPECT_EQ(t.Text, HoursMinutesSeconds(t.ZoneTime) + "  hh:mm:ss");
    EXPECT_TRUE(std::regex_match(t.Text, std::regex("[ 0-9]{3}:[0-5][0-9]:[0-5][0-9]  hh:mm:ss"))) << t.Text;
    // Morning azimuths before, afternoon azimuths after the culmination.
    if (c.azimuth < 0) {
      EXPECT_LT(t.ZoneTime, 13.5);
    } else {
      EXPECT_GT(t.ZoneTime, 11.5);
    }
  }
}

TEST_F(TimeOfAzimuthTest, SouthIsSearchedJustWestOfTheMeridian) {
  const AzimuthTime t = TimeOfAzimuth(0.0, 2000, 3, 20, site_, Language::English);
  ASSERT_TRUE(t.Found);
  const SunPosition before = SunPositionAtTime(2000, CalendarDayOfYear(2000, 3, 20), true, t.ZoneTime - 0.01,
                                               site_.Latitude, site_.Longitude, site_.ZoneMeridian);
  const SunPosition after = SunPositionAtTime(2000, CalendarDayOfYear(2000, 3, 20), true, t.ZoneTime + 0.01,
                                              site_.Latitude, site_.Longitude, site_.ZoneMeridian);
  EXPECT_LT(before.Azimuth, 0.0);
  EXPECT_GT(after.Azimuth, 0.0);
}

TEST_F(TimeOfAzimuthTest, TropicalSummerWarnsThatSomeAzimuthsAreNeverReached) {
  const Site tropic{10.0, -9.55, -15.0};
  const AzimuthTime t = TimeOfAzimuth(-100.0, 1999, 6, 22, tropic, Language::English);
  bool warned = false;
  for (const BoxMessage& m : t.Messages)
    if (m.text == Message(44, Language::English) && m.kind == CaptionKind::Warning) warned = true;
  EXPECT_TRUE(warned);
}

TEST_F(TimeOfAzimuthTest, AzimuthReachedAtNightHasANegativeAltitude) {
  const AzimuthTime t = TimeOfAzimuth(170.0, 1999, 12, 22, site_, Language::German);
  ASSERT_TRUE(t.Found);
  EXPECT_LT(t.Altitude, 0.0);
  EXPECT_GT(t.ZoneTime, 20.0);
}

TEST_F(TimeOfAzimuthTest, DayIsCountedInTheCalendarOfItsYear) {
  // 1 November 1582 is day 295 of that short year; a Gregorian day count would say 305.
  const AzimuthTime t = TimeOfAzimuth(40.0, 1582, 11, 1, site_, Language::German);
  ASSERT_TRUE(t.Found);
  const SunPosition p = SunPositionAtTime(1582, 295.0, true, t.ZoneTime, site_.Latitude, site_.Longitude,
                                          site_.ZoneMeridian);
  EXPECT_NEAR(p.Azimuth, 40.0, 0.005);
}

}  // namespace
}  // namespace skiagraf
