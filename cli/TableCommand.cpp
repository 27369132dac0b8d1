// skiagraf-cli table: the tables of the tables window as text.
#include <iostream>

#include "astro/RiseSetTables.h"
#include "astro/SunPositionReport.h"
#include "cli/AstroCliOptions.h"
#include "cli/Cli.h"

namespace skiagraf::cli {

namespace {

const char* const kName = "table";

std::string Help() {
  return "Usage: skiagraf-cli table riseset --year Y (--month M | --half 1|2)\n"
         "                          [--twilight civil|nautical|astronomical] [--settings FILE]\n"
         "                          [--lat DEG] [--lon DEG] [--zone DEG] [--lang de|en]\n\n"
         "Prints a table of the tables window as it is shown there.\n\n"
         "  riseset           rise and set times in zone time:\n"
         "  --year Y          the year, 1300 .. 2500 (with --settings: that of the file)\n"
         "  --month M         one month (1 .. 12): sunrise/sunset, end/begin of twilight,\n"
         "                    moonrise/moonset, equation of time and declination per day\n"
         "  --half 1|2        January .. June (1) or July .. December (2): sunrise,\n"
         "                    sunset and equation of time, six months side by side\n"
         "  --twilight KIND   twilight of the month table: civil (-6 deg, default),\n"
         "                    nautical (-12 deg) or astronomical (-18 deg)\n" +
         AstroSiteHelp() + "\nRefused input: a message on stderr, exit status 2, nothing on stdout.\n";
}

int RunTable(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Options options;
  std::string error;
  if (!options.Parse(args,
                     {"--year", "--month", "--half", "--twilight", "--settings", "--lat", "--lon", "--zone", "--lang"},
                     {}, error)) {
    err << kName << ": " << error << "\n";
    return 2;
  }
  const auto& words = options.Words();
  if (words.empty()) {
    err << kName << ": which table? (riseset)\n";
    return 2;
  }
  if (words.front() != "riseset") {
    err << kName << ": unknown table '" << words.front() << "' (riseset)\n";
    return 2;
  }
  if (words.size() > 1) {
    err << kName << ": unexpected argument '" << words[1] << "'\n";
    return 2;
  }

  const auto site = ReadAstroSite(options, kName, err);
  if (!site) return 2;
  const auto yearText = options.Value("--year");
  if (!yearText && !site->FromFile) {
    err << kName << ": --year is required (or --settings FILE)\n";
    return 2;
  }
  const auto year = yearText ? ParseIntText(*yearText) : std::optional<long>(site->Year);
  if (!year) {
    err << kName << ": --year '" << *yearText << "' is not a year\n";
    return 2;
  }
  if (*year < kMinYear || *year > kMaxYear) {
    err << kName << ": year " << *year << (yearText ? "" : " of the settings file") << " is outside " << kMinYear
        << " .. " << kMaxYear << "\n";
    return 2;
  }

  const auto monthText = options.Value("--month");
  const auto halfText = options.Value("--half");
  if (monthText.has_value() == halfText.has_value()) {
    err << kName << ": give either --month M or --half 1|2\n";
    return 2;
  }
  long month = 0, half = 0;
  if (monthText) {
    const auto m = ParseIntText(*monthText);
    if (!m) {
      err << kName << ": --month '" << *monthText << "' is not a month\n";
      return 2;
    }
    if (*m < 1 || *m > 12) {
      err << kName << ": month " << *m << " is outside 1 .. 12\n";
      return 2;
    }
    month = *m;
  } else {
    const auto h = ParseIntText(*halfText);
    if (!h || (*h != 1 && *h != 2)) {
      err << kName << ": --half must be 1 or 2, not '" << *halfText << "'\n";
      return 2;
    }
    half = *h;
  }

  const auto twilight = ReadTwilight(options, kName, err);
  if (!twilight) return 2;

  const std::vector<std::string> lines =
      month != 0 ? MonthRiseSetTableAsShown(static_cast<int>(month), static_cast<int>(*year), site->Place, *twilight,
                                            site->Lang)
                 : HalfYearSunTableAsShown(half == 1 ? 0 : 6, static_cast<int>(*year), site->Place, site->Lang);
  for (const std::string& line : lines) out << line << '\n';
  return 0;
}

const bool registered = RegisterCommand({kName, "rise/set tables of a month or half a year", Help(), RunTable});

}  // namespace

}  // namespace skiagraf::cli
