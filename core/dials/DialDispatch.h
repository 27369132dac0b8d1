#pragma once

#include <string>

#include "dials/PlanarDial.h"
#include "draw/Surface.h"
#include "model/DialSettings.h"
#include "plot/Hpgl.h"

namespace skiagraf {

// A canvas construction: draws the whole dial of the record on the surface, in screen
// or print mode, with the view state of the drawing window.
using DialConstruction = void (*)(DrawSurface& surface, bool onScreen, DrawingView& view, const DialSettings& s);

// The construction of a dial-type letter; nullptr for letters that draw nothing (yet).
// Umbrella dials go by their orientation letter.
DialConstruction ConstructionFor(char letter);
// The same for the record, honouring the sub-kind of letters that stand for several
// dial types ('z': only the shepherd's dial, kind 0, is constructed so far).
DialConstruction ConstructionFor(const DialSettings& s);

// Draws the record's dial through the table; false when its letter has no construction.
bool ConstructDial(DrawSurface& surface, bool onScreen, DrawingView& view, const DialSettings& s);

// A plot-file routine: writes the record's dial into the open HPGL file. Returns false
// when it refused (after telling the user) and wrote nothing.
using DialPlotRoutine = bool (*)(HpglWriter& writer, const DrawingView& view, const DialSettings& s);

// The plot-file routine of the record's dial type; nullptr when it has none (yet).
DialPlotRoutine PlotRoutineFor(const DialSettings& s);

// Writes the record's dial through the plot-file table; false when there is no
// routine or it refused.
bool WriteDialPlot(HpglWriter& writer, const DrawingView& view, const DialSettings& s);

// The caption of the drawing window for the record's dial: " Konstruktion einer "
// followed by the type's name ("horizontalen Sonnenuhr", "Zylindersonnenuhr
// (Hirtensonnenuhr)", ...); letters without a construction get the first part only.
std::string ConstructionCaption(const DialSettings& s);

// Told when a print or save command meets a dial type without a construction or
// plot-file routine: there would be nothing on the page or in the file.
std::string NoConstructionMessage();

// The temporal-hour option that the record's dial type reads: the horizontal altitude
// dial has its own, every other type the common one.
bool TemporalHoursChosen(const DialSettings& s);

}  // namespace skiagraf
