#pragma once

#include "dials/HourLineAngles.h"
#include "draw/Surface.h"
#include "model/DialSettings.h"

namespace skiagraf {

// The view state of the drawing window that a construction reads.
struct DrawingView {
  PointD foot;               // gnomon foot P on the surface (screen pixels or printer units)
  PointD textAnchor;         // top-left of the text block
  double zoom = 1.0;         // multiplies the gnomon height; raised when the gnomon gets too small
  bool a3 = false;           // screen format: the canvas width stands for 420 mm instead of 280 mm
  bool grid = false;         // draw the 10 mm grid
  PointD gridOffset;         // left and top border offsets of the drawing
  bool wideScreen = true;    // screen width of 1000 pixels or more
  bool largeFont = false;    // font resolution of 120 pixels per inch or more
  // The hour-line angles table once it has been computed: the footer text and the
  // limits of the lines continued to S come from it.
  const HourLineAngleTable* angles = nullptr;
};

// Default gnomon foot and text anchor of a planar dial on a canvas of A x B.
void DefaultPlanarPlacement(const DialSettings& s, double width, double height, DrawingView& view);

// Draws a planar dial ('h', 'v', 'i', with or without the umbrella flag) on the surface:
// screen mode (margin 0, fitted to the canvas) or print mode (tenths of a millimetre,
// margin 50, true size).
void DrawPlanarDial(DrawSurface& surface, bool onScreen, DrawingView& view, const DialSettings& s);

// Palette pen k as a surface colour.
Rgb PaletteColor(const DialSettings& s, int pen);

}  // namespace skiagraf
