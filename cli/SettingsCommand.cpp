// skiagraf-cli settings: writes a settings file, or checks one.
#include <iostream>

#include "cli/Cli.h"
#include "cli/SettingsOption.h"
#include "model/DialSettings.h"
#include "model/SettingsFile.h"
#include "text/Language.h"

namespace skiagraf::cli {

namespace {

const char* const kName = "settings";

std::string Help() {
  return "Usage: skiagraf-cli settings [--settings FILE] --write OUT [--lang de|en]\n"
         "       skiagraf-cli settings --settings FILE --check [--lang de|en]\n\n"
         "Writes or checks a settings file (skiag.ini) or construction-data file (*.skiag).\n\n" +
         SettingsOptionHelp() +
         "  --write OUT       write the design (the program's defaults without --settings)\n"
         "                    to OUT in the settings-file format; the old OUT is replaced\n"
         "                    only when the whole file has been written\n"
         "  --check           read FILE and report every message of the reader on stderr,\n"
         "                    then a summary on stdout\n"
         "  --lang de|en      language of the messages (default de)\n\n"
         "Exit status of --check: 0 the file is clean, 1 it has faults (values replaced by\n"
         "their fallbacks, reading stopped at a line, own date lines refused), 2 it cannot\n"
         "be read at all (missing, unreadable, or not a settings file: sections missing or\n"
         "out of order, 25 lines or fewer). --write exits 0 when OUT was written and 1\n"
         "when it could not be. Refused input: a message on stderr and exit status 2.\n";
}

// The summary of a check: "<file>: no faults" or what the reader found.
std::string CheckSummary(const std::string& file, const SettingsReadResult& r) {
  if (!r.Faulty()) return file + ": no faults";
  std::string text = file + ": faulty:";
  std::string separator = " ";
  if (r.FaultLine > 0) {
    text += separator + "reading stopped at line " + std::to_string(r.FaultLine);
    separator = "; ";
  }
  if (r.FieldMessages > 0) {
    text += separator + std::to_string(r.FieldMessages) + " faulty value" + (r.FieldMessages == 1 ? "" : "s");
    separator = "; ";
  }
  if (r.DateFaults > 0)
    text += separator + std::to_string(r.DateFaults) + " own date line" + (r.DateFaults == 1 ? "" : "s") +
            " refused";
  return text;
}

int RunSettings(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Options options;
  std::string error;
  if (!options.Parse(args, {"--settings", "--write", "--lang"}, {"--check"}, error)) {
    err << kName << ": " << error << "\n";
    return 2;
  }
  if (!options.Words().empty()) {
    err << kName << ": unexpected argument '" << options.Words().front() << "'\n";
    return 2;
  }
  const bool check = options.Has("--check");
  const auto write = options.Value("--write");
  if (!check && !write) {
    err << kName << ": give --write OUT or --check\n";
    return 2;
  }
  if (check && !options.Has("--settings")) {
    err << kName << ": --check needs --settings FILE\n";
    return 2;
  }
  if (write && write->empty()) {
    err << kName << ": --write needs a file name\n";
    return 2;
  }
  if (const auto lang = options.Value("--lang")) {
    if (*lang != "de" && *lang != "en") {
      err << kName << ": --lang must be de or en, not '" << *lang << "'\n";
      return 2;
    }
    SetCurrentLanguage(*lang == "en" ? Language::English : Language::German);
  }

  DialSettings s = DefaultDialSettings();
  SettingsReadResult read;
  if (ReadSettingsOption(options, kName, err, s, &read) == SettingsOptionStatus::Refused) return 2;

  int status = 0;
  if (check) {
    out << CheckSummary(*options.Value("--settings"), read) << '\n';
    if (read.Faulty()) status = 1;
  }
  if (write && !CreateSettingsFile(s, *write)) status = 1;
  return status;
}

const bool registered =
    RegisterCommand({kName, "write a settings file, or check one", Help(), RunSettings});

}  // namespace

}  // namespace skiagraf::cli
