#include "dials/PlanarGeometry.h"

#include <cmath>

#include "dials/DegreeMath.h"

namespace skiagraf {

double PoleGuardedLatitude(double latitude) {
  if (std::fabs(std::fabs(latitude) - 90.0) < 0.0005) return latitude < 0 ? -89.999 : 89.999;
  return latitude;
}

PolarStyleData ComputePolarStyle(double latitude, double wallDeclination, double inclination,
                                 double gnomonHeight) {
  PolarStyleData r;
  const double phi = PoleGuardedLatitude(latitude);
  const double D = wallDeclination;
  const double z = inclination;
  const double g = gnomonHeight;

  const double I = CosD(D) * SinD(z) - SinD(phi) * CosD(z) / CosD(phi);
  r.Denominator = I;
  if (std::fabs(I) < 1e-7) {
    r.StyleParallel = true;
  } else {
    r.Sx = -g * SinD(D) / I;
    r.Sy = g * (CosD(z) * CosD(D) + SinD(phi) * SinD(z) / CosD(phi)) / I;
    if (std::fabs(r.Sx) + std::fabs(r.Sy) < 0.005) r.StylePerpendicular = true;
  }

  if (!r.StylePerpendicular) {
    // Style height: asin(Q), computed the long way so that rounding residues of
    // 1/Q^2 - 1 below zero are clamped instead of producing NaN.
    const double Q = -CosD(phi) * I;
    if (std::fabs(Q) <= 1e-8) {
      r.StyleHeight = 0.0;
    } else {
      double y = AtanD(std::sqrt(std::fmax(0.0, 1.0 / (Q * Q) - 1.0)));
      if (I > 0) y = 180.0 - y;
      r.StyleHeight = 90.0 - y;
    }
    const double s = SinD(r.StyleHeight);
    if (std::fabs(s) > 1e-9) {
      // The distance from S to the tip; reported as a length, without the sign of
      // the style height.
      r.StyleLength = std::fabs(g / s);
      r.HasStyleLength = true;
    }
    double M;
    if (std::fabs(SinD(D)) < 1e-7) {
      M = std::fabs(D) >= 1 ? 90.0 : -90.0;
    } else {
      M = AtanD((TanD(phi) * SinD(z) + CosD(z) * CosD(D)) / SinD(D));
    }
    r.SubstyleDirection = M + 90.0;
  }

  // Hour angle of the substyle.
  double T;
  if (std::fabs(std::fabs(z) - 90.0) < 0.01) {
    T = -TanD(D) / SinD(phi);
  } else {
    T = -SinD(D) * SinD(z) / (SinD(z) * CosD(D) * SinD(phi) + CosD(phi) * CosD(z));
  }
  double P = AtanD(T);
  // tan(180 deg) is not exactly 0 in floating point; a residue must not decide on
  // which side of midnight a north-facing wall's substyle lies.
  if (std::fabs(P) < 1e-9) P = 0.0;
  double H;
  if (std::fabs(D) > 90 && D > 90) {
    H = -P;
    if (H >= 180) H -= 360;
    else if (H <= -180) H += 360;
    if (H < 0) H += 180;
  } else if (std::fabs(D) > 90 && D < -90) {
    H = 180 - P;
    while (H > 0) H -= 180;
  } else if (D != 0) {
    H = -P;
  } else {
    H = P;
  }
  r.SubstyleTime = 12.0 + H / 15.0;
  return r;
}

std::string ClockText(double t) {
  const char* sign = (t > -1 && t < -0.0083) ? "-" : "";
  const double whole = std::trunc(t);
  long minutes = std::lround((t - whole) * 60.0);
  long hours = static_cast<long>(whole);
  if (minutes == 60) {
    hours = static_cast<long>(std::trunc(t + 1));
    minutes = 0;
  } else if (minutes == -60) {
    hours = static_cast<long>(std::trunc(t - 1));
    minutes = 0;
  }
  const long m = std::labs(minutes);
  std::string text = std::string(sign) + std::to_string(hours) + ":" + (m < 10 ? "0" : "") + std::to_string(m);
  if (text.size() < 6) text.insert(0, 6 - text.size(), ' ');
  return text;
}

double Atan2Degrees(double y, double x) {
  if (x == 0) return 90.0 * Sgn(y);
  if (y == 0) return x > 0 ? 0.0 : 180.0;
  return AtanD(y / x) + 90.0 * (1.0 - Sgn(x)) * Sgn(y);
}

EquivalentDial EquivalentHorizontalDial(double inclination, double wallDeclination, double latitude) {
  const double z = inclination, D = wallDeclination, phi = latitude;
  EquivalentDial e;
  const double t = SinD(phi) * CosD(z) - CosD(phi) * SinD(z) * CosD(D);
  e.Latitude = std::fabs(t) >= 1 ? Sgn(t) * 90.0 : AsinD(t);
  e.LongitudeShift = Atan2Degrees(SinD(z) * SinD(D), CosD(phi) * CosD(z) + SinD(phi) * SinD(z) * CosD(D));
  e.Rotation = Atan2Degrees(CosD(phi) * SinD(D), SinD(phi) * SinD(z) + CosD(phi) * CosD(D) * CosD(z));
  return e;
}

std::array<double, 13> DaylightHourDeclinations(double latitude, double maxDeclination) {
  std::array<double, 13> d{};
  for (int n = 1; n <= 12; ++n) {
    if (std::fabs(latitude) < 0.01) {
      d[n] = 0.0;
      continue;
    }
    const double a = std::fabs(latitude);
    const double v = AtanD(SinD(7.5 * n) * CosD(a) / SinD(a));
    if (v > maxDeclination) d[n] = kNoDeclination;
    else if (std::fabs(v) >= 1) d[n] = v;
    else d[n] = 0.0;
  }
  return d;
}

}  // namespace skiagraf
