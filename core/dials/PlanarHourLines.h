#pragma once

#include "dials/HourLineAngles.h"
#include "dials/PlanarTracer.h"
#include "model/DialSettings.h"

namespace skiagraf {

// What the hour-line families of a planar dial need besides the record.
struct PlanarFamilyContext {
  const DialSettings& settings;
  const PlanarFrame& frame;
  const PlanarViewport& view;
  PlanarOutput& out;
  const HourLineAngleTable* angles = nullptr;  // limits and angles for lines continued to S
  bool hasStyleFoot = false;                   // S is known (non-umbrella dials)
  PointD styleFoot;                            // S in output units
  double drawingRight = 0;                     // right edge of the drawing
  double drawingHeight = 0;                    // height of the surface
  double lineDirection = 1;                    // +1 for 'h', -1 for 'i' and 'v'
};

// Parts of an hour for an interval character of the record (60, 30, 20, 15, 10 min).
int PartsPerHour(char intervalCode);

// The families in their drawing order, each only when its option is on: straight hour
// lines of apparent time, figure-eight lines of mean time, the single figure-eight
// line with its date marks, temporal, Babylonian and Italian hours, lines of equal
// sun altitude. Latitude limits are reported through Ui().
void DrawPlanarHourFamilies(PlanarFamilyContext& c);

// The date lines of the days with a whole number of daylight hours (pen 11), when
// that option is on.
void DrawWholeHourDateLines(PlanarFamilyContext& c);
// The date lines of the date-line option (pen 1): every day from 0 h to 24 h in
// quarter hours; zodiac entries and the equinoxes by their declination.
void DrawDateLines(PlanarFamilyContext& c);

// The single families, for callers that need one of them.
void DrawStraightHourLines(PlanarFamilyContext& c);
void DrawMeanTimeLines(PlanarFamilyContext& c);
void DrawAnalemmaWithMarks(PlanarFamilyContext& c);
void DrawTemporalHours(PlanarFamilyContext& c);
void DrawBabylonianItalianHours(PlanarFamilyContext& c, bool italian);
void DrawAltitudeLines(PlanarFamilyContext& c);

}  // namespace skiagraf
