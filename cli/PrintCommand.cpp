// skiagraf-cli print: the construction printed at true size into a PDF file, through
// the print routine of the drawing window.
#include <QGuiApplication>
#include <QPageSize>
#include <QPrinter>
#include <cstdlib>
#include <memory>

#include "ConstructionPrint.h"
#include "cli/AstroCliOptions.h"
#include "cli/Cli.h"
#include "cli/DialCliOptions.h"
#include "dials/DialDispatch.h"
#include "dials/HourLineAngles.h"

namespace skiagraf::cli {
namespace {

// Qt's printer needs an application object; without a display it runs offscreen.
std::unique_ptr<QGuiApplication> EnsureApplication() {
  if (QGuiApplication::instance()) return nullptr;
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "skiagraf-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

int RunPrint(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Options options;
  std::string error;
  std::vector<std::string> valued = DialDesignValued(), flags = DialDesignFlags();
  valued.insert(valued.end(), {"--pdf", "--zoom"});
  flags.insert(flags.end(), {"--no-footer"});
  if (!options.Parse(args, valued, flags, error)) {
    err << "print: " << error << '\n';
    return 2;
  }
  const auto pdf = options.Value("--pdf");
  if (!pdf || pdf->empty()) {
    err << "print: --pdf OUT is needed\n";
    return 2;
  }
  const auto design = ReadDialDesign(options, "print", err);
  if (!design) return 2;
  DialSettings s = *design;
  if (!ConstructionFor(s)) {
    err << "print: dial type '" << s.DialTypeCode << "' has no construction yet\n";
    return 2;
  }
  // The drawing window's default canvas and placements.
  const double width = 1120, height = 790;
  DrawingView view;
  if (const auto z = options.Value("--zoom")) {
    const auto v = ParseRealText(*z);
    if (!v || *v <= 0 || *v > 1000) {
      err << "print: --zoom must be a number above 0 and up to 1000\n";
      return 2;
    }
    view.zoom = *v;
  }
  DefaultPlanarPlacement(s, width, height, view);
  HourLineAngleTable angles;
  const char type = s.DialTypeCode;
  if ((type == 'h' || type == 'v' || type == 'i') && !options.Has("--no-footer")) {
    angles = ComputeHourLineAngles(s, view.zoom);
    view.angles = &angles;
  }

  const auto app = EnsureApplication();
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(*pdf));
  printer.setPageSize(QPageSize(QPageSize::A4));
  if (!gui::PrintConstruction(printer, s, view, width, height, {})) {
    err << "print: the page was not printed\n";
    return 1;
  }
  out << *pdf << '\n';
  return 0;
}

const bool registered = RegisterCommand(
    {"print", "print the construction at true size into a PDF file",
     "Usage: skiagraf-cli print [--settings FILE] [overrides] --pdf OUT [--zoom Z] [--no-footer]\n"
     "                          [--lang de|en]\n\n"
     "Prints the design as the drawing window's print command does, on an A4 landscape\n"
     "page at true size (1 mm of the dial is 1 mm on paper), into the PDF file OUT.\n\n" +
         DialDesignHelp() +
         "  --pdf OUT         the PDF file to write\n"
         "  --zoom Z          zoom of the gnomon height (default 1)\n"
         "  --no-footer       leave out the sunlit-period footer\n",
     RunPrint});

}  // namespace
}  // namespace skiagraf::cli
