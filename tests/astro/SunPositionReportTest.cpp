#include "astro/SunPositionReport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>

#include "astro/RiseSetTables.h"
#include "text/Texts.h"

namespace skiagraf {
namespace {

bool Contains(const std::string& s, const std::string& part) { return s.find(part) != std::string::npos; }

// The first line of the report that contains `part`; "" when none does.
std::string LineWith(const SunReport& r, const std::string& part) {
  for (const std::string& line : r.Lines)
    if (Contains(line, part)) return line;
  return {};
}

class SunReportTest : public ::testing::Test {
 protected:
  SunReportRequest Request(SunReportMode mode, int year = 1999, int month = 6, int day = 22,
                           Language language = Language::German) {
    SunReportRequest rq;
    rq.Mode = mode;
    rq.Year = year;
    rq.Month = month;
    rq.Day = day;
    rq.Latitude = 47.25;
    rq.Longitude = -9.55;
    rq.ZoneMeridian = -15.0;
    rq.Lang = language;
    return rq;
  }
};

TEST_F(SunReportTest, FrameAndSiteLinesInEveryMode) {
  const std::string rule = "  " + std::string(74, '_');
  for (SunReportMode mode : {SunReportMode::RiseSet, SunReportMode::Position, SunReportMode::AzimuthTime,
                             SunReportMode::EquationOfTime})
    for (Language language : {Language::German, Language::English}) {
      SunReportRequest rq = Request(mode, 1999, 6, 22, language);
      rq.Time = 14.0;
      rq.Azimuth = 30.0;
      const SunReport r = BuildSunReport(rq);
      ASSERT_TRUE(r.Computed);
      ASSERT_GE(r.Lines.size(), 9u);
      EXPECT_EQ(r.Lines[0], "");
      EXPECT_EQ(r.Lines[1], rule);
      EXPECT_EQ(r.Lines[1].size(), 76u);
      EXPECT_EQ(r.Lines[2], "");
      EXPECT_EQ(r.Lines[3], Phrase(89, language) + "1999- 6-22");
      EXPECT_EQ(r.Lines[4], Phrase(87, language) + " 47.25" + Phrase(105, language));
      EXPECT_EQ(r.Lines[5], Phrase(88, language) + "  -9.55" + Phrase(90, language) + " -15.0" + Phrase(105, language));
      EXPECT_EQ(r.Lines[6], "");
      EXPECT_EQ(r.Lines.back(), rule);
      EXPECT_TRUE(r.Messages.empty());
    }
}

TEST_F(SunReportTest, RiseSetLinesMatchTheMonthTable) {
  const SunReport r = BuildSunReport(Request(SunReportMode::RiseSet));
  const std::string sun = LineWith(r, Phrase(93, Language::German));
  EXPECT_EQ(sun, Phrase(93, Language::German) + "  4:25 hh:min" + Phrase(95, Language::German) + " 20:22 hh:min");
  const std::string twilight = LineWith(r, Phrase(94, Language::German));
  EXPECT_EQ(twilight, Phrase(94, Language::German) + "  3:46 hh:min" + Phrase(96, Language::German) + " 21:02 hh:min");
  EXPECT_EQ(LineWith(r, Phrase(76, Language::German)),
            std::string(24, ' ') + "[" + Phrase(76, Language::German) + Phrase(34, Language::German) + "]");
  EXPECT_EQ(r.Labels.Sunrise, "  4:25 hh:min");
  EXPECT_EQ(r.Labels.Sunset, " 20:22 hh:min");
  EXPECT_EQ(r.Labels.TwilightBegin, "  3:46 hh:min");
  EXPECT_EQ(r.Labels.TwilightEnd, " 21:02 hh:min");
  // The moon of the day, as the month table has it.
  const auto table = BuildMonthRiseSetTable(6, 1999, {47.25, -9.55, -15.0}, TwilightKind::Civil, Language::German);
  std::string row;
  for (const std::string& line : table)
    if (line.compare(0, 4, " 22.") == 0) row = line;
  ASSERT_EQ(row.size(), 60u);
  EXPECT_EQ(r.Labels.Moonrise, row.substr(33, 6) + " hh:min");
  EXPECT_EQ(r.Labels.Moonset, row.substr(39, 6) + " hh:min");
  EXPECT_EQ(LineWith(r, Phrase(98, Language::German)), "    " + Phrase(98, Language::German) + row.substr(33, 6) +
                                                            " hh:min     " + Phrase(99, Language::German) +
                                                            row.substr(39, 6) + " hh:min");
  EXPECT_EQ(LineWith(r, Phrase(91, Language::German)), "    " + Phrase(91, Language::German) + " 23.44" +
                                                           Phrase(105, Language::German) + "      " +
                                                           Phrase(92, Language::German) + " -1:52 min:sec");
}

TEST_F(SunReportTest, MissingEventsDropTheUnit) {
  // 19 June 1999: the moon rises but does not set.
  const SunReport moon = BuildSunReport(Request(SunReportMode::RiseSet, 1999, 6, 19));
  const std::string moonLine = LineWith(moon, Phrase(98, Language::German));
  EXPECT_TRUE(Contains(moonLine, " -----")) << moonLine;
  EXPECT_FALSE(Contains(moonLine, "hh:min")) << moonLine;
  EXPECT_TRUE(Contains(LineWith(moon, Phrase(93, Language::German)), "hh:min"));

  // 70 degrees north at midsummer: one text in both places, no unit.
  SunReportRequest polar = Request(SunReportMode::RiseSet, 1999, 6, 22, Language::English);
  polar.Latitude = 70.0;
  const SunReport r = BuildSunReport(polar);
  EXPECT_EQ(r.Labels.Sunrise, Phrase(68, Language::English));
  EXPECT_EQ(r.Labels.Sunset, Phrase(68, Language::English));
  EXPECT_EQ(r.Labels.TwilightBegin, Phrase(69, Language::English));
  EXPECT_FALSE(Contains(LineWith(r, Phrase(93, Language::English)), "hh:min"));
}

TEST_F(SunReportTest, TwilightKindChangesTheTwilightLine) {
  SunReportRequest rq = Request(SunReportMode::RiseSet, 1999, 3, 21);
  const SunReport civil = BuildSunReport(rq);
  rq.Twilight = TwilightKind::Astronomical;
  const SunReport astro = BuildSunReport(rq);
  EXPECT_NE(civil.Labels.TwilightBegin, astro.Labels.TwilightBegin);
  EXPECT_LT(astro.Labels.TwilightBegin, civil.Labels.TwilightBegin);  // "  4:.." before "  5:.."
  EXPECT_EQ(civil.Labels.Sunrise, astro.Labels.Sunrise);
  EXPECT_TRUE(Contains(LineWith(astro, Phrase(76, Language::German)), Phrase(36, Language::German)));
}

TEST_F(SunReportTest, EquationOfTimeModeAgreesWithThePositionAtNoon) {
  for (int month : {1, 4, 7, 11}) {
    SunReport eot = BuildSunReport(Request(SunReportMode::EquationOfTime, 2000, month, 11, Language::English));
    SunReportRequest rq = Request(SunReportMode::Position, 2000, month, 11, Language::English);
    rq.Time = 12.0;
    SunReport position = BuildSunReport(rq);
    EXPECT_EQ(eot.Labels.Declination, position.Labels.Declination) << month;
    EXPECT_EQ(eot.Labels.EquationOfTime, position.Labels.EquationOfTime) << month;
    EXPECT_TRUE(Contains(eot.Lines[7], Phrase(91, Language::English)));
    EXPECT_EQ(eot.Lines[8], std::string(9, ' ') + Phrase(92, Language::English) +
                                eot.Labels.EquationOfTime.substr(0, 6) + " mm:ss");
    EXPECT_EQ(eot.Lines[9], std::string(25, ' ') + Phrase(106, Language::English));
  }
}

TEST_F(SunReportTest, PositionLines) {
  SunReportRequest rq = Request(SunReportMode::Position);
  rq.Time = 12.0;
  rq.Kind = TimeKind::Apparent;
  const SunReport r = BuildSunReport(rq);
  // Apparent noon: the sun stands due south, at 90 - 47.25 + 23.44 degrees.
  EXPECT_EQ(r.Labels.Azimuth, "   0.00");
  EXPECT_NEAR(std::stod(r.Labels.Altitude), 90.0 - 47.25 + std::stod(r.Labels.Declination), 0.006);
  EXPECT_EQ(r.Lines[7], std::string(11, ' ') + Phrase(100, Language::German) + "12:00:00");
  EXPECT_EQ(r.Lines[8], std::string(11, ' ') + Phrase(101, Language::German) + r.Labels.Altitude.substr(1) +
                          Phrase(105, Language::German) + "    " + Phrase(103, Language::German) +
                          r.Labels.Declination);
  EXPECT_EQ(r.Lines[9], std::string(11, ' ') + Phrase(102, Language::German) + r.Labels.Azimuth +
                          Phrase(105, Language::German) + "    " + Phrase(92, Language::German) + " " +
                          r.Labels.EquationOfTime.substr(0, 6) + " mm:ss");
  EXPECT_EQ(r.Lines[10], std::string(11, ' ') + Phrase(104, Language::German));

  // The mornings are east (negative azimuth), the afternoons west.
  rq.Kind = TimeKind::Zone;
  rq.Time = 9.0;
  EXPECT_LT(std::stod(BuildSunReport(rq).Labels.Azimuth), 0.0);
  rq.Time = 16.5;
  EXPECT_GT(std::stod(BuildSunReport(rq).Labels.Azimuth), 0.0);
}

TEST_F(SunReportTest, AzimuthTimeRoundTrip) {
  for (double azimuth : {-60.0, 30.0, 75.0}) {
    SunReportRequest rq = Request(SunReportMode::AzimuthTime);
    rq.Azimuth = azimuth;
    const SunReport r = BuildSunReport(rq);
    const std::string line = LineWith(r, Phrase(107, Language::German));
    std::smatch m;
    ASSERT_TRUE(std::regex_search(line, m, std::regex("([0-9]{1,2}):([0-9]{2}):([0-9]{2}) hh:mm:ss$"))) << line;
    SunReportRequest pos = Request(SunReportMode::Position);
    pos.Time = std::stoi(m[1]) + std::stoi(m[2]) / 60.0 + std::stoi(m[3]) / 3600.0;
    // Bisection stops within 0.005 degrees; the text rounds to whole seconds.
    EXPECT_NEAR(std::stod(BuildSunReport(pos).Labels.Azimuth), azimuth, 0.02) << line;
    EXPECT_TRUE(Contains(LineWith(r, Phrase(101, Language::German)), Phrase(105, Language::German)));
    EXPECT_EQ(r.Labels.AzimuthTime.substr(r.Labels.AzimuthTime.size() - 8), "hh:mm:ss");
  }
  // At night the report says that the sun is below the horizon.
  SunReportRequest night = Request(SunReportMode::AzimuthTime, 1999, 12, 22);
  night.Azimuth = 170.0;
  const SunReport r = BuildSunReport(night);
  EXPECT_FALSE(LineWith(r, Phrase(108, Language::German)).empty());
  EXPECT_TRUE(LineWith(r, Phrase(101, Language::German)).empty());
}

TEST_F(SunReportTest, TropicalAzimuthWarns) {
  SunReportRequest rq = Request(SunReportMode::AzimuthTime, 1999, 6, 22, Language::English);
  rq.Latitude = 10.0;
  rq.Azimuth = -100.0;
  const SunReport r = BuildSunReport(rq);
  ASSERT_FALSE(r.Messages.empty());
  EXPECT_EQ(r.Messages[0].text, Message(44, Language::English));
  EXPECT_EQ(r.Messages[0].kind, CaptionKind::Warning);
}

TEST_F(SunReportTest, DroppedDateOf1582IsCorrectedWithAMessage) {
  for (int day : {5, 10, 14}) {
    const SunReport r = BuildSunReport(Request(SunReportMode::EquationOfTime, 1582, 10, day));
    EXPECT_EQ(r.Day, 15);
    ASSERT_EQ(r.Messages.size(), 1u);
    EXPECT_EQ(r.Messages[0].text, Message(26, Language::German));
    EXPECT_EQ(r.Messages[0].kind, CaptionKind::Problem);
    EXPECT_EQ(r.Lines[3], Phrase(89, Language::German) + "1582-10-15");
    EXPECT_EQ(r.Lines, BuildSunReport(Request(SunReportMode::EquationOfTime, 1582, 10, 15)).Lines);
  }
  for (int day : {4, 15})
    EXPECT_TRUE(BuildSunReport(Request(SunReportMode::EquationOfTime, 1582, 10, day)).Messages.empty()) << day;
}

TEST_F(SunReportTest, MissingTimeOrAzimuthStopsTheCalculation) {
  const SunReport noTime = BuildSunReport(Request(SunReportMode::Position));
  EXPECT_FALSE(noTime.Computed);
  EXPECT_EQ(noTime.MissingInput, "time");
  EXPECT_TRUE(noTime.Lines.empty());
  const SunReport noAzimuth = BuildSunReport(Request(SunReportMode::AzimuthTime));
  EXPECT_FALSE(noAzimuth.Computed);
  EXPECT_EQ(noAzimuth.MissingInput, "azimuth");
}

TEST(ParseClockTime, AcceptedAndRefusedTexts) {
  struct Case {
    const char* text;
    double hours;  // NAN: refused
  } const cases[] = {
      {"", 12.0},         {"6", 6.0},          {"14:05", 14.0 + 5.0 / 60}, {"14:05:09", 14.0 + 5.0 / 60 + 9.0 / 3600},
      {"14 05", 14.0 + 5.0 / 60}, {"0:00", 0.0}, {"23:59:59", 24.0 - 1.0 / 3600}, {"24:00", NAN},
      {"12:60", NAN},     {"12:00:60", NAN},   {"ab", NAN},                {"1:2:3:4", NAN},
      {"-1", NAN},        {"12.5", NAN},       {"123:00", NAN},            {"12::30", NAN},
  };
  for (const auto& c : cases) {
    const auto t = ParseClockTime(c.text);
    if (std::isnan(c.hours)) {
      EXPECT_FALSE(t.has_value()) << c.text;
    } else {
      ASSERT_TRUE(t.has_value()) << c.text;
      EXPECT_NEAR(*t, c.hours, 1e-12) << c.text;
    }
  }
}

TEST(FormatClockTime, TwoDigitFields) {
  EXPECT_EQ(FormatClockTime(6.0), "06:00:00");
  EXPECT_EQ(FormatClockTime(14.0 + 5.0 / 60 + 9.0 / 3600), "14:05:09");
  EXPECT_EQ(FormatClockTime(23.99999), "24:00:00");
}

TEST(FarFromZone, MoreThanFourteenDegrees) {
  EXPECT_FALSE(FarFromZone(-9.55, -15.0));
  EXPECT_FALSE(FarFromZone(-29.0, -15.0));
  EXPECT_TRUE(FarFromZone(-29.5, -15.0));
  EXPECT_TRUE(FarFromZone(10.0, -15.0));
  EXPECT_EQ(FarFromZoneQuestion(Language::English), Phrase(46, Language::English) + Phrase(47, Language::English));
}

}  // namespace
}  // namespace skiagraf
