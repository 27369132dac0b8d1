// skiagraf-cli sun: the result list of the sun-position window.
#include <iostream>

#include "astro/Ephemeris.h"
#include "astro/SunPositionReport.h"
#include "cli/AstroCliOptions.h"
#include "cli/Cli.h"

namespace skiagraf::cli {

namespace {

const char* const kName = "sun";

std::string Help() {
  return "Usage: skiagraf-cli sun --mode riseset|position|azimuth|eot --date YYYY-MM-DD\n"
         "                        [--time HH:MM[:SS]] [--azimuth DEG]\n"
         "                        [--time-kind apparent|mean|zone]\n"
         "                        [--twilight civil|nautical|astronomical]\n"
         "                        [--settings FILE] [--lat DEG] [--lon DEG] [--zone DEG]\n"
         "                        [--lang de|en]\n\n"
         "Prints the result list of the sun-position window for one date and place.\n\n"
         "  --mode riseset    sunrise and sunset, twilight and moonrise/moonset in zone time,\n"
         "                    with the declination and equation of time of 12:00 zone time\n"
         "  --mode position   altitude and azimuth of the sun at --time\n"
         "  --mode azimuth    zone time at which the sun reaches --azimuth\n"
         "  --mode eot        declination and equation of time of 12:00 zone time\n"
         "  --date YYYY-MM-DD the date, years 1300 .. 2500; up to 1582-10-04 Julian, from\n"
         "                    1582-10-15 Gregorian (1582-10-05 .. 14 are computed as the 15th);\n"
         "                    with --settings also MM-DD, in the reference year of the file\n"
         "  --time HH:MM[:SS] clock time for --mode position (default 12:00:00)\n"
         "  --time-kind KIND  what --time means: apparent (local apparent solar time),\n"
         "                    mean (local mean time) or zone (standard time; default)\n"
         "  --azimuth DEG     azimuth for --mode azimuth, -180 .. 180, from south, west\n"
         "                    positive, east negative (required in that mode)\n"
         "  --twilight KIND   twilight of --mode riseset: civil (-6 deg, default),\n"
         "                    nautical (-12 deg) or astronomical (-18 deg)\n" +
         AstroSiteHelp() +
         "\nMessages the window shows in a box go to stderr after their box title.\n"
         "Refused input: a message on stderr, exit status 2, nothing on stdout.\n";
}

// "YYYY-MM-DD" with a year in the accepted range and a day the month has; with a
// settings file also "MM-DD" in the file's reference year `fileYear`.
bool ReadDate(const std::string& text, std::optional<int> fileYear, int& year, int& month, int& day,
              std::ostream& err) {
  const size_t d1 = text.find('-', 1);
  const size_t d2 = d1 == std::string::npos ? d1 : text.find('-', d1 + 1);
  std::optional<long> y, m, d;
  if (d2 != std::string::npos) {
    y = ParseIntText(text.substr(0, d1));
    m = ParseIntText(text.substr(d1 + 1, d2 - d1 - 1));
    d = ParseIntText(text.substr(d2 + 1));
  } else if (d1 != std::string::npos && fileYear) {
    y = *fileYear;
    m = ParseIntText(text.substr(0, d1));
    d = ParseIntText(text.substr(d1 + 1));
  }
  if (!y || !m || !d || *m < -99 || *d < -99) {
    err << kName << ": --date '" << text << "' is not a date YYYY-MM-DD" << (fileYear ? " or MM-DD" : "") << "\n";
    return false;
  }
  if (*y < kMinYear || *y > kMaxYear) {
    err << kName << ": year " << *y << (d2 == std::string::npos ? " of the settings file" : "") << " is outside "
        << kMinYear << " .. " << kMaxYear << "\n";
    return false;
  }
  if (*m < 1 || *m > 12) {
    err << kName << ": month " << *m << " is outside 1 .. 12\n";
    return false;
  }
  year = static_cast<int>(*y);
  month = static_cast<int>(*m);
  // Days of the month in the calendar of the year (1500-02-29 exists, 1700-02-29 does not).
  const int next = month == 12 ? 1 : month + 1;
  const int nextYear = month == 12 ? year + 1 : year;
  int days = static_cast<int>(JulianDayNumber(1, next, nextYear) - JulianDayNumber(1, month, year));
  if (year == 1582 && month == 10) days = 31;  // the dropped dates are corrected later, with a message
  if (*d < 1 || *d > days) {
    err << kName << ": day " << *d << " is outside 1 .. " << days << " for " << year << "-" << month << "\n";
    return false;
  }
  day = static_cast<int>(*d);
  return true;
}

int RunSun(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Options options;
  std::string error;
  if (!options.Parse(args,
                     {"--mode", "--date", "--time", "--azimuth", "--time-kind", "--twilight", "--settings",
                      "--lat", "--lon", "--zone", "--lang"},
                     {}, error)) {
    err << kName << ": " << error << "\n";
    return 2;
  }
  if (!options.Words().empty()) {
    err << kName << ": unexpected argument '" << options.Words().front() << "'\n";
    return 2;
  }

  SunReportRequest rq;
  const auto mode = options.Value("--mode");
  if (!mode) {
    err << kName << ": --mode is required (riseset, position, azimuth or eot)\n";
    return 2;
  }
  if (*mode == "riseset")
    rq.Mode = SunReportMode::RiseSet;
  else if (*mode == "position")
    rq.Mode = SunReportMode::Position;
  else if (*mode == "azimuth")
    rq.Mode = SunReportMode::AzimuthTime;
  else if (*mode == "eot")
    rq.Mode = SunReportMode::EquationOfTime;
  else {
    err << kName << ": --mode must be riseset, position, azimuth or eot, not '" << *mode << "'\n";
    return 2;
  }

  const auto date = options.Value("--date");
  if (!date) {
    err << kName << ": --date YYYY-MM-DD is required\n";
    return 2;
  }
  const auto site = ReadAstroSite(options, kName, err);
  if (!site) return 2;
  if (!ReadDate(*date, site->FromFile ? std::optional<int>(site->Year) : std::nullopt, rq.Year, rq.Month, rq.Day,
                err))
    return 2;
  rq.Latitude = site->Place.Latitude;
  rq.Longitude = site->Place.Longitude;
  rq.ZoneMeridian = site->Place.ZoneMeridian;
  rq.Lang = site->Lang;

  const auto twilight = ReadTwilight(options, kName, err);
  if (!twilight) return 2;
  rq.Twilight = *twilight;

  if (const auto kind = options.Value("--time-kind")) {
    if (*kind == "apparent")
      rq.Kind = TimeKind::Apparent;
    else if (*kind == "mean")
      rq.Kind = TimeKind::Mean;
    else if (*kind == "zone")
      rq.Kind = TimeKind::Zone;
    else {
      err << kName << ": --time-kind must be apparent, mean or zone, not '" << *kind << "'\n";
      return 2;
    }
  }

  const auto timeText = options.Value("--time");
  rq.Time = ParseClockTime(timeText.value_or(""));
  if (!rq.Time) {
    err << kName << ": --time '" << *timeText << "' is not a time of day HH:MM[:SS]\n";
    return 2;
  }

  if (const auto azimuth = options.Value("--azimuth")) {
    const auto a = ParseRealText(*azimuth);
    if (!a) {
      err << kName << ": --azimuth '" << *azimuth << "' is not a number\n";
      return 2;
    }
    if (*a < -180.0 || *a > 180.0) {
      err << kName << ": azimuth " << *azimuth << " is outside -180 .. 180\n";
      return 2;
    }
    rq.Azimuth = *a;
  } else if (rq.Mode == SunReportMode::AzimuthTime) {
    err << kName << ": --mode azimuth needs --azimuth DEG\n";
    return 2;
  }

  const SunReport report = BuildSunReport(rq);
  ShowBoxMessages(report.Messages, rq.Lang);
  for (const std::string& line : report.Lines) out << line << '\n';
  return 0;
}

const bool registered = RegisterCommand({kName, "sun position, rise and set, equation of time for a date",
                                         Help(), RunSun});

}  // namespace

}  // namespace skiagraf::cli
