// The "sun" and "table" commands of skiagraf-cli, run as a user runs them.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "CliRun.h"
#include "astro/RiseSetTables.h"
#include "astro/SunPositionReport.h"
#include "model/DialSettings.h"
#include "text/Texts.h"

namespace skiagraf {
namespace {

TEST(AstroCommands, RefusedInput) {
  struct Case {
    const char* args;
    const char* reason;  // a word the message must contain
  } const cases[] = {
      {"sun --mode eot --date 1299-06-22", "1299"},
      {"sun --mode eot --date 2501-01-01", "2501"},
      {"sun --mode eot --date 1999-06-22 --lat 95", "latitude"},
      {"sun --mode eot --date 1999-13-01", "month"},
      {"sun --mode eot --date 1999-02-30", "day"},
      {"sun --mode eot --date 1999-6", "date"},
      {"sun --mode position --date 1999-06-22 --time 25:00", "time"},
      {"sun --mode position --date 1999-06-22 --time abc", "time"},
      {"sun --mode position --date 1999-06-22 --time 12:61", "time"},
      {"sun --mode azimuth --date 1999-06-22", "azimuth"},
      {"sun --mode azimuth --date 1999-06-22 --azimuth 200", "azimuth"},
      {"sun --mode azimuth --date 1999-06-22 --azimuth west", "azimuth"},
      {"sun --mode eot --date 1999-06-22 --lon 181", "longitude"},
      {"sun --mode eot --date 1999-06-22 --zone -15x", "zone"},
      {"sun --mode eot --date 1999-06-22 --lang fr", "lang"},
      {"sun --mode eot --date 1999-06-22 --twilight dusk", "twilight"},
      {"sun --mode eot --date 1999-06-22 --time-kind solar", "time-kind"},
      {"sun --mode moon --date 1999-06-22", "mode"},
      {"sun --date 1999-06-22", "mode"},
      {"sun --mode eot", "date"},
      {"sun --mode eot --date 1999-06-22 --color red", "--color"},
      {"table riseset --year 1299 --month 6", "1299"},
      {"table riseset --year 2000 --month 13", "month"},
      {"table riseset --year 2000 --half 3", "half"},
      {"table riseset --year 2000 --month 6 --half 1", "--half"},
      {"table riseset --year 2000", "--month"},
      {"table riseset --month 6", "year"},
      {"table riseset --year 2000 --month 6 --lat -91", "latitude"},
      {"table sunshine --year 2000 --month 6", "sunshine"},
  };
  for (const auto& c : cases) {
    const CliRun run = RunCli(c.args);
    EXPECT_EQ(run.status, 2) << c.args;
    EXPECT_EQ(run.out, "") << c.args;
    EXPECT_NE(run.err.find(c.reason), std::string::npos) << c.args << ": " << run.err;
  }
}

TEST(AstroCommands, SunPrintsTheResultList) {
  const CliRun run = RunCli("sun --mode riseset --date 1999-06-22 --lat 47.25 --lon -9.55 --zone -15");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  SunReportRequest rq;
  rq.Mode = SunReportMode::RiseSet;
  rq.Year = 1999;
  rq.Month = 6;
  rq.Day = 22;
  rq.Time = 12.0;
  rq.Latitude = 47.25;
  rq.Longitude = -9.55;
  rq.ZoneMeridian = -15.0;
  rq.Lang = Language::German;
  EXPECT_EQ(run.out, Joined(BuildSunReport(rq).Lines));
  EXPECT_NE(run.out.find("  4:25 hh:min"), std::string::npos);
  EXPECT_NE(run.out.find(" 20:22 hh:min"), std::string::npos);
}

TEST(AstroCommands, SunOptionsReachTheReport) {
  struct Case {
    const char* args;
    SunReportMode mode;
    TimeKind kind;
    TwilightKind twilight;
    std::optional<double> time, azimuth;
    Language language;
  } const cases[] = {
      {"--mode position --time 09:30 --time-kind mean --lang en", SunReportMode::Position, TimeKind::Mean,
       TwilightKind::Civil, 9.5, std::nullopt, Language::English},
      {"--mode position --time 15:00:30 --time-kind apparent", SunReportMode::Position, TimeKind::Apparent,
       TwilightKind::Civil, 15.0 + 30.0 / 3600.0, std::nullopt, Language::German},
      {"--mode position", SunReportMode::Position, TimeKind::Zone, TwilightKind::Civil, 12.0, std::nullopt,
       Language::German},
      {"--mode azimuth --azimuth -45.5", SunReportMode::AzimuthTime, TimeKind::Zone, TwilightKind::Civil, 12.0, -45.5,
       Language::German},
      {"--mode riseset --twilight nautical --lang en", SunReportMode::RiseSet, TimeKind::Zone, TwilightKind::Nautical,
       12.0, std::nullopt, Language::English},
      {"--mode eot --lang de", SunReportMode::EquationOfTime, TimeKind::Zone, TwilightKind::Civil, 12.0, std::nullopt,
       Language::German},
  };
  const DialSettings defaults = DefaultDialSettings();
  for (const auto& c : cases) {
    const CliRun run = RunCli(std::string("sun --date 2000-02-11 ") + c.args);
    ASSERT_EQ(run.status, 0) << c.args << ": " << run.err;
    SunReportRequest rq;
    rq.Mode = c.mode;
    rq.Year = 2000;
    rq.Month = 2;
    rq.Day = 11;
    rq.Kind = c.kind;
    rq.Twilight = c.twilight;
    rq.Time = c.time;
    rq.Azimuth = c.azimuth;
    rq.Latitude = defaults.Latitude;
    rq.Longitude = defaults.Longitude;
    rq.ZoneMeridian = defaults.ZoneMeridian;
    rq.Lang = c.language;
    EXPECT_EQ(run.out, Joined(BuildSunReport(rq).Lines)) << c.args;
  }
}

TEST(AstroCommands, BoxMessagesGoToStderrAndTheListStillPrints) {
  const CliRun corrected = RunCli("sun --mode eot --date 1582-10-10 --lang en");
  EXPECT_EQ(corrected.status, 0);
  EXPECT_NE(corrected.err.find(Caption(CaptionKind::Problem, Language::English) + ": " + Message(26, Language::English)),
            std::string::npos)
      << corrected.err;
  EXPECT_NE(corrected.out.find("1582-10-15"), std::string::npos);

  const CliRun tropic = RunCli("sun --mode azimuth --date 1999-06-22 --azimuth -100 --lat 10 --lang en");
  EXPECT_EQ(tropic.status, 0);
  EXPECT_NE(tropic.err.find(Caption(CaptionKind::Warning, Language::English) + ": "), std::string::npos) << tropic.err;
  EXPECT_NE(tropic.out.find(Phrase(107, Language::English)), std::string::npos);
}

TEST(AstroCommands, TablesAsTheTablesWindowShowsThem) {
  const Site site{47.25, -9.55, -15.0};
  struct Case {
    std::string args;
    std::vector<std::string> lines;
  } const cases[] = {
      {"--month 6 --year 1999", MonthRiseSetTableAsShown(6, 1999, site, TwilightKind::Civil, Language::German)},
      {"--month 2 --year 1500 --twilight astronomical --lang en",
       MonthRiseSetTableAsShown(2, 1500, site, TwilightKind::Astronomical, Language::English)},
      {"--half 1 --year 2000", HalfYearSunTableAsShown(0, 2000, site, Language::German)},
      {"--half 2 --year 1582 --lang en", HalfYearSunTableAsShown(6, 1582, site, Language::English)},
  };
  for (const auto& c : cases) {
    const CliRun run = RunCli("table riseset --lat 47.25 --lon -9.55 --zone -15 " + c.args);
    ASSERT_EQ(run.status, 0) << c.args << ": " << run.err;
    EXPECT_EQ(run.out, Joined(c.lines)) << c.args;
  }
  const CliRun june = RunCli("table riseset --year 1999 --month 6 --lat 47.25 --lon -9.55");
  EXPECT_NE(june.out.find(" 22.   4:25 20:22   21:02  3:46   "), std::string::npos);
}

TEST(AstroCommands, HelpExplainsEveryOption) {
  const CliRun all = RunCli("--help");
  EXPECT_EQ(all.status, 0);
  EXPECT_NE(all.out.find("sun"), std::string::npos);
  EXPECT_NE(all.out.find("table"), std::string::npos);
  struct Case {
    const char* command;
    std::vector<const char*> options;
  } const cases[] = {
      {"sun", {"--mode", "--date", "--time", "--azimuth", "--time-kind", "--twilight", "--lat", "--lon", "--zone",
               "--lang", "riseset", "position", "azimuth", "eot", "apparent", "mean", "nautical", "astronomical"}},
      {"table", {"riseset", "--year", "--month", "--half", "--twilight", "--lat", "--lon", "--zone", "--lang"}},
  };
  for (const auto& c : cases) {
    const CliRun run = RunCli(std::string(c.command) + " --help");
    EXPECT_EQ(run.status, 0) << c.command;
    for (const char* option : c.options)
      EXPECT_NE(run.out.find(option), std::string::npos) << c.command << " " << option;
  }
}

}  // namespace
}  // namespace skiagraf
