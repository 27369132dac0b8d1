#include "astro/Ephemeris.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace skiagraf {
namespace {

struct DateNumber {
  int year, month, day;
  double expected;
};

TEST(JulianDayNumber, KnownDatesAndTheCalendarChange) {
  const DateNumber cases[] = {
      {2000, 1, 1, 2451545}, {2000, 1, 0, 2451544}, {1582, 10, 4, 2299160}, {1582, 10, 15, 2299161},
      {1582, 10, 16, 2299162}, {1999, 12, 31, 2451544}, {1858, 11, 17, 2400001}, {2000, 3, 1, 2451605},
      // Julian calendar: 1 March 1500 follows 29 February 1500.
      {1500, 2, 29, 2268992}, {1500, 3, 1, 2268993},
  };
  for (const auto& c : cases)
    EXPECT_EQ(JulianDayNumber(c.day, c.month, c.year), c.expected) << c.year << "-" << c.month << "-" << c.day;
}

TEST(JulianDayNumber, MissingDatesOf1582CountAsTheFifteenth) {
  const double fifteenth = JulianDayNumber(15, 10, 1582);
  for (int day = 5; day <= 14; ++day) EXPECT_EQ(JulianDayNumber(day, 10, 1582), fifteenth) << day;
  EXPECT_EQ(fifteenth - JulianDayNumber(4, 10, 1582), 1.0);
}

TEST(ModifiedJulianDate, KnownValues) {
  struct Case {
    int year, month, day;
    double hour, expected;
  } const cases[] = {
      {2000, 1, 1, 12.0, 51544.5}, {1582, 10, 4, 0.0, -100841.0}, {1582, 10, 15, 0.0, -100840.0},
      {1858, 11, 17, 0.0, 0.0},    {2000, 1, 1, 0.0, 51544.0},    {1999, 6, 22, 6.0, 51351.25},
  };
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(ModifiedJulianDate(c.day, c.month, c.year, c.hour), c.expected)
        << c.year << "-" << c.month << "-" << c.day;
}

TEST(ModifiedJulianDate, AgreesWithTheJulianDayNumberInBothCalendars) {
  const int years[] = {1300, 1499, 1500, 1582, 1583, 1700, 1900, 2000, 2100, 2500};
  for (int year : years)
    for (int month = 1; month <= 12; ++month) {
      if (year == 1582 && month == 10) continue;
      EXPECT_DOUBLE_EQ(ModifiedJulianDate(1, month, year, 12.0), JulianDayNumber(1, month, year) - 2400000.5)
          << year << "-" << month;
    }
}

// A settings file may hold any integer as its year; the day numbers must not overflow.
TEST(JulianDayNumber, ExtremeYearsCountTheirDays) {
  for (const int year : {std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
    // January and February are counted in the year before: the first of March lies 59
    // or 60 days after New Year in either calendar.
    const double days = JulianDayNumber(1, 3, year) - JulianDayNumber(1, 1, year);
    EXPECT_TRUE(days == 59.0 || days == 60.0) << year << ": " << days;
    EXPECT_DOUBLE_EQ(ModifiedJulianDate(1, 3, year, 0.0) - ModifiedJulianDate(1, 1, year, 0.0), days) << year;
  }
  EXPECT_LT(JulianDayNumber(1, 1, std::numeric_limits<int>::min()), -7.8e11);
}

TEST(DayOfYear, GregorianRuleAgainstTheCalendarCount) {
  struct Case {
    int year, month, day, gregorian, calendar;
  } const cases[] = {
      {1500, 3, 1, 60, 61},      // 1500 is a Julian leap year, but not by the Gregorian rule
      {2000, 12, 31, 366, 366},  {1999, 12, 31, 365, 365}, {1900, 3, 1, 60, 60},
      {2000, 3, 1, 61, 61},      {1999, 1, 1, 1, 1},       {1999, 2, 28, 59, 59},
      {1582, 10, 15, 288, 278},  // ten days dropped in 1582
      {1582, 12, 31, 365, 355},  {1999, 6, 22, 173, 173},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DayOfYear(c.year, c.month, c.day), c.gregorian) << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(CalendarDayOfYear(c.year, c.month, c.day), c.calendar) << c.year << "-" << c.month << "-" << c.day;
  }
}

TEST(SunEphemeris, ReferenceValues) {
  struct Case {
    double x;
    double declination;     // degrees, NAN when not checked
    double eotMinutes;      // minutes of time, NAN when not checked
    const char* eotText;    // nullptr when not checked
  } const cases[] = {
      {1.0, -23.03, -3.30, " -3:18"},
      {42.0, -14.15, -14.24, "-14:15"},
      {308.0, NAN, 16.42, " 16:25"},
      {173.0, 23.44, NAN, nullptr},
  };
  for (const auto& c : cases) {
    const SolarEphemeris e = SunEphemeris(2000, c.x);
    if (!std::isnan(c.declination)) {
      EXPECT_NEAR(e.Declination, c.declination, 0.01) << c.x;
    }
    if (!std::isnan(c.eotMinutes)) {
      EXPECT_NEAR(4.0 * e.EquationOfTime, c.eotMinutes, 0.02) << c.x;
    }
    if (c.eotText) {
      EXPECT_EQ(FormatEquationOfTime(e.EquationOfTime), c.eotText) << c.x;
    }
  }
}

TEST(SunEphemeris, StaysWithinItsRangesOverTheCenturies) {
  const int years[] = {1300, 1582, 1800, 2000, 2500};
  for (int year : years) {
    const double eps = ComputeObliquityData(year).Obliquity + 0.003;  // nutation adds up to 0.00256
    double minDecl = 90.0, maxDecl = -90.0;
    for (double x = 0.0; x <= 367.0; x += 0.25) {
      const SolarEphemeris e = SunEphemeris(year, x);
      ASSERT_LE(std::fabs(e.EquationOfTime), 180.0) << year << " " << x;
      ASSERT_LE(std::fabs(e.Declination), eps) << year << " " << x;
      // The equation of time never exceeds about 17 minutes.
      ASSERT_LT(std::fabs(4.0 * e.EquationOfTime), 17.5) << year << " " << x;
      minDecl = std::fmin(minDecl, e.Declination);
      maxDecl = std::fmax(maxDecl, e.Declination);
    }
    EXPECT_NEAR(maxDecl, eps, 0.02) << year;
    EXPECT_NEAR(minDecl, -eps, 0.02) << year;
  }
}

TEST(ComputeObliquityData, Year2000) {
  const ObliquityData d = ComputeObliquityData(2000);
  EXPECT_NEAR(d.Obliquity, 23.4393, 0.00005);  // 23.43929111 less 79 days of decrease
  EXPECT_EQ(d.SolsticeDeclination, 23.44);
  EXPECT_EQ(d.EclipticDeclinations[18], 0.0);
  EXPECT_DOUBLE_EQ(d.EclipticDeclinations[0], d.Obliquity);
  EXPECT_DOUBLE_EQ(d.EclipticDeclinations[36], -d.Obliquity);
  for (int i = 1; i <= 36; ++i) EXPECT_LT(d.EclipticDeclinations[i], d.EclipticDeclinations[i - 1]) << i;
  for (int i = 0; i <= 18; ++i) EXPECT_NEAR(d.EclipticDeclinations[i], -d.EclipticDeclinations[36 - i], 1e-12) << i;
  for (int k = 0; k <= 6; ++k) EXPECT_EQ(d.ZodiacDeclinations[7 - k], d.EclipticDeclinations[6 * k]) << k;
  EXPECT_DOUBLE_EQ(d.ZodiacDeclinations[1], -d.Obliquity);
  EXPECT_EQ(d.ZodiacDeclinations[4], 0.0);
  // 30 degrees of ecliptic longitude after the solstice: sin(delta) = sin(eps) cos(30 deg).
  EXPECT_NEAR(std::sin(d.EclipticDeclinations[6] * kDegToRad), std::sin(d.Obliquity * kDegToRad) * std::cos(30 * kDegToRad),
              1e-12);
}

TEST(ComputeObliquityData, ObliquityDecreasesWithTheYears) {
  EXPECT_GT(ComputeObliquityData(1300).Obliquity, ComputeObliquityData(2000).Obliquity);
  EXPECT_GT(ComputeObliquityData(2000).Obliquity, ComputeObliquityData(2500).Obliquity);
  // About 47 arc seconds per century.
  EXPECT_NEAR(ComputeObliquityData(1900).Obliquity - ComputeObliquityData(2000).Obliquity, 0.013004167, 1e-5);
}

TEST(FormatEquationOfTime, Examples) {
  struct Case {
    double e;
    const char* text;
  } const cases[] = {
      {0.25, "  1:00"},     {-0.1, " -0:24"},    {-0.001, "  0:00"},   {-3.7, "-14:48"},
      {0.0, "  0:00"},      {4.0, " 16:00"},     {-4.0, "-16:00"},     {0.1, "  0:24"},
      {-0.0021, " -0:01"},  // -0.0084 min rounds to one second
      {-0.2499, " -1:00"},  // seconds of a value just above -1 minute round to a whole minute
      {0.2499, "  1:00"},   {-1.0 / 240.0 - 0.25, " -1:01"}, {10.0, " 40:00"}, {-30.0, "-120:00"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatEquationOfTime(c.e), c.text) << c.e;
}

TEST(FormatEquationOfTime, NeverShortAndNeverTwoMinusSigns) {
  for (double e = -5.0; e <= 5.0; e += 0.000731) {
    const std::string text = FormatEquationOfTime(e);
    ASSERT_GE(text.size(), 6u) << e;
    ASSERT_LE(std::count(text.begin(), text.end(), '-'), 1) << e << " " << text;
    ASSERT_NE(text.find(':'), std::string::npos) << e;
    ASSERT_EQ(text.find("-0:00"), std::string::npos) << e;
  }
}

TEST(DayOfYearText, MonthStartsInBothLanguages) {
  struct Case {
    int n, year;
    Language language;
    const char* text;
  } const cases[] = {
      {32, 2000, Language::German, "1. Feb"},   {1, 1999, Language::English, "1. Jan"},
      {31, 1999, Language::German, "31. Jan"},  {60, 1999, Language::German, "1. Mar"},
      {60, 2000, Language::English, "29. Feb"}, {121, 1999, Language::German, "1. Mai"},
      {121, 1999, Language::English, "1. May"}, {365, 1999, Language::German, "31. Dez"},
      {366, 2000, Language::English, "31. Dec"}, {288, 1999, Language::German, "15. Okt"},
  };
  for (const auto& c : cases) EXPECT_EQ(DayOfYearText(c.n, c.year, c.language), c.text) << c.n;
}

TEST(Sign, ThreeValues) {
  EXPECT_EQ(Sign(2.5), 1);
  EXPECT_EQ(Sign(-1e-300), -1);
  EXPECT_EQ(Sign(0.0), 0);
  EXPECT_EQ(Sign(-0.0), 0);
}

}  // namespace
}  // namespace skiagraf
