#pragma once

#include <string>
#include <vector>

#include "astro/SunPosition.h"
#include "draw/Surface.h"
#include "model/DialSettings.h"

namespace skiagraf {

// The geometry of the two dials that read the time from the sun's altitude alone:
// the shepherd's dial (an unrolled vertical cylinder with a horizontal gnomon of
// length L; the shadow tip lies L tan h below the gnomon) and the horizontal altitude
// dial (a plate with a shadow-casting edge of height b, optionally continued by a
// vertical plate at the plate's far end).
//
// Everything here is in millimetres on the dial, in scale coordinates: `date` runs
// along the date axis from its first day, `shadow` along the shadow axis from the
// scale's start (the gnomon's top on the shepherd's dial, the edge's foot on the
// altitude dial). The canvas and the plot file only map these to their own units,
// so both draw the same lines.

enum class AltitudeDialKind { Shepherd, Horizontal };

// The days of the date axis: 21 June .. 21 December, or the whole year.
struct DateAxis {
  int first = 1;  // D1, day of year
  int last = 1;   // D2
};
DateAxis AltitudeDateAxis(const DialSettings& s);

// Longest date axis of the shepherd's dial; a longer one is reduced with a note.
constexpr int kShepherdAxisLimit = 250;
// The shepherd's date axis in mm (at most kShepherdAxisLimit).
double ShepherdAxisLength(const DialSettings& s);
bool ShepherdAxisReduced(const DialSettings& s);

// Shepherd's dial: shadow length L tan h (100000 when |cos h| <= 1e-5).
double ShepherdShadowLength(double gnomon, double altitude);
// The depth of the shepherd's scale before any page limit: |L tan hs| * 1.05 with
// hs = 90 - |phi| + epsilon (or `steepest` when |phi| < epsilon), 100000 when
// |cos hs| <= 1e-4. The canvas uses 90 degrees as steepest, the plot file 89.99.
double ShepherdScaleDepth(double gnomon, double latitude, double obliquity, double steepest);

// Altitude dial: the altitude at which the shadow of the edge reaches the fold
// between the horizontal and the vertical plate, atan(b / L2).
double FoldAltitude(double edgeHeight, double plateLength);
// Distance of the shadow from the edge's foot across the unfolded plates: b cot h on
// the horizontal plate (h >= h0), L2 + b - L2 tan h on the vertical one.
double AltitudeDialShadow(double edgeHeight, double plateLength, double altitude);

// The dimensions both outputs agree on.
struct AltitudeDialDimensions {
  AltitudeDialKind kind = AltitudeDialKind::Shepherd;
  double gnomon = 70;        // L (shepherd) or b (edge height), mm
  double plate = 180;        // L2, length of the horizontal plate, mm
  bool verticalFace = true;  // the altitude dial's vertical plate is drawn
  double dateLength = 250;   // length of the date axis D1..D2, mm
  double shadowLength = 100; // end of the shadow axis, mm

  double ShadowOf(double altitude) const;
};

// The hour lines of a dial.
enum class HourFamily { Temporal, Ordinary, Babylonian, Italian };

struct HourLine {
  HourFamily family = HourFamily::Ordinary;
  double value = 12;   // clock hour, temporal hour (0..12) or hours after sunrise / sunset
  int hour = 12;       // the whole hour the line belongs to
  bool full = true;    // a full hour, labelled with its number
  int canvasPen = 2;   // palette pens on the canvas and in the plot file
  int plotPen = 2;
};

struct HourLinePlan {
  // Temporal hours at a latitude beyond 65 degrees: nothing is constructed.
  bool refused = false;
  bool temporalDrawn = false;
  std::vector<HourLine> lines;       // temporal, ordinary, Babylonian, Italian
  std::vector<BoxMessage> messages;  // to show before drawing
};

// The latitude beyond which temporal, Italian and Babylonian hours are not drawn.
constexpr double kTemporalLatitudeLimit = 65;

// Which lines the record asks for, with the noon rule of the ordinary hours and the
// checks of the temporal, Italian and Babylonian ranges.
HourLinePlan PlanHourLines(const DialSettings& s, AltitudeDialKind kind);

// The first and last ordinary hour after the noon rule: with local time and without
// the equation of time morning and afternoon lines coincide, so a range across noon
// keeps only its longer side.
std::pair<int, int> OrdinaryHourRange(const DialSettings& s);

// The sun on an hour line on a day of the reference year.
struct LineSun {
  double altitude = 0;
  double azimuth = 0;
};
LineSun SunOnHourLine(const DialSettings& s, const HourLine& line, double day);

// One hour line traced over the date axis: the visible pieces in scale coordinates
// (x = date, y = shadow, mm).
struct HourCurve {
  HourLine line;
  std::vector<std::vector<PointD>> pieces;
  bool labelled = false;  // the number goes at pieces[0][0]
  std::string label;
};

// A date mark across the scale.
struct DateMark {
  double date = 0;       // mm along the date axis
  int month = 1;
  int day = 1;
  bool line = true;      // the mark's line is drawn
  std::string label;     // month name (or its first letter), "11", or ""
  bool numberBelow = false;  // the shepherd's dial writes "1" below a month name
};

// A whole degree of altitude on the shepherd's altitude scale.
struct AltitudeTick {
  double shadow = 0;  // mm along the shadow axis
  int degrees = 0;
  bool major = false;  // multiple of 5: long tick and number
};

struct AltitudeDialGeometry {
  AltitudeDialDimensions dims;
  DateAxis axis;
  double mmPerDay = 0;
  HourLinePlan plan;
  std::vector<HourCurve> curves;  // in drawing order; empty when refused
  std::vector<DateMark> dateMarks;
  std::vector<AltitudeTick> ticks;  // shepherd's dial with the altitude scale
};

// The whole geometry for the given dimensions.
AltitudeDialGeometry BuildAltitudeDial(const DialSettings& s, const AltitudeDialDimensions& dims);

// Traces one hour line: the days D1..D2 in steps of 3 (the last step ends at D2);
// consecutive visible samples are joined, and a segment that leaves the scale or
// crosses the horizon ends at the interpolated crossing.
HourCurve TraceHourLine(const DialSettings& s, const HourLine& line, const AltitudeDialDimensions& dims,
                        const DateAxis& axis, double mmPerDay);

// Hour numbers start close together where the lines begin; each number moves by
// `step` (output units) until its box no longer overlaps one placed before. Boxes
// are (left, top, width, height) in output units with y downwards; the placed box
// is added to `placed` and its top-left corner returned.
struct LabelBox {
  double x = 0, y = 0, w = 0, h = 0;
};
PointD PlaceWithoutOverlap(std::vector<LabelBox>& placed, LabelBox box, PointD step);

// --- Texts both outputs write, in the current language ---

// "Zylindersonnenuhr" and " (Hirtensonnenuhr)", or "Höhensonnenuhr (horiz.)" (second empty).
std::pair<std::string, std::string> AltitudeDialTitle(AltitudeDialKind kind);
// Latitude and longitude with two decimals; " Grad" after each number, or "°".
std::string AltitudeDialPositionLine(const DialSettings& s, bool degreeSigns);
// The kind of time of the hour lines: local time or the zone meridian's (the plot file
// says "Zonenzeit" where the canvas says " WOZ am Zonenmeridian"), with or without the
// equation of time, followed by " Temporalstunden" when temporal hours are drawn. The
// altitude dial names temporal hours alone, in square brackets.
std::string AltitudeDialTimeLine(const DialSettings& s, AltitudeDialKind kind, bool plotFile, bool temporal);
// "Zeigerlänge = 70 mm" beside the shepherd's gnomon (no decimals).
std::string GnomonLengthText(double gnomon);
// "Höhe der Schattenkante = 25.00 mm" beside the altitude dial's edge symbol.
std::string EdgeHeightText(double edgeHeight);
// The note beside a shepherd's date axis that was shortened.
std::string ShepherdAxisReducedNote();

}  // namespace skiagraf
