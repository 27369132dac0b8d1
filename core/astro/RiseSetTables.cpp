#include "astro/RiseSetTables.h"

#include <cmath>

#include "astro/Ephemeris.h"
#include "base/NumberFormat.h"
#include "text/Texts.h"

namespace skiagraf {

namespace {

bool TableLeapYear(int year) {
  if (year % 4 != 0) return false;
  if (year <= 1590) return true;
  return year % 100 != 0 || year % 400 == 0;
}

bool MissingDateOf1582(int year, int month, int day) { return year == 1582 && month == 10 && day >= 5 && day <= 14; }

// Zone offset in days: +1/24 for Central European Time (zone meridian -15).
double ZoneOffsetDays(double zoneMeridian) { return zoneMeridian / -360.0; }

// Declination and equation of time of 12:00 zone time of a date.
SolarEphemeris NoonZoneEphemeris(int year, int month, int day, double zoneMeridian) {
  return SunEphemeris(year, JulianDayNumber(day, month, year) - JulianDayNumber(0, 1, year) -
                                ZoneOffsetDays(zoneMeridian));
}

std::string DayLabel(int day) { return FormatInt(day, 3) + ". "; }

std::string LocationLine(const Site& site, int longitudeWidth, int longitudeDecimals, Language language) {
  return " " + Phrase(124, language) + Phrase(75, language) + Phrase(84, language) +
         FormatReal(site.Longitude, longitudeWidth, longitudeDecimals) + "°/" + FormatReal(site.Latitude, 5, 2) + "°";
}

}  // namespace

int TableDaysInMonth(int year, int month) {
  switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
      return 30;
    case 2:
      return TableLeapYear(year) ? 29 : 28;
    default:
      return 31;
  }
}

std::vector<std::string> BuildMonthRiseSetTable(int month, int year, const Site& site, TwilightKind twilight,
                                                Language language) {
  std::vector<std::string> lines;
  const int days = TableDaysInMonth(year, month);
  for (int d = 1; d <= days; ++d) {
    std::string line = DayLabel(d);
    if (MissingDateOf1582(year, month, d)) {
      line += "   ---  " + Phrase(15, language) + "  --- ";
    } else {
      const SolarEphemeris e = NoonZoneEphemeris(year, month, d, site.ZoneMeridian);
      RiseSetDay day{DayOrigin(d, month, year, site.ZoneMeridian), site.Latitude, site.Longitude, twilight};
      for (EventKind kind : {EventKind::Sun, EventKind::Twilight, EventKind::Moon})
        line += FindRiseSet(kind, day, language).Block;
      // The declination column has always been written rounded up from the half.
      line += FormatEquationOfTime(e.EquationOfTime) + " " + FormatReal(e.Declination + 0.005, 6, 2);
    }
    lines.push_back(line);
    if (d % 5 == 0) lines.push_back(" ");
  }
  lines.push_back(std::string(60, ' '));
  const double offsetHours = site.ZoneMeridian / -15.0;
  lines.push_back(Phrase(74, language) + (offsetHours >= 0.0 ? " +" : " -") +
                  FormatInt(static_cast<long long>(std::trunc(std::fabs(offsetHours))), 4) + " h)" +
                  Phrase(75, language));
  lines.push_back("   " + Phrase(76, language) + TwilightName(twilight, language) + ".");
  lines.push_back(std::string(60, ' '));
  return lines;
}

std::vector<std::string> BuildHalfYearSunTable(int monthOffset, int year, const Site& site, Language language) {
  std::vector<std::string> lines;
  const std::string dashes = "       -------       ";
  for (int d = 1; d <= 31; ++d) {
    std::string line = DayLabel(d);
    for (int m = monthOffset + 1; m <= monthOffset + 6; ++m) {
      if (MissingDateOf1582(year, m, d) || d > TableDaysInMonth(year, m)) {
        line += dashes;
        continue;
      }
      double mjd0 = ModifiedJulianDate(1, m, year, 0.0) - ZoneOffsetDays(site.ZoneMeridian) + (d - 1);
      if (year == 1582 && m == 10 && d >= 15) mjd0 -= 10.0;
      const SolarEphemeris e = NoonZoneEphemeris(year, m, d, site.ZoneMeridian);
      const RiseSetDay day{mjd0, site.Latitude, site.Longitude, TwilightKind::Civil};
      line += FindRiseSet(EventKind::Sun, day, language).Block;
      line += FormatEquationOfTime(e.EquationOfTime) + " ";
    }
    lines.push_back(line);
    if (d % 5 == 0 && d <= 25) lines.push_back(" ");
  }
  lines.push_back(std::string(110, ' '));
  lines.push_back(std::string(110, ' '));
  return lines;
}

std::string MonthBoxText(int month) {
  const std::string name = MonthAbbreviation(month, Language::German);
  return name.empty() ? std::string() : " " + name + ".";
}

std::vector<std::string> MonthRiseSetTableAsShown(int month, int year, const Site& site, TwilightKind twilight,
                                                  Language language) {
  std::vector<std::string> body = BuildMonthRiseSetTable(month, year, site, twilight, language);
  // Drop the time-zone footer and the closing blank line: the shown table ends with
  // the blank line and the twilight-kind line.
  body.pop_back();
  body.erase(body.end() - 2);
  std::vector<std::string> lines = {
      Phrase(83, language) + MonthBoxText(month) + " " + FormatInt(year, 4),
      LocationLine(site, 6, 1, language),
      " ",
      Phrase(72, language),
      Phrase(73, language),
  };
  lines.insert(lines.end(), body.begin(), body.end());
  return lines;
}

std::vector<std::string> HalfYearSunTableAsShown(int monthOffset, int year, const Site& site, Language language) {
  std::string monthHeading = Phrase(72, language).substr(0, 6);
  std::string unitHeading = "      ";
  for (int m = monthOffset + 1; m <= monthOffset + 6; ++m) {
    monthHeading += std::string(8, ' ') + MonthAbbreviation(m, language) + std::string(10, ' ');
    unitHeading += Phrase(184, language);
  }
  std::vector<std::string> lines = {
      " " + Phrase(183, language) + FormatInt(year, 4),
      LocationLine(site, 7, 2, language),
      " ",
      monthHeading,
      unitHeading,
  };
  const std::vector<std::string> body = BuildHalfYearSunTable(monthOffset, year, site, language);
  lines.insert(lines.end(), body.begin(), body.end());
  return lines;
}

}  // namespace skiagraf
