#pragma once

class QPrinter;

namespace skiagraf::gui {

class DrawingWindow;
class PlotSavePanel;

// Plugs the save panel and the print routines into the drawing window
// (DrawingWindowHooks): "save" opens the panel HPGpanel on the window, "print" prints
// the construction at true size, "printInfo" the information memo, "printList" the
// angles-table page. The printer is the main window's; on a machine without a
// printer the page goes into a PDF file the user chooses.
void InstallDrawingPlotHooks();

// The save panel of the window, created on first use.
PlotSavePanel& SavePanelOf(DrawingWindow& window);

// The printer the drawing window prints on; false when there is none and the user
// chose no PDF file instead.
bool PrinterFor(DrawingWindow& window, QPrinter*& printer);

}  // namespace skiagraf::gui
