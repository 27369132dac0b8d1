#pragma once

#include <QFont>
#include <QPainter>
#include <QPen>

#include "draw/Surface.h"

namespace skiagraf::gui {

// The drawing surface over a QPainter: the canvas of the drawing window, and the
// printer page (the printer maps its painter to tenths of a millimetre first).
// Width and height are those of the drawing in surface units; the painter must stay
// active while the surface is used.
class PainterSurface : public DrawSurface {
 public:
  PainterSurface(QPainter& painter, double width, double height);

  double Width() const override { return width_; }
  double Height() const override { return height_; }
  void SetPen(const PenSpec& pen) override;
  void SetBrush(const BrushSpec& brush) override;
  void SetFont(const FontSpec& font) override;
  void MoveTo(PointD p) override { position_ = p; }
  void LineTo(PointD p) override;
  void Polyline(const std::vector<PointD>& points) override;
  void Rectangle(PointD corner1, PointD corner2) override;
  void Ellipse(PointD corner1, PointD corner2) override;
  void Arc(PointD corner1, PointD corner2, PointD start, PointD end) override;
  void FloodFill(PointD seed, Rgb border) override;
  void TextOut(PointD anchor, const std::string& utf8) override;
  double TextWidth(const std::string& utf8) override;
  double TextHeight(const std::string& utf8) override;

 private:
  QPainter& painter_;
  double width_, height_;
  PointD position_;
  QColor textColor_;
  double angle_ = 0;
};

}  // namespace skiagraf::gui
