// The plot-file routine of the shepherd's dial and the horizontal altitude dial.
#include <algorithm>
#include <cmath>

#include "base/UserInterface.h"
#include "dials/AltitudeDialGeometry.h"
#include "dials/AltitudeDials.h"
#include "dials/DialText.h"
#include "text/Texts.h"

namespace skiagraf {

namespace {

// Plotter units of the layout, before the unit multiplier.
constexpr double kShepherdTop = 10250;     // upper edge of the shepherd's scale
constexpr double kAltitudeDialTop = 10500; // upper edge of the altitude dial's plates
constexpr double kScaleLeft = 400;         // left end of either scale
constexpr double kShepherdMaxDepth = 9600; // longest shadow axis of the shepherd's dial
constexpr double kSecondBandShift = 8350;  // the afternoon band of the shepherd's dial
constexpr double kSecondBandLimit = 7320;  // date axes shorter than this fit twice
constexpr double kLabelHeight = 112;       // the characters of SI 0.2,0.28 (cm)
constexpr double kLabelAdvance = 120;      // one character of SI 0.2,0.28 with its spacing

// Pen, label and line commands in plotter units (already multiplied by k).
class PlotPen {
 public:
  PlotPen(HpglWriter& w, double k) : w_(w), k_(k) {}

  double K() const { return k_; }
  void Pen(int pen) { w_.SelectPen(pen); }
  void Line(PointD a, PointD b) { Polyline({a, b}); }
  void Polyline(const std::vector<PointD>& points) {
    if (points.size() < 2) return;
    w_.PenUp(points.front().x, points.front().y);
    std::vector<std::pair<double, double>> rest;
    for (std::size_t i = 1; i < points.size(); ++i) rest.emplace_back(points[i].x, points[i].y);
    w_.PenDown(rest);
  }
  void Rectangle(PointD a, PointD b) { Polyline({a, {b.x, a.y}, b, {a.x, b.y}, a}); }
  // Character size in centimetres before the multiplier.
  void Size(double widthCm, double heightCm) { w_.CharacterSize(widthCm * k_, heightCm * k_, 5, 2); }
  void LabelSize() { Size(0.2, 0.28); }
  void TitleSize() { Size(0.3, 0.45); }
  // A label whose baseline starts at p.
  void Text(PointD p, const std::string& text) {
    w_.PenUp(p.x, p.y);
    w_.Label(text);
  }
  // Width of a label of the SI 0.2,0.28 size.
  double LabelWidth(const std::string& text) const { return CharacterCount(text) * kLabelAdvance * k_; }
  // The page frame of the dial types without the header's border.
  void PageFrame() {
    const double r = 16157 * k_, t = 11040 * k_;
    Polyline({{k_, k_}, {r, k_}, {r, t}, {k_, t}, {k_, k_}});
  }
  HpglWriter& Writer() { return w_; }

 private:
  HpglWriter& w_;
  double k_;
};

// Scale coordinates (mm) to plotter units.
struct PlotScale {
  PointD origin;
  PointD perDateMm, perShadowMm;
  PointD At(PointD p) const {
    return {origin.x + p.x * perDateMm.x + p.y * perShadowMm.x, origin.y + p.x * perDateMm.y + p.y * perShadowMm.y};
  }
};

// The hour curves that `keep` accepts, then their numbers.
template <typename Keep>
void WriteCurves(PlotPen& plot, const AltitudeDialGeometry& g, const PlotScale& map, bool numbersAbove, Keep keep) {
  HpglWriter& w = plot.Writer();
  w.LineWidthForLines();
  for (const HourCurve& c : g.curves) {
    if (!keep(c.line)) continue;
    plot.Pen(c.line.plotPen);
    for (const auto& piece : c.pieces) {
      std::vector<PointD> points;
      points.reserve(piece.size());
      for (const PointD& p : piece) points.push_back(map.At(p));
      plot.Polyline(points);
    }
  }
  w.LineWidthForTexts();
  plot.LabelSize();
  const double k = plot.K(), h = kLabelHeight * k;
  // Label boxes with y downwards (the page's y negated), as PlaceWithoutOverlap takes them.
  std::vector<LabelBox> placed;
  for (const HourCurve& c : g.curves) {
    if (!keep(c.line) || !c.labelled) continue;
    plot.Pen(c.line.plotPen);
    const PointD at = map.At(c.pieces.front().front());
    const double w = plot.LabelWidth(c.label);
    const PointD p = numbersAbove ? PlaceWithoutOverlap(placed, {at.x - w / 2, -(at.y + 50 * k + h), w, h}, {0, -h})
                                  : PlaceWithoutOverlap(placed, {at.x - w - 40 * k, -(at.y + h / 2), w, h},
                                                        {-w - 40 * k, 0});
    plot.Text({p.x, -p.y - h}, c.label);
  }
  w.Write(";LT;");
}

void WriteShepherd(HpglWriter& w, const DialSettings& s) {
  const double k = w.K();
  const double U = hpgl::kUnitsPerMm * k;
  PlotPen plot(w, k);

  AltitudeDialDimensions dims;
  dims.kind = AltitudeDialKind::Shepherd;
  dims.gnomon = s.CylinderGnomonLength;
  dims.dateLength = ShepherdAxisLength(s);
  dims.shadowLength =
      std::min(ShepherdScaleDepth(dims.gnomon, s.Latitude, s.Obliquity, 89.99), kShepherdMaxDepth / hpgl::kUnitsPerMm);
  const AltitudeDialGeometry g = BuildAltitudeDial(s, dims);
  ShowBoxMessages(g.plan.messages, CurrentLanguage());

  // With the equation of time the morning and afternoon lines differ: they go into
  // two bands when two fit on the page.
  const auto [first, last] = OrdinaryHourRange(s);
  const bool spansNoon = s.ApparentTimeLines && first < 12 && last > 12;
  const bool twoBands =
      s.CylinderEotConstruction && spansNoon && dims.dateLength * hpgl::kUnitsPerMm < kSecondBandLimit;
  if (s.CylinderEotConstruction && spansNoon && !twoBands)
    Ui().ShowMessage(Caption(CaptionKind::Information),
                     Bilingual("Die Skala sollte besser \r\nin 2 Teilen für Vormittag und Nachmittag gedruckt werden !",
                               "The scale should better \r\nbe printed in 2 parts for forenoon and afternoon !"),
                     MessageIcon::Information);

  w.Write("IN;VS 1;PA;");
  w.LineWidthForTexts();
  plot.Pen(1);
  plot.PageFrame();

  const double top = kShepherdTop * k, depth = dims.shadowLength * U, bottom = top - depth;
  const double axis = dims.dateLength * U;
  const double fl = kLabelHeight * k;
  for (int band = 0; band < (twoBands ? 2 : 1); ++band) {
    const double left = (kScaleLeft + band * kSecondBandShift) * k, right = left + axis;
    const PlotScale map{{left, top}, {U, 0}, {0, -U}};
    w.LineWidthForTexts();
    plot.Pen(1);
    plot.Rectangle({left, top}, {right, bottom});
    for (const DateMark& d : g.dateMarks)
      if (d.line) plot.Line({left + d.date * U, top}, {left + d.date * U, bottom});

    if (s.AltitudeLines) {
      plot.Pen(8);
      plot.Rectangle({right, top}, {right + 2 * fl, bottom});
      plot.LabelSize();
      for (const AltitudeTick& t : g.ticks) {
        const double y = top - t.shadow * U;
        plot.Line({t.major ? left : right + fl, y}, {right + 2 * fl, y});
        if (t.major) plot.Text({right + 2 * fl + 40 * k, y - fl / 2}, std::to_string(t.degrees) + " °");
      }
    }

    plot.Pen(4);
    plot.LabelSize();
    for (const DateMark& d : g.dateMarks) {
      if (d.label.empty()) continue;
      const double x = left + d.date * U;
      const double row = d.numberBelow ? top + 190 * k : top + 40 * k;
      plot.Text({x - plot.LabelWidth(d.label) / 2, row}, d.label);
      if (d.numberBelow) plot.Text({x - plot.LabelWidth("1") / 2, top + 40 * k}, "1");
    }

    WriteCurves(plot, g, map, false, [&](const HourLine& l) {
      if (!twoBands) return true;
      if (l.family != HourFamily::Ordinary) return band == 0;
      return band == 0 ? l.value <= 12 : l.value >= 12;
    });

    if (twoBands) {
      plot.Pen(4);
      plot.LabelSize();
      plot.Text({left, std::max(bottom - 250 * k, 450 * k)},
                band == 0 ? Bilingual("Vormittag", "forenoon") : Bilingual("Nachmittag", "afternoon"));
    }
  }

  // Title row above the scale, gnomon lower left.
  w.LineWidthForTexts();
  plot.Pen(4);
  plot.TitleSize();
  const auto [title, subtitle] = AltitudeDialTitle(AltitudeDialKind::Shepherd);
  plot.Text({kScaleLeft * k, 10650 * k}, title + subtitle);
  plot.LabelSize();
  plot.Text({7400 * k, 10880 * k}, AltitudeDialPositionLine(s, false));
  plot.Text({7400 * k, 10650 * k}, AltitudeDialTimeLine(s, AltitudeDialKind::Shepherd, true, g.plan.temporalDrawn));

  const double gx = kScaleLeft * k, gy = 150 * k;
  plot.Pen(4);
  plot.Polyline({{gx, gy + 200 * k}, {gx, gy}, {gx + dims.gnomon * U, gy}});
  plot.Text({gx + 80 * k, gy + 60 * k}, GnomonLengthText(dims.gnomon));

  if (ShepherdAxisReduced(s)) {
    plot.Pen(3);
    w.Direction(0, -1);
    plot.Text({16157 * k - 200 * k, top}, ShepherdAxisReducedNote());
    w.DefaultDirection();
  }
  w.Write(";IN;");
}

void WriteHorizontal(HpglWriter& w, const DialSettings& s) {
  const double k = 1;  // this dial always writes plain plotter units
  const double U = hpgl::kUnitsPerMm;
  PlotPen plot(w, k);

  AltitudeDialDimensions dims;
  dims.kind = AltitudeDialKind::Horizontal;
  dims.gnomon = s.HorizontalAltitudeGnomon;
  dims.plate = s.HorizontalScaleLength;
  dims.verticalFace = s.AddVerticalFace;
  dims.shadowLength = dims.plate + (dims.verticalFace ? dims.gnomon : 0);
  const DateAxis days = AltitudeDateAxis(s);
  dims.dateLength = (days.last - days.first) * s.HorizontalMonthScaleLength / 365.0;
  const AltitudeDialGeometry g = BuildAltitudeDial(s, dims);
  ShowBoxMessages(g.plan.messages, CurrentLanguage());

  w.Write("IN;VS 1;PA;");
  w.LineWidthForTexts();
  plot.Pen(1);
  plot.PageFrame();

  const double top = kAltitudeDialTop, left = kScaleLeft, bottom = top - dims.dateLength * U;
  const double fold = left + dims.plate * U, end = left + dims.shadowLength * U;
  const PlotScale map{{left, top}, {0, -U}, {U, 0}};
  plot.Rectangle({left, top}, {fold, bottom});
  if (dims.verticalFace) plot.Rectangle({fold, top}, {end, bottom});
  for (const DateMark& d : g.dateMarks)
    if (d.line) plot.Line({left, top - d.date * U}, {end, top - d.date * U});
  plot.Pen(4);
  plot.LabelSize();
  for (const DateMark& d : g.dateMarks)
    if (!d.label.empty())
      plot.Text({left - plot.LabelWidth(d.label) - 30, top - d.date * U - kLabelHeight / 2}, d.label);

  WriteCurves(plot, g, map, true, [](const HourLine&) { return true; });

  // Title block below the plates, as on the canvas.
  w.LineWidthForTexts();
  plot.Pen(4);
  plot.TitleSize();
  plot.Text({left, bottom - 700}, AltitudeDialTitle(AltitudeDialKind::Horizontal).first);
  plot.LabelSize();
  plot.Text({left, bottom - 1000}, AltitudeDialPositionLine(s, true));
  plot.Text({left, bottom - 1200}, AltitudeDialTimeLine(s, AltitudeDialKind::Horizontal, true, g.plan.temporalDrawn));

  // The edge symbol: upper right when its text fits there, otherwise below the
  // plates' right end.
  const std::string text = EdgeHeightText(dims.gnomon);
  const double tw = plot.LabelWidth(text);
  PointD base{end + 300, top - 500};
  if (base.x + tw > hpgl::kPageWidth - 100) base = {std::max(left + 5000, end - tw), bottom - 500};
  plot.Polyline({{base.x + 3 * kLabelHeight, base.y}, base, {base.x, base.y + 2 * kLabelHeight}});
  plot.Text({base.x, base.y - 300}, text);
  w.Write(";IN;");
}

}  // namespace

bool WriteAltitudeDialHpgl(HpglWriter& writer, const DialSettings& s, bool shepherd) {
  if (PlanHourLines(s, shepherd ? AltitudeDialKind::Shepherd : AltitudeDialKind::Horizontal).refused) {
    Ui().ShowMessage(Caption(CaptionKind::Error), Message(64), MessageIcon::Error);
    return false;
  }
  if (shepherd) WriteShepherd(writer, s);
  else WriteHorizontal(writer, s);
  return true;
}

}  // namespace skiagraf
