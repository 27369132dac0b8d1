#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/DialSettings.h"

namespace skiagraf {

// Earliest and latest sunshine on a face over the year.
struct SunlitPeriodResult {
  double HA1 = 180.0;        // earliest hour angle of sunshine (shift included), degrees
  double HA2 = -180.0;       // latest hour angle of sunshine (shift included)
  double DeclinationAtHA1 = 0.0;
  bool SinglePeriod = true;  // one period per day, or a morning and an afternoon period
  double MorningEnd = 0.0;   // end of the morning period (two-period faces), shift included
  double AfternoonStart = 0.0;
  std::string Text;          // "  7:12 - 16:40" or "t1 - t2; t3 - t4"
};

// Face normal with zenith distance `zenithDistance` (0 horizontal, 90 vertical) and
// azimuth `wallDeclination`, latitude `latitude`, hour-angle shift `shift` (0 for
// the angles table), maximum solar declination `maxDeclination`.
SunlitPeriodResult SunlitPeriod(double zenithDistance, double wallDeclination, double latitude, double shift,
                                double maxDeclination);

// Marks a missing angle in the hour-line angle table.
constexpr double kNoAngle = 500.0;

// The hour-line angles table of a planar dial: the grid as it is shown, the table of
// angles that the hour-line construction reads, the sunlit period and the memo lines.
struct HourLineAngleTable {
  static constexpr int kColumns = 16;
  std::vector<std::array<std::string, kColumns>> Grid;  // row 0 holds the headings
  std::array<std::array<double, 6>, 25> Angles{};       // [hour][part], kNoAngle where none
  int Parts = 2;                                        // K + 1 parts per hour
  double HA1 = 180.0, HA2 = -180.0;                     // hour-angle limits of sunshine
  std::string SunlitText;                               // the period text of the face
  std::string SunlitLabel;                              // SunlitText + the time-scale name
  std::string FooterTitle;                              // "Sonne auf dem Zifferblatt: " + SunlitText
  std::string DialKindLabel;                            // "Winkel der Stundenlinien einer ..."
  std::vector<std::string> MemoLines;                   // dial data and the face quantities
  double StyleAngle = 0.0;                              // SH
  double SubstyleAngleInS = 0.0;                        // F
  double NoonLineAngle = 0.0;                           // I
};

// Builds the table for the record's dial ('h', 'v', 'i'). `zoneCorrection` is the tick
// of the longitude check box: hour angles of apparent time at the zone meridian.
// `gnomonHeight` is the displayed gnomon height (gnomon height x zoom, rounded).
HourLineAngleTable ComputeHourLineAngles(const DialSettings& s, bool zoneCorrection, double gnomonHeight);

// The table with the longitude tick that the record's time choice implies (ticked when
// BifilarLocalTime is off), and the gnomon height of the record at zoom `zoom`.
HourLineAngleTable ComputeHourLineAngles(const DialSettings& s, double zoom = 1.0);

}  // namespace skiagraf
