#include "dials/PlanarDial.h"

#include <algorithm>
#include <cmath>

#include "astro/Ephemeris.h"
#include "astro/SunPosition.h"
#include "base/NumberFormat.h"
#include "base/UserInterface.h"
#include "dials/DateLines.h"
#include "dials/DegreeMath.h"
#include "dials/DialText.h"
#include "dials/PlanarGeometry.h"
#include "dials/PlanarHourLines.h"
#include "dials/PlanarInfoText.h"
#include "dials/PlanarTracer.h"
#include "text/Texts.h"

namespace skiagraf {

Rgb PaletteColor(const DialSettings& s, int pen) {
  const ColorRef c = s.ColorPalette.Pen(pen);
  return {static_cast<std::uint8_t>(RedOf(c)), static_cast<std::uint8_t>(GreenOf(c)),
          static_cast<std::uint8_t>(BlueOf(c))};
}

void DefaultPlanarPlacement(const DialSettings& s, double width, double height, DrawingView& view) {
  const long A = std::lround(width), B = std::lround(height);
  long x0 = (A + 1) / 2, y0, yt;
  if (s.DialTypeCode == 'v') {
    y0 = std::lround((A + 1) / 32.0);
    yt = std::lround(0.85 * B);
  } else {
    y0 = std::fabs(s.Latitude) > 30 ? std::lround(3.0 * B / 4.0) : (B + 1) / 2;
    yt = B / 25;
    if (s.Latitude < 0) {
      y0 = B - y0;
      yt = B - A / 10;
    }
  }
  view.foot = {static_cast<double>(x0), static_cast<double>(y0)};
  view.textAnchor = {static_cast<double>(std::lround(3.0 * A / 8.0)), static_cast<double>(yt)};
}

namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kRed{255, 0, 0};

// The canvas end of the shared geometry.
class SurfaceOutput : public PlanarOutput {
 public:
  SurfaceOutput(DrawSurface& surface, const DialSettings& s, bool onScreen)
      : surface_(surface), settings_(s), onScreen_(onScreen) {}

  void SelectPen(int pen) override {
    pen_ = pen;
    PenSpec p;
    p.color = PaletteColor(settings_, pen);
    p.width = settings_.LineWidth;
    p.palettePen = pen;
    surface_.SetPen(p);
  }
  void MoveTo(PointD p) override { surface_.MoveTo(p); }
  void LineTo(PointD p) override { surface_.LineTo(p); }
  void Label(PointD anchor, const std::string& text) override {
    FontSpec f = font_;
    f.color = PaletteColor(settings_, pen_);
    surface_.SetFont(f);
    surface_.TextOut(anchor, text);
  }
  void Mark(PointD c, bool filled) override {
    const double r = onScreen_ ? 2 : 6;
    BrushSpec b;
    b.solid = filled;
    b.color = kRed;
    surface_.SetBrush(b);
    surface_.Ellipse({c.x - r, c.y - r}, {c.x + r, c.y + r});
    surface_.SetBrush(BrushSpec{});
  }
  double TextHeight() const override { return font_.height; }
  void SetFont(const FontSpec& f) {
    font_ = f;
    surface_.SetFont(f);
  }

 private:
  DrawSurface& surface_;
  const DialSettings& settings_;
  bool onScreen_;
  int pen_ = 4;
  FontSpec font_;
};

// Screen font sizes are points; the surface takes pixels.
double ScreenFont(double points) { return std::round(points * 4.0 / 3.0); }

}  // namespace

void DrawPlanarDial(DrawSurface& surface, bool onScreen, DrawingView& view, const DialSettings& s) {
  const double W = surface.Width(), H = surface.Height();
  const double m = onScreen ? 0 : 50;
  const double right = W - m, bottom = H - m;
  const double halfW = std::floor((W - m) / 2), halfH = std::floor((H - m) / 2);
  const double x0 = view.foot.x, y0 = view.foot.y;
  const double u = onScreen ? std::round(halfW / (view.a3 ? 21.0 : 14.0)) : m + 35;

  // 1. Entry.
  PlanarFrame f = PlanarEntry(s, view.zoom);
  view.zoom = f.zoomUsed;
  const double Gs = f.gnomon;
  const double C = onScreen ? Gs * (W - m) / (view.a3 ? 420.0 : 280.0) : Gs * 10.0;
  const double r = s.UmbrellaDiskRatio;
  const char type = f.type;

  // 2. Umbrella plausibility.
  if (!UmbrellaDialPossible(s, f)) return;

  SurfaceOutput out(surface, s, onScreen);
  const Rgb textColor = PaletteColor(s, 4);
  FontSpec font;
  font.face = "Arial";
  font.color = textColor;
  font.height = onScreen ? ScreenFont(12) : 40;
  out.SetFont(font);

  auto plainPen = [&](Rgb color, double width = 1, int pen = 0, LineStyle style = LineStyle::Solid) {
    PenSpec p;
    p.color = color;
    p.width = width;
    p.palettePen = pen;
    p.style = style;
    surface.SetPen(p);
  };

  // 3. Frame and grid.
  plainPen(kWhite);
  surface.Line({right + 1, m}, {right + 1, bottom});
  plainPen(kBlack);
  surface.SetBrush(BrushSpec{});
  surface.Rectangle({m, m}, {right, bottom});
  if (view.grid) {
    plainPen(PaletteColor(s, 9), 1, 9);
    const double sp = onScreen ? 10.0 * (W - m) / (view.a3 ? 420.0 : 280.0) : 100.0;
    const double half = onScreen ? (W - m) / 160.0 : 10.0;
    surface.Rectangle({x0 - half, y0 - half}, {x0 + half, y0 + half});
    if (sp > 1) {
      const double left = m + view.gridOffset.x, top = m + view.gridOffset.y;
      const double x1 = x0 - std::floor((x0 - left) / sp) * sp;
      for (double x = x1; x <= right - 20 - sp; x += sp) surface.Line({x, top}, {x, bottom - 20});
      const double y1 = y0 - std::floor((y0 - top) / sp) * sp;
      for (double y = y1; y <= bottom - 20 - sp; y += sp) surface.Line({left, y}, {right - 20, y});
    }
  }

  // 4. Horizon line.
  double yH = 0;
  if (type == 'v') {
    yH = y0;
  } else if (type == 'i' && !f.umbrella) {
    if (std::fabs(f.inclination) > 1e-10) yH = y0 - C * CosD(f.inclination) / SinD(f.inclination);
  } else if (type == 'i' && f.umbrella) {
    if (std::fabs(f.inclination * kRad) > 1e-10) yH = std::max(m, y0 - C / SinD(f.inclination));
  }
  if (yH > 0) {
    plainPen(PaletteColor(s, 5), 1, 5);
    surface.Line({m + 5, yH}, {m + right - 5, yH});
  }

  PlanarViewport vp;
  vp.origin = {x0, y0};
  vp.scale = C;
  vp.ySign = 1;
  vp.cutLeft = m;
  vp.cutTop = m;
  vp.cutRight = right;
  vp.cutBottom = bottom;
  vp.visible = [=](PointD p) {
    return p.x >= m && p.x < m + 2 * halfW && p.y >= yH - 15 && p.y < m + 2 * halfH && p.x < right && p.y > m &&
           p.y < bottom;
  };
  LineTracer probe(f, vp, out);

  // 13 (drawn before the lines). Foot marks, title block, hour numbers, caption.
  plainPen(PaletteColor(s, 9), 1, 9);
  surface.Rectangle({x0 - u / 6, y0 - u / 6}, {x0 + u / 6, y0 + u / 6});
  if (type == 'v' && !f.umbrella) {
    plainPen(PaletteColor(s, 5), 1, 5);
    surface.Line({5, y0}, {right - 5, y0});
  }
  plainPen(textColor, 1, 4);
  surface.Line({x0 - u / 2, y0}, {x0 + u / 2, y0});
  surface.Line({x0, y0 - u / 2}, {x0, y0 + u / 2});
  {
    std::string title;
    if (type == 'v') title = PlanarDialTitle('v', f.umbrella);
    else if (f.umbrella) title = PlanarDialTitle(type == 'i' ? 'i' : 'h', true);
    else title = PlanarDialTitle(f.inclination != 0 ? 'i' : 'h', false);
    const std::string radius = " ; Radius r = " + FormatReal(r * s.GnomonHeight / 100.0, 4, 1);
    if (f.umbrella) title += radius;
    FontSpec tf = font;
    tf.height = onScreen ? ScreenFont(12) : 40;
    out.SetFont(tf);
    const double tx = onScreen ? halfW + m - 4 * u : view.textAnchor.x + m;
    double ty = bottom + m - bottom / 8;
    surface.TextOut({tx, ty}, CapitalisedFirst(title));
    FontSpec sf = font;
    sf.height = onScreen ? ScreenFont(10) : 30;
    out.SetFont(sf);
    ty -= (2 + (onScreen ? 0.35 : 0.2)) * sf.height;
    const std::string deg = Bilingual(" Grad", " deg ");
    surface.TextOut({tx, ty}, std::string(Bilingual("Geogr. Breite = ", "Latitude = ")) + FormatReal(s.Latitude, 6, 2) +
                                  deg + Bilingual(", Geogr. Länge = ", ", Longitude = ") +
                                  FormatReal(s.Longitude, 6, 2) + deg);
    ty -= 1.5 * sf.height;
    std::string third;
    const std::string deviation =
        std::string(Bilingual("Südabweichung = ", "Deviation = ")) + FormatReal(s.WallDeclination, 6, 2) + " Grad";
    if (type == 'v') {
      third = deviation;
    } else if (type == 'i' && !f.umbrella) {
      third = deviation + ";  " + Bilingual("Neigung =", "Inclinatio n= ") + FormatReal(f.inclination, 6, 2) + " Grad";
    } else if (type == 'i') {
      third = deviation + "; " + Bilingual("Neigung =", "Inclinatio n= ") + FormatReal(f.inclination, 6, 2) + " Grad";
    } else if (f.umbrella) {
      // A horizontal face has no wall declination: only the disk radius is named.
      third = "; Radius r = " + FormatReal(r * s.GnomonHeight / 100.0, 4, 1);
    }
    if (!third.empty()) surface.TextOut({tx, ty}, third);

    // Hour numbers at the ends of the summer (winter) date line.
    if (s.ApparentTimeLines || s.MeanTimeLines) {
      FontSpec hf = font;
      hf.height = onScreen ? ScreenFont(12) : 40;
      hf.bold = true;
      out.SetFont(hf);
      const int summer = DayOfYear(f.year, s.Latitude < -10 ? 12 : 6, 21);
      const int autumn = DayOfYear(f.year, 9, 23);
      for (int hour : {6, 9, 12, 15, 18}) {
        if (hour < s.MainTimeStart || hour > s.MainTimeEnd) continue;
        const auto pos = [&](int day) {
          const SunPosition p = SunPositionAtTime(f.year, day, false, hour + f.timeShift, f.workLatitude,
                                                  f.apparentReference, f.zoneMeridian);
          return std::pair<SunAltAz, TracedSample>{SunAltAz{p.Altitude, p.Azimuth},
                                                   probe.Sample({p.Altitude, p.Azimuth})};
        };
        const auto [sunS, ps] = pos(summer);
        const auto [sunA, pa] = pos(autumn);
        (void)sunA;
        if (!ps.visible) continue;
        // A sun straight behind the style (due north in the north, due south where
        // the December sun is used) gives no direction for the number; on southern
        // sites the noon sun stands in the north and is labelled.
        const bool south = s.Latitude < -10;
        if (!f.vertical && (south ? std::fabs(sunS.azimuth) <= 0.5 : std::fabs(sunS.azimuth) >= 179.5)) continue;
        const double dx = ps.point.x - pa.point.x, dy = ps.point.y - pa.point.y;
        const double len = std::hypot(dx, dy);
        PointD at = ps.point;
        if (len > 1e-9) at = {at.x + 30 * dx / len, at.y + 30 * dy / len};
        // A number that would sit on the cross at P is moved on along its line until
        // it is clear of it.
        const std::string number = std::to_string(hour);
        const double tw = surface.TextWidth(number), th = hf.height;
        auto onCross = [&](PointD a) {
          return a.x - 5 < x0 + u / 2 && a.x - 5 + tw > x0 - u / 2 && a.y < y0 + u / 2 && a.y + th > y0 - u / 2;
        };
        for (int step = 0; step < 40 && len > 1e-9 && onCross(at); ++step)
          at = {at.x + 5 * dx / len, at.y + 5 * dy / len};
        surface.TextOut({at.x - 5, at.y}, number);
      }
    }
    FontSpec cf = font;
    cf.height = onScreen ? ScreenFont(10) : 30;
    std::string caption;
    if (s.ApparentTimeLines) {
      caption = std::string(Bilingual("Gerade Stundenlinien für ", "Straight hour lines show ")) +
                (s.BifilarLocalTime ? Bilingual(" Wahre Ortszeit", " Local Apparent Time")
                                    : Bilingual(" WOZ am Zonenmeridian", " Apparent Time at zone meridian"));
    } else {
      caption = std::string(Bilingual("Achterschleifen für", "8-slopes show ")) +
                (s.PlanarLocalTime ? Bilingual("Mittlere Ortszeit", "Local Mean Time")
                                   : Bilingual("Standard (Zonen)- Zeit", "Civil Time"));
    }
    double cx = std::round(0.73 * right) + m;
    if (onScreen && !view.wideScreen && view.largeFont) {
      cf.height = ScreenFont(7);
      cx = 3 + m;
    }
    if (!f.umbrella) {
      out.SetFont(cf);
      // On a narrow canvas the caption moves left so that it is not cut at the frame.
      cx = std::max(3 + m, std::min(cx, right - 4 - surface.TextWidth(caption)));
      surface.TextOut({cx, m + 4}, caption);
    }
    out.SetFont(font);
  }

  // The foot point S of the polar style, in canvas coordinates.
  const PointD styleOffset = StyleFootOffset(f, C);
  const double Sx = styleOffset.x, Sy = styleOffset.y;
  const PointD S{x0 + Sx, y0 - Sy};
  PlanarFamilyContext ctx{s, f, vp, out, view.angles, !f.umbrella, S, right, H, type == 'h' ? 1.0 : -1.0};

  // 5.-7. Days with a whole number of daylight hours, then the date lines.
  DrawWholeHourDateLines(ctx);
  DrawDateLines(ctx);

  // 8. Gnomon scale bar.
  {
    const double l = u / 2;
    // Counted from the frame, so that the white margin of the printed page does not
    // cover the upright of the bar (on the screen the margin is 0).
    const double xb = m + (f.umbrella ? std::round(C * r / 100.0) + u / 20 : l);
    plainPen(textColor, s.LineWidth, 4);
    surface.MoveTo({xb, bottom - l});
    surface.LineTo({xb, bottom - l - C});
    surface.LineTo({xb, bottom - l});
    surface.LineTo({xb + C, bottom - l});
    surface.LineTo({xb + C, bottom - l - (onScreen ? 5 : 50)});
    FontSpec gf = font;
    if (!onScreen) gf.height = 35;
    out.SetFont(gf);
    if (f.umbrella) {
      const double top = bottom - l - C;
      plainPen(kRed, s.LineWidth, 3);
      surface.MoveTo({xb, top});
      surface.LineTo({xb + C * r / 100, top});
      surface.LineTo({xb, top - gf.height});
      surface.LineTo({xb - C * r / 100, top});
      surface.LineTo({xb, top});
    }
    const double h = gf.height;
    // The caption stands above the end tick of the bar (on the printer the tick is
    // taller than the usual offset).
    const double tick = onScreen ? 5 : 50;
    const double above = std::max(std::fabs(std::round(1.7 * h)), tick + std::round(1.5 * h));
    surface.TextOut({xb + std::fabs(std::round(0.5 * h)), bottom - l - above},
                    std::string(Bilingual("Gnomon Höhe:", "Gnomon Height")) + " (=" + FormatReal(Gs, 6, 2) + ")");
    out.SetFont(font);
  }

  // 9. Southern temporal hours are drawn without their extension.
  if (onScreen && s.Latitude < 0 && s.TemporalHours && !f.umbrella) {
    FontSpec rf = font;
    rf.height = font.height * 1.5;
    rf.color = kRed;
    surface.SetFont(rf);
    surface.TextOut({2 * u, u}, "Extended Temporal Hour Lines not calculated for negative Latitudes!");
    out.SetFont(font);
  }

  // 10. Hour-line families.
  DrawPlanarHourFamilies(ctx);

  // 14. Polar-style footprint (not on umbrella dials).
  if (!f.umbrella) {
    auto tipFor = [&](double dx, double dy) {
      double e = std::hypot(dx, dy);
      if (dx >= 0 && dy > 0) e = -e;
      if (s.Latitude < 0 && dx >= 0 && dy < 0) e = -e;
      if (e == 0) e = 1;
      return PointD{x0 + C * dy / e, y0 + C * dx / e};
    };
    const Rgb red = kRed;
    if (std::fabs(Sx) < 20000 && std::fabs(Sy) < 20000) {
      if (s.PolarTriangle) {
        plainPen(red, s.LineWidth, 3);
        const PointD tip = tipFor(Sx, Sy);
        surface.MoveTo({x0, y0});
        surface.LineTo(tip);
        surface.LineTo(S);
        surface.LineTo({x0, y0});
        plainPen(Rgb{174, 187, 194}, s.LineWidth);
      }
    } else {
      const PointD K = probe.CutPoint({x0, y0}, S);
      FontSpec bf = font;
      bf.bold = true;
      if (s.PolarTriangle) {
        plainPen(red, s.LineWidth, 3);
        const PointD tip = tipFor(K.x - x0, y0 - K.y);
        surface.MoveTo({x0, y0});
        surface.LineTo(tip);
        surface.LineTo(K);
        surface.LineTo({x0, y0});
        plainPen(kBlack);
        surface.SetBrush(BrushSpec{});
        surface.Rectangle({m, m}, {right, bottom});
        bf.color = red;
        surface.SetFont(bf);
        surface.TextOut({K.x, K.y + (K.y > H / 2 ? -15 : 15)}, "S");
        surface.TextOut({x0 + 10 * Sgn(tip.x - x0), y0 + 5 * Sgn(Sy)}, "P");
      } else if (std::fabs(Sx) < 200000 && std::fabs(Sy) < 200000) {
        plainPen(Rgb{223, 223, 223}, s.LineWidth);
        const bool pInside = x0 >= m && x0 <= right && y0 >= m && y0 <= bottom;
        if (pInside) surface.MoveTo({x0, y0});
        surface.LineTo(S);
        bf.color = textColor;
        surface.SetFont(font);
        const PointD tip = tipFor(Sx, Sy);
        surface.TextOut({x0 + 10 * Sgn(tip.x - x0), y0 + 5 * Sgn(Sy)}, "P");
        plainPen(textColor, 1, 4);
        surface.TextOut({S.x + 7, S.y + 4}, "S");
        surface.Ellipse({S.x - 4, S.y - 4}, {S.x + 4, S.y + 4});
        surface.Line({S.x - 6, S.y}, {S.x + 6, S.y});
        surface.Line({S.x, S.y - 6}, {S.x, S.y + 6});
      }
      out.SetFont(font);
    }
  }

  // 15. Margins, outer frame, footer.
  if (m > 0) {
    BrushSpec white;
    white.solid = true;
    white.color = kWhite;
    plainPen(kWhite);
    surface.SetBrush(white);
    surface.Rectangle({0, 0}, {W, m});
    surface.Rectangle({0, bottom}, {W, H});
    surface.Rectangle({0, 0}, {m, H});
    surface.Rectangle({right, 0}, {W, H});
    surface.SetBrush(BrushSpec{});
  }
  plainPen(Rgb{192, 192, 192});
  surface.Rectangle({m, m}, {W - m, H - m});
  if (view.angles && !view.angles->FooterTitle.empty()) {
    FontSpec ff = font;
    ff.bold = true;
    ff.color = Rgb{128, 0, 0};
    surface.SetFont(ff);
    // A footer that would run over the frame is moved left until it ends inside.
    double fx = std::round(1.3 * halfW);
    const double width = surface.TextWidth(view.angles->FooterTitle);
    if (fx + width > right - 4) fx = std::max(m + 4, right - 4 - width);
    surface.TextOut({fx, bottom - 2 * std::fabs(std::round(0.8 * ff.height))}, view.angles->FooterTitle);
  }
}

}  // namespace skiagraf
