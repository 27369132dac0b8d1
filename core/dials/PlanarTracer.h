#pragma once

#include <functional>
#include <string>

#include "draw/Surface.h"
#include "model/DialSettings.h"

namespace skiagraf {

// The geometry of every line on a planar dial, written once for every output: the
// sun's position is projected through the gnomon tip onto the face, consecutive
// samples are joined by the segment rule, and lines are cut at the border. The
// canvas construction and the plot-file writer differ only in their PlanarViewport
// (units, origin, direction of y, visible area, cutting rectangle) and their
// PlanarOutput (what a pen move, a line, a label or a mark becomes).

// Per-dial parameters of the entry step.
struct PlanarFrame {
  char type = 'v';          // 'h', 'v', 'i'
  bool umbrella = false;
  bool vertical = false;    // the vertical projection (type 'v')
  double latitude = 0;      // the site's latitude
  double workLatitude = 0;  // latitude used for every sun position
  double timeShift = 0;     // hours added to clock times
  double rotation = 0;      // subtracted from sun azimuths before projecting
  double normalAltitude = 90;
  double normalAzimuth = 0;
  double wallDeclination = 0;
  double inclination = 0;   // of the face (inclined umbrella projection)
  double diskRatio = 0;     // umbrella disk radius, percent of the rod height
  double gnomon = 35;       // scaled gnomon height Gs, mm
  int year = 2020;
  double longitude = 0;
  double zoneMeridian = 0;
  double apparentReference = 0;  // reference longitude of the apparent-time lines
  double meanReference = 0;      // reference longitude of the figure-eight lines
  double zoomUsed = 1;           // zoom after the minimum gnomon height was applied
};

// The entry step: per-type parameters from the record, gnomon height x zoom.
PlanarFrame PlanarEntry(const DialSettings& s, double zoom);

// The plausibility check of an inclined umbrella dial: a disk too large for the
// inclination refuses the dial (false, after a warning); a disk radius of 0 is
// reported as an error and the dial is drawn all the same.
bool UmbrellaDialPossible(const DialSettings& s, const PlanarFrame& f);

// A sun position (degrees; azimuth from south, west positive).
struct SunAltAz {
  double altitude = 0;
  double azimuth = 0;
};

// The projection of a sun position relative to the gnomon foot, in millimetres with
// y downwards (as on a canvas), before any border test.
struct FaceProjection {
  double x = 0, y = 0;
  bool projectable = false;  // the projection's own test: sun up, on the right side
  bool inFront = false;      // the sun shines on the face
};
FaceProjection ProjectOnFace(const PlanarFrame& f, SunAltAz sun);

// Where projected millimetres land in output units and what is visible there.
struct PlanarViewport {
  PointD origin;       // the gnomon foot in output units
  double scale = 1;    // output units per millimetre
  double ySign = 1;    // +1: output y grows downwards; -1: upwards
  std::function<bool(PointD)> visible;  // the area test of the output
  double cutLeft = 0, cutTop = 0, cutRight = 0, cutBottom = 0;  // the border lines are cut at

  PointD ToOutput(double x, double yDown) const;
};

// One projected sample.
struct TracedSample {
  PointD point;
  bool visible = false;
  bool inFront = false;
};

// The line families of a planar dial, for outputs that list them section by section.
enum class PlanarFamily { StraightHours, MeanTimeLines, AnalemmaMarks, TemporalHours, BabylonianHours, ItalianHours,
                          AltitudeLines };

// What a traced line stands for, for outputs that list the lines one by one.
struct PlanarLineInfo {
  enum class Kind { Date, Declination, Hour, TemporalHour, BabylonianHour, ItalianHour, Altitude };
  Kind kind = Kind::Hour;
  std::string dateLabel;  // Date: the six-character label of the date line
  double value = 0;       // Declination: degrees; hour kinds: the hour with its fraction; Altitude: degrees
};

// The receiving end of the constructions: the canvas draws, a plot file writes
// commands. Pens are palette numbers 1..12.
class PlanarOutput {
 public:
  virtual ~PlanarOutput() = default;
  virtual void SelectPen(int palettePen) = 0;
  virtual void MoveTo(PointD p) = 0;
  virtual void LineTo(PointD p) = 0;
  // A line ends (the plotter lifts its pen).
  virtual void EndLine() {}
  // A text in the current pen's colour; `anchor` is its top-left corner.
  virtual void Label(PointD anchor, const std::string& text) = 0;
  // A date mark on the figure-eight line: a small circle, filled red when `filled`.
  virtual void Mark(PointD centre, bool filled) = 0;
  // The hour number of a Babylonian or Italian line beside its sample point: above
  // the point, or below it for Italian hours. On a canvas the text cell is placed from
  // the font height; a plot file places it in its own units.
  virtual void HourLabel(PointD sample, const std::string& text, bool below) {
    const double th = TextHeight();
    Label({sample.x, below ? sample.y + 0.1 * th : sample.y - 1.1 * th}, text);
  }
  // Notices for listings; a drawing ignores them.
  virtual void BeginFamily(PlanarFamily) {}
  virtual void BeginLine(const PlanarLineInfo&) {}
  // The next sample of a date line falls on the whole hour `hour`.
  virtual void WholeHourSample(int) {}
  // Every sample that the tracer has joined into a line (visible or not).
  virtual void Sampled(const TracedSample&) {}
  // A message that is drawn instead of a family (temporal hours on southern latitudes).
  virtual double TextHeight() const = 0;
};

// The foot point S of the polar style relative to the gnomon foot, for a gnomon of
// length C output units: x to the right, y upwards along the face. Type 'h':
// (0, -C / tan phi) with |phi| raised to 1e-5; the other types with the guards for
// a face turned almost exactly east or west, a latitude at a pole and a style
// parallel to the face.
PointD StyleFootOffset(const PlanarFrame& f, double C);

// Joins the samples of one line with the segment rule.
class LineTracer {
 public:
  LineTracer(const PlanarFrame& frame, const PlanarViewport& view, PlanarOutput& out)
      : frame_(frame), view_(view), out_(out) {}

  // The projection and visibility of a sun position, without drawing.
  TracedSample Sample(SunAltAz sun) const;

  // The first sample of a line: only positions the pen.
  TracedSample Start(SunAltAz sun);
  // Every later sample: joined to the previous one by the segment rule.
  TracedSample Next(SunAltAz sun);
  // Joins an already projected sample.
  void NextSample(const TracedSample& q);
  void StartSample(const TracedSample& q);
  bool Started() const { return started_; }
  const TracedSample& Last() const { return last_; }

  // Where P-Q leaves the cutting rectangle, going from P (P inside).
  PointD CutPoint(PointD p, PointD q) const;

 private:
  const PlanarFrame& frame_;
  const PlanarViewport& view_;
  PlanarOutput& out_;
  TracedSample last_;
  bool started_ = false;
};

}  // namespace skiagraf
