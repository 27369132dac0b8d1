// skiagraf-cli angles: the hour-line angles table of a planar dial.
#include "cli/Cli.h"
#include "cli/DialCliOptions.h"
#include "dials/HourLineAngles.h"

namespace skiagraf::cli {
namespace {

int RunAngles(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Options options;
  std::string error;
  std::vector<std::string> flags = DialDesignFlags();
  flags.insert(flags.end(), {"--memo"});
  if (!options.Parse(args, DialDesignValued(), flags, error)) {
    err << "angles: " << error << '\n';
    return 2;
  }
  const auto design = ReadDialDesign(options, "angles", err);
  if (!design) return 2;
  const DialSettings& s = *design;
  if (s.DialTypeCode != 'h' && s.DialTypeCode != 'v' && s.DialTypeCode != 'i') {
    err << "angles: the angles table is given for planar dials (h, v, i); the design has type '"
        << s.DialTypeCode << "'\n";
    return 2;
  }
  const HourLineAngleTable t = ComputeHourLineAngles(s);
  out << t.DialKindLabel << '\n';
  for (const auto& row : t.Grid) {
    size_t last = row.size();
    while (last > 0 && row[last - 1].empty()) --last;
    for (size_t i = 0; i < last; ++i) out << (i ? "\t" : "") << row[i];
    out << '\n';
  }
  out << t.SunlitLabel << '\n';
  if (options.Has("--memo"))
    for (const auto& line : t.MemoLines) out << line << '\n';
  return 0;
}

const bool registered = RegisterCommand(
    {"angles", "hour-line angles table of a planar dial",
     "Usage: skiagraf-cli angles [--settings FILE] [--lang de|en] [--memo]\n\n"
     "Prints the table of hour-line angles as the drawing window's grid shows it: the\n"
     "dial kind, one line per grid row with its cells separated by tabs (time, angle\n"
     "from the vertical through S in degrees, tangent; four groups per row), and the\n"
     "period of sunshine on the face over the year in local apparent time.\n\n" +
         DialDesignHelp() + "  --memo            also print the dial data and the face quantities\n",
     RunAngles});

}  // namespace
}  // namespace skiagraf::cli
