#pragma once

#include <string>

#include "dials/PlanarDial.h"
#include "dials/PlanarDialHpgl.h"
#include "model/DialSettings.h"
#include "plot/PlotSave.h"

namespace skiagraf {

// Saving the construction of the drawing window as an HPGL or DXF file: the one
// path that the save panel of the drawing window and the command-line front end
// both take.

// Coordinate output of the save panel (radio group "Koordinaten der Konstruktion").
enum class CoordinateOutput { None = 0, Printer = 1, TextFile = 2 };

struct DialPlotRequest {
  PlotFormat format = PlotFormat::Hpgl;
  std::string fileName;  // the plot file chosen
  int lineWeight = 1;    // PlotLineWeight: 1 thin, 2 medium, 3 thick
  // The drawing window: zoom, gnomon foot and text anchor on its canvas, the angles
  // table when it has been computed, and the canvas size.
  DrawingView view;
  double canvasWidth = 0, canvasHeight = 0;
  bool footPlaced = false;  // the user has placed the gnomon foot on the screen
  bool textPlaced = false;  // the user has placed the text block on the screen
  PlotGridChoice grid;
  CoordinateOutput coordinates = CoordinateOutput::None;
  std::string coordinateFileName;             // TextFile: the list file
  CoordinateListTarget* printerList = nullptr;  // Printer: the printer's list channel
};

// True for the dial types that have a plot-file routine (the planar dials here, the
// others through the plot-file table of DialDispatch).
bool HasPlotWriter(const DialSettings& s);
// True for the dial types whose plot file can carry a coordinate list (planar and
// umbrella dials).
bool OffersCoordinateList(const DialSettings& s);

// Writes the record's construction into the open plot file (the dispatch by dial
// type letter); false when the type has no plot routine or refuses the dial.
bool WriteRequestedDialPlot(HpglWriter& writer, const DialSettings& s, const DialPlotRequest& request,
                            CoordinateListTarget* list);

// Saves the plot file: opens the coordinate list when chosen, converts the screen
// positions to page units, writes HPGL (or HPGL into the temporary file and then
// the DXF), and reports as the save workflow does. A dial that its routine refuses,
// or a save that fails, leaves no new file and existing ones (plot file and list) as
// they were.
PlotSaveResult SaveDialPlotFile(const DialSettings& s, const DialPlotRequest& request);

}  // namespace skiagraf
