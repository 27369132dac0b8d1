#pragma once

#include <QPainter>
#include <QPointF>
#include <string>
#include <vector>

#include "draw/Surface.h"

namespace skiagraf::gui {

// A drawing surface on a QPainter, for the printer page in tenths of a millimetre.
// The painter's transform decides the unit: PrintPageTransform() maps one surface
// unit to 0.1 mm on a printer or PDF page. It works on any painter (an image, a
// widget) whose transform maps the surface units to the device.
//
// Fonts: FontSpec::height is the character cell height in surface units; the faces
// "Arial", "Times New Roman", "Courier New"/"Courier", "MS Serif" and "Wingdings"
// are taken as Qt finds them, with a style hint for the substitute. FloodFill works
// on an image device (it reads the pixels); on a printer or PDF page, which cannot be
// read back, it fills nothing.
class PrinterSurface : public DrawSurface {
 public:
  PrinterSurface(QPainter& painter, double width, double height);

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

  // The font a FontSpec stands for (pixel size = cell height in surface units).
  static QFont ToQFont(const FontSpec& font);

 private:
  QPainter& painter_;
  double width_, height_;
  FontSpec font_;
  BrushSpec brush_;
  PointD position_;
};

// Sets the painter's transform so that one unit is 0.1 mm on the device, with the
// origin `leftMm`, `topMm` millimetres from the device's top-left corner.
void PrintPageTransform(QPainter& painter, double leftMm, double topMm);

}  // namespace skiagraf::gui
