#include "astro/RiseSet.h"

#include <cmath>

#include "astro/Ephemeris.h"
#include "astro/SunPosition.h"
#include "base/NumberFormat.h"
#include "text/Texts.h"

namespace skiagraf {

namespace {

constexpr double kRadToDeg = 57.29577951471995;
constexpr double kTwoPi = 6.283185307;

// Fractional part with the sign of x (x minus its integer part toward zero).
double Frac(double x) { return x - std::trunc(x); }

// Fractional part in 0..1.
double FracPositive(double x) {
  double f = Frac(x);
  if (f < 0.0) f += 1.0;
  return f;
}

}  // namespace

double ThresholdAltitude(EventKind kind, TwilightKind twilight) {
  switch (kind) {
    case EventKind::Moon:
      return 0.13333333333333333;
    case EventKind::Sun:
      return -0.8333333333333334;
    case EventKind::Twilight:
      break;
  }
  switch (twilight) {
    case TwilightKind::Nautical:
      return -12.0;
    case TwilightKind::Astronomical:
      return -18.0;
    case TwilightKind::Civil:
      break;
  }
  return -6.0;
}

std::string TwilightName(TwilightKind twilight, Language language) {
  return Phrase(34 + static_cast<int>(twilight), language);
}

double LocalSiderealTime(double mjd, double longitude) {
  const double mjd0 = std::trunc(mjd);
  const double ut = (mjd - mjd0) * 24.0;
  const double t0 = (mjd0 - 51544.5) / 36525.0;
  const double gmst =
      6.697374558 + 1.0027379093 * ut + (8640184.812866 + (0.093104 - 0.0000062 * t0) * t0) * t0 / 3600.0;
  return 24.0 * FracPositive((gmst - longitude / 15.0) / 24.0);
}

EquatorialPosition LowPrecisionSun(double t) {
  const double m = kTwoPi * Frac(0.993133 + 99.997351 * t);
  const double dl = 6893.0 * std::sin(m) + 72.0 * std::sin(2.0 * m);
  const double l = kTwoPi * Frac(0.7859453 + m / kTwoPi + (6191.2 * t + dl) / 1296000.0);
  const double sl = std::sin(l), cl = std::cos(l);
  const double x = cl, y = 0.91748 * sl, z = 0.39778 * sl;
  const double rho = std::sqrt(1.0 - z * z);
  EquatorialPosition p;
  p.Declination = kRadToDeg * std::atan(z / rho);
  p.RightAscension = 7.639437268629327 * std::atan(y / (x + rho));
  if (p.RightAscension < 0.0) p.RightAscension += 24.0;
  return p;
}

EquatorialPosition LowPrecisionMoon(double t) {
  const double l0 = Frac(0.606433 + 1336.855225 * t);
  const double l = kTwoPi * Frac(0.374897 + 1325.552410 * t);
  const double ls = kTwoPi * Frac(0.993133 + 99.997361 * t);
  const double d = kTwoPi * Frac(0.827361 + 1236.853086 * t);
  const double f = kTwoPi * Frac(0.259086 + 1342.227825 * t);
  const double dl = 22640.0 * std::sin(l) - 4586.0 * std::sin(l - 2.0 * d) + 2370.0 * std::sin(2.0 * d) +
                    769.0 * std::sin(2.0 * l) - 668.0 * std::sin(ls) - 412.0 * std::sin(2.0 * f) -
                    212.0 * std::sin(2.0 * l - 2.0 * d) - 206.0 * std::sin(l + ls - 2.0 * d) +
                    192.0 * std::sin(l + 2.0 * d) - 165.0 * std::sin(ls - 2.0 * d) - 125.0 * std::sin(d) -
                    110.0 * std::sin(l + ls) + 148.0 * std::sin(l - ls) - 55.0 * std::sin(2.0 * f - 2.0 * d);
  const double s = f + (dl + 412.0 * std::sin(2.0 * f) + 541.0 * std::sin(ls)) / 206264.8062;
  const double h = f - 2.0 * d;
  const double n = -526.0 * std::sin(h) + 44.0 * std::sin(l + h) - 31.0 * std::sin(-l + h) -
                   23.0 * std::sin(ls + h) + 11.0 * std::sin(-ls + h) - 25.0 * std::sin(-2.0 * l + f) +
                   21.0 * std::sin(-l + f);
  const double lambda = kTwoPi * Frac(l0 + dl / 1296000.0);
  const double beta = (18520.0 * std::sin(s) + n) / 206264.8062;
  const double cb = std::cos(beta);
  const double x = std::cos(lambda) * cb, v = std::sin(lambda) * cb, w = std::sin(beta);
  const double y = 0.91748 * v - 0.39778 * w;
  const double z = 0.39778 * v + 0.91748 * w;
  const double rho = std::sqrt(1.0 - z * z);
  EquatorialPosition p;
  p.Declination = kRadToDeg * std::atan(z / rho);
  p.RightAscension = 7.639437268629327 * std::atan(y / (x + rho));
  if (p.RightAscension < 0.0) p.RightAscension += 24.0;
  return p;
}

double SinAltitude(EventKind kind, double sinLatitude, double cosLatitude, double longitude, double hour,
                   double mjd0) {
  const double mjd = mjd0 + hour / 24.0;
  const double t = (mjd - 51544.5) / 36525.0;
  const EquatorialPosition p = kind == EventKind::Moon ? LowPrecisionMoon(t) : LowPrecisionSun(t);
  const double tau = 15.0 * (LocalSiderealTime(mjd, longitude) - p.RightAscension) / kRadToDeg;
  const double dr = p.Declination / kRadToDeg;
  return std::sin(dr) * sinLatitude + std::cos(dr) * cosLatitude * std::cos(tau);
}

QuadraticRoots QuadraticInterpolation(double yMinus, double y0, double yPlus) {
  QuadraticRoots r;
  const double a = 0.5 * (yMinus + yPlus) - y0;
  const double b = 0.5 * (yPlus - yMinus);
  const double c = y0;
  if (a == 0.0) return r;  // a straight line: no roots reported, nothing divides by zero
  r.Xe = -b / (2.0 * a);
  r.Ye = (a * r.Xe + b) * r.Xe + c;
  const double d = b * b - 4.0 * a * c;
  if (d < 0.0) return r;
  const double dx = 0.5 * std::sqrt(d) / std::fabs(a);
  r.Z1 = r.Xe - dx;
  r.Z2 = r.Xe + dx;
  if (std::fabs(r.Z1) <= 1.0) ++r.Count;
  if (std::fabs(r.Z2) <= 1.0) ++r.Count;
  if (r.Z1 < -1.0) r.Z1 = r.Z2;
  return r;
}

std::string FormatEventTime(double hours) {
  const double x = std::trunc(hours * 60.0 + 0.5) / 60.0;
  const double h = std::trunc(x);
  const int minutes = static_cast<int>(std::trunc((x - h) * 60.0 + 0.5));
  std::string text = FormatInt(static_cast<long long>(h), 3) + ":";
  if (minutes < 10) text += '0';
  return text + std::to_string(minutes);
}

double DayOrigin(int day, int month, int year, double zoneMeridian) {
  return ModifiedJulianDate(day, month, year, 0.0) - zoneMeridian / -360.0;
}

RiseSetResult FindRiseSet(EventKind kind, const RiseSetDay& day, Language language) {
  RiseSetResult r;
  const double fr = day.Latitude * kDegToRad;
  const double sinLat = std::sin(fr), cosLat = std::cos(fr);
  const double sinH0 = std::sin(ThresholdAltitude(kind, day.Twilight) * kDegToRad);
  auto value = [&](double hour) {
    return SinAltitude(kind, sinLat, cosLat, day.Longitude, hour, day.Mjd0) - sinH0;
  };

  double hour = 1.0;
  double yMinus = value(hour - 1.0);
  r.AboveAtStart = yMinus > 0.0;
  do {
    const double y0 = value(hour);
    const double yPlus = value(hour + 1.0);
    const QuadraticRoots q = QuadraticInterpolation(yMinus, y0, yPlus);
    if (q.Count == 1) {
      if (yMinus < 0.0) {
        r.Rise = hour + q.Z1;
        r.RiseFound = true;
      } else {
        r.Set = hour + q.Z1;
        r.SetFound = true;
      }
    } else if (q.Count == 2) {
      if (q.Ye < 0.0) {
        r.Rise = hour + q.Z2;
        r.Set = hour + q.Z1;
      } else {
        r.Rise = hour + q.Z1;
        r.Set = hour + q.Z2;
      }
      r.RiseFound = r.SetFound = true;
    }
    yMinus = yPlus;
    hour += 2.0;
  } while (hour < 24.9999 && !(r.RiseFound && r.SetFound));

  const bool twilight = kind == EventKind::Twilight;
  if (r.RiseFound || r.SetFound) {
    r.RiseText = r.RiseFound ? FormatEventTime(r.Rise) : " -----";
    r.SetText = r.SetFound ? FormatEventTime(r.Set) : " -----";
    r.EventMissing = !(r.RiseFound && r.SetFound);
    // Twilight: end of the evening twilight before the beginning of the morning one.
    r.Block = twilight ? r.SetText + r.RiseText + "  " : r.RiseText + r.SetText + "  ";
  } else {
    r.EventMissing = true;
    if (r.AboveAtStart)
      r.Block = Phrase(twilight ? 69 : 68, language);
    else
      r.Block = Phrase(twilight ? 71 : 70, language);
  }
  return r;
}

namespace {

// Hour angle (degrees) from its cosine c, with the guards for days without rise or set.
double HourAngleFromCosine(double c, double zeroLimit, double oneLimit, bool oneInclusive) {
  if (std::fabs(c) < zeroLimit) return 90.0;
  const bool beyond = oneInclusive ? std::fabs(c) >= oneLimit : std::fabs(c) > oneLimit;
  if (beyond) return 90.0 - Sign(c) * 90.0;
  double h = std::atan(std::sqrt(1.0 - c * c) / c) / kDegToRad;
  if (h < 0.0) h += 180.0;
  return h;
}

double CosineOfHourAngle(double declination, double latitude) {
  const double fr = latitude * kDegToRad, dr = declination * kDegToRad;
  return -std::sin(fr) * std::sin(dr) / std::cos(fr) / std::cos(dr);
}

}  // namespace

SemiDiurnalArcResult SemiDiurnalArc(double declination, double latitude) {
  SemiDiurnalArcResult r;
  r.HourAngle = HourAngleFromCosine(CosineOfHourAngle(declination, latitude), 1e-12, 0.9999999, false);
  const HorizontalPosition p = HorizontalCoordinates(r.HourAngle, declination, latitude);
  r.Azimuth = p.Azimuth;
  // Above the horizon at the lower culmination: in the north of the sky for northern
  // latitudes, in the south (azimuth 0) for southern ones.
  r.NoRiseOrSet = p.Altitude > 0.1 && (std::fabs(p.Azimuth) == 180.0 || r.HourAngle == 180.0);
  return r;
}

GeometricRiseSetResult GeometricRiseSet(int year, double day, double longitude, double latitude) {
  GeometricRiseSetResult r;
  r.Declination = SunPositionNoonDeclination(year, day, false, 12.0, latitude, longitude, longitude).Declination;
  const double h0 = HourAngleFromCosine(CosineOfHourAngle(r.Declination, latitude), 1e-12, 0.9999999, false);
  const double v = h0 / 15.0;
  r.Rise = 12.0 - v;
  r.Set = 12.0 + v;
  r.RiseAzimuth = SunPositionNoonDeclination(year, day, false, r.Rise, latitude, longitude, longitude).Azimuth;
  r.SetAzimuth = SunPositionNoonDeclination(year, day, false, r.Set, latitude, longitude, longitude).Azimuth;
  return r;
}

RiseSetTimes SunriseSunsetTimes(int year, double day, double longitude, double latitude, double zoneMeridian) {
  const double d = SunPositionAtTime(year, day, false, 12.0, latitude, longitude, longitude).Declination;
  bool rises, sets;
  if (latitude > 0.0) {
    rises = d + 90.0 - latitude >= 0.0;
    sets = 90.0 - d - latitude >= 0.0;
  } else {
    rises = latitude + 90.0 - d >= 0.0;
    sets = latitude + 90.0 + d >= 0.0;
  }
  RiseSetTimes r;
  if (rises && sets) {
    double h0 = 90.0;
    if (!(90.0 - std::fabs(latitude) < 1e-6))
      h0 = HourAngleFromCosine(CosineOfHourAngle(d, latitude), 1e-15, 1.0, true);
    const double noon = 12.0 + (zoneMeridian - longitude) / 15.0;
    r.Rise = noon - h0 / 15.0;
    r.Set = noon + h0 / 15.0;
  } else if (rises) {
    r.Rise = 0.0;
    r.Set = 24.0;
  } else {
    r.Rise = -1.0;
    r.Set = 0.0;
  }
  return r;
}

}  // namespace skiagraf
