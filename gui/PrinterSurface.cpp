#include "PrinterSurface.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <cmath>
#include <numbers>
#include <vector>

namespace skiagraf::gui {

namespace {

QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }
QPointF ToQ(PointD p) { return QPointF(p.x, p.y); }

Qt::PenStyle ToQStyle(LineStyle s) {
  switch (s) {
    case LineStyle::Dash:
      return Qt::DashLine;
    case LineStyle::Dot:
      return Qt::DotLine;
    case LineStyle::DashDot:
      return Qt::DashDotLine;
    case LineStyle::DashDotDot:
      return Qt::DashDotDotLine;
    case LineStyle::Solid:
      break;
  }
  return Qt::SolidLine;
}

// Angle of the ray from the centre towards p, counter-clockwise as seen on the
// surface (y down), in degrees.
double RayAngle(QPointF centre, PointD p) { return std::atan2(centre.y() - p.y, p.x - centre.x()) * 180.0 / std::numbers::pi; }

}  // namespace

PrinterSurface::PrinterSurface(QPainter& painter, double width, double height)
    : painter_(painter), width_(width), height_(height) {
  SetPen(PenSpec{});
  SetBrush(BrushSpec{});
  SetFont(FontSpec{});
}

void PrinterSurface::SetPen(const PenSpec& pen) {
  QPen p(ToQColor(pen.color));
  // Widths 0 and 1 both draw the thinnest line of the surface unit.
  p.setWidthF(std::max(1.0, pen.width));
  p.setStyle(ToQStyle(pen.style));
  p.setCapStyle(Qt::FlatCap);
  p.setJoinStyle(Qt::MiterJoin);
  painter_.setPen(p);
}

void PrinterSurface::SetBrush(const BrushSpec& brush) {
  brush_ = brush;
  painter_.setBrush(brush.solid ? QBrush(ToQColor(brush.color)) : QBrush(Qt::NoBrush));
}

QFont PrinterSurface::ToQFont(const FontSpec& font) {
  const QString face = QString::fromStdString(font.face);
  QFont f(face);
  if (face.startsWith("Courier")) f.setStyleHint(QFont::TypeWriter);
  else if (face.contains("Serif") || face.startsWith("Times")) f.setStyleHint(QFont::Serif);
  else f.setStyleHint(QFont::SansSerif);
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(font.height))));
  f.setBold(font.bold);
  f.setItalic(font.italic);
  f.setFixedPitch(font.fixedPitch);
  return f;
}

void PrinterSurface::SetFont(const FontSpec& font) {
  font_ = font;
  painter_.setFont(ToQFont(font));
}

void PrinterSurface::LineTo(PointD p) {
  painter_.drawLine(ToQ(position_), ToQ(p));
  position_ = p;
}

void PrinterSurface::Polyline(const std::vector<PointD>& points) {
  if (points.empty()) return;
  QPolygonF poly;
  for (const PointD& p : points) poly << ToQ(p);
  painter_.drawPolyline(poly);
  position_ = points.back();
}

void PrinterSurface::Rectangle(PointD a, PointD b) { painter_.drawRect(QRectF(ToQ(a), ToQ(b)).normalized()); }

void PrinterSurface::Ellipse(PointD a, PointD b) { painter_.drawEllipse(QRectF(ToQ(a), ToQ(b)).normalized()); }

void PrinterSurface::Arc(PointD a, PointD b, PointD start, PointD end) {
  const QRectF box = QRectF(ToQ(a), ToQ(b)).normalized();
  const double from = RayAngle(box.center(), start);
  double sweep = RayAngle(box.center(), end) - from;
  while (sweep <= 0) sweep += 360;
  QPainterPath path;
  path.arcMoveTo(box, from);
  path.arcTo(box, from, sweep);
  painter_.save();
  painter_.setBrush(Qt::NoBrush);
  painter_.drawPath(path);
  painter_.restore();
}

void PrinterSurface::FloodFill(PointD seed, Rgb border) {
  if (painter_.device() == nullptr || painter_.device()->devType() != QInternal::Image) return;
  auto* image = static_cast<QImage*>(painter_.device());
  // Work in device pixels: the image is read while the painter is active, so the
  // painter is ended around the fill and begun again with its state.
  const QPoint start = painter_.transform().map(ToQ(seed)).toPoint();
  if (!image->rect().contains(start)) return;
  const QTransform transform = painter_.transform();
  const QPen pen = painter_.pen();
  const QBrush brush = painter_.brush();
  const QFont font = painter_.font();
  painter_.end();
  const QRgb stop = qRgb(border.r, border.g, border.b);
  const QRgb fill = qRgb(brush_.color.r, brush_.color.g, brush_.color.b);
  if ((image->pixel(start) & 0xFFFFFF) != (stop & 0xFFFFFF) && (image->pixel(start) & 0xFFFFFF) != (fill & 0xFFFFFF)) {
    std::vector<QPoint> stack{start};
    while (!stack.empty()) {
      const QPoint p = stack.back();
      stack.pop_back();
      if (!image->rect().contains(p)) continue;
      const QRgb c = image->pixel(p) & 0xFFFFFF;
      if (c == (stop & 0xFFFFFF) || c == (fill & 0xFFFFFF)) continue;
      image->setPixel(p, fill);
      stack.push_back({p.x() + 1, p.y()});
      stack.push_back({p.x() - 1, p.y()});
      stack.push_back({p.x(), p.y() + 1});
      stack.push_back({p.x(), p.y() - 1});
    }
  }
  painter_.begin(image);
  painter_.setTransform(transform);
  painter_.setPen(pen);
  painter_.setBrush(brush);
  painter_.setFont(font);
}

void PrinterSurface::TextOut(PointD anchor, const std::string& utf8) {
  const QString text = QString::fromStdString(utf8);
  const QFontMetricsF metrics(painter_.font(), painter_.device());
  painter_.save();
  painter_.setPen(ToQColor(font_.color));
  painter_.translate(ToQ(anchor));
  if (font_.angle != 0) painter_.rotate(-font_.angle);
  painter_.drawText(QPointF(0, metrics.ascent()), text);
  painter_.restore();
}

double PrinterSurface::TextWidth(const std::string& utf8) {
  return QFontMetricsF(painter_.font(), painter_.device()).horizontalAdvance(QString::fromStdString(utf8));
}

double PrinterSurface::TextHeight(const std::string&) {
  return QFontMetricsF(painter_.font(), painter_.device()).height();
}

void PrintPageTransform(QPainter& painter, double leftMm, double topMm) {
  QPaintDevice* device = painter.device();
  const double unitsX = device->logicalDpiX() / 254.0;  // device pixels per 0.1 mm
  const double unitsY = device->logicalDpiY() / 254.0;
  QTransform t;
  t.translate(leftMm * 10 * unitsX, topMm * 10 * unitsY);
  t.scale(unitsX, unitsY);
  painter.setTransform(t);
}

}  // namespace skiagraf::gui
