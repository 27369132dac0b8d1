#include "PainterSurface.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPainterPath>
#include <QStack>
#include <cmath>

namespace skiagraf::gui {

namespace {

QColor ToColor(Rgb c) { return QColor(c.r, c.g, c.b); }
QPointF ToPoint(PointD p) { return {p.x, p.y}; }
QRectF ToRect(PointD a, PointD b) {
  return QRectF(QPointF(std::min(a.x, b.x), std::min(a.y, b.y)), QPointF(std::max(a.x, b.x), std::max(a.y, b.y)));
}

Qt::PenStyle ToStyle(LineStyle s) {
  switch (s) {
    case LineStyle::Dash: return Qt::DashLine;
    case LineStyle::Dot: return Qt::DotLine;
    case LineStyle::DashDot: return Qt::DashDotLine;
    case LineStyle::DashDotDot: return Qt::DashDotDotLine;
    case LineStyle::Solid: break;
  }
  return Qt::SolidLine;
}

// The font faces of the constructions and what a Linux desktop has in their place.
QString FontFamily(const std::string& face) {
  if (face == "Arial") return "Liberation Sans";
  if (face == "Times New Roman" || face == "MS Serif") return "Liberation Serif";
  if (face == "Courier" || face == "Courier New") return "Liberation Mono";
  return QString::fromStdString(face);
}

}  // namespace

PainterSurface::PainterSurface(QPainter& painter, double width, double height)
    : painter_(painter), width_(width), height_(height) {
  painter_.setRenderHint(QPainter::Antialiasing, true);
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
  painter_.setBrush(Qt::NoBrush);
}

void PainterSurface::SetPen(const PenSpec& pen) {
  QPen p(ToColor(pen.color));
  // Widths of 0 and 1 both draw the thinnest line.
  p.setWidthF(pen.width <= 1 ? 1.0 : pen.width);
  p.setStyle(ToStyle(pen.style));
  p.setCapStyle(Qt::RoundCap);
  p.setJoinStyle(Qt::RoundJoin);
  painter_.setPen(p);
}

void PainterSurface::SetBrush(const BrushSpec& brush) {
  painter_.setBrush(brush.solid ? QBrush(ToColor(brush.color)) : QBrush(Qt::NoBrush));
}

void PainterSurface::SetFont(const FontSpec& font) {
  QFont f(FontFamily(font.face));
  // The font height is the character cell height in surface units.
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(font.height))));
  f.setBold(font.bold);
  f.setItalic(font.italic);
  if (font.fixedPitch) {
    f.setStyleHint(QFont::TypeWriter);
    // Columns of blanks and digits line up only in a fixed-pitch face; a face that
    // is not one (a serif face in place of "MS Serif") gives way to the Courier face.
    if (!QFontInfo(f).fixedPitch()) f.setFamily(FontFamily("Courier"));
  }
  painter_.setFont(f);
  textColor_ = ToColor(font.color);
  angle_ = font.angle;
}

void PainterSurface::LineTo(PointD p) {
  painter_.drawLine(ToPoint(position_), ToPoint(p));
  position_ = p;
}

void PainterSurface::Polyline(const std::vector<PointD>& points) {
  if (points.empty()) return;
  QPolygonF poly;
  for (const PointD& p : points) poly << ToPoint(p);
  painter_.drawPolyline(poly);
  position_ = points.back();
}

void PainterSurface::Rectangle(PointD a, PointD b) { painter_.drawRect(ToRect(a, b)); }

void PainterSurface::Ellipse(PointD a, PointD b) { painter_.drawEllipse(ToRect(a, b)); }

void PainterSurface::Arc(PointD a, PointD b, PointD start, PointD end) {
  const QRectF r = ToRect(a, b);
  if (r.width() <= 0 || r.height() <= 0) return;
  const QPointF c = r.center();
  // Angles as seen on the screen, counter-clockwise from the x axis.
  const double a0 = std::atan2(-(start.y - c.y()) / r.height(), (start.x - c.x()) / r.width()) * 180.0 / M_PI;
  double a1 = std::atan2(-(end.y - c.y()) / r.height(), (end.x - c.x()) / r.width()) * 180.0 / M_PI;
  if (a1 <= a0) a1 += 360.0;
  painter_.drawArc(r, static_cast<int>(std::lround(a0 * 16)), static_cast<int>(std::lround((a1 - a0) * 16)));
}

void PainterSurface::FloodFill(PointD seed, Rgb border) {
  // A painter cannot read back what it drew in general; the fill works on image
  // canvases, where the pixels are at hand.
  auto* image = dynamic_cast<QImage*>(painter_.device());
  if (!image) return;
  const QPoint start = painter_.transform().map(ToPoint(seed)).toPoint();
  if (!image->rect().contains(start)) return;
  const QRgb stop = ToColor(border).rgb();
  const QRgb fill = painter_.brush().color().rgb();
  if (image->pixel(start) == stop || image->pixel(start) == fill) return;
  QStack<QPoint> todo;
  todo.push(start);
  while (!todo.isEmpty()) {
    const QPoint p = todo.pop();
    if (!image->rect().contains(p)) continue;
    const QRgb here = image->pixel(p);
    if (here == stop || here == fill) continue;
    image->setPixel(p, fill);
    todo.push({p.x() + 1, p.y()});
    todo.push({p.x() - 1, p.y()});
    todo.push({p.x(), p.y() + 1});
    todo.push({p.x(), p.y() - 1});
  }
}

void PainterSurface::TextOut(PointD anchor, const std::string& utf8) {
  const QString text = QString::fromStdString(utf8);
  const QFontMetricsF m(painter_.font(), painter_.device());
  const QPen pen = painter_.pen();
  painter_.save();
  painter_.setPen(textColor_);
  painter_.translate(ToPoint(anchor));
  if (angle_ != 0) painter_.rotate(-angle_);
  // The anchor is the top-left corner of the text cell.
  painter_.drawText(QPointF(0, m.ascent()), text);
  painter_.restore();
  painter_.setPen(pen);
}

double PainterSurface::TextWidth(const std::string& utf8) {
  return QFontMetricsF(painter_.font(), painter_.device()).horizontalAdvance(QString::fromStdString(utf8));
}

double PainterSurface::TextHeight(const std::string&) {
  return QFontMetricsF(painter_.font(), painter_.device()).height();
}

}  // namespace skiagraf::gui
