#include "dials/PlanarHourLines.h"

#include <algorithm>
#include <cmath>

#include "astro/Ephemeris.h"
#include "astro/RiseSet.h"
#include "astro/SunPosition.h"
#include "base/UserInterface.h"
#include "dials/DateLines.h"
#include "dials/DegreeMath.h"
#include "dials/DialText.h"
#include "dials/PlanarGeometry.h"
#include "text/Texts.h"

namespace skiagraf {

namespace {

SunAltAz AltAz(const SunPosition& p) { return {p.Altitude, p.Azimuth}; }
SunAltAz AltAz(const HorizontalPosition& p) { return {p.Altitude, p.Azimuth}; }

void ShowLatitudeError(const std::string& text) {
  Ui().ShowMessage(Caption(CaptionKind::Problem), text, MessageIcon::Error);
}

// Days of a year-long hour line: the start day, then d0 + 5, d0 + 8, ... below 366.
template <typename F>
void ForHourLineDays(int d0, F&& f) {
  f(d0, true);
  for (int day = d0 + 5; day < 366; day += 3) f(day, false);
}

// One family of hour lines from hour a to hour b: straight lines (apparent time,
// from day 171) or figure-eight lines (mean time, from day 1).
void TraceHourFamily(PlanarFamilyContext& c, int a, int b, int startDay, bool meanTime, int parts, int fullPen,
                     int subPen, double referenceLongitude, bool toStyleFoot) {
  const PlanarFrame& f = c.frame;
  for (int h = a; h <= b; ++h) {
    for (int i = 0; i < parts; ++i) {
      const double T = h + static_cast<double>(i) / parts;
      if (T > b) continue;  // only its first sample would be taken: nothing is drawn
      c.out.SelectPen(i == 0 ? fullPen : subPen);
      c.out.BeginLine({PlanarLineInfo::Kind::Hour, {}, T});
      LineTracer tracer(f, c.view, c.out);
      double farthest = 0.01;
      bool haveFar = false;
      PointD farPoint;
      ForHourLineDays(startDay, [&](int day, bool first) {
        const SunPosition p = SunPositionAtTime(f.year, day, meanTime, T + f.timeShift, f.workLatitude,
                                                referenceLongitude, f.zoneMeridian);
        const TracedSample s = first ? tracer.Start(AltAz(p)) : tracer.Next(AltAz(p));
        if (toStyleFoot && s.visible) {
          const double d2 = std::pow(s.point.x - c.styleFoot.x, 2) + std::pow(s.point.y - c.styleFoot.y, 2);
          if (d2 > farthest) {
            farthest = d2;
            farPoint = s.point;
            haveFar = true;
          }
        }
      });
      c.out.EndLine();
      if (!toStyleFoot || !c.angles) continue;
      // The hour line continued to the foot point S of the polar style.
      const double dz = (referenceLongitude - f.zoneMeridian) * 4.0 / 60.0;
      const double hourAngle = 15.0 * (T - dz - 12.0);
      if (hourAngle < c.angles->HA1 || hourAngle > c.angles->HA2) continue;
      const PointD S = c.styleFoot;
      if (haveFar && std::fabs(farPoint.x) < 2 * c.drawingRight && std::fabs(farPoint.y) < 2 * c.drawingHeight) {
        c.out.MoveTo(farPoint);
        c.out.LineTo(S);
        c.out.EndLine();
      }
      if (farthest < 0.1) {
        const int hi = static_cast<int>(std::floor(T + 1e-9));
        // The table holds part j of hour n at [n][j], j counted in its own steps.
        const int part = static_cast<int>(std::lround((T - hi) * c.angles->Parts));
        if (hi < 0 || hi > 24 || part < 0 || part > 5) continue;
        const double ang = c.angles->Angles[static_cast<size_t>(hi)][static_cast<size_t>(part)];
        if (ang == kNoAngle) continue;
        const double L = S.x >= c.drawingRight - S.x ? S.x : c.drawingRight - 2;
        const double k = c.lineDirection;
        c.out.MoveTo(S);
        // The angle is taken on the face with y downwards; an output with y upwards
        // mirrors the y step.
        c.out.LineTo({S.x - k * L * SinD(ang), S.y - c.view.ySign * k * L * CosD(ang)});
        c.out.EndLine();
      }
    }
  }
}

}  // namespace

int PartsPerHour(char intervalCode) {
  const int minutes = HourIntervalMinutes(intervalCode);
  return minutes > 0 ? 60 / minutes : 1;
}

void DrawStraightHourLines(PlanarFamilyContext& c) {
  const DialSettings& s = c.settings;
  c.out.BeginFamily(PlanarFamily::StraightHours);
  TraceHourFamily(c, s.MainTimeStart, s.MainTimeEnd, 171, false, PartsPerHour(s.BifilarHourInterval), 3, 8,
                  c.frame.apparentReference, s.HourLinesToStyleFoot && !s.UmbrellaMode && c.hasStyleFoot);
}

void DrawMeanTimeLines(PlanarFamilyContext& c) {
  const DialSettings& s = c.settings;
  c.out.BeginFamily(PlanarFamily::MeanTimeLines);
  TraceHourFamily(c, s.EotTimeStart, s.EotTimeEnd, 1, true, PartsPerHour(s.EotHourInterval), 4, 2,
                  c.frame.meanReference, false);
}

void DrawAnalemmaWithMarks(PlanarFamilyContext& c) {
  const DialSettings& s = c.settings;
  const PlanarFrame& f = c.frame;
  c.out.BeginFamily(PlanarFamily::MeanTimeLines);
  TraceHourFamily(c, s.AnalemmaHour, s.AnalemmaHour, 1, true, 1, 4, 2, f.meanReference, false);
  c.out.BeginFamily(PlanarFamily::AnalemmaMarks);
  static const std::vector<std::vector<int>> kMarkDays = {{1}, {1, 15}, {7, 22}, {1, 11, 21}, {1, 8, 15, 22}};
  const auto& days = kMarkDays[static_cast<size_t>(std::clamp(s.AnalemmaMarkDays, 0, 4))];
  LineTracer tracer(f, c.view, c.out);
  for (int month = 1; month <= 12; ++month) {
    for (size_t k = 0; k < days.size(); ++k) {
      const int day = DayOfYear(f.year, month, days[k]);
      const SunPosition p = SunPositionAtTime(f.year, day, true, s.AnalemmaHour + f.timeShift, f.workLatitude,
                                              f.meanReference, f.zoneMeridian);
      const TracedSample smp = tracer.Sample(AltAz(p));
      if (smp.visible && (smp.inFront || f.umbrella)) c.out.Mark(smp.point, k == 0);
    }
  }
}

void DrawTemporalHours(PlanarFamilyContext& c) {
  const DialSettings& s = c.settings;
  const PlanarFrame& f = c.frame;
  const double phi = f.latitude;
  if (std::fabs(phi) > 66) {
    ShowLatitudeError(std::string(Bilingual(" Temporalstunden", " Temporal hours")) + " " +
                      Bilingual("sind nicht möglich (zu hohe geogr. Breite)!", "not possible. Latitude to high!"));
    return;
  }
  const int first = std::clamp(s.TemporalStart, 0, 12), last = std::clamp(s.TemporalEnd, 0, 12);
  const int parts = std::clamp(s.TemporalInterval, 0, 3) + 1;
  const int june21 = DayOfYear(f.year, 6, 21);
  c.out.BeginFamily(PlanarFamily::TemporalHours);
  c.out.SelectPen(10);

  auto halfDayArc = [&](double delta) {
    double cd = CosD(delta);
    if (std::fabs(cd) < 1e-12) cd = (Sgn(cd) + 0.5) * 1e-12;
    const double v = -SinD(phi) * SinD(delta) / (CosD(phi) * cd);
    if (std::fabs(v) > 1) return v > 0 ? 0.0 : 180.0;
    if (std::fabs(v) < 1e-12) return 90.0;
    double h0 = AtanD(std::sqrt(1 - v * v) / v);
    if (h0 < 0) h0 += 180;
    return h0;
  };

  for (int n = first; n <= last; ++n) {
    for (int k = 0; k < parts; ++k) {
      const double tau = n + static_cast<double>(k) / parts;
      if (tau > last) continue;
      c.out.BeginLine({PlanarLineInfo::Kind::TemporalHour, {}, tau});
      LineTracer tracer(f, c.view, c.out);
      auto sampleDay = [&](int day) {
        const double delta =
            SunPositionNoonDeclination(f.year, day, false, 12.0, phi, f.longitude, f.zoneMeridian).Declination;
        const double A = halfDayArc(delta) / 6.0 / 15.0;
        const double t = 12.0 - (6.0 - tau) * A;
        const SunPosition p = SunPositionAtTime(f.year, day, false, t + f.timeShift, f.workLatitude,
                                                f.zoneMeridian, f.zoneMeridian);
        tracer.Next(AltAz(p));
      };
      int day = june21;
      sampleDay(day);
      while (day < 356) {
        const int step = f.umbrella ? 5 : (day > 340 ? 15 : 10);
        day = std::min(day + step, 356);
        sampleDay(day);
      }
      c.out.EndLine();

      // Beyond the solstices, on northern latitudes: the lines continued in steps of
      // 0.1 degrees of declination up to the polar day and down to the polar night.
      if (!s.ExtendTemporalLines || phi <= 0) continue;
      const double eps = s.SolsticeDeclination;
      for (int side : {+1, -1}) {
        LineTracer ext(f, c.view, c.out);
        const double from = side * eps, to = side > 0 ? 90 - phi : phi - 90;
        const int steps = static_cast<int>(std::floor(std::fabs(to - from) / 0.1 + 1e-9));
        for (int i = 0; i <= steps; ++i) {
          const double delta = from + side * 0.1 * i;
          const double A = halfDayArc(delta) / 6.0 / 15.0;
          const double hourAngle = (12.0 - (6.0 - tau) * A - 12.0 + f.timeShift) * 15.0;
          ext.Next(AltAz(HorizontalCoordinates(hourAngle, delta, f.workLatitude)));
        }
        c.out.EndLine();
      }
    }
  }
}

void DrawBabylonianItalianHours(PlanarFamilyContext& c, bool italian) {
  const DialSettings& s = c.settings;
  const PlanarFrame& f = c.frame;
  if (std::fabs(f.latitude) > 65) {
    ShowLatitudeError(std::string(Bilingual("Italische und Babylonische Stunden", "Italian and Babylonian hours")) +
                      "\n" +
                      Bilingual("sind nicht möglich (zu hohe geogr. Breite)!", "not possible. Latitude to high!"));
    return;
  }
  const int a = italian ? s.ItalianStart : s.BabylonianStart;
  const int b = italian ? s.ItalianEnd : s.BabylonianEnd;
  const int parts = (italian ? s.ItalianInterval : s.BabylonianInterval) + 1;
  const int pen = italian ? 6 : 7;
  c.out.BeginFamily(italian ? PlanarFamily::ItalianHours : PlanarFamily::BabylonianHours);

  // The 19 days from 21 June to 21 December: the 1st, 11th and 21st of each month.
  struct Day {
    int doy;
    RiseSetTimes rs;
    bool september21;
  };
  std::vector<Day> days;
  for (int month = 6; month <= 12; ++month)
    for (int d : {1, 11, 21}) {
      if (month == 6 && d < 21) continue;
      const int doy = DayOfYear(f.year, month, d);
      days.push_back({doy, SunriseSunsetTimes(f.year, doy, f.longitude, f.latitude, f.zoneMeridian),
                      month == 9 && d == 21});
    }

  for (int n = a; n <= b; ++n) {
    for (int k = 0; k < parts; ++k) {
      const double part = static_cast<double>(k) / std::max(1, parts);
      if (n + part > b) continue;
      c.out.SelectPen(k == 0 ? pen : 8);
      c.out.BeginLine(
          {italian ? PlanarLineInfo::Kind::ItalianHour : PlanarLineInfo::Kind::BabylonianHour, {}, n + part});
      LineTracer tracer(f, c.view, c.out);
      bool labelled = false;
      for (const Day& d : days) {
        const double rise = d.rs.Rise, set = d.rs.Set;
        if (!(set > rise && rise > 0)) continue;
        const double t = italian ? set - (24.0 - n - part) : rise + n + part;
        if (t < rise || t > set) continue;
        const double apparent = t + f.timeShift - (f.zoneMeridian - f.longitude) / 15.0;
        const SunPosition p = SunPositionAtTime(f.year, d.doy, false, apparent, f.workLatitude, f.zoneMeridian,
                                                f.zoneMeridian);
        const TracedSample smp = tracer.Next(AltAz(p));
        if (k == 0 && n % 2 == 0 && d.september21 && smp.visible && !labelled) {
          c.out.HourLabel(smp.point, std::to_string(n), italian);
          c.out.MoveTo(smp.point);
          labelled = true;
        }
      }
      c.out.EndLine();
    }
  }
}

namespace {

// The morning azimuth at which the sun reaches altitude h on day `day`; -180 when it
// does not.
double MorningAzimuthOfAltitude(const PlanarFrame& f, int day, double h, double latitude) {
  auto pos = [&](double t) {
    return SunPositionAtTime(f.year, day, false, t, latitude, f.zoneMeridian, f.zoneMeridian);
  };
  double t = -0.5;
  SunPosition p = pos(t);
  while (p.Altitude <= h && t <= 14.5) {
    t += 0.2;
    p = pos(t);
  }
  if (p.Altitude <= h) return -180.0;
  while (p.Altitude > h && t > -0.5) {
    t -= 0.004;
    p = pos(t);
  }
  return pos(t + 0.002).Azimuth;
}

}  // namespace

void DrawAltitudeLines(PlanarFamilyContext& c) {
  const DialSettings& s = c.settings;
  const PlanarFrame& f = c.frame;
  const double phi = f.latitude;
  int setting = std::clamp(s.AltitudeInterval, 0, 3);
  if (setting == 2) setting = 3;
  const int parts = setting + 1;
  const double step = 10.0 / parts;
  const int june21 = DayOfYear(f.year, 6, 21), dec21 = DayOfYear(f.year, 12, 21);
  c.out.BeginFamily(PlanarFamily::AltitudeLines);
  c.out.SelectPen(5);

  auto project = [&](double h, double A) -> SunAltAz {
    if (f.type != 'i' || f.umbrella) return {h, A};
    // A point of the inclined face: through hour angle and declination at the site to
    // altitude and azimuth at latitude phi - zeta.
    const double sd = SinD(phi) * SinD(h) - CosD(phi) * CosD(h) * CosD(A);
    const double delta = AsinD(std::clamp(sd, -1.0, 1.0));
    const double t = Atan2Degrees(SinD(A) * CosD(h), CosD(A) * CosD(h) * SinD(phi) + SinD(h) * CosD(phi));
    double lat = phi - f.inclination;
    if (lat > 90) lat = 180 - lat;
    if (lat < -90) lat = -180 - lat;
    const HorizontalPosition p = HorizontalCoordinates(t, delta, lat);
    return {p.Altitude, p.Azimuth + f.rotation};
  };

  for (double h = 10.0 * std::floor(s.AltitudeLineStart / 10.0); h <= s.AltitudeLineEnd + 1e-9; h += step) {
    if (h > 113.45 - std::fabs(phi)) continue;  // never reached in June
    // The ends are searched for the northern mirror image of the site (21 June is
    // its summer), and mirrored north to south for a southern site.
    const double north = std::fabs(phi);
    double aJune = MorningAzimuthOfAltitude(f, june21, h, north);
    double aDec = h >= 66.55 - north ? 0.0 : MorningAzimuthOfAltitude(f, dec21, h, north);
    if (aJune == -180.0) continue;
    if (aDec == -180.0) aDec = 0.0;
    if (phi < 0) {
      aJune = -(180 - std::fabs(aJune));
      aDec = -(180 - std::fabs(aDec));
    }
    for (int side : {+1, -1}) {
      c.out.BeginLine({PlanarLineInfo::Kind::Altitude, {}, h});
      LineTracer tracer(f, c.view, c.out);
      const double dir = aDec >= aJune ? 2.0 : -2.0;
      const int n = static_cast<int>(std::floor(std::fabs(aDec - aJune) / 2.0));
      for (int i = 0; i <= n + 1; ++i) {
        const double A = i <= n ? aJune + dir * i : aDec;
        tracer.Next(project(h, side * A));
      }
      c.out.EndLine();
    }
  }
}

namespace {

// One date line of declination delta: 0 h .. 24 h in quarter hours; the first sample
// only positions the pen.
void TraceDeclinationLine(PlanarFamilyContext& c, double delta, const PlanarLineInfo& info) {
  const PlanarFrame& f = c.frame;
  c.out.BeginLine(info);
  LineTracer t(f, c.view, c.out);
  for (int i = 0; i <= 96; ++i) {
    const double hourAngle = 15.0 * (i * 0.25 + f.timeShift) - 180.0;
    const HorizontalPosition p = HorizontalCoordinates(hourAngle, delta, f.workLatitude);
    if (i % 4 == 0) c.out.WholeHourSample(i / 4);
    if (i == 0) t.Start(AltAz(p));
    else t.Next(AltAz(p));
  }
  c.out.EndLine();
}

}  // namespace

void DrawWholeHourDateLines(PlanarFamilyContext& c) {
  const DialSettings& s = c.settings;
  if (!s.WholeHourDateLines) return;
  const double eps = s.SolsticeDeclination;
  c.out.SelectPen(11);
  const auto table = DaylightHourDeclinations(s.Latitude, eps);
  for (int sign : {+1, -1})
    for (int n = 0; n <= 12; ++n) {
      if (table[static_cast<size_t>(n)] > eps) continue;
      if (n > 0 && table[static_cast<size_t>(n)] == 0.0) continue;  // no such day
      if (n == 0 && sign < 0) continue;                             // the equinox line once
      const double delta = sign * table[static_cast<size_t>(n)];
      TraceDeclinationLine(c, delta, {PlanarLineInfo::Kind::Declination, {}, delta});
    }
}

void DrawDateLines(PlanarFamilyContext& c) {
  const DialSettings& s = c.settings;
  const PlanarFrame& f = c.frame;
  const std::vector<DateLine> dates = DateLineList(s.DateLineMode, s);
  const int march21 = DayOfYear(f.year, 3, 21), september23 = DayOfYear(f.year, 9, 23);
  c.out.SelectPen(1);
  for (const DateLine& d : dates) {
    if (d.day == 0) continue;
    if (s.DateLineMode == '0' && d.zodiacIndex > 0) {
      const double delta = s.EclipticDeclinations[static_cast<size_t>(6 * (d.zodiacIndex - 1))];
      TraceDeclinationLine(c, delta, {PlanarLineInfo::Kind::Declination, {}, delta});
    } else if (d.day == march21 || d.day == september23) {
      TraceDeclinationLine(c, 0.0, {PlanarLineInfo::Kind::Date, d.label, 0});
    } else {
      c.out.BeginLine({PlanarLineInfo::Kind::Date, d.label, 0});
      LineTracer t(f, c.view, c.out);
      for (int i = 0; i <= 96; ++i) {
        const SunPosition p = SunPositionAtTime(f.year, d.day, false, i * 0.25 + f.timeShift, f.workLatitude,
                                                f.apparentReference, f.zoneMeridian);
        if (i % 4 == 0) c.out.WholeHourSample(i / 4);
        if (i == 0) t.Start(AltAz(p));
        else t.Next(AltAz(p));
      }
      c.out.EndLine();
    }
  }
}

void DrawPlanarHourFamilies(PlanarFamilyContext& c) {
  const DialSettings& s = c.settings;
  if (s.ApparentTimeLines) DrawStraightHourLines(c);
  if (s.MeanTimeLines) DrawMeanTimeLines(c);
  if (s.MarkAnalemma) DrawAnalemmaWithMarks(c);
  if (s.TemporalHours) DrawTemporalHours(c);
  if (s.BabylonianHours) DrawBabylonianItalianHours(c, false);
  if (s.ItalianHours) DrawBabylonianItalianHours(c, true);
  if (s.AltitudeLines) DrawAltitudeLines(c);
}

}  // namespace skiagraf
