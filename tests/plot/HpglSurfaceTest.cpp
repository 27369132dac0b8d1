#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "DxfTestReader.h"
#include "base/UserInterface.h"
#include "plot/DxfConverter.h"
#include "plot/HpglSurface.h"

namespace skiagraf {
namespace {

using testing::DxfEntities;
using testing::DxfEntity;
using testing::DxfPolylines;

// A surface of 1000 x 1000 units, one plotter unit per surface unit, page height 1000:
// page y = 1000 - y.
class HpglSurfaceTest : public ::testing::Test {
 protected:
  ScriptedUserInterface ui;
  ScopedUserInterface scoped{ui};
  std::ostringstream out;
  HpglWriter writer{out};
  HpglSurface surface{writer, 1000, 1000, 1, 1000};
  // Drawing never shows a message (a formatting fault would show message 25).
  void TearDown() override {
    EXPECT_TRUE(ui.shown.empty()) << ui.shown.front().text;
  }

  PenSpec Pen(int palette, LineStyle style = LineStyle::Solid) {
    PenSpec p;
    p.palettePen = palette;
    p.style = style;
    return p;
  }
  std::string Dxf() { return ConvertHpglText(out.str(), 1, 1).dxf; }
  std::vector<DxfEntity> OfType(const std::string& type) {
    std::vector<DxfEntity> v;
    for (auto& e : DxfEntities(Dxf())) {
      if (e.type == type) v.push_back(e);
    }
    return v;
  }
};

TEST_F(HpglSurfaceTest, LinesArePenUpPenDownWithYUp) {
  surface.SetPen(Pen(3));
  surface.MoveTo({10, 20});
  surface.LineTo({30, 40});
  surface.LineTo({50, 40});
  EXPECT_EQ(out.str(), ";SP 3;;PU 10 980;PD 30 960;PD 50 960");
  auto lines = DxfPolylines(Dxf());
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].layer, "L_3");
  EXPECT_EQ(lines[0].points, (std::vector<std::pair<double, double>>{{10, 980}, {30, 960}, {50, 960}}));
}

TEST_F(HpglSurfaceTest, PensAndLineStyles) {
  struct Case {
    PenSpec pen;
    std::string lineType;
    std::string layer;
  };
  for (const Case& c : {Case{Pen(5, LineStyle::Dash), "DASHED", "L_5"}, Case{Pen(5, LineStyle::Dot), "DOT", "L_5"},
                        Case{Pen(9, LineStyle::DashDot), "DASHDOT", "L_9"}, Case{Pen(12), "CONTINUOUS", "L_12"},
                        Case{Pen(0), "CONTINUOUS", "L_4"}}) {
    std::ostringstream o;
    HpglWriter w(o);
    HpglSurface s(w, 100, 100, 1, 100);
    s.SetPen(c.pen);
    s.Line({0, 0}, {10, 10});
    auto lines = DxfPolylines(ConvertHpglText(o.str(), 1, 1).dxf);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].lineType, c.lineType);
    EXPECT_EQ(lines[0].layer, c.layer);
  }
  // Selecting the same pen again writes nothing; a new style only its LT.
  surface.SetPen(Pen(2));
  const std::string before = out.str();
  surface.SetPen(Pen(2));
  EXPECT_EQ(out.str(), before);
  surface.SetPen(Pen(2, LineStyle::Dash));
  EXPECT_EQ(out.str(), before + ";LT 2,2;");
  surface.SetPen(Pen(2));
  EXPECT_EQ(out.str(), before + ";LT 2,2;;LT ;");
}

TEST_F(HpglSurfaceTest, ShapesKeepTheirGeometry) {
  surface.SetPen(Pen(1));
  surface.Rectangle({10, 10}, {110, 60});
  surface.Ellipse({200, 200}, {300, 300});  // circle, radius 50 about (250, 750)
  surface.Ellipse({400, 400}, {600, 500});  // ellipse 100 x 50 about (500, 550)
  auto lines = DxfPolylines(Dxf());
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].points,
            (std::vector<std::pair<double, double>>{{10, 990}, {110, 990}, {110, 940}, {10, 940}, {10, 990}}));
  for (const auto& [x, y] : lines[1].points) {
    const double u = (x - 500) / 100, v = (y - 550) / 50;
    EXPECT_NEAR(u * u + v * v, 1.0, 0.03);
  }
  auto circles = OfType("CIRCLE");
  ASSERT_EQ(circles.size(), 1u);
  EXPECT_DOUBLE_EQ(circles[0].Number(10), 250);
  EXPECT_DOUBLE_EQ(circles[0].Number(20), 750);
  EXPECT_DOUBLE_EQ(circles[0].Number(40), 50);
}

TEST_F(HpglSurfaceTest, CircularArcsRunCounterClockwiseAsOnScreen) {
  struct Case {
    PointD start, end;
    double from, to;
  };
  // centre (100, 100) on the screen, radius 50; screen "up" is page "up".
  for (const Case& c : {Case{{150, 100}, {100, 50}, 0, 90}, Case{{100, 50}, {150, 100}, 90, 360},
                        Case{{50, 100}, {100, 150}, 180, 270}}) {
    std::ostringstream o;
    HpglWriter w(o);
    HpglSurface s(w, 1000, 1000, 1, 1000);
    s.SetPen(Pen(6));
    s.Arc({50, 50}, {150, 150}, c.start, c.end);
    // a plotter draws AA only with the pen down
    EXPECT_NE(o.str().find(";PD;;AA 100 900 "), std::string::npos) << o.str();
    auto dxf = ConvertHpglText(o.str(), 1, 1).dxf;
    std::vector<DxfEntity> arcs;
    for (auto& e : DxfEntities(dxf)) {
      if (e.type == "ARC") arcs.push_back(e);
    }
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_DOUBLE_EQ(arcs[0].Number(10), 100);
    EXPECT_DOUBLE_EQ(arcs[0].Number(20), 900);
    EXPECT_NEAR(arcs[0].Number(40), 50, 1e-4);
    EXPECT_NEAR(arcs[0].Number(50), c.from, 0.01);
    EXPECT_NEAR(arcs[0].Number(51), c.to, 0.01);
  }
}

TEST_F(HpglSurfaceTest, TextsStandOnTheirBaseline) {
  struct Case {
    double angle;
    std::string face;
    double x, y, rotation;
    std::string style;
  };
  // Font cell 100 surface units high: baseline 80 below the anchor, turned with the text.
  for (const Case& c : {Case{0, "Arial", 200, 1000 - 380, 0, "STANDARD"},
                        Case{90, "Arial", 280, 1000 - 300, 90, "STANDARD"},
                        Case{0, "Wingdings", 200, 1000 - 380, 0, "symbols"}}) {
    std::ostringstream o;
    HpglWriter w(o, 1);
    HpglSurface s(w, 1000, 1000, 1, 1000);
    FontSpec font;
    font.height = 100;
    font.angle = c.angle;
    font.face = c.face;
    s.SetFont(font);
    s.TextOut({200, 300}, "Länge");
    EXPECT_NE(o.str().find(";LBL\xE4nge\x03"), std::string::npos);
    std::vector<DxfEntity> texts;
    for (auto& e : DxfEntities(ConvertHpglText(o.str(), 1, 40).dxf)) {
      if (e.type == "TEXT") texts.push_back(e);
    }
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_NEAR(texts[0].Number(10) * 40, c.x, 1e-6) << c.angle;
    EXPECT_NEAR(texts[0].Number(20) * 40, c.y, 1e-6) << c.angle;
    EXPECT_NEAR(texts[0].Number(50), c.rotation, 0.05);
    EXPECT_EQ(texts[0].Value(7), c.style);
    // 100 plotter units = 2.5 mm cell; the characters are 0.7 of it high.
    EXPECT_NEAR(texts[0].Number(40), 2.5 * HpglSurface::kCapitalShare, 0.01);
  }
}

TEST_F(HpglSurfaceTest, TextMetricsFollowTheFont) {
  FontSpec font;
  font.height = 40;
  surface.SetFont(font);
  EXPECT_DOUBLE_EQ(surface.TextHeight("x"), 40);
  EXPECT_DOUBLE_EQ(surface.TextWidth("Länge"), 5 * surface.TextWidth("a"));
  EXPECT_GT(surface.TextWidth("a"), 0.4 * 40);
  EXPECT_LT(surface.TextWidth("a"), 0.7 * 40);
  font.height = 80;
  surface.SetFont(font);
  EXPECT_DOUBLE_EQ(surface.TextWidth("ab"), 2 * 2 * 0.525 * 40);
}

}  // namespace
}  // namespace skiagraf
