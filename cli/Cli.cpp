#include "cli/Cli.h"

#include <algorithm>

namespace skiagraf::cli {

namespace {
std::map<std::string, Command>& Registry() {
  static std::map<std::string, Command> registry;
  return registry;
}
}  // namespace

bool RegisterCommand(Command command) {
  std::string name = command.name;
  Registry()[name] = std::move(command);
  return true;
}

const std::map<std::string, Command>& Commands() { return Registry(); }

bool Options::Parse(const std::vector<std::string>& args, const std::vector<std::string>& valued,
                    const std::vector<std::string>& flags, std::string& error) {
  auto contains = [](const std::vector<std::string>& list, const std::string& s) {
    return std::find(list.begin(), list.end(), s) != list.end();
  };
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
      std::string name = a;
      std::optional<std::string> inline_value;
      if (auto eq = a.find('='); eq != std::string::npos) {
        name = a.substr(0, eq);
        inline_value = a.substr(eq + 1);
      }
      if (contains(valued, name)) {
        if (inline_value) {
          values_[name] = *inline_value;
        } else if (i + 1 < args.size()) {
          values_[name] = args[++i];
        } else {
          error = "option " + name + " needs a value";
          return false;
        }
      } else if (contains(flags, name) && !inline_value) {
        flags_[name] = true;
      } else {
        error = "unknown option " + name;
        return false;
      }
    } else if (a == "-o" && contains(valued, "-o")) {
      if (i + 1 >= args.size()) {
        error = "option -o needs a value";
        return false;
      }
      values_["-o"] = args[++i];
    } else {
      words_.push_back(a);
    }
  }
  return true;
}

std::optional<std::string> Options::Value(const std::string& name) const {
  auto it = values_.find(name);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

}  // namespace skiagraf::cli
