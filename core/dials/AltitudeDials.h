#pragma once

#include "dials/PlanarDial.h"
#include "draw/Surface.h"
#include "model/DialSettings.h"
#include "plot/Hpgl.h"

namespace skiagraf {

// The shepherd's dial (cylinder dial, letter 'z' kind 0) and the horizontal altitude
// dial (letter 'k'). Both draw the geometry of AltitudeDialGeometry.h: the canvas
// routines fit it to the screen or print it at true size in tenths of a millimetre
// (margin 50), the plot-file routine writes the same lines in plotter units.

// Canvas constructions. The zoom of the view scales the gnomon length (edge height).
void DrawShepherdsDial(DrawSurface& surface, bool onScreen, DrawingView& view, const DialSettings& s);
void DrawHorizontalAltitudeDial(DrawSurface& surface, bool onScreen, DrawingView& view, const DialSettings& s);

// Writes either dial into the open plot file ("IN;VS 1;PA;" ... ";IN;"). The shepherd's
// dial uses the writer's unit multiplier, the altitude dial always plain plotter units.
// Returns false, after the error box and without writing anything, when temporal
// hours are asked for at a latitude where they cannot be constructed.
bool WriteAltitudeDialHpgl(HpglWriter& writer, const DialSettings& s, bool shepherd);

// The title written below the notice that replaces a dial with impossible temporal
// hours ("ZYLINDER - SONNENUHR " or "Höhensonnenuhr (horiz.)").
std::string AltitudeDialRefusalTitle(bool shepherd);

}  // namespace skiagraf
