// skiagraf-cli: the headless front end over the core, for scripting and tests.
#include <iostream>
#include <string>
#include <vector>

#include "base/UserInterface.h"
#include "cli/Cli.h"

namespace {

void PrintUsage(std::ostream& out) {
  out << "Usage: skiagraf-cli COMMAND [OPTIONS]\n"
         "       skiagraf-cli COMMAND --help\n\n"
         "Sundial design and sun position from the command line. Angles in degrees;\n"
         "longitudes and zone meridians east of Greenwich negative, latitudes south\n"
         "negative.\n\nCommands:\n";
  for (const auto& [name, command] : skiagraf::cli::Commands())
    out << "  " << name << std::string(name.size() < 10 ? 10 - name.size() : 1, ' ') << command.summary << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    PrintUsage(std::cerr);
    return 2;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    PrintUsage(std::cout);
    return 0;
  }
  const auto& commands = skiagraf::cli::Commands();
  auto it = commands.find(args[0]);
  if (it == commands.end()) {
    std::cerr << "skiagraf-cli: unknown command '" << args[0] << "'\n\n";
    PrintUsage(std::cerr);
    return 2;
  }
  std::vector<std::string> rest(args.begin() + 1, args.end());
  for (const auto& a : rest) {
    if (a == "--help" || a == "-h") {
      std::cout << it->second.help;
      return 0;
    }
  }
  // Messages the core would show in a box go to stderr; questions are answered "No".
  skiagraf::StderrUserInterface ui;
  skiagraf::ScopedUserInterface scoped(ui);
  return it->second.run(rest, std::cout, std::cerr);
}
