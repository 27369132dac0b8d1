// skiagraf-cli plot: the construction as the drawing window draws it, written to a file.
#include <functional>
#include <map>
#include <regex>

#include "cli/AstroCliOptions.h"
#include "cli/Cli.h"
#include "cli/DialCliOptions.h"
#include "dials/DialDispatch.h"
#include "dials/HourLineAngles.h"
#include "draw/SvgSurface.h"
#include "plot/PlotSave.h"

namespace skiagraf::cli {
namespace {

struct PlotRequest {
  DialSettings settings;
  double width = 1120, height = 790;
  bool onScreen = true;  // false: the printer's page in tenths of a millimetre
  DrawingView view;
  std::string output;
};

// Draws the design on an SVG canvas of the requested size.
int WriteSvg(PlotRequest& r, std::ostream& err) {
  SvgSurface surface(r.width, r.height);
  if (!ConstructDial(surface, r.onScreen, r.view, r.settings)) {
    err << "plot: dial type '" << r.settings.DialTypeCode << "' has no construction yet\n";
    return 2;
  }
  if (!surface.Save(r.output)) {
    err << "plot: cannot write '" << r.output << "'\n";
    return 1;
  }
  return 0;
}

// Writes the design through its plot-file routine as HPGL, or as DXF converted from it.
int WritePlot(PlotRequest& r, std::ostream& err, PlotFormat format) {
  const DialSettings& s = r.settings;
  if (!PlotRoutineFor(s)) {
    err << "plot: dial type '" << s.DialTypeCode << "' has no plot-file routine yet\n";
    return 2;
  }
  PlotSaveOptions options;
  options.lineWeight = s.PlotLineWeight;
  options.dxfUnitScale = DxfUnitScaleForDialType(s.DialTypeCode);
  const PlotSaveResult result = SavePlotFileUnlessRefused(
      [&](HpglWriter& writer) { return WriteDialPlot(writer, r.view, s); }, format, r.output, options);
  for (const std::string& line : result.conversionLog) err << line << '\n';
  return result.saved ? 0 : 1;
}

// One writer per output format.
const std::map<std::string, std::function<int(PlotRequest&, std::ostream&)>>& Writers() {
  static const std::map<std::string, std::function<int(PlotRequest&, std::ostream&)>> writers = {
      {"svg", WriteSvg},
      {"hpgl", [](PlotRequest& r, std::ostream& err) { return WritePlot(r, err, PlotFormat::Hpgl); }},
      {"dxf", [](PlotRequest& r, std::ostream& err) { return WritePlot(r, err, PlotFormat::Dxf); }},
  };
  return writers;
}

int RunPlot(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Options options;
  std::string error;
  std::vector<std::string> valued = DialDesignValued(), flags = DialDesignFlags();
  valued.insert(valued.end(), {"--format", "-o", "--size", "--zoom", "--foot"});
  flags.insert(flags.end(), {"--grid", "--a3", "--no-footer", "--print"});
  if (!options.Parse(args, valued, flags, error)) {
    err << "plot: " << error << '\n';
    return 2;
  }
  PlotRequest r;
  const std::string format = options.Value("--format").value_or("svg");
  const auto writer = Writers().find(format);
  if (writer == Writers().end()) {
    err << "plot: unknown format '" << format << "'\n";
    return 2;
  }
  const auto output = options.Value("-o");
  if (!output || output->empty()) {
    err << "plot: -o OUT is needed\n";
    return 2;
  }
  r.output = *output;
  if (options.Has("--print")) {
    r.onScreen = false;
    r.width = 2800;  // the printable area of a landscape A4 page in tenths of a millimetre
    r.height = 2000;
  }
  if (const auto size = options.Value("--size")) {
    std::smatch m;
    static const std::regex kSize("([0-9]{2,5})x([0-9]{2,5})");
    if (!std::regex_match(*size, m, kSize) || std::stoi(m[1]) < 100 || std::stoi(m[2]) < 100 ||
        std::stoi(m[1]) > 20000 || std::stoi(m[2]) > 20000) {
      err << "plot: --size must be WxH with 100 .. 20000 pixels each, not '" << *size << "'\n";
      return 2;
    }
    r.width = std::stoi(m[1]);
    r.height = std::stoi(m[2]);
  }
  const auto design = ReadDialDesign(options, "plot", err);
  if (!design) return 2;
  r.settings = *design;
  DefaultPlanarPlacement(r.settings, r.width, r.height, r.view);
  if (const auto foot = options.Value("--foot")) {
    std::smatch m;
    static const std::regex kFoot("(-?[0-9]+),(-?[0-9]+)");
    if (!std::regex_match(*foot, m, kFoot)) {
      err << "plot: --foot must be X,Y in pixels, not '" << *foot << "'\n";
      return 2;
    }
    r.view.foot = {std::stod(m[1]), std::stod(m[2])};
  }
  if (const auto z = options.Value("--zoom")) {
    const auto v = ParseRealText(*z);
    if (!v || *v <= 0 || *v > 1000) {
      err << "plot: --zoom must be a number above 0 and up to 1000\n";
      return 2;
    }
    r.view.zoom = *v;
  }
  r.view.grid = options.Has("--grid");
  r.view.a3 = options.Has("--a3");
  HourLineAngleTable angles;
  const char type = r.settings.DialTypeCode;
  if ((type == 'h' || type == 'v' || type == 'i') && !options.Has("--no-footer")) {
    angles = ComputeHourLineAngles(r.settings, r.view.zoom);
    r.view.angles = &angles;
  }
  const int rc = writer->second(r, err);
  if (rc == 0) out << r.output << '\n';
  return rc;
}

const bool registered = RegisterCommand(
    {"plot", "draw the construction into a file (svg, hpgl, dxf)",
     "Usage: skiagraf-cli plot [--settings FILE] --format svg|hpgl|dxf -o OUT [--size WxH]\n"
     "                         [--print] [--zoom Z] [--foot X,Y] [--grid] [--a3] [--no-footer]\n"
     "                         [--lang de|en]\n\n"
     "Draws the design as the drawing window draws it on a canvas of W x H pixels\n"
     "(default 1120x790) and writes it as an SVG picture; or writes the plot file the\n"
     "drawing window saves (HPGL, or DXF converted from it) for the dial types that\n"
     "have one.\n\n" +
         DialDesignHelp() +
         "  --format F        output format: svg (default), hpgl or dxf\n"
         "  -o OUT            the file to write\n"
         "  --size WxH        canvas size in pixels (default 1120x790)\n"
         "  --print           svg: draw as on the printer's page, in tenths of a millimetre\n"
         "                    (default size 2800x2000, a landscape A4 page)\n"
         "  --zoom Z          zoom of the gnomon height (default 1)\n"
         "  --foot X,Y        gnomon foot on the canvas (default: the window's default place)\n"
         "  --grid            draw the 10 mm grid\n"
         "  --a3              screen format A3 (the canvas width stands for 420 mm)\n"
         "  --no-footer       leave out the sunlit-period footer (as before the angles\n"
         "                    table has been opened)\n",
     RunPlot});

}  // namespace
}  // namespace skiagraf::cli
