#pragma once

#include <string>

#include "text/Language.h"

namespace skiagraf {

// Rise and set of sun and moon, begin and end of twilight, found for one day in zone
// time with low-precision series and a quadratic interpolation over two-hour windows;
// and the geometric rise and set the dial constructions use.

enum class EventKind { Moon = 1, Sun = 2, Twilight = 3 };

// Twilight kinds: 0 civil (-6 degrees), 1 nautical (-12), 2 astronomical (-18).
enum class TwilightKind { Civil = 0, Nautical = 1, Astronomical = 2 };

// Threshold altitude (degrees) of an event kind: moon +8', sun -50', twilight by kind.
double ThresholdAltitude(EventKind kind, TwilightKind twilight);

// Name of a twilight kind as the window and the tables show it.
std::string TwilightName(TwilightKind twilight, Language language);

// Local mean sidereal time in hours 0..24 for a modified Julian date (UT) and a
// longitude (east negative).
double LocalSiderealTime(double mjd, double longitude);

struct EquatorialPosition {
  double RightAscension = 0.0;  // hours 0..24
  double Declination = 0.0;     // degrees
};

// T in Julian centuries from J2000.0.
EquatorialPosition LowPrecisionSun(double t);
EquatorialPosition LowPrecisionMoon(double t);

// Sine of the altitude of the moon (kind Moon) or the sun (any other kind) at `hour`
// hours after the day origin `mjd0`.
double SinAltitude(EventKind kind, double sinLatitude, double cosLatitude, double longitude, double hour,
                   double mjd0);

struct QuadraticRoots {
  double Xe = 0.0, Ye = 0.0;  // extremum
  int Count = 0;              // roots within -1..+1
  double Z1 = 0.0, Z2 = 0.0;
};

// The parabola through (-1, yMinus), (0, y0), (+1, yPlus): extremum and roots.
QuadraticRoots QuadraticInterpolation(double yMinus, double y0, double yPlus);

// Where and when the events of one day are searched.
struct RiseSetDay {
  double Mjd0 = 0.0;  // modified Julian date of 0 h zone time of the day
  double Latitude = 0.0;
  double Longitude = 0.0;
  TwilightKind Twilight = TwilightKind::Civil;
};

struct RiseSetResult {
  bool RiseFound = false, SetFound = false;
  double Rise = 0.0, Set = 0.0;  // zone time, hours after 0 h
  bool AboveAtStart = false;
  bool EventMissing = false;  // a rise or set (or both) was not found
  std::string RiseText;       // FormatEventTime of the rise, " -----" or "" (no event at all)
  std::string SetText;
  std::string Block;          // the 14-character block of the kind for a table line
};

// The search over zone time 0 h .. 24 h of one day for one kind of event.
RiseSetResult FindRiseSet(EventKind kind, const RiseSetDay& day, Language language);

// Hours as "hhh:mm" (6 characters) rounded to whole minutes; 24 h reads " 24:00".
std::string FormatEventTime(double hours);

// The day origin of a date: modified Julian date of 0 h zone time.
double DayOrigin(int day, int month, int year, double zoneMeridian);

struct SemiDiurnalArcResult {
  double HourAngle = 0.0;  // H0 of sunset, degrees 0..180
  double Azimuth = 0.0;    // azimuth at H0
  // The sun is above the horizon at its lower culmination: on some days it neither
  // rises nor sets. Callers show phrase 227 for this.
  bool NoRiseOrSet = false;
};

SemiDiurnalArcResult SemiDiurnalArc(double declination, double latitude);

struct GeometricRiseSetResult {
  double Declination = 0.0;
  double Rise = 0.0, Set = 0.0;  // apparent solar time, hours
  double RiseAzimuth = 0.0, SetAzimuth = 0.0;
};

GeometricRiseSetResult GeometricRiseSet(int year, double day, double longitude, double latitude);

struct RiseSetTimes {
  double Rise = 0.0, Set = 0.0;  // clock hours; 0/24 when the sun never sets, -1/0 when it never rises
};

// Sunrise and sunset as clock hours of zone time for the meridian `longitude`
// (no refraction, no equation of time).
RiseSetTimes SunriseSunsetTimes(int year, double day, double longitude, double latitude, double zoneMeridian);

}  // namespace skiagraf
