#include "cli/DialCliOptions.h"

#include <cmath>

#include "cli/AstroCliOptions.h"
#include "cli/SettingsOption.h"
#include "text/Language.h"

namespace skiagraf::cli {

std::optional<DialSettings> ReadDialDesign(const Options& options, const std::string& command, std::ostream& err) {
  DialSettings s = DefaultDialSettings();
  if (ReadSettingsOption(options, command, err, s) == SettingsOptionStatus::Refused) return std::nullopt;
  struct Real {
    const char* name;
    double* field;
    double low, high;
  };
  for (const Real& r : {Real{"--lat", &s.Latitude, -90, 90}, Real{"--lon", &s.Longitude, -180, 180},
                        Real{"--declination", &s.WallDeclination, -180, 180},
                        Real{"--inclination", &s.WallInclination, 0, 175},
                        Real{"--gnomon", &s.GnomonHeight, 1, 1000}}) {
    if (const auto text = options.Value(r.name)) {
      const auto v = ParseRealText(*text);
      if (!v || *v < r.low || *v > r.high) {
        err << command << ": " << r.name << " must be a number from " << r.low << " to " << r.high << ", not '"
            << *text << "'\n";
        return std::nullopt;
      }
      *r.field = *v;
    }
  }
  if (std::fabs(s.Latitude) < 0.000001) s.Latitude = 0.000001;
  if (const auto type = options.Value("--type")) {
    if (*type != "h" && *type != "v" && *type != "i" && *type != "z" && *type != "k") {
      err << command << ": --type must be h, v, i, z or k, not '" << *type << "'\n";
      return std::nullopt;
    }
    s.DialTypeCode = (*type)[0];
    if (s.DialTypeCode == 'v') s.WallInclination = 90.0;
    if (s.DialTypeCode == 'z') s.CylinderKind = 0;  // the shepherd's dial
  }
  if (options.Has("--umbrella")) {
    s.UmbrellaMode = true;
    if (s.DialTypeCode != 'h' && s.DialTypeCode != 'v' && s.DialTypeCode != 'i') s.DialTypeCode = 'h';
  }
  if (options.Has("--all-lines")) {
    s.ApparentTimeLines = s.MeanTimeLines = s.MarkAnalemma = s.TemporalHours = true;
    s.BabylonianHours = s.ItalianHours = s.AltitudeLines = s.WholeHourDateLines = true;
  }
  Language language = s.German ? Language::German : Language::English;
  if (const auto lang = options.Value("--lang")) {
    if (*lang == "de") {
      language = Language::German;
    } else if (*lang == "en") {
      language = Language::English;
    } else {
      err << command << ": --lang must be de or en, not '" << *lang << "'\n";
      return std::nullopt;
    }
  }
  SetCurrentLanguage(language);
  return s;
}

const std::vector<std::string>& DialDesignValued() {
  static const std::vector<std::string> v = {"--settings", "--lang", "--type", "--lat", "--lon", "--declination",
                                             "--inclination", "--gnomon"};
  return v;
}

const std::vector<std::string>& DialDesignFlags() {
  static const std::vector<std::string> v = {"--umbrella", "--all-lines"};
  return v;
}

std::string DialDesignHelp() {
  return SettingsOptionHelp() +
         "                    (without it: the program's defaults)\n"
         "  --type h|v|i|z|k  dial type: horizontal, vertical, inclining, shepherd's dial,\n"
         "                    horizontal altitude dial\n"
         "  --lat, --lon      latitude, longitude (degrees, east and south negative)\n"
         "  --declination D   wall declination (east negative)\n"
         "  --inclination Z   inclination of the face (0 horizontal .. 175)\n"
         "  --gnomon MM       gnomon height in millimetres (1 .. 1000)\n"
         "  --umbrella        the umbrella dial of that orientation\n"
         "  --all-lines       every hour-line family and the daylight-hour date lines\n"
         "  --lang de|en      language of the texts (default: that of the settings)\n";
}

}  // namespace skiagraf::cli
