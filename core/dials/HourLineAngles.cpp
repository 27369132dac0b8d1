#include "dials/HourLineAngles.h"

#include <algorithm>
#include <cmath>

#include "base/NumberFormat.h"
#include "dials/DegreeMath.h"
#include "dials/DialText.h"
#include "dials/PlanarGeometry.h"
#include "dials/PlanarInfoText.h"

namespace skiagraf {

namespace {

double DayArc(double declination, double latitude, double poleLimit) {
  if (std::fabs(latitude) >= poleLimit) return 180.0;
  return AcosD(-TanD(declination) * TanD(latitude));
}

std::string PeriodTime(double hourAngle) { return ClockText(hourAngle / 15.0 + 12.0); }

}  // namespace

SunlitPeriodResult SunlitPeriod(double zenithDistance, double wallDeclination, double latitude, double shift,
                                double eps) {
  SunlitPeriodResult r;
  const double phi = latitude;
  double h0max = 180.0;
  if (std::fabs(phi) < 70) h0max = AcosD(-TanD(phi > 0 ? eps : -eps) * TanD(phi));
  double HA1 = 180.0, HA2 = -180.0, M1 = -h0max, M2 = h0max;
  bool single = false;

  EquivalentDial eq = EquivalentHorizontalDial(zenithDistance, wallDeclination, phi);
  double phiP = eq.Latitude;
  if (std::fabs(phiP) < 1e-10) phiP = (Sgn(phiP) + 0.5) * 1e-10;
  const double dLambda0 = std::fabs(eq.LongitudeShift) < 1e-10 ? 0.0 : eq.LongitudeShift;

  for (int i = 0; i <= 940; ++i) {
    const double delta = i == 0 ? eps : (i == 940 ? -eps : 23.5 - 0.05 * i);
    const double H0 = DayArc(delta, phi, 89.99);
    const double H0p = DayArc(delta, phiP, 89.9);
    double dLambda = dLambda0;
    double E = dLambda - H0p;
    if (E < -180) E += 360;
    double F = dLambda + H0p;
    if (F > 180) F -= 360;

    double first = 999, last = 999;
    single = false;
    if (std::fabs(H0p - 180) < 0.01) {
      first = -H0;
      last = H0;
      M1 = H0;
      dLambda = 0;
      single = true;
    } else if (H0p < 0.03) {
      dLambda = 0;
    } else if (E < F) {
      if (F > -H0 && E < H0) {
        first = std::max(E, -H0);
        last = std::min(F, H0);
        single = true;
      }
    } else if (E > F && F < -H0) {
      if (E < H0) {
        first = std::max(E, -H0);
        last = H0;
      }
    } else if (E > F && F > -H0 && F <= H0) {
      first = -H0;
      last = E >= H0 ? F : H0;
    } else if (E > F && F > H0) {
      // The lit arc of the face wraps round and holds the whole day arc: the sun
      // shines on the face from sunrise to sunset.
      first = -H0;
      last = H0;
    }

    if (dLambda > 0) {
      if (-H0 < F && F < H0 && F > M1) M1 = F;
      if (E < H0 && E <= M2) M2 = E;
    } else if (dLambda < 0) {
      const double U = 360 - H0p + dLambda;
      if (-H0 < U && U < H0 && U <= M2) M2 = U;
      if (F >= -H0 && F > M1) M1 = F;
    }
    if (first != 999 && first < HA1) {
      HA1 = first;
      r.DeclinationAtHA1 = delta;
    }
    if (last != 999 && last > HA2) HA2 = last;
  }

  r.SinglePeriod = single || M1 >= M2 || M1 >= HA2 || M2 <= HA1;
  if (r.SinglePeriod) {
    r.Text = "         " + PeriodTime(HA1 + shift) + " - " + PeriodTime(HA2 + shift);
  } else {
    r.Text = PeriodTime(HA1 + shift) + " - " + PeriodTime(M1 + shift) + "; " + PeriodTime(M2 + shift) + " - " +
             PeriodTime(HA2 + shift);
  }
  r.HA1 = HA1 + shift;
  r.HA2 = HA2 + shift;
  r.MorningEnd = M1 + shift;
  r.AfternoonStart = M2 + shift;
  return r;
}

HourLineAngleTable ComputeHourLineAngles(const DialSettings& s, double zoom) {
  const double g = std::round(s.GnomonHeight * zoom * 100.0) / 100.0;
  return ComputeHourLineAngles(s, !s.BifilarLocalTime, g);
}

HourLineAngleTable ComputeHourLineAngles(const DialSettings& s, bool zoneCorrection, double gnomonHeight) {
  HourLineAngleTable t;
  const char type = s.DialTypeCode;
  const double phi = s.Latitude, lambda = s.Longitude, lambdaZ = s.ZoneMeridian;
  const double D = type == 'h' ? 0.0 : s.WallDeclination;
  const double zeta = type == 'h' ? 0.0 : (type == 'v' ? 90.0 : s.WallInclination);
  const double eps = s.SolsticeDeclination;

  t.DialKindLabel = std::string(Bilingual("Winkel der Stundenlinien einer ", "Angles of the Hour Lines in a")) +
                    (type == 'h'   ? Bilingual("horizontalen Sonnenuhr", " Horizontal Sundial")
                     : type == 'v' ? Bilingual("vertikalen Sonnenuhr", " Vertical Sundial")
                                   : Bilingual("inklinierenden Sonnenuhr", "n Inclining Sundial"));

  // Sunlit period of the face.
  const SunlitPeriodResult sun = SunlitPeriod(zeta, D, phi, 0.0, eps);
  t.HA1 = sun.HA1;
  t.HA2 = sun.HA2;
  t.SunlitText = sun.Text;
  t.SunlitLabel = sun.Text + "   " + Bilingual(" Wahre Ortszeit", " Local Apparent Time");
  t.FooterTitle = std::string(Bilingual("Sonne auf dem Zifferblatt: ", "Sun on Sundial Plane: ")) + t.SunlitLabel;

  // Dial data, then the quantities of the face.
  PlanarInfoOptions o;
  o.dialType = type;
  o.umbrella = false;
  o.wholeHourDateLines = s.WholeHourDateLines;
  o.maxDeclination = eps;
  PlanarInfoTexts info;
  PlanarDialInfoText(o, phi, lambda, D, zeta, gnomonHeight, info);
  t.MemoLines = info.lines;

  const double arg = SinD(phi) * CosD(zeta) - CosD(phi) * SinD(zeta) * CosD(D);
  const double SH = arg > 0.9999999 ? 90.0 : (arg < -0.9999999 ? -90.0 : AsinD(arg));
  double F;
  if (type == 'h') {
    F = phi >= 0 ? 180.0 : 0.0;
  } else if (std::fabs(D * kRad) < 1e-4) {
    F = 0.0;
  } else {
    const double G = SinD(phi) * SinD(zeta) / CosD(phi) + CosD(zeta) * CosD(D);
    F = 90.0 - AtanD(G / SinD(D));
    if (SH * phi < 0 && std::fabs(F) < 90) F += 180;
    if (SH * phi > 0 && std::fabs(F) > 90) F += F > 0 ? -180 : 180;
  }
  if (type != 'h') F = F >= 0 ? F - 180 : F + 180;
  double I = AtanD(CosD(zeta) * TanD(D));
  const bool turnNorth = phi > 0 && SH > 0 && arg > 0 && std::fabs(D) < 90;
  const bool turnSouth = phi <= 0 && SH < 0 &&
                         SinD(phi) * CosD(zeta) + CosD(phi) * SinD(zeta) * CosD(D) < 0 && std::fabs(D) > 90;
  if (turnNorth || turnSouth) I = I >= 0 ? I - 180 : I + 180;
  t.StyleAngle = SH;
  t.SubstyleAngleInS = F;
  t.NoonLineAngle = I;

  const std::string deg = Bilingual(" Grad", " deg ");
  t.MemoLines.push_back(std::string("  ") +
                        Bilingual(" Winkel der Substilaren in S :        ", " Angle of sub-style in S :           ") +
                        FormatReal(F, 8, 3) + deg);
  t.MemoLines.push_back(std::string("  ") +
                        Bilingual(" Winkel Substilare-Polstab :          ", " Angle (sub-style,style) :           ") +
                        FormatReal(SH, 8, 3) + deg);
  t.MemoLines.push_back(std::string("  ") +
                        Bilingual(" Schatten auf Substilare um (WOZ) :   ", " Shadow on sub-style at local app. time:") +
                        "  " + info.SubstyleTimeText);
  if (type != 'h') {
    t.MemoLines.push_back(std::string("  ") +
                          Bilingual(" Winkel (Falllinie-Mittagslinie) :    ", " Angle (steepest slope,noon line) :   ") +
                          " " + FormatReal(I, 8, 3) + deg);
  }

  // Grid.
  int K = s.BifilarHourInterval - '0';
  if (K < 0 || K > 9) K = 0;
  if (K > 3) K = 5;
  t.Parts = K + 1;
  const int m = 60 / (K + 1);
  const int start = s.MainTimeStart, end = s.MainTimeEnd;
  const int hours = std::max(0, end - start + 1);
  t.Grid.assign(static_cast<size_t>(1 + (K == 5 ? 2 * hours : hours)), {});
  for (int g = 0; g < 4; ++g) {
    t.Grid[0][4 * g] = std::string(Bilingual("Zeit", "Time")) + "[hh;mm]";
    t.Grid[0][4 * g + 1] = deg + "[dd.dd]";
    t.Grid[0][4 * g + 2] = " tan(alpha)";
  }
  for (auto& row : t.Angles) row.fill(kNoAngle);

  // Where the cells of hour n, part j sit.
  auto rowOf = [&](int n, int j) { return K == 5 ? 2 * (n - start) + 1 + (j >= 4 ? 1 : 0) : n - start + 1; };
  auto groupOf = [&](int j) { return j <= 3 ? j : j - 3; };
  auto cellOf = [&](int n, int j) -> std::string& {
    return t.Grid[static_cast<size_t>(rowOf(n, j))][static_cast<size_t>(4 * groupOf(j) + 1)];
  };

  for (int n = start; n <= end; ++n) {
    if (n < 0 || n > 24) continue;
    for (int j = 0; j <= K && n + j / 6.0 <= end; ++j) {
      double tau = (j * m / 60.0 + n - 12) * 15.0;
      if (zoneCorrection) tau = tau - lambda + lambdaZ;
      if (std::fabs(tau) < 1e-17) tau = 1e-17;
      if (tau == 90) tau = 89.999999999;
      if (tau == -90) tau = -89.999999999;
      const double c = -CosD(tau) / SinD(tau);
      const double N = CosD(zeta) * (SinD(phi) * CosD(D) + SinD(D) * c) - CosD(phi) * SinD(zeta);
      double Q = CosD(D) * c - SinD(phi) * SinD(D);
      if (std::fabs(Q) < 1e-17) Q = (Sgn(Q) + 0.1) * 1e-17;
      double A = AtanD(N / Q);
      if (type == 'h') {
        if (tau > 90) A += 180;
        else if (tau < -90) A -= 180;
      } else {
        while (A > 180) A -= 360;
        while (A < -180) A += 360;
        if (std::fabs(SH) <= 1e-6) {
          A = F;
        } else if (SH > 0) {
          if (tau <= 0 && (A < I || std::fabs(A - I) > 180)) A += 180;
          else if (tau >= 0 && (A > I || std::fabs(A - I) > 180)) A -= 180;
        } else {
          if (tau <= 0 && (A > I || std::fabs(I - A) > 180)) A -= 180;
          else if (tau >= 0 && (A < I || std::fabs(A - I) > 180)) A += 180;
        }
      }
      if (A > 180) A -= 360;
      if (A < -180) A += 360;

      double cosA = CosD(A);
      if (std::fabs(cosA) < 1e-12) cosA = cosA < 0 ? -1e-12 : 1e-12;
      const double tanA = SinD(A) / cosA;
      auto& row = t.Grid[static_cast<size_t>(rowOf(n, j))];
      const size_t col = static_cast<size_t>(4 * groupOf(j));
      row[col] = std::to_string(n) + ":" + (j == 0 ? std::string("00") : std::to_string(j * m));
      row[col + 1] = FormatReal(A, 9, 2);
      if (j <= 3) {
        if (tanA >= 10000) row[col + 2] = "   >10000";
        else if (tanA <= -10000) row[col + 2] = "  <-10000";
        else if (std::fabs(tanA) >= 100) row[col + 2] = FormatReal(tanA, 9, 2);
        else row[col + 2] = FormatReal(tanA, 9, 3);
      } else {
        row[0] = " ";
        row[col + 2] = FormatReal(tanA, 9, 3);
      }
      t.Angles[static_cast<size_t>(n)][static_cast<size_t>(j)] = A;
    }
  }

  // Continuity passes: an hour line must not jump by half a turn against its
  // neighbours; such an entry is turned by 180 degrees.
  if (end >= start) {
    const int middle = static_cast<int>(std::lround((t.HA1 + t.HA2) / 30.0)) + 12;
    auto turn = [&](double& a, double& previous) -> bool {
      const double d = std::fabs(previous - a);
      bool turned = false;
      if (d > 90 && d < 300) {
        a += SH >= 0 ? 180 : -180;
        turned = true;
      }
      previous = a;
      return turned;
    };
    int M = std::clamp(std::max(middle, start), 0, 24);
    double previous = t.Angles[static_cast<size_t>(M)][0];
    for (int n = M; n <= end && n <= 24; ++n) {
      for (int j = 0; j <= K && n + j / 6.0 <= end; ++j) {
        double& a = t.Angles[static_cast<size_t>(n)][static_cast<size_t>(j)];
        if (a == kNoAngle) continue;
        if (turn(a, previous)) cellOf(n, j) = FormatReal(a, 9, 2);
      }
    }
    M = std::clamp(std::min(middle, end), 0, 24);
    previous = t.Angles[static_cast<size_t>(M)][0];
    for (int n = M; n >= start && n >= 0; --n) {
      for (int j = K; j >= 0; --j) {
        if (n + j / 6.0 > M) continue;
        double& a = t.Angles[static_cast<size_t>(n)][static_cast<size_t>(j)];
        if (a == kNoAngle) continue;
        if (turn(a, previous)) cellOf(n, j) = FormatReal(a, 9, 3);
      }
    }
  }
  return t;
}

}  // namespace skiagraf
