#pragma once

#include <string>
#include <vector>

#include "draw/Surface.h"

namespace skiagraf {

// Records every drawing operation with the pen, brush and font in force, so that
// tests can ask what a construction drew. Text metrics are estimated from the
// font height (0.55 of the height per character), which is all a test needs.
class RecordingSurface : public DrawSurface {
 public:
  enum class Kind { Line, Polyline, Rectangle, Ellipse, Arc, FloodFill, Text, Move };

  struct Op {
    Kind kind;
    std::vector<PointD> points;  // Line: from, to; Move: to; Rectangle/Ellipse: corners;
                                 // Arc: corners, start, end; FloodFill/Text: anchor
    PenSpec pen;
    BrushSpec brush;
    FontSpec font;
    std::string text;            // Text only
    Rgb border;                  // FloodFill only
  };

  RecordingSurface(double width, double height) : width_(width), height_(height) {}

  double Width() const override { return width_; }
  double Height() const override { return height_; }
  void SetPen(const PenSpec& pen) override { pen_ = pen; }
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

  const std::vector<Op>& Ops() const { return ops_; }
  void Clear() { ops_.clear(); }

  // Queries for tests.
  std::vector<const Op*> OpsOfKind(Kind kind) const;
  std::vector<const Op*> LinesInColor(Rgb color) const;  // Line ops drawn with that pen colour
  std::vector<std::string> Texts() const;
  bool HasText(const std::string& fragment) const;

 private:
  Op Make(Kind kind, std::vector<PointD> points) const;

  double width_, height_;
  PenSpec pen_;
  BrushSpec brush_;
  FontSpec font_;
  PointD position_;
  std::vector<Op> ops_;
};

}  // namespace skiagraf
