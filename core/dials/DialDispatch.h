#pragma once

#include "dials/PlanarDial.h"
#include "draw/Surface.h"
#include "model/DialSettings.h"

namespace skiagraf {

// A canvas construction: draws the whole dial of the record on the surface, in screen
// or print mode, with the view state of the drawing window.
using DialConstruction = void (*)(DrawSurface& surface, bool onScreen, DrawingView& view, const DialSettings& s);

// The construction of a dial-type letter; nullptr for letters that draw nothing (yet).
// Umbrella dials go by their orientation letter.
DialConstruction ConstructionFor(char letter);

// Draws the record's dial through the table; false when its letter has no construction.
bool ConstructDial(DrawSurface& surface, bool onScreen, DrawingView& view, const DialSettings& s);

}  // namespace skiagraf
