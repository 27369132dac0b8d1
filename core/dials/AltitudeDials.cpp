// The canvas constructions of the shepherd's dial and the horizontal altitude dial.
#include "dials/AltitudeDials.h"

#include <algorithm>
#include <cmath>

#include "dials/AltitudeDialGeometry.h"
#include "dials/DialText.h"
#include "text/Texts.h"

namespace skiagraf {

std::string AltitudeDialRefusalTitle(bool shepherd) {
  return shepherd ? Bilingual("ZYLINDER - SONNENUHR ", "CYLINDER - SUNDIAL")
                  : Bilingual("Höhensonnenuhr (horiz.)", "Altitude Sundial (horiz.)");
}

namespace {

constexpr Rgb kNavy{0, 0, 128};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kPurple{128, 0, 128};
constexpr Rgb kPaleYellow{245, 245, 203};

// Maps scale coordinates (mm along the date and the shadow axis) to the canvas.
struct CanvasScale {
  PointD origin;       // where date 0 and shadow 0 meet
  PointD perDateMm;    // canvas step of one mm along the date axis
  PointD perShadowMm;  // canvas step of one mm along the shadow axis
  PointD At(PointD p) const {
    return {origin.x + p.x * perDateMm.x + p.y * perShadowMm.x, origin.y + p.x * perDateMm.y + p.y * perShadowMm.y};
  }
};

// Pens, fonts and the common pieces of both canvas dials.
class AltitudeCanvas {
 public:
  AltitudeCanvas(DrawSurface& surface, const DialSettings& s, bool onScreen)
      : surface_(surface), s_(s), onScreen_(onScreen), margin_(onScreen ? 0 : 50) {}

  DrawSurface& Surface() { return surface_; }
  double Margin() const { return margin_; }
  double UsableWidth() const { return surface_.Width() - 2 * margin_; }
  double UsableHeight() const { return surface_.Height() - 2 * margin_; }
  // Height of the labels of scales and hour lines.
  double LabelHeight() const { return onScreen_ ? 12 : 27; }

  void Pen(int palettePen, double width = 1) {
    PenSpec p;
    p.color = PaletteColor(s_, palettePen);
    p.width = width;
    p.palettePen = palettePen;
    surface_.SetPen(p);
  }
  void PlainPen(Rgb color, double width = 1) {
    PenSpec p;
    p.color = color;
    p.width = width;
    surface_.SetPen(p);
  }
  void Font(double height, Rgb color, const char* face = "Arial", double angle = 0) {
    FontSpec f;
    f.face = face;
    f.height = height;
    f.color = color;
    f.angle = angle;
    surface_.SetFont(f);
  }
  void LabelFont(int palettePen) { Font(LabelHeight(), PaletteColor(s_, palettePen)); }

  // The frame around the usable area, colour 1, pen width 1.
  void Frame() {
    Pen(1);
    surface_.SetBrush(BrushSpec{});
    surface_.Rectangle({margin_, margin_}, {surface_.Width() - margin_, surface_.Height() - margin_});
  }

  void Curves(const AltitudeDialGeometry& g, const CanvasScale& map, bool numbersAbove) {
    for (const HourCurve& c : g.curves) {
      Pen(c.line.canvasPen, s_.LineWidth);
      for (const auto& piece : c.pieces) {
        std::vector<PointD> points;
        points.reserve(piece.size());
        for (const PointD& p : piece) points.push_back(map.At(p));
        surface_.Polyline(points);
      }
    }
    std::vector<LabelBox> placed;
    for (const HourCurve& c : g.curves) {
      if (!c.labelled) continue;
      LabelFont(c.line.canvasPen);
      const PointD first = c.pieces.front().front();
      const PointD at = map.At(first);
      const double w = surface_.TextWidth(c.label), h = LabelHeight();
      // A line that starts at the first date gets its number above (altitude dial) or
      // left of (shepherd's dial) the scale. One that comes in later over the end of
      // the shadow axis gets it inside, above and left of that point, clear of the
      // scale's edge and of the line itself, which runs on to later dates.
      const bool atFirstDate = first.x < 1e-6;
      const PointD p = !numbersAbove ? PlaceWithoutOverlap(placed, {at.x - w - 4, at.y - h / 2, w, h}, {-w - 4, 0})
                       : atFirstDate ? PlaceWithoutOverlap(placed, {at.x - w / 2, at.y - h - 2, w, h}, {0, -h})
                                     : PlaceWithoutOverlap(placed, {at.x - w - 3, at.y - h - 1, w, h}, {0, -h});
      surface_.TextOut(p, c.label);
    }
  }

  // The notice that replaces a dial with impossible temporal hours.
  void RefusalNotice(bool shepherd) {
    const std::string text = Message(64);
    const auto lf = text.find('\n'), cr = text.find('\r');
    const std::string first = text.substr(0, lf);
    const std::string second = cr == std::string::npos ? std::string() : text.substr(cr + 1);
    const double h = 30;
    const double x = margin_ + UsableWidth() / 10, y = margin_ + UsableHeight() / 3;
    Font(h, kNavy, "Times New Roman");
    surface_.TextOut({x, y}, first);
    surface_.TextOut({x, y + 1.3 * h}, second);
    surface_.TextOut({x, y + 3 * h}, AltitudeDialRefusalTitle(shepherd));
  }

 private:
  DrawSurface& surface_;
  const DialSettings& s_;
  bool onScreen_;
  double margin_;
};

}  // namespace

void DrawShepherdsDial(DrawSurface& surface, bool onScreen, DrawingView& view, const DialSettings& s) {
  AltitudeCanvas canvas(surface, s, onScreen);
  const double W = surface.Width(), H = surface.Height();
  const double m = canvas.Margin(), Wu = canvas.UsableWidth(), Hu = canvas.UsableHeight();
  const double f = canvas.LabelHeight();

  AltitudeDialDimensions dims;
  dims.kind = AltitudeDialKind::Shepherd;
  dims.gnomon = s.CylinderGnomonLength * view.zoom;
  dims.dateLength = ShepherdAxisLength(s);
  const HourLinePlan plan = PlanHourLines(s, dims.kind);
  if (plan.refused) {
    canvas.RefusalNotice(true);
    return;
  }
  ShowBoxMessages(plan.messages, CurrentLanguage());

  // Canvas units per millimetre and the scale's place.
  double F = 10;
  if (onScreen) F = W > 1.414 * H ? H * 1.42 / 305 : W / 305;
  double depth = ShepherdScaleDepth(dims.gnomon, s.Latitude, s.Obliquity, 90) * F;
  const double top = m + (0.9 * Hu > depth ? Hu / 12 : Hu / 20);
  const double bottom = std::min(top + depth, m + 0.93 * Hu);
  depth = bottom - top;
  dims.shadowLength = depth / F;
  const double axis = dims.dateLength * F;
  const double left = std::max(std::round((Wu - axis) / 2) + m, m + 2);
  const double right = left + axis;
  const AltitudeDialGeometry g = BuildAltitudeDial(s, dims);
  const CanvasScale map{{left, top}, {F, 0}, {0, F}};

  canvas.Frame();
  surface.Rectangle({left, top}, {right, bottom});

  // Altitude scale beside the date scale.
  if (s.AltitudeLines) {
    const double x1 = right, x2 = right + 2 * f;
    BrushSpec yellow;
    yellow.solid = true;
    yellow.color = kPaleYellow;
    surface.SetBrush(yellow);
    canvas.Pen(8);
    surface.Rectangle({x1, top}, {x2, bottom});
    surface.SetBrush(BrushSpec{});
    canvas.LabelFont(8);
    for (const AltitudeTick& t : g.ticks) {
      const double y = top + t.shadow * F;
      surface.Line({t.major ? left : x1 + f, y}, {x2, y});
      if (t.major) surface.TextOut({x2 + 3, y - f / 2}, std::to_string(t.degrees) + " °");
    }
  }

  // Date marks with month names above the scale.
  canvas.Pen(1);
  canvas.LabelFont(4);
  for (const DateMark& d : g.dateMarks) {
    const double x = left + d.date * F;
    if (d.line) surface.Line({x, top}, {x, bottom});
    if (d.label.empty()) continue;
    const double rowAbove = d.numberBelow ? top - 2.3 * f : top - 1.2 * f;
    surface.TextOut({x - surface.TextWidth(d.label) / 2, rowAbove}, d.label);
    if (d.numberBelow) surface.TextOut({x - surface.TextWidth("1") / 2, top - 1.2 * f}, "1");
  }

  canvas.Curves(g, map, false);

  // Title block in the band below the scale, at 36 % of the width: title and subtitle,
  // and the position and time lines beside them.
  const double tf = onScreen ? (view.largeFont ? 23 : 16) : 40;
  const auto [title, subtitle] = AltitudeDialTitle(AltitudeDialKind::Shepherd);
  const double ty = bottom + std::max(2.0, (H - m - bottom - 2.2 * tf) / 2);
  const double tx = m + std::round(0.36 * Wu);
  canvas.Font(tf, PaletteColor(s, 4));
  surface.TextOut({tx, ty}, title);
  surface.TextOut({tx, ty + 1.1 * tf}, subtitle);
  const double px = tx + std::max(surface.TextWidth(title), surface.TextWidth(subtitle)) + 2 * f;
  canvas.LabelFont(4);
  surface.TextOut({px, ty + 0.1 * tf}, AltitudeDialPositionLine(s, false));
  surface.TextOut({px, ty + 1.2 * tf},
                  AltitudeDialTimeLine(s, AltitudeDialKind::Shepherd, false, g.plan.temporalDrawn));

  // The gnomon at its true length, lower left.
  {
    const double x0 = m + (onScreen ? 8 : 60), y0 = H - m - 0.5 * f;
    canvas.PlainPen(kPurple, s.LineWidth);
    surface.Polyline({{x0, y0 - 1.5 * f}, {x0, y0}, {x0 + dims.gnomon * F, y0}});
    canvas.Font(f, kPurple);
    surface.TextOut({x0 + 6, y0 - 1.3 * f}, GnomonLengthText(dims.gnomon));
  }

  if (ShepherdAxisReduced(s)) {
    canvas.Font(f, kRed, "Arial", -90);
    surface.TextOut({W - m - 1.2 * f, top}, ShepherdAxisReducedNote());
  }
}

void DrawHorizontalAltitudeDial(DrawSurface& surface, bool onScreen, DrawingView& view, const DialSettings& s) {
  AltitudeCanvas canvas(surface, s, onScreen);
  const double W = surface.Width();
  const double m = canvas.Margin(), Wu = canvas.UsableWidth(), Hu = canvas.UsableHeight();
  const double f = canvas.LabelHeight();

  AltitudeDialDimensions dims;
  dims.kind = AltitudeDialKind::Horizontal;
  dims.gnomon = s.HorizontalAltitudeGnomon * view.zoom;
  dims.plate = s.HorizontalScaleLength;
  dims.verticalFace = s.AddVerticalFace;
  dims.shadowLength = dims.plate + (dims.verticalFace ? dims.gnomon : 0);
  const DateAxis days = AltitudeDateAxis(s);
  dims.dateLength = (days.last - days.first) * s.HorizontalMonthScaleLength / 365.0;
  const HourLinePlan plan = PlanHourLines(s, dims.kind);
  if (plan.refused) {
    canvas.RefusalNotice(false);
    return;
  }
  ShowBoxMessages(plan.messages, CurrentLanguage());

  const double F = onScreen ? W / 320 : 10;
  double top = m + Hu / 12;
  if (s.HorizontalMonthScaleLength > 180) top = m + Hu / 25;
  else if (s.HorizontalScaleLength > 119) top = m + Hu / 20;
  const double bottom = top + dims.dateLength * F;
  canvas.LabelFont(4);
  const double xF = std::max((Wu - dims.shadowLength * F) / 3 + m, m + 1.4 * surface.TextWidth("Sep"));
  const double xK = xF + dims.plate * F;
  const double xEnd = xF + dims.shadowLength * F;
  const AltitudeDialGeometry g = BuildAltitudeDial(s, dims);
  const CanvasScale map{{xF, top}, {0, F}, {F, 0}};

  canvas.Frame();
  surface.Rectangle({xF, top}, {xK, bottom});
  if (dims.verticalFace) surface.Rectangle({xK, top}, {xEnd, bottom});

  canvas.LabelFont(4);
  for (const DateMark& d : g.dateMarks) {
    const double y = top + d.date * F;
    if (d.line) surface.Line({xF, y}, {xEnd, y});
    if (!d.label.empty()) surface.TextOut({xF - surface.TextWidth(d.label) - f / 3, y - f / 2}, d.label);
  }

  canvas.Curves(g, map, true);

  // The edge symbol at the upper right: the edge of height b standing on its plate,
  // its text in two lines below it; below the plates' right end when the text does
  // not fit beside them, and then the title block moves down below it.
  double titleTop = bottom + 1.5 * f;
  {
    const std::string text = EdgeHeightText(dims.gnomon);
    const auto cut = text.find('=') + 1;
    const std::string first = text.substr(0, cut), second = text.substr(text.find_first_not_of(' ', cut));
    canvas.LabelFont(4);
    const double tw = 1.2 * std::max(surface.TextWidth(first), surface.TextWidth(second));
    const double sh = 2 * f;
    const bool beside = xEnd + f + tw <= W - m;
    const double x0 = beside ? xEnd + f : std::max(xF, xEnd - tw);
    const double y0 = beside ? top + sh : bottom + 1.5 * f + sh;
    canvas.Pen(4, s.LineWidth);
    surface.Polyline({{x0 + 3 * f, y0}, {x0, y0}, {x0, y0 - sh}});
    surface.TextOut({x0, y0 + 0.4 * f}, first);
    surface.TextOut({x0, y0 + 1.6 * f}, second);
    if (!beside) titleTop = y0 + 3.2 * f;
  }

  // Title block below the plates.
  const double tf = onScreen ? 28 : 50;
  canvas.Font(tf, PaletteColor(s, 4));
  double ty = titleTop;
  surface.TextOut({xF, ty}, AltitudeDialTitle(AltitudeDialKind::Horizontal).first);
  ty += 1.3 * tf;
  canvas.LabelFont(4);
  surface.TextOut({xF, ty}, AltitudeDialPositionLine(s, true));
  surface.TextOut({xF, ty + 1.2 * f},
                  AltitudeDialTimeLine(s, AltitudeDialKind::Horizontal, false, g.plan.temporalDrawn));
}

}  // namespace skiagraf
