#include "cli/AstroCliOptions.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "cli/SettingsOption.h"
#include "model/DialSettings.h"

namespace skiagraf::cli {

std::optional<double> ParseRealText(const std::string& text) {
  if (text.empty()) return std::nullopt;
  std::string t = text;
  for (char& c : t)
    if (c == ',') c = '.';
  char* end = nullptr;
  errno = 0;
  const double v = std::strtod(t.c_str(), &end);
  if (end == t.c_str() || *end != '\0' || errno == ERANGE || !std::isfinite(v)) return std::nullopt;
  // strtod also reads hexadecimal and "inf"/"nan"; a site value is a plain decimal number.
  if (t.find_first_not_of("+-.0123456789eE") != std::string::npos) return std::nullopt;
  return v;
}

std::optional<long> ParseIntText(const std::string& text) {
  if (text.empty() || text.find_first_not_of("+-0123456789") != std::string::npos) return std::nullopt;
  char* end = nullptr;
  errno = 0;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (end == text.c_str() || *end != '\0' || errno == ERANGE) return std::nullopt;
  return v;
}

namespace {

// Reads --name as a real within [lo, hi] into `value`; false (with a message) when
// the text is not a number or out of range.
bool ReadReal(const Options& options, const std::string& name, double lo, double hi, const std::string& what,
              const std::string& command, std::ostream& err, double& value) {
  const auto text = options.Value(name);
  if (!text) return true;
  const auto v = ParseRealText(*text);
  if (!v) {
    err << command << ": " << name << " '" << *text << "' is not a number\n";
    return false;
  }
  if (*v < lo || *v > hi) {
    err << command << ": " << what << " " << *text << " is outside " << lo << " .. " << hi << "\n";
    return false;
  }
  value = *v;
  return true;
}

}  // namespace

std::optional<AstroSite> ReadAstroSite(const Options& options, const std::string& command, std::ostream& err) {
  // The site, year and language of the settings file, or the program's defaults.
  DialSettings design = DefaultDialSettings();
  const SettingsOptionStatus read = ReadSettingsOption(options, command, err, design);
  if (read == SettingsOptionStatus::Refused) return std::nullopt;
  AstroSite site;
  site.Place = {design.Latitude, design.Longitude, design.ZoneMeridian};
  site.Lang = design.German ? Language::German : Language::English;
  site.Year = design.ReferenceYear;
  site.FromFile = read == SettingsOptionStatus::Read;

  if (!ReadReal(options, "--lat", -90.0, 90.0, "latitude", command, err, site.Place.Latitude)) return std::nullopt;
  if (!ReadReal(options, "--lon", -180.0, 180.0, "longitude", command, err, site.Place.Longitude))
    return std::nullopt;
  if (!ReadReal(options, "--zone", -180.0, 180.0, "zone meridian", command, err, site.Place.ZoneMeridian))
    return std::nullopt;
  if (const auto lang = options.Value("--lang")) {
    if (*lang == "de")
      site.Lang = Language::German;
    else if (*lang == "en")
      site.Lang = Language::English;
    else {
      err << command << ": --lang must be de or en, not '" << *lang << "'\n";
      return std::nullopt;
    }
  }
  return site;
}

std::optional<TwilightKind> ReadTwilight(const Options& options, const std::string& command, std::ostream& err) {
  const auto text = options.Value("--twilight");
  if (!text || *text == "civil") return TwilightKind::Civil;
  if (*text == "nautical") return TwilightKind::Nautical;
  if (*text == "astronomical") return TwilightKind::Astronomical;
  err << command << ": --twilight must be civil, nautical or astronomical, not '" << *text << "'\n";
  return std::nullopt;
}

std::string AstroSiteHelp() {
  const DialSettings d = DefaultDialSettings();
  char buffer[512];
  std::snprintf(buffer, sizeof buffer,
                "  --lat DEG         latitude, -90 .. 90, south negative (default %.6f)\n"
                "  --lon DEG         longitude, -180 .. 180, EAST NEGATIVE (default %.6f)\n"
                "  --zone DEG        zone meridian, -180 .. 180, east negative; -15 is Central\n"
                "                    European Time (default %.1f). Daylight saving time is never applied.\n"
                "  --lang de|en      language of the texts (default %s)\n",
                d.Latitude, d.Longitude, d.ZoneMeridian, d.German ? "de" : "en");
  return SettingsOptionHelp() + "                    (site, year and language; the options below override them)\n" +
         buffer;
}

}  // namespace skiagraf::cli
