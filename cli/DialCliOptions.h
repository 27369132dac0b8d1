#pragma once

// Options shared by the dial commands "info", "angles" and "plot": the design
// (--settings FILE, or the program's defaults) and the language (--lang de|en).

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "model/DialSettings.h"

namespace skiagraf::cli {

// The design to work on. Without --settings: the defaults of InitDialSettings. Then the
// overrides --type h|v|i, --lat, --lon, --declination, --inclination, --gnomon, --umbrella and
// --all-lines (every hour-line family and the daylight-hour date lines on). A file
// that does not exist or that has a structural fault is refused with
// "<command>: <reason>" on `err`. Sets the current language from --lang, or from the
// file's language flag.
std::optional<DialSettings> ReadDialDesign(const Options& options, const std::string& command, std::ostream& err);

// The option names ReadDialDesign understands, for Options::Parse.
const std::vector<std::string>& DialDesignValued();
const std::vector<std::string>& DialDesignFlags();

// The help text of --settings, the overrides and --lang.
std::string DialDesignHelp();

}  // namespace skiagraf::cli
