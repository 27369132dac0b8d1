#pragma once

// The option every command takes: --settings FILE, a settings file (skiag.ini) or a
// construction-data file (*.skiag), read with the settings reader. The command line
// never asks: the reader's questions are answered "No" and their texts, like its
// messages, go to stderr after their box title (see main.cpp).

#include <ostream>
#include <string>

#include "cli/Cli.h"
#include "model/DialSettings.h"
#include "model/SettingsFile.h"

namespace skiagraf::cli {

enum class SettingsOptionStatus {
  Absent,   // no --settings: `s` is left as it was
  Read,     // the file was read into `s` (possibly with faults, see `result`)
  Refused,  // the file does not exist, cannot be read, or is not a settings file at
            // all (headers missing or out of order, 25 lines or fewer); the reason is
            // on `err` as "<command>: <reason>"
};

SettingsOptionStatus ReadSettingsOption(const Options& options, const std::string& command, std::ostream& err,
                                        DialSettings& s, SettingsReadResult* result = nullptr);

// The help lines of --settings.
std::string SettingsOptionHelp();

}  // namespace skiagraf::cli
