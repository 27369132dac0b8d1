#pragma once

#include <array>
#include <string>

#include "text/Language.h"

namespace skiagraf {

// Calendar arithmetic and the solar ephemeris. Everything here is a pure
// computation on its arguments; nothing validates its input and nothing is stored.
//
// Dates up to and including 1582-10-04 are Julian, dates from 1582-10-15 on are
// Gregorian; 1582-10-05 .. 1582-10-14 do not exist.

// Degrees to radians (and back, by division).
constexpr double kDegToRad = 0.017453292519943295;

// +1 for a positive value, -1 for a negative one, 0 otherwise.
int Sign(double v);

// Day of the year 1..366, always by the Gregorian leap-year rule (1500 is a common
// year here, whatever the calendar of the time).
int DayOfYear(int year, int month, int day);

// Julian day number of a date (the Julian date of 12:00 UT), honouring the change of
// calendar; the ten missing dates of October 1582 count as 1582-10-15. Day 0 of a
// month is the last day of the month before. Note the argument order.
double JulianDayNumber(int day, int month, int year);

// Modified Julian date of a date and an hour (UT). The ten missing dates of 1582 are
// not remapped; callers skip them.
double ModifiedJulianDate(int day, int month, int year, double hour);

// Day of the year counted from the day numbers, following the calendar of the year:
// 1 March 1500 is day 61 (Julian leap year), 15 October 1582 is day 278.
int CalendarDayOfYear(int year, int month, int day);

// The obliquity of the ecliptic of a reference year and the declinations derived
// from it, which the constructions use for solstices, equinoxes and zodiac signs.
struct ObliquityData {
  double Obliquity = 0.0;            // epsilon, degrees
  double SolsticeDeclination = 0.0;  // epsilon rounded to 0.01 degree
  // Entry i (0..36): declination at ecliptic longitude 90 + 5*i degrees, from the
  // summer solstice (+epsilon) through the autumn equinox (entry 18, exactly 0) to
  // the winter solstice (-epsilon).
  std::array<double, 37> EclipticDeclinations{};
  // Entries 1..7 ascending from -epsilon to +epsilon: the declinations at the sun's
  // entry into the signs of the zodiac. Entry 0 is unused (0).
  std::array<double, 8> ZodiacDeclinations{};
};

ObliquityData ComputeObliquityData(int year);

// Declination and equation of time of the sun.
struct SolarEphemeris {
  double Declination = 0.0;     // degrees
  double EquationOfTime = 0.0;  // degrees of hour angle (1 degree = 4 minutes), -180..180,
                                // positive when a sundial is fast
};

// x is the day of the year plus (UT - 12)/24: x = 1.0 is 1 January 12:00 UT.
SolarEphemeris SunEphemeris(int year, double x);

// The equation of time (degrees) as [-]m:ss, right-aligned in at least 6 characters.
std::string FormatEquationOfTime(double equationOfTime);

// Day n of `year` as "d. Mon" with the month abbreviation of the language.
std::string DayOfYearText(int n, int year, Language language);
std::string DayOfYearText(int n, int year);  // in CurrentLanguage()

// Month abbreviation "Jan" .. "Dez" / "Dec" (month 1..12; anything else gives "").
std::string MonthAbbreviation(int month, Language language);

}  // namespace skiagraf
