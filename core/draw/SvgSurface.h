#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "draw/Surface.h"

namespace skiagraf {

// A drawing surface that writes an SVG document: lines as paths with the pen's colour,
// width and dash, shapes with the brush, texts as UTF-8 text elements with the font
// face, size, weight and rotation, placed by their baseline so that every reader puts
// them where the canvas does. Consecutive line segments of one pen form one path.
// Text metrics are estimated from the font height (0.55 of the height per character).
// SVG has no flood fill: a fill request is kept as a comment at its seed point.
class SvgSurface : public DrawSurface {
 public:
  SvgSurface(double width, double height);

  double Width() const override { return width_; }
  double Height() const override { return height_; }
  void SetPen(const PenSpec& pen) override;
  void SetBrush(const BrushSpec& brush) override { brush_ = brush; }
  void SetFont(const FontSpec& font) override { font_ = font; }
  void MoveTo(PointD p) override;
  void LineTo(PointD p) override;
  void Polyline(const std::vector<PointD>& points) override;
  void Rectangle(PointD corner1, PointD corner2) override;
  void Ellipse(PointD corner1, PointD corner2) override;
  void Arc(PointD corner1, PointD corner2, PointD start, PointD end) override;
  void FloodFill(PointD seed, Rgb border) override;
  void TextOut(PointD anchor, const std::string& utf8) override;
  double TextWidth(const std::string& utf8) override;
  double TextHeight(const std::string& utf8) override;

  // The complete document (the open path is closed first).
  std::string Document();

 private:
  void Flush();
  std::string StrokeAttributes() const;
  std::string FillAttribute() const;

  double width_, height_;
  PenSpec pen_;
  BrushSpec brush_;
  FontSpec font_;
  PointD position_;
  std::string path_;  // the open path of the current pen
  std::ostringstream body_;
};

// Text with the characters that XML reserves escaped.
std::string XmlEscaped(const std::string& text);

}  // namespace skiagraf
