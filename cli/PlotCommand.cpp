// skiagraf-cli plot: the construction as the drawing window draws it, written to a file.
#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <regex>

#include "cli/AstroCliOptions.h"
#include "cli/Cli.h"
#include "cli/DialCliOptions.h"
#include "dials/DialDispatch.h"
#include "dials/DialPlotFile.h"
#include "dials/HourLineAngles.h"
#include "draw/SvgSurface.h"
#include "model/TextFile.h"
#include "plot/PlotSave.h"

namespace skiagraf::cli {
namespace {

struct PlotRequest {
  DialSettings settings;
  double width = 1120, height = 790;
  bool onScreen = true;  // false: the printer's page in tenths of a millimetre
  DrawingView view;
  std::string output;
  bool footPlaced = false, textPlaced = false;
  int gridMillimetres = 0;  // 0: no grid
  int lineWeight = 1;       // from the settings unless --line-weight
  std::string coordinates;  // coordinate list file, empty for none
};

// Draws the design on an SVG canvas of the requested size.
int WriteSvg(PlotRequest& r, std::ostream& err) {
  SvgSurface surface(r.width, r.height);
  if (!ConstructDial(surface, r.onScreen, r.view, r.settings)) {
    err << "plot: dial type '" << r.settings.DialTypeCode << "' has no construction yet\n";
    return 2;
  }
  // An existing file is replaced only by a completely written drawing.
  if (!SaveFileBytes(r.output, surface.Document())) {
    err << "plot: cannot write '" << r.output << "'\n";
    return 1;
  }
  return 0;
}

// The plot file as the save panel of the drawing window writes it, without its
// questions: the grid only when asked for with --grid.
int WritePlotFile(PlotRequest& r, PlotFormat format, std::ostream& err) {
  if (!HasPlotWriter(r.settings)) {
    err << "plot: dial type '" << r.settings.DialTypeCode << "' has no plot file routine yet\n";
    return 2;
  }
  DialPlotRequest p;
  p.format = format;
  p.fileName = r.output;
  p.lineWeight = r.lineWeight;
  p.view = r.view;
  p.canvasWidth = r.width;
  p.canvasHeight = r.height;
  p.footPlaced = r.footPlaced;
  p.textPlaced = r.textPlaced;
  p.grid.ask = false;
  p.grid.millimetres = r.gridMillimetres;
  if (!r.coordinates.empty()) {
    p.coordinates = CoordinateOutput::TextFile;
    p.coordinateFileName = r.coordinates;
  }
  const PlotSaveResult result = SaveDialPlotFile(r.settings, p);
  for (const std::string& line : result.conversionLog) err << "plot: " << line << '\n';
  return result.saved ? 0 : 1;
}

// One writer per output format.
const std::map<std::string, std::function<int(PlotRequest&, std::ostream&)>>& Writers() {
  static const std::map<std::string, std::function<int(PlotRequest&, std::ostream&)>> writers = {
      {"svg", WriteSvg},
      {"hpgl", [](PlotRequest& r, std::ostream& err) { return WritePlotFile(r, PlotFormat::Hpgl, err); }},
      {"dxf", [](PlotRequest& r, std::ostream& err) { return WritePlotFile(r, PlotFormat::Dxf, err); }},
  };
  return writers;
}

// "X,Y" in pixels of the canvas.
std::optional<PointD> ParsePosition(const std::string& text) {
  std::smatch m;
  static const std::regex kPosition("(-?[0-9]{1,6}),(-?[0-9]{1,6})");
  if (!std::regex_match(text, m, kPosition)) return std::nullopt;
  return PointD{std::stod(m[1]), std::stod(m[2])};
}

int RunPlot(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Options options;
  std::string error;
  std::vector<std::string> valued = DialDesignValued(), flags = DialDesignFlags();
  valued.insert(valued.end(),
                {"--format", "-o", "--size", "--zoom", "--foot", "--text", "--grid", "--line-weight", "--coordinates"});
  flags.insert(flags.end(), {"--a3", "--no-footer", "--print"});
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
  r.lineWeight = std::clamp(r.settings.PlotLineWeight, 1, 3);
  DefaultPlanarPlacement(r.settings, r.width, r.height, r.view);
  if (const auto foot = options.Value("--foot")) {
    const auto p = ParsePosition(*foot);
    if (!p) {
      err << "plot: --foot must be X,Y in pixels, not '" << *foot << "'\n";
      return 2;
    }
    r.view.foot = *p;
    r.footPlaced = true;
  }
  if (const auto text = options.Value("--text")) {
    const auto p = ParsePosition(*text);
    if (!p) {
      err << "plot: --text must be X,Y in pixels, not '" << *text << "'\n";
      return 2;
    }
    r.view.textAnchor = *p;
    r.textPlaced = true;
  }
  if (const auto grid = options.Value("--grid")) {
    static const std::regex kGrid("[0-9]{1,4}");
    if (!std::regex_match(*grid, kGrid) || std::stoi(*grid) < 1) {
      err << "plot: --grid must be the grid spacing in whole millimetres (1 .. 9999), not '" << *grid << "'\n";
      return 2;
    }
    r.gridMillimetres = std::stoi(*grid);
  }
  if (const auto weight = options.Value("--line-weight")) {
    if (*weight != "1" && *weight != "2" && *weight != "3") {
      err << "plot: --line-weight must be 1 (thin), 2 (medium) or 3 (thick), not '" << *weight << "'\n";
      return 2;
    }
    r.lineWeight = std::stoi(*weight);
  }
  if (const auto list = options.Value("--coordinates")) {
    if (format == "svg" || list->empty()) {
      err << "plot: --coordinates TXT goes with --format hpgl or dxf\n";
      return 2;
    }
    r.coordinates = *list;
  }
  if (const auto z = options.Value("--zoom")) {
    const auto v = ParseRealText(*z);
    if (!v || *v <= 0 || *v > 1000) {
      err << "plot: --zoom must be a number above 0 and up to 1000\n";
      return 2;
    }
    r.view.zoom = *v;
  }
  r.view.grid = r.gridMillimetres > 0;
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
     "                         [--print] [--zoom Z] [--foot X,Y] [--text X,Y] [--grid MM] [--a3]\n"
     "                         [--no-footer] [--line-weight 1|2|3] [--coordinates TXT] [--lang de|en]\n\n"
     "svg: draws the design as the drawing window draws it on a canvas of W x H pixels\n"
     "(default 1120x790). hpgl, dxf: writes the plot file that the drawing window's save\n"
     "command writes for the design (HPGL, or DXF converted from it), without its\n"
     "questions, for the dial types that have one.\n\n" +
         DialDesignHelp() +
         "  --format F        output format: svg (default), hpgl or dxf\n"
         "  -o OUT            the file to write\n"
         "  --size WxH        canvas size in pixels (default 1120x790)\n"
         "  --print           svg: draw as on the printer's page, in tenths of a millimetre\n"
         "                    (default size 2800x2000, a landscape A4 page)\n"
         "  --zoom Z          zoom of the gnomon height (default 1)\n"
         "  --foot X,Y        gnomon foot placed on the canvas (default: the window's default\n"
         "                    place on the screen, the plot file's own place in a plot file)\n"
         "  --text X,Y        text block placed on the canvas (plot files)\n"
         "  --grid MM         coordinate grid: in a plot file with a spacing of MM millimetres;\n"
         "                    on the svg canvas any spacing draws the 10 mm grid\n"
         "  --line-weight N   line width of a plot file: 1 thin, 2 medium, 3 thick (default:\n"
         "                    that of the settings)\n"
         "  --coordinates TXT also write the coordinate list of the plot file into TXT\n"
         "  --a3              screen format A3 (the canvas width stands for 420 mm)\n"
         "  --no-footer       leave out the sunlit-period footer (as before the angles\n"
         "                    table has been opened)\n",
     RunPlot});

}  // namespace
}  // namespace skiagraf::cli
