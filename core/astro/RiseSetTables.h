#pragma once

#include <string>
#include <vector>

#include "astro/RiseSet.h"
#include "astro/SunPosition.h"
#include "text/Language.h"

namespace skiagraf {

// The rise-and-set tables: one month of sun, twilight, moon, equation of time and
// declination, and half a year of sunrise, sunset and equation of time.

// Number of days of a month as these tables count them: the Julian leap rule up to
// 1590, the Gregorian one after.
int TableDaysInMonth(int year, int month);

// The month table body: a line per day (60 characters), a blank line after every
// fifth day, then a blank line, the footer (time zone), the twilight-kind line and a
// blank line.
std::vector<std::string> BuildMonthRiseSetTable(int month, int year, const Site& site, TwilightKind twilight,
                                                Language language);

// The half-year table body: months offset+1 .. offset+6 (offset 0 or 6) as columns of
// 21 characters, days 1..31 as rows, a blank line after every fifth row, and two lines
// of 110 blanks at the end.
std::vector<std::string> BuildHalfYearSunTable(int monthOffset, int year, const Site& site, Language language);

// The month name of the tables window's month box: " Jan." .. " Dez.".
std::string MonthBoxText(int month);

// The month table as the tables window shows it: title, location line, blank line and
// the two heading lines above the days; the footer and the last blank line removed.
std::vector<std::string> MonthRiseSetTableAsShown(int month, int year, const Site& site, TwilightKind twilight,
                                                  Language language);

// The half-year table as the tables window shows it, with its title, location line,
// blank line and the two heading lines above the rows.
std::vector<std::string> HalfYearSunTableAsShown(int monthOffset, int year, const Site& site, Language language);

}  // namespace skiagraf
