// One full construction of the default vertical dial with every hour-line family
// on: what a wheel turn or a click on the canvas redraws.
#include <benchmark/benchmark.h>

#include "base/UserInterface.h"
#include "dials/HourLineAngles.h"
#include "dials/PlanarDial.h"
#include "model/DialSettings.h"

namespace skiagraf {
namespace {

// A surface that draws nothing, so that only the construction is measured.
class NullSurface : public DrawSurface {
 public:
  NullSurface(double w, double h) : w_(w), h_(h) {}
  double Width() const override { return w_; }
  double Height() const override { return h_; }
  void SetPen(const PenSpec&) override {}
  void SetBrush(const BrushSpec&) override {}
  void SetFont(const FontSpec&) override {}
  void MoveTo(PointD) override {}
  void LineTo(PointD) override { ++lines; }
  void Polyline(const std::vector<PointD>&) override {}
  void Rectangle(PointD, PointD) override {}
  void Ellipse(PointD, PointD) override {}
  void Arc(PointD, PointD, PointD, PointD) override {}
  void FloodFill(PointD, Rgb) override {}
  void TextOut(PointD, const std::string&) override {}
  double TextWidth(const std::string&) override { return 0; }
  double TextHeight(const std::string&) override { return 0; }
  long lines = 0;

 private:
  double w_, h_;
};

void BM_DefaultVerticalDialEveryFamily(benchmark::State& state) {
  ScriptedUserInterface ui;
  ScopedUserInterface scoped(ui);
  DialSettings s = DefaultDialSettings();
  s.ApparentTimeLines = s.MeanTimeLines = s.MarkAnalemma = s.TemporalHours = true;
  s.BabylonianHours = s.ItalianHours = s.AltitudeLines = s.WholeHourDateLines = true;
  s.HourLinesToStyleFoot = true;
  const HourLineAngleTable angles = ComputeHourLineAngles(s);
  NullSurface surface(1120, 790);
  DrawingView view;
  DefaultPlanarPlacement(s, 1120, 790, view);
  view.angles = &angles;
  for (auto _ : state) {
    view.zoom = 1.0;
    DrawPlanarDial(surface, true, view, s);
  }
  state.counters["lines"] = benchmark::Counter(static_cast<double>(surface.lines) / state.iterations());
}
BENCHMARK(BM_DefaultVerticalDialEveryFamily)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace skiagraf
