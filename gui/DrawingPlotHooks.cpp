#include "DrawingPlotHooks.h"

#include <QPrintDialog>
#include <QPrinter>
#include <memory>

#include "ConstructionPrint.h"
#include "DrawingWindow.h"
#include "MainWindow.h"
#include "PlotSavePanel.h"
#include "PrinterChoice.h"
#include "Recaption.h"
#include "base/UserInterface.h"
#include "text/Texts.h"

namespace skiagraf::gui {

namespace {

// The printer of a drawing window without a main window (tests, a window on its own).
QPrinter& OwnPrinter() {
  static std::unique_ptr<QPrinter> printer = std::make_unique<QPrinter>();
  return *printer;
}

PrinterSetup SetupDialog(DrawingWindow& window) {
  return [&window](QPrinter& printer) {
    // A PDF file chosen instead of a missing printer needs no printer dialog.
    if (printer.outputFormat() == QPrinter::PdfFormat) return true;
    QPrintDialog dialog(&printer, &window);
    return dialog.exec() == QDialog::Accepted;
  };
}

HourLineAngleTable AnglesOf(DrawingWindow& window) {
  if (const HourLineAngleTable* shown = window.AnglesTable()) return *shown;
  return ComputeHourLineAngles(Settings(), window.Zoom());
}

}  // namespace

bool PrinterFor(DrawingWindow& window, QPrinter*& printer) {
  auto* frame = qobject_cast<MainWindow*>(window.window());
  printer = frame ? &frame->Printer() : &OwnPrinter();
  return PdfWhenNoPrinter(*printer);
}

PlotSavePanel& SavePanelOf(DrawingWindow& window) {
  if (auto* panel = window.findChild<PlotSavePanel*>("HPGpanel")) return *panel;
  auto* panel = new PlotSavePanel(
      [&window] {
        PlotSavePanel::Drawing d;
        d.settings = &Settings();
        d.view = window.View();
        d.canvasWidth = window.CanvasSize().width();
        d.canvasHeight = window.CanvasSize().height();
        d.footPlaced = window.FootPlacedByUser();
        d.textPlaced = window.TextPlacedByUser();
        d.printer = [&window]() -> QPrinter* {
          QPrinter* printer = nullptr;
          return PrinterFor(window, printer) ? printer : nullptr;
        };
        return d;
      },
      &window);
  panel->setAutoFillBackground(true);
  panel->move(10, 10);
  panel->resize(panel->sizeHint());
  // The converter's log lines go into the information memo.
  QObject::connect(panel, &PlotSavePanel::saved, &window, [&window](const QStringList& log) {
    if (!log.isEmpty()) window.ShowInformation(log);
  });
  return *panel;
}

void InstallDrawingPlotHooks() {
  DrawingWindowHooks& hooks = DrawingHooks();
  hooks.save = [](DrawingWindow& window, bool dxf, bool coordinates) {
    SavePanelOf(window).Open(dxf ? PlotFormat::Dxf : PlotFormat::Hpgl, coordinates, true);
  };
  hooks.print = [](DrawingWindow& window) {
    QPrinter* printer = nullptr;
    if (!PrinterFor(window, printer)) return;
    const QSize canvas = window.CanvasSize();
    PrintConstruction(*printer, Settings(), window.View(), canvas.width(), canvas.height(), SetupDialog(window));
  };
  hooks.printInfo = [](DrawingWindow& window) {
    QPrinter* printer = nullptr;
    if (!PrinterFor(window, printer)) return;
    // What the memo shows: the dial data, or the converter's log after a DXF save.
    std::vector<std::string> lines;
    for (const QString& line : window.InformationLines()) lines.push_back(line.toStdString());
    PrintInformationText(*printer, lines);
  };
  hooks.printList = [](DrawingWindow& window) {
    QPrinter* printer = nullptr;
    if (!PrinterFor(window, printer)) return;
    const HourLineAngleTable table = AnglesOf(window);
    PrintAnglesTable(*printer, Settings(), table, window.Zoom(), window.windowTitle().toStdString(),
                     table.FooterTitle, SetupDialog(window));
  };
}

}  // namespace skiagraf::gui
