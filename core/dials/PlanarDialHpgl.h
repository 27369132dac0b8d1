#pragma once

#include <optional>
#include <string>

#include "dials/HourLineAngles.h"
#include "dials/PlanarCoordinateList.h"
#include "draw/Surface.h"
#include "model/DialSettings.h"
#include "plot/Hpgl.h"

namespace skiagraf {

// The coordinate grid of a plot file: asked for (question and input box), a fixed
// spacing, or none.
struct PlotGridChoice {
  bool ask = true;       // ask the user; otherwise `millimetres` decides
  int millimetres = 0;   // fixed spacing; 0 writes no grid
};

struct PlanarHpglOptions {
  std::string plotFileName;            // named in the coordinate list
  double zoom = 1.0;                   // zoom of the drawing window
  // Gnomon foot and text anchor placed by the user on the screen, already converted
  // to page units of an HPGL file (k = 1); without them the plot file's own defaults.
  std::optional<PointD> placedFoot;
  std::optional<PointD> placedText;
  PlotGridChoice grid;
  // Hour-line angles of the angles table, for hour lines continued to S; nullptr
  // when the table has not been computed.
  const HourLineAngleTable* angles = nullptr;
  // The coordinate list, when that output is chosen.
  CoordinateListTarget* coordinates = nullptr;
};

// Writes a planar dial ('h', 'v', 'i', with or without the umbrella flag) into the
// open plot file with the writer's unit multiplier: header, grid, gnomon figure,
// title block and hour numbers, horizon, polar style, date lines and the hour-line
// families, traced with the same projection, segment rule and families as the canvas
// construction. Returns false when the umbrella checks refuse the dial (after their
// message; the file then holds the header only).
bool WritePlanarDialHpgl(HpglWriter& writer, const DialSettings& settings, const PlanarHpglOptions& options);

// The default gnomon foot of a planar dial in plotter units, for the unit
// multiplier k and the scaled gnomon length Cp in plotter units.
PointD DefaultPlanarFootOnPage(const DialSettings& settings, int k, double gnomonPlotter);

}  // namespace skiagraf
