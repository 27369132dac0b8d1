#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace skiagraf {

// The one drawing surface every construction draws on. The screen canvas, the
// printer page, SVG files and the recording surface of the tests implement it.
// Coordinates are surface units (screen pixels, or tenths of a millimetre on the
// printer page), x to the right and y downwards, as on a window canvas.

struct PointD {
  double x = 0;
  double y = 0;
  bool operator==(const PointD&) const = default;
};

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

enum class LineStyle { Solid, Dash, Dot, DashDot, DashDotDot };

struct PenSpec {
  Rgb color;
  double width = 1;  // surface units; 0 and 1 both draw the thinnest line
  LineStyle style = LineStyle::Solid;
  // Pen k of the colour palette (1..12) is HPGL pen k; 0 for a pen outside the
  // palette. Plot-file surfaces select their pen by this number.
  int palettePen = 0;
  bool operator==(const PenSpec&) const = default;
};

struct BrushSpec {
  Rgb color{255, 255, 255};
  bool solid = false;  // false: shapes are not filled
  bool operator==(const BrushSpec&) const = default;
};

struct FontSpec {
  std::string face = "Arial";  // "Arial", "Times New Roman", "Courier New", "MS Serif", "Wingdings"
  double height = 12;          // character cell height in surface units
  bool bold = false;
  bool italic = false;
  bool fixedPitch = false;
  double angle = 0;            // degrees, counter-clockwise, about the anchor
  Rgb color;
  bool operator==(const FontSpec&) const = default;
};

class DrawSurface {
 public:
  virtual ~DrawSurface() = default;

  virtual double Width() const = 0;
  virtual double Height() const = 0;

  virtual void SetPen(const PenSpec& pen) = 0;
  virtual void SetBrush(const BrushSpec& brush) = 0;
  virtual void SetFont(const FontSpec& font) = 0;

  // The pen position: MoveTo sets it, LineTo draws from it and moves it.
  virtual void MoveTo(PointD p) = 0;
  virtual void LineTo(PointD p) = 0;
  virtual void Polyline(const std::vector<PointD>& points) = 0;
  // Outline with the pen, filled with the brush when it is solid.
  virtual void Rectangle(PointD corner1, PointD corner2) = 0;
  virtual void Ellipse(PointD corner1, PointD corner2) = 0;  // bounding box
  // The part of the ellipse in the bounding box, counter-clockwise (as seen on the
  // screen) from the ray towards `start` to the ray towards `end`.
  virtual void Arc(PointD corner1, PointD corner2, PointD start, PointD end) = 0;
  // Fills the area around `seed` that is bounded by lines of colour `border`
  // with the brush colour.
  virtual void FloodFill(PointD seed, Rgb border) = 0;
  // Text with the current font; `anchor` is the top left corner of the (unrotated)
  // text cell, and the text turns about it by the font angle.
  virtual void TextOut(PointD anchor, const std::string& utf8) = 0;
  virtual double TextWidth(const std::string& utf8) = 0;
  virtual double TextHeight(const std::string& utf8) = 0;

  // Convenience forms.
  void Line(PointD a, PointD b) {
    MoveTo(a);
    LineTo(b);
  }
};

}  // namespace skiagraf
