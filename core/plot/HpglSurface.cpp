#include "plot/HpglSurface.h"

#include <cmath>
#include <numbers>

namespace skiagraf {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kEllipseSteps = 72;

std::pair<double, double> Rounded(std::pair<double, double> p) {
  return {std::nearbyint(p.first), std::nearbyint(p.second)};
}

// Number of characters of a UTF-8 text (continuation bytes do not count).
double CharacterCount(const std::string& utf8) {
  double n = 0;
  for (unsigned char c : utf8) {
    if ((c & 0xC0) != 0x80) ++n;
  }
  return n;
}

// Angle of p about c as seen on the screen, counter-clockwise positive, degrees.
double ScreenAngle(PointD c, PointD p) { return std::atan2(-(p.y - c.y), p.x - c.x) * 180.0 / kPi; }

}  // namespace

HpglSurface::HpglSurface(HpglWriter& writer, double width, double height, double plotterUnitsPerSurfaceUnit,
                         double pageHeightPlotter)
    : writer_(writer), width_(width), height_(height), f_(plotterUnitsPerSurfaceUnit), pageHeight_(pageHeightPlotter) {}

std::pair<double, double> HpglSurface::Page(PointD p) const { return {p.x * f_, pageHeight_ - p.y * f_}; }

void HpglSurface::SetPen(const PenSpec& pen) {
  // A pen outside the palette draws with the text pen 4 rather than "pen 0",
  // which a plotter takes as "no pen".
  auto number = [](const PenSpec& p) { return p.palettePen >= 1 && p.palettePen <= 12 ? p.palettePen : 4; };
  if (!penSelected_ || number(pen) != number(pen_)) writer_.SelectPen(number(pen));
  if (pen.style != lineStyleWritten_) {
    switch (pen.style) {
      case LineStyle::Solid:
        writer_.Solid();
        break;
      case LineStyle::Dash:
        writer_.Dashed();
        break;
      case LineStyle::Dot:
        writer_.Write(";LT 1,2;");
        break;
      case LineStyle::DashDot:
      case LineStyle::DashDotDot:
        writer_.Write(";LT 4,2;");
        break;
    }
    lineStyleWritten_ = pen.style;
  }
  pen_ = pen;
  penSelected_ = true;
}

void HpglSurface::EnsureAt(PointD p) {
  auto page = Rounded(Page(p));
  if (plotterAt_ && *plotterAt_ == page) return;
  writer_.PenUp(page.first, page.second);
  plotterAt_ = page;
}

void HpglSurface::DrawTo(PointD p) {
  auto page = Rounded(Page(p));
  writer_.PenDown(page.first, page.second);
  plotterAt_ = page;
}

void HpglSurface::MoveTo(PointD p) { position_ = p; }

void HpglSurface::LineTo(PointD p) {
  EnsureAt(position_);
  DrawTo(p);
  position_ = p;
}

void HpglSurface::PolylinePage(const std::vector<std::pair<double, double>>& points) {
  if (points.size() < 2) return;
  auto first = Rounded(points.front());
  if (!plotterAt_ || *plotterAt_ != first) writer_.PenUp(first.first, first.second);
  std::vector<std::pair<double, double>> rest;
  rest.reserve(points.size() - 1);
  for (std::size_t i = 1; i < points.size(); ++i) rest.push_back(Rounded(points[i]));
  writer_.PenDown(rest);
  plotterAt_ = rest.back();
}

void HpglSurface::Polyline(const std::vector<PointD>& points) {
  std::vector<std::pair<double, double>> page;
  page.reserve(points.size());
  for (const auto& p : points) page.push_back(Page(p));
  PolylinePage(page);
}

void HpglSurface::Rectangle(PointD c1, PointD c2) {
  Polyline({c1, {c2.x, c1.y}, c2, {c1.x, c2.y}, c1});
}

void HpglSurface::Ellipse(PointD c1, PointD c2) {
  const PointD c{(c1.x + c2.x) / 2, (c1.y + c2.y) / 2};
  const double rx = std::fabs(c2.x - c1.x) / 2 * f_;
  const double ry = std::fabs(c2.y - c1.y) / 2 * f_;
  if (std::fabs(rx - ry) <= 1e-9 * std::max(rx, ry)) {
    EnsureAt(c);
    writer_.Circle(rx);
    return;
  }
  auto centre = Page(c);
  std::vector<std::pair<double, double>> points;
  for (int i = 0; i <= kEllipseSteps; ++i) {
    const double t = 2 * kPi * i / kEllipseSteps;
    points.emplace_back(centre.first + rx * std::cos(t), centre.second + ry * std::sin(t));
  }
  PolylinePage(points);
}

void HpglSurface::Arc(PointD c1, PointD c2, PointD start, PointD end) {
  const PointD c{(c1.x + c2.x) / 2, (c1.y + c2.y) / 2};
  const double rx = std::fabs(c2.x - c1.x) / 2 * f_;
  const double ry = std::fabs(c2.y - c1.y) / 2 * f_;
  // Screen and page keep the sense of rotation: the page flips y but so does
  // "counter-clockwise as seen on the screen".
  const double a0 = ScreenAngle(c, start);
  double sweep = ScreenAngle(c, end) - a0;
  while (sweep <= 0) sweep += 360;
  while (sweep > 360) sweep -= 360;
  auto centre = Page(c);
  const double r0 = a0 * kPi / 180;
  if (std::fabs(rx - ry) <= 1e-9 * std::max(rx, ry)) {
    auto from = Rounded({centre.first + rx * std::cos(r0), centre.second + rx * std::sin(r0)});
    if (!plotterAt_ || *plotterAt_ != from) writer_.PenUp(from.first, from.second);
    writer_.PenDown({});  // AA draws only with the pen down
    writer_.ArcAbsolute(centre.first, centre.second, sweep);
    plotterAt_.reset();  // the arc ends between plotter units
    return;
  }
  const int steps = std::max(2, static_cast<int>(std::ceil(sweep / 5)));
  std::vector<std::pair<double, double>> points;
  for (int i = 0; i <= steps; ++i) {
    const double t = r0 + sweep * kPi / 180 * i / steps;
    points.emplace_back(centre.first + rx * std::cos(t), centre.second + ry * std::sin(t));
  }
  PolylinePage(points);
}

void HpglSurface::FloodFill(PointD, Rgb) {}

void HpglSurface::TextOut(PointD anchor, const std::string& utf8) {
  const double heightMm = font_.height * f_ / (hpgl::kUnitsPerMm * writer_.K());
  const double sizeCm = heightMm / 10 * kCapitalShare;
  if (!sizeWrittenCm_ || std::fabs(*sizeWrittenCm_ - sizeCm) > 1e-9) {
    writer_.CharacterSize(sizeCm / 2, sizeCm, 5, 3);
    sizeWrittenCm_ = sizeCm;
  }
  const double angle = font_.angle;
  const double theta = angle * kPi / 180;
  if (!angleWritten_ || std::fabs(*angleWritten_ - angle) > 1e-9) {
    if (angle == 0) {
      writer_.DefaultDirection();
    } else {
      writer_.Direction(std::cos(theta), std::sin(theta));
    }
    angleWritten_ = angle;
  }
  const bool symbols = font_.face == "Wingdings";
  if (symbols != symbolSet_) {
    if (symbols) {
      writer_.AlternateCharacterSet();
    } else {
      writer_.StandardCharacterSet();
    }
    symbolSet_ = symbols;
  }
  // The anchor is the top left of the text cell; a label starts on its baseline,
  // which lies 0.8 of the cell height lower, turned with the text.
  const double down = 0.8 * font_.height;
  EnsureAt({anchor.x + down * std::sin(theta), anchor.y + down * std::cos(theta)});
  writer_.Label(utf8);
  plotterAt_.reset();  // a label moves the pen to its end
}

double HpglSurface::TextWidth(const std::string& utf8) {
  return CharacterCount(utf8) * 1.5 * 0.5 * kCapitalShare * font_.height;
}

double HpglSurface::TextHeight(const std::string&) { return font_.height; }

}  // namespace skiagraf
