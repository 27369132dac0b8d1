// skiagraf-cli info: the dial-data text of a planar dial.
#include <cmath>

#include "cli/Cli.h"
#include "cli/DialCliOptions.h"
#include "cli/AstroCliOptions.h"
#include "dials/PlanarInfoText.h"

namespace skiagraf::cli {
namespace {

int RunInfo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Options options;
  std::string error;
  std::vector<std::string> valued = DialDesignValued();
  valued.insert(valued.end(), {"--zoom"});
  if (!options.Parse(args, valued, DialDesignFlags(), error)) {
    err << "info: " << error << '\n';
    return 2;
  }
  double zoom = 1.0;
  if (const auto z = options.Value("--zoom")) {
    const auto v = ParseRealText(*z);
    if (!v || *v <= 0 || *v > 1000) {
      err << "info: --zoom must be a number above 0 and up to 1000\n";
      return 2;
    }
    zoom = *v;
  }
  const auto design = ReadDialDesign(options, "info", err);
  if (!design) return 2;
  const DialSettings& s = *design;
  const char type = s.DialTypeCode;
  if (type != 'h' && type != 'v' && type != 'i') {
    err << "info: the dial data are given for planar dials (h, v, i); the design has type '" << type << "'\n";
    return 2;
  }
  PlanarInfoTexts texts;
  PlanarDialInfoOfRecord(s, std::round(s.GnomonHeight * zoom * 100.0) / 100.0, s.UmbrellaMode, texts);
  for (const auto& line : texts.lines) out << line << '\n';
  return 0;
}

const bool registered = RegisterCommand(
    {"info", "dial data of a planar dial (polar style, substyle, S)",
     "Usage: skiagraf-cli info [--settings FILE] [overrides] [--lang de|en] [--zoom Z]\n\n"
     "Prints the dial-data text of the design's planar dial (horizontal, vertical or\n"
     "inclining): site, face, gnomon, the point S where the polar style meets the face,\n"
     "style height and length, substyle direction and the time of the shadow on the\n"
     "substyle.\n\n" +
         DialDesignHelp() + "  --zoom Z          gnomon height x Z, as the drawing window shows it (default 1)\n",
     RunInfo});

}  // namespace
}  // namespace skiagraf::cli
