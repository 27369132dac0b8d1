#include "cli/SettingsOption.h"

#include <filesystem>
#include <system_error>

namespace skiagraf::cli {

SettingsOptionStatus ReadSettingsOption(const Options& options, const std::string& command, std::ostream& err,
                                        DialSettings& s, SettingsReadResult* result) {
  const auto path = options.Value("--settings");
  if (!path) return SettingsOptionStatus::Absent;
  std::error_code ec;
  // Checked first: for a missing "skiag.ini" the reader would offer to create one.
  if (!std::filesystem::is_regular_file(*path, ec)) {
    err << command << ": settings file '" << *path << "' not found\n";
    return SettingsOptionStatus::Refused;
  }
  const SettingsReadResult r = ReadSettingsFile(s, *path);
  if (result) *result = r;
  if (!r.Opened) {
    err << command << ": settings file '" << *path << "' cannot be read\n";
    return SettingsOptionStatus::Refused;
  }
  if (r.StructuralFault) {
    err << command << ": '" << *path
        << "' is not a settings file (the sections [Farben], [Zeiten], [Datumslinien] are missing or out of "
           "order, or it has 25 lines or fewer)\n";
    return SettingsOptionStatus::Refused;
  }
  return SettingsOptionStatus::Read;
}

std::string SettingsOptionHelp() {
  return "  --settings FILE   read the design from a settings file (skiag.ini) or a\n"
         "                    construction-data file (*.skiag); faulty values get their\n"
         "                    fallbacks, the reader's messages and questions go to stderr\n"
         "                    after their title, and every question is answered No\n";
}

}  // namespace skiagraf::cli
