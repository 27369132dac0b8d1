#pragma once

#include <optional>
#include <string>
#include <vector>

#include "draw/Surface.h"
#include "plot/Hpgl.h"

namespace skiagraf {

// A drawing surface that writes HPGL into a plot file, so that a construction
// written once against DrawSurface also produces a plotter file. Surface
// coordinates (x right, y down) become plotter units (y up):
//   page x = x * f,  page y = pageHeight - y * f,
// with f plotter units per surface unit and pageHeight in plotter units.
//
// Pens are selected by their palette number; line styles become LT; lines are
// PU/PD; circles CI, circular arcs AA, other ellipses and arcs polylines; texts
// SI/DI/LB with SA for the symbol font. Shapes are not filled and FloodFill does
// nothing, as a pen plotter cannot fill.
class HpglSurface : public DrawSurface {
 public:
  HpglSurface(HpglWriter& writer, double width, double height, double plotterUnitsPerSurfaceUnit,
              double pageHeightPlotter);

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

  // The HPGL label of a text cell: its character height is this part of the
  // font's cell height, and its character width half the character height; a
  // character takes 1.5 character widths.
  static constexpr double kCapitalShare = 0.7;

 private:
  std::pair<double, double> Page(PointD p) const;
  void EnsureAt(PointD p);  // pen up to p unless the plotter pen is there already
  void DrawTo(PointD p);
  void PolylinePage(const std::vector<std::pair<double, double>>& points);

  HpglWriter& writer_;
  double width_, height_, f_, pageHeight_;
  PenSpec pen_;
  bool penSelected_ = false;
  LineStyle lineStyleWritten_ = LineStyle::Solid;
  BrushSpec brush_;
  FontSpec font_;
  PointD position_;
  std::optional<std::pair<double, double>> plotterAt_;  // where the plotter pen is
  std::optional<double> sizeWrittenCm_;
  std::optional<double> angleWritten_;
  bool symbolSet_ = false;
};

}  // namespace skiagraf
