#pragma once

#include <optional>
#include <string>
#include <vector>

#include "astro/RiseSet.h"
#include "astro/SunPosition.h"
#include "text/Language.h"

namespace skiagraf {

// The result list of the sun-position window, built in one place: the window shows
// and prints these lines and labels, the command line prints the same lines.

// Calculation modes of the window.
enum class SunReportMode { RiseSet = 1, Position = 2, AzimuthTime = 4, EquationOfTime = 8 };

// Input ranges the window accepts.
constexpr int kMinYear = 1300;
constexpr int kMaxYear = 2500;

struct SunReportRequest {
  SunReportMode Mode = SunReportMode::EquationOfTime;
  int Year = 1999, Month = 6, Day = 22;
  // Clock time in hours for the position; empty when the time edit is empty.
  std::optional<double> Time;
  // Target azimuth for the time of an azimuth; empty when the edit is empty.
  std::optional<double> Azimuth;
  TimeKind Kind = TimeKind::Zone;                // kind of the clock time (position)
  TwilightKind Twilight = TwilightKind::Civil;  // twilight of the rise/set lines
  double Latitude = 0.0, Longitude = 0.0, ZoneMeridian = 0.0;
  Language Lang = Language::German;
};

// What the window's result labels show for the mode (empty when the mode has none).
struct SunReportLabels {
  std::string Declination;     // declination + " Grad"/" deg "
  std::string EquationOfTime;  // [-]m:ss + "  min:sec"
  std::string Altitude;
  std::string Azimuth;
  std::string AzimuthTime;  // the zone time of the azimuth, "hhh:mm:ss  hh:mm:ss"
  // Rise and set, each followed by the unit " hh:min" unless an event of its kind is missing.
  std::string Sunrise, Sunset;            // lAufgang, lUntergang
  std::string TwilightBegin, TwilightEnd;  // lAnfang, lEnde
  std::string Moonrise, Moonset;          // lMondauf, lmondunter
};

struct SunReport {
  // False when the time (position) or the azimuth (time of an azimuth) is missing:
  // the window then fills that edit with phrase 67 and focuses it; nothing is computed.
  bool Computed = false;
  std::string MissingInput;  // "time" or "azimuth" when not computed
  int Day = 0;               // the day computed for: 15 for 1582-10-05 .. 1582-10-14
  std::vector<std::string> Lines;
  SunReportLabels Labels;
  // Messages the window shows in boxes, in the order they arise.
  std::vector<BoxMessage> Messages;
};

SunReport BuildSunReport(const SunReportRequest& request);

// The clock time of the time edit: "h", "h:mm" or "h:mm:ss" (a blank counts as ":"),
// hours 0..23, minutes and seconds 0..59; an empty text is 12:00:00. Empty result when
// the text is not a time of day.
std::optional<double> ParseClockTime(const std::string& text);

// Hours as "hh:mm:ss", rounded to whole seconds.
std::string FormatClockTime(double hours);

// The longitude lies more than 14 degrees from the zone meridian; the window asks
// FarFromZoneQuestion before it computes.
bool FarFromZone(double longitude, double zoneMeridian);
std::string FarFromZoneQuestion(Language language);

}  // namespace skiagraf
