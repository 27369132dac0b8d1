#include "dials/AltitudeDialGeometry.h"

#include <algorithm>
#include <cmath>

#include "astro/Ephemeris.h"
#include "astro/RiseSet.h"
#include "base/NumberFormat.h"
#include "dials/DegreeMath.h"
#include "dials/DialText.h"
#include "text/Texts.h"

namespace skiagraf {

DateAxis AltitudeDateAxis(const DialSettings& s) {
  const int y = s.ReferenceYear;
  if (s.MonthScaleDouble) return {1, DayOfYear(y, 12, 31)};
  return {DayOfYear(y, 6, 21), DayOfYear(y, 12, 21)};
}

double ShepherdAxisLength(const DialSettings& s) {
  return std::min(std::max(s.CylinderAxisLength, 0), kShepherdAxisLimit);
}

bool ShepherdAxisReduced(const DialSettings& s) { return s.CylinderAxisLength > kShepherdAxisLimit; }

double ShepherdShadowLength(double gnomon, double altitude) {
  if (std::fabs(CosD(altitude)) <= 1e-5) return 100000;
  return gnomon * TanD(altitude);
}

double ShepherdScaleDepth(double gnomon, double latitude, double obliquity, double steepest) {
  const double hs = std::fabs(latitude) >= obliquity ? 90 - std::fabs(latitude) + obliquity : steepest;
  if (std::fabs(CosD(hs)) <= 1e-4) return 100000;
  return std::fabs(gnomon * TanD(hs)) * 1.05;
}

double FoldAltitude(double edgeHeight, double plateLength) {
  return std::atan2(edgeHeight, plateLength) / kRad;
}

double AltitudeDialShadow(double b, double L2, double altitude) {
  if (altitude >= FoldAltitude(b, L2)) {
    const double sine = SinD(altitude);
    if (sine <= 1e-7) return 10000000;
    return b * CosD(altitude) / sine;
  }
  const double cosine = CosD(altitude);
  if (cosine <= 1e-7) return 10000000;
  return L2 + b - L2 * SinD(altitude) / cosine;
}

double AltitudeDialDimensions::ShadowOf(double altitude) const {
  return kind == AltitudeDialKind::Shepherd ? ShepherdShadowLength(gnomon, altitude)
                                            : AltitudeDialShadow(gnomon, plate, altitude);
}

std::pair<int, int> OrdinaryHourRange(const DialSettings& s) {
  int first = s.DialTimeStart, last = s.DialTimeEnd;
  if (s.LocalTime && !s.CylinderEotConstruction && first < 12 && last > 12) {
    if (last - 12 < 12 - first) last = 12;
    else first = 12;
  }
  return {first, last};
}

namespace {

// Fractions of an hour of the Babylonian and Italian intervals: 60, 30, 20, 15 min.
int PartsPerHour(int intervalIndex) {
  static constexpr int kParts[] = {1, 2, 3, 4};
  return kParts[std::clamp(intervalIndex, 0, 3)];
}

void AddCountedLines(HourLinePlan& plan, HourFamily family, int start, int end, int parts, int fullPen,
                     int partPen) {
  for (int hour = start; hour <= end; ++hour)
    for (int j = 0; j < parts; ++j) {
      const double value = hour + static_cast<double>(j) / parts;
      if (value > end + 1e-9) break;
      HourLine l;
      l.family = family;
      l.value = value;
      l.hour = hour;
      l.full = j == 0;
      l.canvasPen = l.plotPen = l.full ? fullPen : partPen;
      plan.lines.push_back(l);
    }
}

}  // namespace

HourLinePlan PlanHourLines(const DialSettings& s, AltitudeDialKind kind) {
  HourLinePlan plan;
  const bool shepherd = kind == AltitudeDialKind::Shepherd;
  const bool temporal = shepherd ? s.TemporalHours : s.TemporalHourLines;
  const bool farNorthOrSouth = std::fabs(s.Latitude) > kTemporalLatitudeLimit;
  if (temporal && farNorthOrSouth) {
    plan.refused = true;
    return plan;
  }

  if (temporal) {
    double start = s.DialTemporalStart, end = s.DialTemporalEnd;
    if (start > 12 || end > 12 || start < 0 || end < 0) {
      plan.messages.push_back({CaptionKind::Error, MessageIcon::Error, Message(41)});
      if (!shepherd) {
        start = 0;
        end = 6;
      }
    }
    static constexpr double kSteps[] = {1.0, 0.5, 1.0 / 3.0, 0.25};
    const double step = kSteps[std::clamp(s.DialTemporalInterval, 0, 3)];
    for (int i = 0;; ++i) {
      const double value = start + i * step;
      if (value > end + 1e-9) break;
      HourLine l;
      l.family = HourFamily::Temporal;
      l.value = value;
      l.hour = static_cast<int>(std::floor(value + 1e-9));
      l.full = std::fabs(value - std::round(value)) < 1e-9;
      l.canvasPen = l.plotPen = l.full ? 10 : 9;
      plan.lines.push_back(l);
    }
    plan.temporalDrawn = true;
  }

  if (s.ApparentTimeLines && (shepherd || !temporal)) {
    const auto [first, last] = OrdinaryHourRange(s);
    const int parts = 60 / HourIntervalMinutes(s.HourInterval);
    for (int hour = first; hour <= last; ++hour)
      for (int j = 0; j < parts; ++j) {
        const double value = hour + static_cast<double>(j) / parts;
        if (value > last + 1e-9) break;
        HourLine l;
        l.family = HourFamily::Ordinary;
        l.value = value;
        l.hour = hour;
        l.full = j == 0;
        if (l.full) {
          l.canvasPen = l.plotPen = hour <= 12 ? 2 : 3;
        } else {
          // The subdivisions of hour 12 belong to the afternoon in the plot file.
          l.canvasPen = hour < 13 ? 5 : 6;
          l.plotPen = hour >= 12 ? 6 : 5;
        }
        plan.lines.push_back(l);
      }
  }

  if (shepherd && (s.BabylonianHours || s.ItalianHours)) {
    if (farNorthOrSouth) {
      plan.messages.push_back({CaptionKind::Error, MessageIcon::Error,
                               std::string(Bilingual("Italische und Babylonische Stunden",
                                                     "Italian and Babylonian hours")) +
                                   "\n\r" +
                                   Bilingual("sind nicht möglich (zu hohe geogr. Breite)!",
                                             "not possible. Latitude to high!")});
    } else {
      if (s.BabylonianHours)
        AddCountedLines(plan, HourFamily::Babylonian, s.BabylonianStart, s.BabylonianEnd,
                        PartsPerHour(s.BabylonianInterval), 6, 7);
      if (s.ItalianHours)
        AddCountedLines(plan, HourFamily::Italian, s.ItalianStart, s.ItalianEnd, PartsPerHour(s.ItalianInterval), 5,
                        7);
    }
  }
  return plan;
}

LineSun SunOnHourLine(const DialSettings& s, const HourLine& line, double day) {
  const int year = s.ReferenceYear;
  const double phi = s.Latitude;
  switch (line.family) {
    case HourFamily::Ordinary: {
      // Local time reads the sun at the site's own meridian; otherwise the clock
      // keeps the time of the zone meridian.
      const double reference = s.LocalTime ? s.ZoneMeridian : s.Longitude;
      const SunPosition p =
          SunPositionAtTime(year, day, s.CylinderEotConstruction, line.value, phi, reference, s.ZoneMeridian);
      return {p.Altitude, p.Azimuth};
    }
    case HourFamily::Temporal: {
      // Temporal hour T counts from sunrise (0) over noon (6) to sunset (12).
      const double delta =
          SunPositionNoonDeclination(year, day, false, 12.0, phi, s.Longitude, s.Longitude).Declination;
      const double halfArc = SemiDiurnalArc(delta, phi).HourAngle;
      const double clock = 12.0 - (6.0 - line.value) * halfArc / 90.0;
      const HorizontalPosition p = HorizontalCoordinates((clock - 12.0) * 15.0, delta, phi);
      return {p.Altitude, p.Azimuth};
    }
    case HourFamily::Babylonian:
    case HourFamily::Italian: {
      const GeometricRiseSetResult r = GeometricRiseSet(year, day, s.Longitude, phi);
      const double clock = line.family == HourFamily::Babylonian ? r.Rise + line.value : r.Set - 24.0 + line.value;
      const HorizontalPosition p = HorizontalCoordinates((clock - 12.0) * 15.0, r.Declination, phi);
      return {p.Altitude, p.Azimuth};
    }
  }
  return {};
}

namespace {

struct Sample {
  double date = 0, shadow = 0;
  bool visible = false;
  bool crossing = false;  // invisible because it lies beyond the scale or the horizon
};

PointD CrossingPoint(const Sample& inside, const Sample& outside, const Sample& earlier, double limit) {
  const double bound = outside.shadow < 0 ? 0 : (outside.shadow > limit ? limit : outside.shadow);
  const double diff = outside.shadow - inside.shadow;
  if (std::fabs(diff) <= 1e-5) return {earlier.date, bound};
  return {inside.date + (bound - inside.shadow) / diff * (outside.date - inside.date), bound};
}

}  // namespace

HourCurve TraceHourLine(const DialSettings& s, const HourLine& line, const AltitudeDialDimensions& dims,
                        const DateAxis& axis, double mmPerDay) {
  HourCurve curve;
  curve.line = line;
  const bool morningOnly = line.family == HourFamily::Babylonian || line.family == HourFamily::Italian;
  auto sample = [&](int day) {
    const LineSun sun = SunOnHourLine(s, line, day);
    Sample q;
    q.date = (day - axis.first) * mmPerDay;
    q.shadow = dims.ShadowOf(sun.altitude);
    const bool onScale = sun.altitude > 0 && q.shadow >= 0 && q.shadow <= dims.shadowLength;
    q.crossing = !onScale;
    q.visible = onScale && (!morningOnly || sun.azimuth < 0.001);
    return q;
  };

  Sample previous;
  bool started = false;
  std::vector<PointD>* piece = nullptr;
  for (int day = axis.first;; day = std::min(day + 3, axis.last)) {
    const Sample q = sample(day);
    if (!started) {
      started = true;
      if (q.visible) {
        curve.pieces.emplace_back();
        piece = &curve.pieces.back();
        piece->push_back({q.date, q.shadow});
      }
    } else if (previous.visible && q.visible) {
      piece->push_back({q.date, q.shadow});
    } else if (previous.visible) {
      if (q.crossing) piece->push_back(CrossingPoint(previous, q, previous, dims.shadowLength));
      piece = nullptr;
    } else if (q.visible) {
      curve.pieces.emplace_back();
      piece = &curve.pieces.back();
      if (previous.crossing) piece->push_back(CrossingPoint(q, previous, previous, dims.shadowLength));
      piece->push_back({q.date, q.shadow});
    }
    previous = q;
    if (day >= axis.last) break;
  }
  // A piece of a single point draws nothing.
  std::erase_if(curve.pieces, [](const std::vector<PointD>& p) { return p.size() < 2; });

  if (line.full && line.family != HourFamily::Babylonian && line.family != HourFamily::Italian &&
      !curve.pieces.empty() && curve.pieces.front().front().y > 0) {
    curve.labelled = true;
    curve.label = std::to_string(line.family == HourFamily::Temporal ? static_cast<int>(std::lround(line.value))
                                                                     : line.hour);
  }
  return curve;
}

namespace {

std::vector<DateMark> DateMarks(const DialSettings& s, const DateAxis& axis, double mmPerDay, bool shepherd) {
  std::vector<DateMark> marks;
  const int year = s.ReferenceYear;
  const double length = shepherd ? ShepherdAxisLength(s) : s.HorizontalMonthScaleLength;
  const double dense = shepherd ? 60 : 80;  // days 11 and 21 get lines above this length
  for (int month = s.MonthScaleDouble ? 1 : 6; month <= 12; ++month)
    for (int day : {1, 11, 21}) {
      const int doy = DayOfYear(year, month, day);
      if (!s.MonthScaleDouble && doy <= 171) continue;
      if (doy < axis.first || doy > axis.last) continue;
      if (!shepherd && doy == axis.last) continue;
      DateMark m;
      m.date = (doy - axis.first) * mmPerDay;
      m.month = month;
      m.day = day;
      m.line = day == 1 || length > dense;
      const std::string name = MonthAbbreviation(month, CurrentLanguage());
      if (day == 1) {
        m.label = length < 61 ? FirstCharacters(name, 1) : name;
        m.numberBelow = shepherd && length >= 61;
      } else if (day == 11 && shepherd && length > 60) {
        m.label = "11";
      }
      if (!m.line && m.label.empty()) continue;
      marks.push_back(m);
    }
  return marks;
}

}  // namespace

AltitudeDialGeometry BuildAltitudeDial(const DialSettings& s, const AltitudeDialDimensions& dims) {
  AltitudeDialGeometry g;
  g.dims = dims;
  g.axis = AltitudeDateAxis(s);
  g.mmPerDay = dims.dateLength / std::max(1, g.axis.last - g.axis.first);
  g.plan = PlanHourLines(s, dims.kind);
  if (g.plan.refused) return g;
  const bool shepherd = dims.kind == AltitudeDialKind::Shepherd;
  g.dateMarks = DateMarks(s, g.axis, g.mmPerDay, shepherd);
  if (shepherd && s.AltitudeLines) {
    for (int n = 1; n <= 88; ++n) {
      const double y = ShepherdShadowLength(dims.gnomon, n);
      if (y > dims.shadowLength) break;
      g.ticks.push_back({y, n, n % 5 == 0});
    }
  }
  for (const HourLine& line : g.plan.lines) g.curves.push_back(TraceHourLine(s, line, dims, g.axis, g.mmPerDay));
  return g;
}

}  // namespace skiagraf

namespace skiagraf {

PointD PlaceWithoutOverlap(std::vector<LabelBox>& placed, LabelBox box, PointD step) {
  auto overlaps = [&](const LabelBox& a) {
    return std::any_of(placed.begin(), placed.end(), [&](const LabelBox& b) {
      return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
    });
  };
  for (int i = 0; i < 8 && overlaps(box); ++i) {
    box.x += step.x;
    box.y += step.y;
  }
  placed.push_back(box);
  return {box.x, box.y};
}

std::pair<std::string, std::string> AltitudeDialTitle(AltitudeDialKind kind) {
  if (kind == AltitudeDialKind::Shepherd)
    return {Bilingual("Zylindersonnenuhr", " Cylinder Sundial"), Bilingual(" (Hirtensonnenuhr)", " (Shepherds´ Dial)")};
  return {Bilingual("Höhensonnenuhr (horiz.)", "Altitude Sundial (horiz.)"), std::string()};
}

std::string AltitudeDialPositionLine(const DialSettings& s, bool degreeSigns) {
  const std::string unit = degreeSigns ? std::string("°") : std::string(Bilingual(" Grad", " deg "));
  return std::string(Bilingual("Geogr. Breite = ", "Latitude = ")) + FormatReal(s.Latitude, 6, 2) + unit +
         Bilingual(", Geogr. Länge = ", ", Longitude = ") + FormatReal(s.Longitude, 6, 2) + unit;
}

std::string AltitudeDialTimeLine(const DialSettings& s, AltitudeDialKind kind, bool plotFile, bool temporal) {
  const std::string temporalText = Bilingual(" Temporalstunden", " Temporal hours");
  if (kind == AltitudeDialKind::Horizontal && temporal) return "[" + temporalText + " ]";
  std::string line;
  if (s.LocalTime) line = Bilingual("Ortszeit", "local time");
  else if (plotFile) line = Bilingual("Zonenzeit", "time at zone meridian");
  else line = Bilingual(" WOZ am Zonenmeridian", " Apparent Time at zone meridian");
  line += ", ";
  line += s.CylinderEotConstruction ? Bilingual("mit Zeitgl.", "with EoT") : Bilingual("ohne Zeitgl.", "without EoT");
  if (temporal) line += temporalText;
  return line;
}

namespace {

// Label text followed by a length: a blank goes between them unless the label ends with one.
std::string LabelledLength(const std::string& label, double mm, int decimals) {
  return label + (label.empty() || label.back() == ' ' ? "" : " ") + FormatReal(mm, decimals, decimals) + " mm";
}

}  // namespace

std::string GnomonLengthText(double gnomon) {
  return LabelledLength(Bilingual("Zeigerlänge = ", "Gnomon height ="), gnomon, 0);
}

std::string EdgeHeightText(double edgeHeight) {
  return LabelledLength(Bilingual("Höhe der Schattenkante =", "Shadow casting edge (height ="), edgeHeight, 2);
}

std::string ShepherdAxisReducedNote() {
  return Bilingual("horizontale Monatsachse zu groß, wurde verkleinert",
                   "Horizontal month axis too long, therefore reduced");
}

}  // namespace skiagraf
