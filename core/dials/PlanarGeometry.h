#pragma once

#include <array>
#include <string>

namespace skiagraf {

// Geometry of a flat dial face of any orientation with a gnomon perpendicular to
// the face. Dial-face coordinates: origin P(0/0) at the gnomon foot, x to the right,
// y upwards along the face, millimetres. Angles are degrees.

// Data of the equivalent polar style (a rod parallel to the earth's axis through the
// gnomon tip).
struct PolarStyleData {
  double Sx = 0.0;                 // where the polar style meets the face ("S")
  double Sy = 0.0;
  double StyleHeight = 0.0;        // angle substyle/style, negative: style points to the south pole
  double StyleLength = 0.0;        // from S to the gnomon tip, mm (always >= 0)
  double SubstyleDirection = 0.0;  // at P, from the y axis, clockwise positive
  double SubstyleTime = 12.0;      // local apparent time of the shadow on the substyle, hours
  double Denominator = 0.0;        // I: cos D sin z - sin phi cos z / cos phi
  bool StyleParallel = false;      // the style is parallel to the face: S does not exist
  bool StylePerpendicular = false; // the style coincides with the gnomon: S = P
  bool HasStyleLength = false;     // false when the style height is 0 (length undefined)
};

// Latitude phi, wall declination D (east negative), inclination zeta of the face
// against the horizontal plane (0 horizontal, 90 vertical), gnomon height g in mm.
PolarStyleData ComputePolarStyle(double latitude, double wallDeclination, double inclination,
                                 double gnomonHeight);

// A latitude within 0.0005 degrees of a pole is moved to +-89.999.
double PoleGuardedLatitude(double latitude);

// A time of day in hours as "h:mm", left-padded to at least 6 characters; a minus sign
// only for -1 < t < -0.0083, minutes rounded half away from zero, 60 minutes carried.
std::string ClockText(double hours);

// Any plane as an equivalent horizontal dial: at latitude `Latitude`, with its clock
// shifted by `LongitudeShift` and its meridian turned by `Rotation` (degrees).
struct EquivalentDial {
  double Latitude = 0.0;
  double LongitudeShift = 0.0;
  double Rotation = 0.0;
};
EquivalentDial EquivalentHorizontalDial(double inclination, double wallDeclination, double latitude);

// Full-circle arctangent in degrees in (-180, 180].
double Atan2Degrees(double y, double x);

// Declinations delta(n), n = 0..12, of the days that last 12 + n hours at `latitude`.
// 999 marks a day length that the sun never reaches (declination beyond
// `maxDeclination`); 0 an entry that does not exist (equator, or below 1 degree).
constexpr double kNoDeclination = 999.0;
std::array<double, 13> DaylightHourDeclinations(double latitude, double maxDeclination);

}  // namespace skiagraf
