#include "astro/RiseSet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astro/Ephemeris.h"
#include "astro/SunPosition.h"
#include "text/Texts.h"

namespace skiagraf {
namespace {

constexpr double kDeg = 0.017453292519943295;

TEST(LocalSiderealTime, KnownInstantsAndLongitude) {
  // 1 January 2000, 12:00 UT: Greenwich mean sidereal time 18h 41m 50.55s.
  EXPECT_NEAR(LocalSiderealTime(51544.5, 0.0), 18.697374558, 1e-6);
  // 15 degrees east (negative) is one hour later, wrapped into 0..24.
  EXPECT_NEAR(LocalSiderealTime(51544.5, -15.0), 19.697374558, 1e-6);
  EXPECT_NEAR(LocalSiderealTime(51544.5, -90.0), 0.697374558, 1e-6);
  for (double mjd = 40000.0; mjd < 40010.0; mjd += 0.37) {
    const double lst = LocalSiderealTime(mjd, 120.0);
    ASSERT_GE(lst, 0.0);
    ASSERT_LT(lst, 24.0);
  }
  // A sidereal day is 3m 56s shorter than a solar day.
  const double step = LocalSiderealTime(51545.5, 0.0) - LocalSiderealTime(51544.5, 0.0);
  EXPECT_NEAR(step * 60.0, 3.0 + 56.555 / 60.0, 0.01);
}

TEST(LowPrecisionSun, AgreesWithTheEphemeris) {
  for (double x = 1.0; x <= 365.0; x += 7.0) {
    const double t = (JulianDayNumber(1, 1, 2010) + x - 1.0 - 2451545.0) / 36525.0;
    const EquatorialPosition p = LowPrecisionSun(t);
    EXPECT_NEAR(p.Declination, SunEphemeris(2010, x).Declination, 0.02) << x;
    EXPECT_GE(p.RightAscension, 0.0);
    EXPECT_LT(p.RightAscension, 24.0);
  }
}

TEST(LowPrecisionMoon, StaysOnItsPath) {
  double previous = LowPrecisionMoon(0.0).RightAscension;
  for (int day = 1; day <= 60; ++day) {
    const EquatorialPosition p = LowPrecisionMoon(day / 36525.0);
    ASSERT_LE(std::fabs(p.Declination), 29.0) << day;
    ASSERT_GE(p.RightAscension, 0.0);
    ASSERT_LT(p.RightAscension, 24.0);
    // The moon moves about 13 degrees (0.9 hours of right ascension) eastward a day.
    double step = p.RightAscension - previous;
    if (step < 0) step += 24.0;
    ASSERT_GT(step, 0.5) << day;
    ASSERT_LT(step, 1.5) << day;
    previous = p.RightAscension;
  }
}

TEST(QuadraticInterpolation, RootsAndExtremum) {
  struct Case {
    double ym, y0, yp;
    int count;
    double z1, z2, xe, ye;
  } const cases[] = {
      {0.75, -0.25, 0.75, 2, -0.5, 0.5, 0.0, -0.25},  // x^2 - 1/4
      {-3.0, -1.5, 2.0, 1, 0.5, 0.5, -1.25, -3.0625},  // (x - 0.5)(x + 3): only 0.5 lies within -1..1
      {1.0, 0.5, 1.0, 0, NAN, NAN, 0.0, 0.5},          // no real roots
      {2.0, 1.0, 2.0, 0, NAN, NAN, 0.0, 1.0},
      {3.0, 2.0, 1.0, 0, NAN, NAN, NAN, NAN},           // a straight line: reported without roots
  };
  for (const auto& c : cases) {
    const QuadraticRoots r = QuadraticInterpolation(c.ym, c.y0, c.yp);
    EXPECT_EQ(r.Count, c.count) << c.ym << " " << c.y0 << " " << c.yp;
    if (c.count > 0) {
      EXPECT_NEAR(r.Z1, c.z1, 1e-12);
      EXPECT_NEAR(r.Z2, c.z2, 1e-12);
    }
    if (!std::isnan(c.xe)) {
      EXPECT_NEAR(r.Xe, c.xe, 1e-12);
      EXPECT_NEAR(r.Ye, c.ye, 1e-12);
    }
  }
}

TEST(FormatEventTime, RoundsToMinutes) {
  struct Case {
    double hours;
    const char* text;
  } const cases[] = {{4.4166, "  4:25"},  {23.9999, " 24:00"}, {24.0, " 24:00"},   {0.0, "  0:00"},
                     {12.5, " 12:30"},    {9.9917, " 10:00"},  {9.9915, "  9:59"}, {20.3667, " 20:22"},
                     {0.0083, "  0:00"},  {0.0084, "  0:01"}};
  for (const auto& c : cases) EXPECT_EQ(FormatEventTime(c.hours), c.text) << c.hours;
}

TEST(ThresholdAltitude, KindsAndTwilights) {
  EXPECT_DOUBLE_EQ(ThresholdAltitude(EventKind::Moon, TwilightKind::Civil), 8.0 / 60.0);
  EXPECT_DOUBLE_EQ(ThresholdAltitude(EventKind::Sun, TwilightKind::Astronomical), -50.0 / 60.0);
  EXPECT_EQ(ThresholdAltitude(EventKind::Twilight, TwilightKind::Civil), -6.0);
  EXPECT_EQ(ThresholdAltitude(EventKind::Twilight, TwilightKind::Nautical), -12.0);
  EXPECT_EQ(ThresholdAltitude(EventKind::Twilight, TwilightKind::Astronomical), -18.0);
}

RiseSetDay Day(int year, int month, int day, double latitude, double longitude = -9.55,
               TwilightKind twilight = TwilightKind::Civil, double zone = -15.0) {
  return {DayOrigin(day, month, year, zone), latitude, longitude, twilight};
}

// The altitude of the sun at a found event, computed with the solar ephemeris,
// is the threshold of the kind.
TEST(FindRiseSet, EventsLieOnTheThreshold) {
  struct Case {
    int month, day;
    double latitude;
    EventKind kind;
    TwilightKind twilight;
  } const cases[] = {
      {6, 22, 47.25, EventKind::Sun, TwilightKind::Civil},    {1, 1, 47.25, EventKind::Sun, TwilightKind::Civil},
      {6, 22, 47.25, EventKind::Twilight, TwilightKind::Civil}, {12, 22, 47.25, EventKind::Twilight, TwilightKind::Astronomical},
      {3, 21, -33.9, EventKind::Sun, TwilightKind::Civil},    {9, 23, 0.0, EventKind::Twilight, TwilightKind::Nautical},
      {12, 22, 70.0, EventKind::Twilight, TwilightKind::Civil},
  };
  for (const auto& c : cases) {
    const RiseSetDay day = Day(1999, c.month, c.day, c.latitude, -9.55, c.twilight);
    const RiseSetResult r = FindRiseSet(c.kind, day, Language::German);
    ASSERT_TRUE(r.RiseFound && r.SetFound) << c.month << "-" << c.day << " " << c.latitude;
    EXPECT_FALSE(r.EventMissing);
    const double doy = CalendarDayOfYear(1999, c.month, c.day);
    const double h0 = ThresholdAltitude(c.kind, c.twilight);
    for (double zt : {r.Rise, r.Set}) {
      const SunPosition p = SunPositionAtTime(1999, doy, true, zt, c.latitude, -9.55, -15.0);
      EXPECT_NEAR(p.Altitude, h0, 0.1) << c.month << "-" << c.day << " " << c.latitude << " at " << zt;
    }
    if (c.kind == EventKind::Sun) {
      EXPECT_LT(r.Rise, r.Set);
    }
    EXPECT_EQ(r.Block.size(), 14u);
    const std::string first = c.kind == EventKind::Twilight ? r.SetText : r.RiseText;
    const std::string second = c.kind == EventKind::Twilight ? r.RiseText : r.SetText;
    EXPECT_EQ(r.Block, first + second + "  ");
  }
}

TEST(FindRiseSet, MoonEventsLieOnTheMoonThreshold) {
  const RiseSetDay day = Day(1999, 6, 22, 47.25);
  const RiseSetResult r = FindRiseSet(EventKind::Moon, day, Language::German);
  ASSERT_TRUE(r.RiseFound && r.SetFound);
  const double sinLat = std::sin(47.25 * kDeg), cosLat = std::cos(47.25 * kDeg);
  for (double hour : {r.Rise, r.Set})
    EXPECT_NEAR(std::asin(SinAltitude(EventKind::Moon, sinLat, cosLat, -9.55, hour, day.Mjd0)) / kDeg, 8.0 / 60.0, 0.05)
        << hour;
}

TEST(FindRiseSet, PolarDaysAndNights) {
  struct Case {
    int month, day;
    double latitude;
    EventKind kind;
    TwilightKind twilight;
    int phrase;  // the block of a day without events; 0 when both events occur
  } const cases[] = {
      {6, 22, 70.0, EventKind::Sun, TwilightKind::Civil, 68},
      {6, 22, 70.0, EventKind::Twilight, TwilightKind::Civil, 69},
      {12, 22, 70.0, EventKind::Sun, TwilightKind::Civil, 70},
      {12, 22, 70.0, EventKind::Twilight, TwilightKind::Civil, 0},
      {12, 22, 80.0, EventKind::Twilight, TwilightKind::Astronomical, 0},
      {12, 22, 85.0, EventKind::Twilight, TwilightKind::Astronomical, 71},
      {6, 22, -70.0, EventKind::Sun, TwilightKind::Civil, 70},
      {12, 22, -70.0, EventKind::Sun, TwilightKind::Civil, 68},
  };
  for (Language language : {Language::German, Language::English})
    for (const auto& c : cases) {
      const RiseSetResult r = FindRiseSet(c.kind, Day(1999, c.month, c.day, c.latitude, -9.55, c.twilight), language);
      if (c.phrase == 0) {
        EXPECT_TRUE(r.RiseFound && r.SetFound) << c.month << " " << c.latitude;
        EXPECT_FALSE(r.EventMissing);
      } else {
        EXPECT_EQ(r.Block, Phrase(c.phrase, language)) << c.month << " " << c.latitude;
        EXPECT_TRUE(r.EventMissing);
        EXPECT_FALSE(r.RiseFound || r.SetFound);
        EXPECT_EQ(r.AboveAtStart, c.phrase == 68 || c.phrase == 69);
      }
    }
  EXPECT_EQ(Phrase(68, Language::German), "immer sichtbar");
  EXPECT_EQ(Phrase(69, Language::German), "  immer hell  ");
  EXPECT_EQ(Phrase(70, Language::German), " nie sichtbar ");
  EXPECT_EQ(Phrase(71, Language::German), " immer dunkel ");
}

TEST(FindRiseSet, MoonWithoutASetShowsDashes) {
  // Every lunar month has days on which the moon only rises or only sets.
  int onlyRise = 0, onlySet = 0;
  for (int d = 1; d <= 30; ++d) {
    const RiseSetResult r = FindRiseSet(EventKind::Moon, Day(1999, 6, d, 47.25), Language::English);
    ASSERT_EQ(r.Block.size(), 14u) << d;
    if (r.RiseFound && !r.SetFound) {
      ++onlyRise;
      EXPECT_EQ(r.SetText, " -----");
      EXPECT_EQ(r.Block, r.RiseText + " -----  ");
      EXPECT_TRUE(r.EventMissing);
    }
    if (r.SetFound && !r.RiseFound) {
      ++onlySet;
      EXPECT_EQ(r.Block, " -----" + r.SetText + "  ");
      EXPECT_TRUE(r.EventMissing);
    }
  }
  EXPECT_GE(onlyRise, 1);
  EXPECT_GE(onlySet, 1);
}

TEST(FindRiseSet, BlocksAreAlwaysFourteenCharacters) {
  const double latitudes[] = {-80, -47.25, 0, 47.25, 66.5, 70, 85};
  for (double lat : latitudes)
    for (int month = 1; month <= 12; ++month)
      for (EventKind kind : {EventKind::Sun, EventKind::Twilight, EventKind::Moon}) {
        const RiseSetResult r = FindRiseSet(kind, Day(2000, month, 10, lat), Language::English);
        ASSERT_EQ(r.Block.size(), 14u) << lat << " " << month;
        if (r.RiseFound) {
          ASSERT_GE(r.Rise, 0.0);
          ASSERT_LE(r.Rise, 24.0);
        }
      }
}

TEST(SemiDiurnalArc, HalfDayArcs) {
  struct Case {
    double declination, latitude, hourAngle;
    bool noRiseOrSet;
  } const cases[] = {
      {0.0, 47.25, 90.0, false},
      {23.44, 47.25, std::acos(-std::tan(47.25 * kDeg) * std::tan(23.44 * kDeg)) / kDeg, false},
      {-23.44, 47.25, std::acos(std::tan(47.25 * kDeg) * std::tan(23.44 * kDeg)) / kDeg, false},
      {10.0, 0.0, 90.0, false},
      {23.44, 70.0, 180.0, true},    // midnight sun
      {-23.44, 70.0, 0.0, false},    // polar night
      {-23.44, -70.0, 180.0, true},
  };
  for (const auto& c : cases) {
    const SemiDiurnalArcResult r = SemiDiurnalArc(c.declination, c.latitude);
    EXPECT_NEAR(r.HourAngle, c.hourAngle, 1e-9) << c.declination << " " << c.latitude;
    EXPECT_EQ(r.NoRiseOrSet, c.noRiseOrSet) << c.declination << " " << c.latitude;
    EXPECT_NEAR(r.Azimuth, HorizontalCoordinates(r.HourAngle, c.declination, c.latitude).Azimuth, 1e-12);
  }
  // At the equinox the sun sets due west.
  EXPECT_NEAR(SemiDiurnalArc(0.0, 47.25).Azimuth, 90.0, 1e-6);
}

TEST(GeometricRiseSet, SymmetricAboutApparentNoon) {
  const double days[] = {1, 80, 173, 266, 355};
  for (double day : days) {
    const GeometricRiseSetResult r = GeometricRiseSet(2000, day, -9.55, 47.25);
    EXPECT_NEAR(r.Rise + r.Set, 24.0, 1e-12) << day;
    EXPECT_NEAR(r.RiseAzimuth, -r.SetAzimuth, 1e-9) << day;
    EXPECT_DOUBLE_EQ(r.Declination, SunEphemeris(2000, day - 9.55 / 360.0).Declination) << day;
    EXPECT_NEAR(PositionForDeclination(r.Set, 47.25, -9.55, -9.55, r.Declination).Altitude, 0.0, 1e-6) << day;
  }
}

TEST(SunriseSunsetTimes, ClockHoursAndPolarValues) {
  struct Case {
    double day, longitude, latitude, zone;
    double rise, set;  // NAN: checked through the formula
  } const cases[] = {
      {173, 70.0, 70.0, 70.0, 0.0, 24.0},    // midnight sun
      {355, 0.0, 70.0, 0.0, -1.0, 0.0},      // polar night
      {173, 0.0, -70.0, 0.0, -1.0, 0.0},
      {355, 0.0, -70.0, 0.0, 0.0, 24.0},
      {80, -15.0, 0.0, -15.0, 6.0, 18.0},    // equator: twelve hours
  };
  for (const auto& c : cases) {
    const RiseSetTimes r = SunriseSunsetTimes(2000, c.day, c.longitude, c.latitude, c.zone);
    EXPECT_NEAR(r.Rise, c.rise, 1e-9) << c.day << " " << c.latitude;
    EXPECT_NEAR(r.Set, c.set, 1e-9) << c.day << " " << c.latitude;
  }
  // Mid-latitude: the half-day arc around the local mean noon of the meridian.
  const double d = SunPositionAtTime(2000, 173, false, 12.0, 47.25, -9.55, -9.55).Declination;
  const double h0 = std::acos(-std::tan(47.25 * kDeg) * std::tan(d * kDeg)) / kDeg;
  const RiseSetTimes r = SunriseSunsetTimes(2000, 173, -9.55, 47.25, -15.0);
  EXPECT_NEAR(r.Rise, 12.0 + (-15.0 + 9.55) / 15.0 - h0 / 15.0, 1e-9);
  EXPECT_NEAR(r.Set, 12.0 + (-15.0 + 9.55) / 15.0 + h0 / 15.0, 1e-9);
}

TEST(TwilightName, ThePhrasesOfTheKinds) {
  EXPECT_EQ(TwilightName(TwilightKind::Civil, Language::German), Phrase(34, Language::German));
  EXPECT_EQ(TwilightName(TwilightKind::Nautical, Language::English), Phrase(35, Language::English));
  EXPECT_EQ(TwilightName(TwilightKind::Astronomical, Language::German), "astronom.(12°-18°)");
}

}  // namespace
}  // namespace skiagraf
