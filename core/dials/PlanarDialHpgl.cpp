#include "dials/PlanarDialHpgl.h"

#include <algorithm>
#include <cmath>

#include "astro/Ephemeris.h"
#include "astro/SunPosition.h"
#include "base/NumberFormat.h"
#include "base/UserInterface.h"
#include "dials/DegreeMath.h"
#include "dials/DialText.h"
#include "dials/HourLineAngles.h"
#include "dials/PlanarHourLines.h"
#include "dials/PlanarInfoText.h"
#include "dials/PlanarTracer.h"
#include "text/Texts.h"

namespace skiagraf {

namespace {

constexpr char kEtx = hpgl::kLabelEnd;

// The plot-file end of the shared geometry: pen moves become PU/PD commands, and
// every visible sample goes into the coordinate list when that output is on.
class HpglPlanarOutput : public PlanarOutput {
 public:
  HpglPlanarOutput(HpglWriter& w, PlanarCoordinateList* list) : w_(w), list_(list) {}

  void SelectPen(int pen) override {
    pen_ = pen;
    w_.SelectPen(pen);
  }
  void MoveTo(PointD p) override { w_.PenUp(p.x, p.y); }
  void LineTo(PointD p) override { w_.PenDown(p.x, p.y); }
  void EndLine() override { w_.Write(";PU"); }
  void Label(PointD anchor, const std::string& text) override {
    w_.PenUp(anchor.x, anchor.y);
    w_.Write(";LB" + text + kEtx);
  }
  // The hour number 30 units (times k) above the point. A sample may lie beyond the
  // page; its number is left out there, as a DXF reader would not clip it.
  void HourLabel(PointD sample, const std::string& text, bool) override {
    const double k = w_.K();
    if (sample.x < 0 || sample.x > hpgl::kPageWidth * k || sample.y < 0 || sample.y > hpgl::kPageHeight * k) return;
    Label({sample.x, sample.y + 30.0 * k}, text);
  }
  void Mark(PointD centre, bool filled) override {
    w_.Write(filled ? ";SP 4;" : ";SP 2;");
    w_.PenUp(centre.x, centre.y);
    w_.Circle(24.0 * w_.K());
    w_.SelectPen(pen_);
    if (list_) list_->Point(centre);
  }
  double TextHeight() const override { return 120.0 * w_.K(); }

  void BeginFamily(PlanarFamily family) override {
    if (!list_) return;
    const auto& s = *settings_;
    const std::string apparent = s.BifilarLocalTime
                                     ? Bilingual(" Wahre Ortszeit", " Local Apparent Time")
                                     : Bilingual(" WOZ am Zonenmeridian", " Apparent Time at zone meridian");
    const bool meanLocal = s.UmbrellaMode ? s.BifilarLocalTime : s.PlanarLocalTime;
    const std::string mean = meanLocal ? Bilingual("Mittlere Ortszeit", "Local Mean Time")
                                       : Bilingual("Standard (Zonen)- Zeit", "Civil Time");
    const std::string show = Bilingual("Stundenlinien zeigen ", "Hour lines show ");
    switch (family) {
      case PlanarFamily::StraightHours:
        list_->Section(show + apparent + ", " + Bilingual("ohne Zeitgl.", "without EoT"));
        break;
      case PlanarFamily::MeanTimeLines:
        list_->Section(show + mean + ", " + Bilingual("mit Zeitgl.", "with EoT"));
        break;
      case PlanarFamily::AnalemmaMarks:
        list_->Section(Bilingual("Markierte Datumspunkte auf 8er-Schleife", "Marked date points on 8-slope"));
        break;
      case PlanarFamily::TemporalHours:
        list_->Section(Bilingual("Temporalstunden:", "Temporal hours:"));
        break;
      case PlanarFamily::BabylonianHours:
        list_->Section(Bilingual("Babylonische Stunden:", "Babylonian hours:"));
        break;
      case PlanarFamily::ItalianHours:
        list_->Section(Bilingual("Italische Stunden:", "Italian hours:"));
        break;
      case PlanarFamily::AltitudeLines:
        list_->Section(Bilingual("Sonnenhöhe:   ", "Sun altitude: "));
        break;
    }
  }
  void BeginLine(const PlanarLineInfo& line) override {
    // Each line starts with the pen up.
    w_.Write(";PU ");
    if (!list_) return;
    switch (line.kind) {
      case PlanarLineInfo::Kind::Date:
        list_->DateLine(line.dateLabel);
        break;
      case PlanarLineInfo::Kind::Declination:
        list_->DeclinationLine(line.value);
        break;
      case PlanarLineInfo::Kind::Altitude:
        list_->AltitudeLine(line.value);
        break;
      default:
        list_->HourLine(line.value);
        break;
    }
  }
  void WholeHourSample(int hour) override { pendingHour_ = hour; }
  void Sampled(const TracedSample& s) override {
    if (list_ && s.visible) list_->Point(s.point, pendingHour_);
    pendingHour_ = -1;
  }

  void SetSettings(const DialSettings& s) { settings_ = &s; }

 private:
  HpglWriter& w_;
  PlanarCoordinateList* list_;
  const DialSettings* settings_ = nullptr;
  int pen_ = 4;
  int pendingHour_ = -1;
};

std::string Pair(double x, double y) { return HpglInt(x) + " " + HpglInt(y); }
std::string Size(double v) { return FormatReal(v, 5, 2); }

}  // namespace

PointD DefaultPlanarFootOnPage(const DialSettings& s, int k, double gnomonPlotter) {
  const PlanarFrame f = PlanarEntry(s, 1.0);
  if (f.type == 'v') {
    double x0 = 8200.0 * k;
    if (s.WallDeclination > 50) x0 += 2400.0 * k;
    if (s.WallDeclination < -50) x0 -= 2400.0 * k;
    return {x0, 11000.0 * k};
  }
  const double phi = f.workLatitude;
  double y0 = k * (std::fabs(phi) > 49 ? 2500.0 : std::fabs(phi) > 30 ? 4000.0 : 5500.0);
  if (std::fabs(phi) > 50 && 3000.0 * k < gnomonPlotter) y0 = 1500.0 * k;
  if (phi < 0) y0 = 11000.0 * k - y0;
  return {8200.0 * k, y0};
}

bool WritePlanarDialHpgl(HpglWriter& w, const DialSettings& s, const PlanarHpglOptions& o) {
  const int k = w.K();
  const double Wp = 16400.0 * k, Hp = 11480.0 * k;
  const double pageW = hpgl::kPageWidth * static_cast<double>(k), pageH = hpgl::kPageHeight * static_cast<double>(k);

  const PlanarFrame f = PlanarEntry(s, o.zoom);
  const char type = f.type;
  const double r = s.UmbrellaDiskRatio;
  const double Cp = std::round(f.gnomon * k * 100.0) / 100.0 * 40.0;

  // 1. Header.
  w.Header();

  if (!UmbrellaDialPossible(s, f)) return false;

  // 3. Gnomon foot (placed on the screen, or the plot file's default).
  const PointD foot = o.placedFoot ? PointD{o.placedFoot->x * k, o.placedFoot->y * k}
                                   : DefaultPlanarFootOnPage(s, k, Cp);
  const double x0 = foot.x, y0 = foot.y;

  // 2. Coordinate-list header.
  std::optional<PlanarCoordinateList> list;
  if (o.coordinates) {
    list.emplace(*o.coordinates, foot, k);
    PlanarInfoTexts texts;
    PlanarDialInfoOfRecord(s, std::round(s.GnomonHeight * f.zoomUsed * 100.0) / 100.0, f.umbrella, texts);
    list->Header(texts.lines, s.BifilarLocalTime, f.umbrella, r, o.plotFileName);
  }
  HpglPlanarOutput out(w, list ? &*list : nullptr);
  out.SetSettings(s);

  // 3. Grid.
  if (o.grid.ask) AskAndWriteGrid(w, x0, y0);
  else if (o.grid.millimetres > 0) WriteGrid(w, x0, y0, o.grid.millimetres * 40.0 * k);

  // 4. Texts with the thin pen.
  w.LineWidthForTexts();

  // 5. Gnomon foot cross and gnomon figure. The label gives the gnomon as drawn (height
  // times zoom), the length that belongs to the lines of this file.
  {
    const double d = Cp * r / 100.0;
    const double xb = std::round(d + 40.0 * k);
    const double top = Cp + 40.0 * k;
    const double K = k;
    w.Write(";SP 4;PU " + Pair(x0 - 200 * K, y0) + ";PD " + Pair(x0 + 200 * K, y0) + " " + Pair(x0, y0) + " " +
            Pair(x0, y0 + 200 * K) + " " + Pair(x0, y0 - 200 * K));
    w.Write(";PU " + Pair(xb, 40 * K) + ";PD " + Pair(std::round(xb + Cp), 40 * K) + " " +
            Pair(std::round(xb + Cp), 160 * K) + ";PU " + Pair(xb, 40 * K) + ";PD " + Pair(xb, std::round(top)) +
            " " + Pair(xb + 120 * K, std::round(top)));
    w.Write(";PU " + Pair(xb, std::round(top)) + ";PD " + Pair(std::round(xb + d), std::round(top)) + " " +
            Pair(xb, std::round(top + 200 * K)) + " " + Pair(std::round(xb - d), std::round(top)) + " " +
            Pair(xb, std::round(top)));
    w.Write(";PU " + Pair(xb + 120 * K, 160 * K) + ";SI " + Size(0.16 * K) + "," + Size(0.24 * K) +
            ";LBGnomonhoehe = " + FormatReal(f.gnomon, 5, 1) + " mm" + kEtx);
  }

  const std::string deg = Bilingual(" Grad", " deg ");
  const std::string latLon = std::string(Bilingual("Geogr. Breite = ", "Latitude = ")) +
                             FormatReal(s.Latitude, 6, 2) + deg + Bilingual(", Geogr. Länge = ", ", Longitude = ") +
                             FormatReal(s.Longitude, 6, 2) + deg;
  const std::string timeScale = s.BifilarLocalTime
                                    ? Bilingual(" Wahre Ortszeit", " Local Apparent Time")
                                    : Bilingual(" WOZ am Zonenmeridian", " Apparent Time at zone meridian");
  const std::string shadowPath = Bilingual("Tagesweg des Schattens ", "Shadow path per day");
  const std::string hourLinesLegend = std::string(Bilingual("Stundenlinien ( ohne EoT,", "Hour lines (without EoT,")) +
                                      timeScale + ")";
  const std::string eastNegative = Bilingual("(Ost-Abweichungen sind negativ!)", "(Eastern deviations are negative!)");
  const double K = k;

  // The page viewport of the shared geometry: y up, visible area and cutting
  // rectangle of the plot file. The upper limit of the visible area is the page top,
  // on an inclined face the horizon. Only points on the page count as visible, and
  // lines leaving it end at its border: readers that do not cut at the clipping
  // window (hp2xx drops a segment with an end outside it, the DXF converter keeps
  // texts and circles outside it) then show the same drawing as a plotter.
  double upper = pageH;
  PlanarViewport vp;
  vp.origin = {x0, y0};
  vp.scale = Cp;
  vp.ySign = -1;
  vp.cutLeft = 0;
  vp.cutTop = 0;
  vp.cutRight = pageW;
  vp.cutBottom = pageH;
  vp.visible = [&](PointD p) { return p.x >= 0 && p.x <= pageW && p.y >= 0 && p.y <= std::min(pageH, upper); };

  // Projects a sun position with the gnomon foot moved to `at`.
  auto projectAt = [&](PointD at, const SunPosition& p) {
    const FaceProjection fp = ProjectOnFace(f, {p.Altitude, p.Azimuth});
    return PointD{at.x + Cp * fp.x, at.y - Cp * fp.y};
  };

  if (type != 'v') {
    // Title block of the horizontal and inclined types.
    // The inclined type's block reaches 1160 units below its anchor: its default
    // anchor stands higher, so that the legend lines stay on the page.
    double X = 5200 * K, Y = (type == 'i' ? 1200 : 1000) * K;
    if (o.placedText) {
      X = o.placedText->x * K;
      Y = std::min(o.placedText->y * K, 10800 * K);
    }
    std::string title;
    if (type == 'h') {
      title = f.umbrella ? std::string(";LB   ") + Bilingual("horizontale SCHIRMUHR", "horizontal Umbrella Sundial")
                         : std::string(";LB") + Bilingual("horizontale SONNENUHR", "horizontal SUNDIAL");
    } else {
      title = f.umbrella ? std::string(";LB   ") + Bilingual("SCHIRMUHR,pultförmig", "inclining Umbrella Sundial")
                         : std::string(";LB     ") + Bilingual("inklinierende SONNENUHR", "inclining SUNDIAL");
    }
    w.Write(";SP 4;PU " + Pair(X, Y) + ";SI " + Size(0.28 * K) + "," + Size(0.5 * K) + ";" + title + kEtx);
    if (type == 'i') {
      w.Write(";SI " + Size(0.2 * K) + "," + Size(0.3 * K) + ";PU " + Pair(X, Y - 440 * K) + ";LB" + latLon + kEtx);
      w.Write(";PU " + Pair(X, Y - 650 * K) + ";LB" + Bilingual("Neigung =", "Inclinatio n= ") +
              FormatReal(f.inclination, 6, 2) + " Grad" + "; " + Bilingual("Südabweichung = ", "Deviation = ") +
              FormatReal(s.WallDeclination, 6, 2) + " Grad" + kEtx);
      if (f.umbrella) {
        const double g = f.gnomon;
        w.Write(";PU " + Pair(X, Y - 220 * K) + ";LB" + Bilingual("Kreisscheibe r = ", "Disk radius r = ") +
                FormatReal(g * r / 100.0, 5, 1) + " mm, " + Bilingual("Zeigerlänge = ", "Gnomon height =") +
                FormatReal(g, 5, 1) + " mm" + kEtx);
      }
      w.Write("SI " + Size(0.16 * K) + "," + Size(0.24 * K) + ";PU " + Pair(X + 870 * K, Y - 800 * K) + ";LB" +
              eastNegative + kEtx);
      w.Write(";SP 1;PU " + Pair(X, Y - 1020 * K) + ";PD " + Pair(X + 610 * K, Y - 1020 * K) + ";SP 4;LB  " +
              shadowPath + kEtx);
      w.Write(";SP 3;PU " + Pair(X, Y - 1160 * K) + ";PD " + Pair(X + 610 * K, Y - 1160 * K));
    } else {
      w.Write(";SI " + Size(0.2 * K) + "," + Size(0.3 * K) + ";PU " +
              Pair(X, Y - (f.umbrella ? 220 : 300) * K) + ";LB" + latLon + kEtx);
      w.Write(";SI " + Size(0.16 * K) + "," + Size(0.24 * K) + ";");
      if (f.umbrella) {
        w.Write(";PU " + Pair(X + 705 * K, Y - 400 * K) + ";LB" + Bilingual("Kreisscheibe r = ", "Disk radius r = ") +
                FormatReal(r, 5, 2) + Bilingual(" x Höhe", " x height") + kEtx);
      }
      w.Write(";SP 1;PU " + Pair(X, Y - 560 * K) + ";PD " + Pair(X + 705 * K, Y - 560 * K) + ";SP 4;LB  " +
              shadowPath + kEtx);
      w.Write(";SP 3;PU " + Pair(X, Y - 700 * K) + ";PD " + Pair(X + 705 * K, Y - 700 * K));
    }
    w.Write(";SP 4;LB  " + hourLinesLegend + kEtx);
    w.Write(";PU; SP4;SI " + Size(0.2 * K) + "," + Size(0.3 * K) + ";");

    // Hour numbers at the ends of the summer (winter) date line.
    const bool summer = f.workLatitude > -10;
    const int day = DayOfYear(f.year, summer ? 6 : 12, 21);
    const PointD at{x0, y0 + (summer ? -250 : 250) * K};
    for (int n = 6; n <= 21; n += 3) {
      const SunPosition p = SunPositionAtTime(f.year, day, false, n + f.timeShift, f.workLatitude,
                                              f.apparentReference, f.zoneMeridian);
      const PointD q = projectAt(at, p);
      if (q.x > 0 && q.x < 16300 * K && q.y > 0 && q.y < 11400 * K && p.Altitude * kRad > -0.01 &&
          n >= s.MainTimeStart && n <= s.MainTimeEnd) {
        w.Write(";PU " + Pair(q.x, q.y) + ";LB" + std::to_string(n) + kEtx);
      }
    }
  } else {
    // Title block of the vertical type.
    double X = s.WallDeclination >= 0 ? 9000 * K : 800 * K, Y = 1540 * K;
    if (o.placedText) {
      X = o.placedText->x * K;
      Y = o.placedText->y * K;
    }
    w.Write(";SP 4;PU " + Pair(X, Y) + ";SI " + Size(0.28 * K) + "," + Size(0.5 * K) + ";LB" +
            (f.umbrella ? std::string("    ") + Bilingual("vertikale SCHIRMUHR", "vertical Umbrella Sundial")
                        : std::string(Bilingual("vertikale SONNENUHR", "vertical SUNDIAL"))) +
            kEtx);
    w.Write(";SI " + Size(0.2 * K) + "," + Size(0.3 * K) + ";PU " + Pair(X, Y - 440 * K) + ";LB" + latLon + kEtx);
    if (f.umbrella) {
      const double g = f.gnomon;
      w.Write(";PU " + Pair(X, Y - 220 * K) + ";LB" + Bilingual("Kreisscheibe r = ", "Disk radius r = ") +
              FormatReal(g * r / 100.0, 5, 1) + " mm, " + Bilingual("Zeigerlänge = ", "Gnomon height =") +
              FormatReal(g, 5, 1) + " mm" + kEtx);
    }
    w.Write(";PU " + Pair(X, Y - 650 * K) + ";LB" + Bilingual("Südabweichung = ", "Deviation = ") +
            FormatReal(s.WallDeclination, 6, 2) + deg + kEtx);
    w.Write("SI " + Size(0.16 * K) + "," + Size(0.24 * K) + ";PU " + Pair(X + 870 * K, Y - 800 * K) + ";LB" +
            eastNegative + kEtx);
    w.Write(";PU " + Pair(X, Y - 1100 * K) + ";SP 1;PD " + Pair(X + 690 * K, Y - 1100 * K) + ";SP 4;LB  " +
            shadowPath + kEtx);
    w.Write(";SP 3;PU " + Pair(X, Y - 1240 * K) + ";PD " + Pair(X + 690 * K, Y - 1240 * K) + ";SP 4;LB  " +
            hourLinesLegend + kEtx);
    w.Write(";PU; SP4; SI " + Size(0.2 * K) + "," + Size(0.3 * K) + ";");

    if (s.ApparentTimeLines || s.MeanTimeLines) {
      const int day = DayOfYear(f.year, f.workLatitude >= 0 ? 6 : 12, 21);
      const PointD at{x0, y0 - 300 * K};
      for (int n = 6; n <= 21; n += 3) {
        const SunPosition p = SunPositionAtTime(f.year, day, false, n + f.timeShift, f.workLatitude,
                                                f.apparentReference, f.zoneMeridian);
        const PointD q = projectAt(at, p);
        const double dA = std::fabs(p.Azimuth - s.WallDeclination);
        if (q.x > 0 && q.x < 16300 * K && q.y > 0 && q.y < 11400 * K && p.Altitude > 0 && (dA < 90 || dA > 270)) {
          w.Write(";PU " + Pair(std::round(q.x), std::round(q.y)) + ";LB" + std::to_string(n) + kEtx);
        }
      }
    }
  }

  // 6. Horizon line.
  double yH = pageH;
  if (type == 'i') {
    double zeta = f.inclination;
    if (std::fabs(zeta) < 1e-12) zeta = 1e-12;
    yH = f.umbrella ? y0 + Cp / SinD(zeta) : y0 + Cp * CosD(zeta) / SinD(zeta);
    yH = std::min(yH, pageH);
    w.Write(";SP 5;PU 0 " + HpglInt(yH) + ";PD " + Pair(pageW, yH));
  } else if (type == 'v') {
    w.Write(";SP 5;PU 5 " + HpglInt(y0) + ";PD " + Pair(pageW, y0));
  }

  // 7. Polar style (the style triangle folded into the face) and S.
  const PointD styleOffset = StyleFootOffset(f, Cp);
  const PointD S{x0 + styleOffset.x, y0 + styleOffset.y};
  HpglPlanarOutput probeOut(w, nullptr);
  LineTracer probe(f, vp, probeOut);
  const auto insidePage = [&](PointD p) { return p.x >= 0 && p.x <= pageW && p.y >= 0 && p.y <= pageH; };
  if (!f.umbrella && s.PolarTriangle) {
    const PointD cut = insidePage(S) ? S : probe.CutPoint({x0, y0}, S);
    const double dx = styleOffset.x, dy = styleOffset.y;
    double e = std::hypot(dx, dy);
    if (dx >= 0 && dy > 0) e = -e;
    if (s.Latitude < 0 && dx >= 0 && dy < 0) e = -e;
    if (e == 0) e = 1;
    const PointD tip{x0 + Cp * dy / e, y0 - Cp * dx / e};
    const auto seven = [](PointD p) { return FormatReal(p.x, 7, 0) + " " + FormatReal(p.y, 7, 0); };
    w.Write(";SP 4;PU " + seven({x0, y0}) + ";PD " + seven(cut));
    w.Write(";PU " + seven({x0, y0}) + ";PD " + seven(tip) + " " + seven(cut));
  }

  // 8. The date lines in the coordinate list.
  if (list) list->Section(Bilingual("Beginn der Deklinationlinien (Datumslinien):",
                                    "Beginning of the declination lines (date lines):"));

  // 9.-11. Construction lines: daylight-hour date lines and date lines.
  w.LineWidthForLines();
  upper = type == 'i' ? yH : pageH;
  PlanarFamilyContext ctx{s, f, vp, out, o.angles, !f.umbrella, S, pageW, pageH, type == 'h' ? 1.0 : -1.0};
  DrawWholeHourDateLines(ctx);
  DrawDateLines(ctx);

  // 12. Clipping window for the hour-line families.
  if (type == 'v') {
    if (y0 < 11028 * K) w.Write(";IW 0 " + HpglInt(y0 + 10 * K) + " " + HpglInt(16151 * K) + " 0;");
    else w.Write(";IW 0 0 " + Pair(pageW, pageH) + ";");
  } else if (type == 'i') {
    w.Write("IW 0 0 " + Pair(pageW, std::min(yH + 5, pageH)) + ";");
  }

  // 13. Hour-line families.
  DrawPlanarHourFamilies(ctx);

  // 14. Texts and frames with the thin pen.
  w.LineWidthForTexts();

  // 15. Foot square, substyle and S of the inclined and vertical types.
  if (type == 'i' || type == 'v') {
    const double h = 60 * K;
    w.Write(";IW 0 0 " + Pair(pageW, pageH) + ";SP 4;PU " + Pair(x0 - h, y0 - h) + ";PD " + Pair(x0 + h, y0 - h) +
            " " + Pair(x0 + h, y0 + h) + " " + Pair(x0 - h, y0 + h) + " " + Pair(x0 - h, y0 - h));
    if (!f.umbrella && std::fabs(S.x - Wp / 2) < Wp && std::fabs(S.y - Hp / 2) < Hp) {
      const double arm = 80 * K;
      w.Write(";LT 2,2; PU " + Pair(x0, y0) + ";PD " + Pair(S.x, S.y) + ";LT ;PU ");
      w.Write(";PU " + Pair(S.x - arm, S.y) + ";PD " + Pair(S.x + arm, S.y) + ";PU " + Pair(S.x, S.y - arm) +
              ";PD " + Pair(S.x, S.y + arm));
      // Circle and letter only on the page: the DXF converter clips lines, not these.
      if (insidePage(S)) {
        w.Write(";PU " + Pair(S.x, S.y) + ";CI " + HpglInt(50 * K) + ";");
        w.Write(";PU " + Pair(S.x + 90 * K, S.y + 50 * K) + ";LBS" + kEtx);
      }
    }
  }
  return true;
}

}  // namespace skiagraf
