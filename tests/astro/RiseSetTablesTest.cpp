#include "astro/RiseSetTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "text/Texts.h"

namespace skiagraf {
namespace {

// The site of the reference rows: 47.25 N, 9.55 E, Central European Time.
const Site kSite{47.25, -9.55, -15.0};

bool StartsWith(const std::string& s, const std::string& prefix) { return s.compare(0, prefix.size(), prefix) == 0; }
bool EndsWith(const std::string& s, const std::string& suffix) {
  return s.size() >= suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// The label that starts the line of day d: the day right-aligned in 3, ". ".
std::string FormatDayForTest(int d) { return (d < 10 ? "  " : " ") + std::to_string(d) + ". "; }

// The line of day d of a table body.
std::string DayLine(const std::vector<std::string>& lines, int d) {
  const std::string label = FormatDayForTest(d);
  for (const std::string& line : lines)
    if (StartsWith(line, label)) return line;
  return {};
}

int CountDayLines(const std::vector<std::string>& lines) {
  const std::regex day("^ *[0-9]{1,2}\\. .*");
  return static_cast<int>(std::count_if(lines.begin(), lines.end(),
                                        [&](const std::string& l) { return std::regex_match(l, day); }));
}

TEST(MonthRiseSetTable, ReferenceRows) {
  struct Case {
    int year, month, day;
    const char* begins;
    const char* ends;
  } const cases[] = {
      {1999, 6, 22, " 22.   4:25 20:22   21:02  3:46   ", " -1:52  23.44"},
      {2000, 1, 1, "  1.   8:09 16:42   17:17  7:33   ", " -3:17 -23.03"},
  };
  for (Language language : {Language::German, Language::English})
    for (const auto& c : cases) {
      const auto lines = BuildMonthRiseSetTable(c.month, c.year, kSite, TwilightKind::Civil, language);
      const std::string row = DayLine(lines, c.day);
      EXPECT_TRUE(StartsWith(row, c.begins)) << row;
      EXPECT_TRUE(EndsWith(row, c.ends)) << row;
      EXPECT_EQ(row.size(), 60u) << row;
    }
}

TEST(MonthRiseSetTable, DaysOfFebruaryInBothCalendars) {
  struct Case {
    int year, days;
  } const cases[] = {{1500, 29}, {1700, 28}, {1900, 28}, {2000, 29}, {1999, 28}, {1584, 29}, {1300, 29}};
  for (const auto& c : cases) {
    EXPECT_EQ(TableDaysInMonth(c.year, 2), c.days) << c.year;
    EXPECT_EQ(CountDayLines(BuildMonthRiseSetTable(2, c.year, kSite, TwilightKind::Civil, Language::German)), c.days)
        << c.year;
  }
  const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int m = 1; m <= 12; ++m) EXPECT_EQ(TableDaysInMonth(1999, m), lengths[m - 1]) << m;
}

TEST(MonthRiseSetTable, LayoutBlankLinesAndFooter) {
  struct Case {
    double zone;
    const char* footer;
  } const cases[] = {
      {-15.0, "  Alle Zeiten in Zonenzeit (= UT +   1 h) und nicht Sommerzeit! "},
      {75.0, "  Alle Zeiten in Zonenzeit (= UT -   5 h) und nicht Sommerzeit! "},
      {0.0, "  Alle Zeiten in Zonenzeit (= UT +   0 h) und nicht Sommerzeit! "},
      {-150.0, "  Alle Zeiten in Zonenzeit (= UT +  10 h) und nicht Sommerzeit! "},
  };
  for (const auto& c : cases) {
    const Site site{kSite.Latitude, kSite.Longitude, c.zone};
    const auto lines = BuildMonthRiseSetTable(4, 2001, site, TwilightKind::Nautical, Language::German);
    // 30 days, a blank after every fifth day, then blank, footer, twilight kind, blank.
    ASSERT_EQ(lines.size(), 30u + 6u + 4u);
    for (int i : {5, 11, 17, 23, 29, 35}) EXPECT_EQ(lines[i], " ") << i;
    EXPECT_EQ(lines[36], std::string(60, ' '));
    EXPECT_EQ(lines[37], c.footer);
    EXPECT_EQ(lines[38], "   " + Phrase(76, Language::German) + "nautisch (6°-12°).");
    EXPECT_EQ(lines[39], std::string(60, ' '));
  }
}

TEST(MonthRiseSetTable, TheDroppedDaysOf1582) {
  const auto lines = BuildMonthRiseSetTable(10, 1582, kSite, TwilightKind::Civil, Language::English);
  EXPECT_EQ(CountDayLines(lines), 31);
  for (int d = 5; d <= 14; ++d)
    EXPECT_EQ(DayLine(lines, d), FormatDayForTest(d) + "   ---  " + Phrase(15, Language::English) + "  --- ") << d;
  // 15 October follows 4 October: sunrise a minute or two later, not ten days later.
  const std::string fourth = DayLine(lines, 4), fifteenth = DayLine(lines, 15);
  ASSERT_EQ(fourth.size(), 60u);
  ASSERT_EQ(fifteenth.size(), 60u);
  const int riseFourth = std::stoi(fourth.substr(5, 3)) * 60 + std::stoi(fourth.substr(9, 2));
  const int riseFifteenth = std::stoi(fifteenth.substr(5, 3)) * 60 + std::stoi(fifteenth.substr(9, 2));
  EXPECT_GE(riseFifteenth - riseFourth, 0);
  EXPECT_LE(riseFifteenth - riseFourth, 3);
}

TEST(MonthRiseSetTable, PolarBlocks) {
  const auto june = BuildMonthRiseSetTable(6, 1999, {70.0, -20.0, -15.0}, TwilightKind::Civil, Language::German);
  const std::string midsummer = DayLine(june, 22);
  EXPECT_EQ(midsummer.substr(5, 28), "immer sichtbar  immer hell  ");
  const auto december = BuildMonthRiseSetTable(12, 1999, {70.0, -20.0, -15.0}, TwilightKind::Civil, Language::German);
  const std::string midwinter = DayLine(december, 22);
  EXPECT_EQ(midwinter.substr(5, 14), " nie sichtbar ");
  EXPECT_TRUE(std::regex_match(midwinter.substr(19, 14), std::regex("[ 0-9]{3}:[0-9]{2}[ 0-9]{3}:[0-9]{2}  ")))
      << midwinter;
}

TEST(MonthRiseSetTableAsShown, HeadingsAboveFooterRemoved) {
  for (Language language : {Language::German, Language::English}) {
    const auto shown = MonthRiseSetTableAsShown(6, 1999, kSite, TwilightKind::Civil, language);
    const auto body = BuildMonthRiseSetTable(6, 1999, kSite, TwilightKind::Civil, language);
    ASSERT_EQ(shown.size(), body.size() + 5 - 2);
    EXPECT_EQ(shown[0], Phrase(83, language) + " Jun. 1999");
    EXPECT_EQ(shown[1], " " + Phrase(124, language) + Phrase(75, language) + Phrase(84, language) + "  -9.6°/47.25°");
    EXPECT_EQ(shown[2], " ");
    EXPECT_EQ(shown[3], Phrase(72, language));
    EXPECT_EQ(shown[4], Phrase(73, language));
    EXPECT_EQ(shown[5], body[0]);
    EXPECT_EQ(shown.back(), "   " + Phrase(76, language) + Phrase(34, language) + ".");
    EXPECT_EQ(shown[shown.size() - 2], std::string(60, ' '));
    for (const std::string& line : shown) EXPECT_EQ(line.find(Phrase(74, language)), std::string::npos);
  }
  EXPECT_EQ(MonthBoxText(1), " Jan.");
  EXPECT_EQ(MonthBoxText(12), " Dez.");
}

TEST(HalfYearSunTable, CellsAndDashes) {
  struct Case {
    int year, offset, day, month;  // month 1..12
    bool dashed;
  } const cases[] = {
      {1999, 0, 29, 2, true},  {2000, 0, 29, 2, false}, {1500, 0, 29, 2, false}, {1700, 0, 29, 2, true},
      {2000, 0, 30, 2, true},  {2000, 0, 31, 4, true},  {2000, 0, 31, 3, false}, {1999, 6, 31, 9, true},
      {1999, 6, 31, 11, true}, {1999, 6, 31, 12, false}, {1582, 6, 5, 10, true},  {1582, 6, 14, 10, true},
      {1582, 6, 4, 10, false}, {1582, 6, 15, 10, false},
  };
  for (const auto& c : cases) {
    const auto lines = BuildHalfYearSunTable(c.offset, c.year, kSite, Language::German);
    const std::string row = DayLine(lines, c.day);
    ASSERT_EQ(row.size(), 5u + 6u * 21u) << c.year << " " << c.day;
    const std::string cell = row.substr(5 + 21 * (c.month - c.offset - 1), 21);
    EXPECT_EQ(cell == "       -------       ", c.dashed) << c.year << "-" << c.month << "-" << c.day << " [" << cell << "]";
  }
}

TEST(HalfYearSunTable, CellsAgreeWithTheMonthTable) {
  const auto half = BuildHalfYearSunTable(0, 1999, kSite, Language::German);
  const auto june = BuildMonthRiseSetTable(6, 1999, kSite, TwilightKind::Civil, Language::German);
  for (int d : {1, 15, 22, 30}) {
    const std::string cell = DayLine(half, d).substr(5 + 21 * 5, 21);
    const std::string row = DayLine(june, d);
    EXPECT_EQ(cell.substr(0, 14), row.substr(5, 14)) << d;   // sunrise and sunset
    EXPECT_EQ(cell.substr(14, 6), row.substr(47, 6)) << d;   // equation of time
  }
  // After October 4, 1582 comes October 15 in the half-year table too.
  const auto autumn = BuildHalfYearSunTable(6, 1582, kSite, Language::German);
  const auto october = BuildMonthRiseSetTable(10, 1582, kSite, TwilightKind::Civil, Language::German);
  EXPECT_EQ(DayLine(autumn, 15).substr(5 + 21 * 3, 14), DayLine(october, 15).substr(5, 14));
  // Rows, five blank lines and two closing lines of 110 blanks.
  EXPECT_EQ(half.size(), 31u + 5u + 2u);
  EXPECT_EQ(half.back(), std::string(110, ' '));
}

TEST(HalfYearSunTableAsShown, Headings) {
  const auto shown = HalfYearSunTableAsShown(6, 2000, kSite, Language::English);
  EXPECT_EQ(shown[0], " " + Phrase(183, Language::English) + "2000");
  EXPECT_EQ(shown[1], " " + Phrase(124, Language::English) + Phrase(75, Language::English) +
                          Phrase(84, Language::English) + "  -9.55°/47.25°");
  EXPECT_EQ(shown[2], " ");
  EXPECT_EQ(shown[3], std::string(" Date ") + "        Jul          " + "        Aug          " +
                          "        Sep          " + "        Oct          " + "        Nov          " +
                          "        Dec          ");
  std::string units = "      ";
  for (int i = 0; i < 6; ++i) units += Phrase(184, Language::English);
  EXPECT_EQ(shown[4], units);
  EXPECT_TRUE(StartsWith(shown[5], "  1. "));
  EXPECT_TRUE(StartsWith(HalfYearSunTableAsShown(0, 2000, kSite, Language::German)[3], "Datum         Jan"));
}

}  // namespace
}  // namespace skiagraf
