#pragma once

#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace skiagraf::cli {

// Options of one command line: "--name value" pairs, "--flag" switches and the
// words that are neither. Parse() knows which names take a value.
class Options {
 public:
  // Fails (returns false, with a message in `error`) on an unknown option or a
  // missing value.
  bool Parse(const std::vector<std::string>& args, const std::vector<std::string>& valued,
             const std::vector<std::string>& flags, std::string& error);

  bool Has(const std::string& name) const { return values_.count(name) > 0 || flags_.count(name) > 0; }
  std::optional<std::string> Value(const std::string& name) const;
  const std::vector<std::string>& Words() const { return words_; }

 private:
  std::map<std::string, std::string> values_;
  std::map<std::string, bool> flags_;
  std::vector<std::string> words_;
};

// A sub-command of skiagraf-cli. `run` gets the arguments after the command name
// and returns the exit status: 0 done, 1 done with faults, 2 refused input.
struct Command {
  std::string name;
  std::string summary;  // one line for "skiagraf-cli --help"
  std::string help;     // full text for "skiagraf-cli NAME --help"
  std::function<int(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)> run;
};

// Each command registers itself from its own source file:
//   static const bool registered = RegisterCommand({...});
bool RegisterCommand(Command command);
const std::map<std::string, Command>& Commands();

}  // namespace skiagraf::cli
