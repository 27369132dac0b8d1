#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>

#include "base/UserInterface.h"
#include "plot/Hpgl.h"
#include "text/Language.h"

namespace skiagraf {
namespace {

TEST(HpglIntTest, RoundsAndClamps) {
  struct Case {
    double value;
    std::string text;
  };
  for (const Case& c : {Case{3e8, "217000000"}, Case{-3e8, "-217000000"}, Case{217000000.4, "217000000"},
                        Case{2.5, "2"}, Case{3.5, "4"}, Case{-2.5, "-2"}, Case{-0.4, "0"}, Case{16157, "16157"},
                        Case{403924.6, "403925"}}) {
    EXPECT_EQ(HpglInt(c.value), c.text) << c.value;
  }
}

TEST(HpglPageTest, ScreenToPage) {
  EXPECT_EQ(ScreenToPageX(0, 800), 0);
  EXPECT_EQ(ScreenToPageX(800, 800), 16157);
  EXPECT_EQ(ScreenToPageX(400, 800), 8079);  // 8078.5 rounds away from zero
  EXPECT_EQ(ScreenToPageY(0, 600), 11040);
  EXPECT_EQ(ScreenToPageY(600, 600), 2);
  EXPECT_EQ(ScreenToPageY(300, 600), 5521);
  EXPECT_EQ(LineWeightText(1), "0;");
  EXPECT_EQ(LineWeightText(3), "2;");
}

TEST(HpglWriterTest, HeaderCarriesPageExtentsTimesK) {
  struct Case {
    int k;
    std::string text;
  };
  for (const Case& c :
       {Case{1, "IN;VS 1;PA;IW 0 0 16157 11038;PU 0 0;EA 16157 11038;;SP 4;PU 0 0;"},
        Case{25, "IN;VS 1;PA;IW 0 0 403925 275950;PU 0 0;EA 403925 275950;;SP 4;PU 0 0;"}}) {
    std::ostringstream out;
    HpglWriter w(out, c.k);
    w.Header();
    EXPECT_EQ(out.str(), c.text);
  }
}

TEST(HpglWriterTest, LineWidthCommandsFollowTheSetting) {
  struct Case {
    int setting;
    std::string lines, texts;
  };
  for (const Case& c : {Case{1, "", ""}, Case{2, ";PW 1;", ";PW 0;"}, Case{3, ";PW 2;", ";PW 0;"}}) {
    std::ostringstream a, b;
    HpglWriter wa(a, 1, c.setting), wb(b, 1, c.setting);
    wa.LineWidthForLines();
    wb.LineWidthForTexts();
    EXPECT_EQ(a.str(), c.lines) << c.setting;
    EXPECT_EQ(b.str(), c.texts) << c.setting;
  }
}

TEST(HpglWriterTest, Primitives) {
  struct Case {
    std::function<void(HpglWriter&)> write;
    std::string text;
  };
  const Case cases[] = {
      {[](HpglWriter& w) { w.SelectPen(9); }, ";SP 9;"},
      {[](HpglWriter& w) { w.PenUp(1.4, 2.6); }, ";PU 1 3"},
      {[](HpglWriter& w) { w.PenDown({{1, 2}, {3e8, -4}}); }, ";PD 1 2 217000000 -4"},
      {[](HpglWriter& w) { w.PenUp(); }, ";PU;"},
      {[](HpglWriter& w) { w.CharacterSize(0.16, 0.24); }, ";SI  0.16, 0.24;"},
      {[](HpglWriter& w) { w.CharacterSize(4, 6); }, ";SI  4.00, 6.00;"},
      {[](HpglWriter& w) { w.Direction(0, 1); }, ";DI 0,1;"},
      {[](HpglWriter& w) { w.Direction(0.5, -0.25); }, ";DI 0.5,-0.25;"},
      {[](HpglWriter& w) { w.Label("S"); }, ";LBS\x03"},
      {[](HpglWriter& w) { w.Label("a\x03" "b"); }, ";LBab\x03"},
      {[](HpglWriter& w) { w.Circle(80); }, ";CI 80;"},
      {[](HpglWriter& w) { w.ArcAbsolute(100, 200, -90); }, ";AA 100 200 -90;"},
      {[](HpglWriter& w) { w.Dashed(); }, ";LT 2,2;"},
      {[](HpglWriter& w) { w.Solid(); }, ";LT ;"},
      {[](HpglWriter& w) { w.AlternateCharacterSet(); }, ";SA"},
      {[](HpglWriter& w) { w.StandardCharacterSet(); }, ";SS"},
      {[](HpglWriter& w) { w.Write(""); }, ""},
  };
  for (const Case& c : cases) {
    std::ostringstream out;
    HpglWriter w(out);
    c.write(w);
    EXPECT_EQ(out.str(), c.text);
  }
}

TEST(HpglWriterTest, TextsAreWrittenInWindows1252) {
  std::ostringstream out;
  HpglWriter w(out);
  w.Label("Länge 5°");
  EXPECT_EQ(out.str(), ";LBL\xE4nge 5\xB0\x03");
}

TEST(HpglWriterTest, WriteErrorThrows) {
  std::ofstream full("/dev/full", std::ios::binary);
  if (!full) GTEST_SKIP() << "/dev/full is not available";
  HpglWriter w(full);
  EXPECT_THROW(w.Write(std::string(100000, 'x')), std::runtime_error);
}

TEST(HpglWriterTest, WriteHpglGoesToTheOpenPlotFile) {
  EXPECT_THROW(WriteHpgl("IN;"), std::logic_error);
  std::ostringstream out;
  HpglWriter w(out);
  {
    ScopedPlotFile open(w);
    EXPECT_EQ(CurrentPlotFile(), &w);
    WriteHpgl("IN;");
    WriteHpgl("");
    WriteHpgl(";SP 1;");
  }
  EXPECT_EQ(CurrentPlotFile(), nullptr);
  EXPECT_EQ(out.str(), "IN;;SP 1;");
}

// Parses the grid commands back into vertical and horizontal lines.
struct GridLines {
  std::vector<std::array<long, 3>> vertical;    // x, y start, y end
  std::vector<std::array<long, 3>> horizontal;  // y, x start, x end
};

GridLines ParseGrid(const std::string& text) {
  GridLines g;
  std::size_t pos = text.find(";CI 80;");
  pos += 7;
  while (true) {
    long x1, y1, x2, y2;
    if (std::sscanf(text.c_str() + pos, "PU %ld %ld;PD %ld %ld;", &x1, &y1, &x2, &y2) != 4) break;
    if (x1 == x2) g.vertical.push_back({x1, y1, y2});
    else g.horizontal.push_back({y1, x1, x2});
    pos = text.find(';', text.find("PD", pos)) + 1;
  }
  EXPECT_EQ(text.substr(pos), "PU ;");
  return g;
}

TEST(HpglGridTest, LinesPassThroughTheFootAndStayOnThePage) {
  struct Case {
    int k;
    double x0, y0, d;
  };
  for (const Case& c : {Case{1, 8200, 4000, 400}, Case{1, 1000, 1000, 400}, Case{25, 205000, 100000, 10000},
                        Case{1, 8200, 4000, 1000}}) {
    std::ostringstream out;
    HpglWriter w(out, c.k);
    WriteGrid(w, c.x0, c.y0, c.d);
    const std::string text = out.str();
    const long X = 16150L * c.k, Y = 11030L * c.k;
    EXPECT_EQ(text.rfind(";IW 0 0 " + std::to_string(X) + " " + std::to_string(Y) + ";SP 9;PU " +
                             HpglInt(c.x0) + " " + HpglInt(c.y0) + ";CI 80;",
                         0),
              0u);
    GridLines g = ParseGrid(text);
    ASSERT_FALSE(g.vertical.empty());
    ASSERT_FALSE(g.horizontal.empty());
    // first line at the reduced start, not more than d + 2 from the edge
    EXPECT_LE(g.vertical.front()[0], c.d + 2);
    EXPECT_GT(g.vertical.front()[0], 2);
    EXPECT_LE(g.horizontal.front()[0], c.d + 2);
    // last line below X - d - 2, and one more step would not be
    EXPECT_LT(g.vertical.back()[0], X - c.d - 2);
    EXPECT_GE(g.vertical.back()[0] + c.d, X - c.d - 2);
    bool throughFootX = false, throughFootY = false;
    for (std::size_t i = 0; i < g.vertical.size(); ++i) {
      if (i > 0) {
        EXPECT_EQ(g.vertical[i][0] - g.vertical[i - 1][0], c.d);
      }
      EXPECT_EQ(g.vertical[i][1], g.horizontal.front()[0]);
      EXPECT_EQ(g.vertical[i][2], g.horizontal.back()[0]);
      throughFootX = throughFootX || g.vertical[i][0] == c.x0;
    }
    for (const auto& h : g.horizontal) {
      EXPECT_EQ(h[1], g.vertical.front()[0]);
      EXPECT_EQ(h[2], g.vertical.back()[0]);
      throughFootY = throughFootY || h[0] == c.y0;
    }
    EXPECT_TRUE(throughFootX);
    EXPECT_TRUE(throughFootY);
  }
}

TEST(HpglGridTest, SpacingIsAsked) {
  struct Case {
    Answer answer;
    std::optional<std::string> entry;
    int k;
    int millimetres;
  };
  for (const Case& c : {Case{Answer::No, "5", 1, 0}, Case{Answer::Yes, "5", 1, 5}, Case{Answer::Yes, "abc", 1, 10},
                        Case{Answer::Yes, "0", 1, 10}, Case{Answer::Yes, "-3", 1, 10},
                        Case{Answer::Yes, "2.5", 1, 10}, Case{Answer::Yes, std::nullopt, 1, 10},
                        Case{Answer::Yes, " 20 ", 25, 20}}) {
    ScriptedUserInterface ui;
    ScopedUserInterface scoped(ui);
    ui.answers.push_back(c.answer);
    ui.inputs.push_back(c.entry);
    std::ostringstream out;
    HpglWriter w(out, c.k);
    EXPECT_EQ(AskAndWriteGrid(w, 8200.0 * c.k, 4000.0 * c.k), c.millimetres);
    ASSERT_FALSE(ui.shown.empty());
    EXPECT_EQ(ui.shown[0].text, "Soll zusätzlich das Koordinatennetz gezeichnet werden?");
    EXPECT_EQ(ui.shown[0].title, "SKIAGRAF.EXE - Was nun?");
    if (c.millimetres == 0) {
      EXPECT_EQ(out.str(), "");
      EXPECT_EQ(ui.shown.size(), 1u);
      continue;
    }
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[1].title, "Koordinatennetz zeichnen");
    EXPECT_EQ(ui.shown[1].text, "Grösse von 1 Längeneinheit (Default=10 [mm]) :");
    GridLines g = ParseGrid(out.str());
    ASSERT_GE(g.vertical.size(), 2u);
    EXPECT_EQ(g.vertical[1][0] - g.vertical[0][0], c.millimetres * 40L * c.k);
  }
}

TEST(HpglGridTest, EnglishTexts) {
  SetCurrentLanguage(Language::English);
  ScriptedUserInterface ui;
  ScopedUserInterface scoped(ui);
  ui.answers.push_back(Answer::Yes);
  ui.inputs.push_back("10");
  std::ostringstream out;
  HpglWriter w(out);
  AskAndWriteGrid(w, 8200, 4000);
  SetCurrentLanguage(Language::German);
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[0].text, "Additional Grid of Co-ordinates in Graphics-File");
  EXPECT_EQ(ui.shown[0].title, "SKIAGRAF.EXE - Question");
  EXPECT_EQ(ui.shown[1].title, "Display Grid of Coordinates");
  EXPECT_EQ(ui.shown[1].text, "Width of grid (default=10 [mm] :");
}

}  // namespace
}  // namespace skiagraf
