#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "DxfTestReader.h"
#include "base/NumberFormat.h"
#include "base/UserInterface.h"
#include "plot/DxfConverter.h"
#include "text/Language.h"

namespace skiagraf {
namespace {

using testing::DxfEntities;
using testing::DxfEntity;
using testing::DxfHeaderVariable;
using testing::DxfPolylines;

bool Logged(const DxfConversion& c, const std::string& line) {
  return std::find(c.log.begin(), c.log.end(), line) != c.log.end();
}

std::vector<DxfEntity> OfType(const std::string& dxf, const std::string& type) {
  std::vector<DxfEntity> out;
  for (auto& e : DxfEntities(dxf)) {
    if (e.type == type) out.push_back(e);
  }
  return out;
}

class DxfConverterTest : public ::testing::Test {
 protected:
  ScriptedUserInterface ui;
  ScopedUserInterface scoped{ui};
};

TEST_F(DxfConverterTest, InputWithoutLetterMakesNoDxf) {
  for (const std::string input : {"", "   ", "12 34 5", " 0 ;;, 9"}) {
    DxfConversion c = ConvertHpglText(input, 1, 40);
    EXPECT_FALSE(c.isHpgl) << '"' << input << '"';
    EXPECT_TRUE(c.dxf.empty());
  }
}

TEST_F(DxfConverterTest, HeaderDeclaresVersionCodePageAndExtents) {
  struct Case {
    double scale;
    std::string xMax, yMax;
  };
  for (const Case& c : {Case{40, "  411.00", "  287.50"}, Case{1000, "   16.44", "   11.50"},
                        Case{0, "16440.00", "11500.00"}}) {
    DxfConversion r = ConvertHpglText("IN;PU 0 0;", 1, c.scale);
    ASSERT_TRUE(r.isHpgl);
    auto groups = testing::DxfGroups(r.dxf);
    auto extmax = std::find_if(groups.begin(), groups.end(), [](auto& g) { return g.second == "$EXTMAX"; });
    ASSERT_NE(extmax, groups.end());
    EXPECT_EQ((extmax + 1)->second, c.xMax) << "scale " << c.scale;  // right-aligned in 8 characters
    EXPECT_EQ((extmax + 2)->second, c.yMax);
    EXPECT_EQ(DxfHeaderVariable(r.dxf, "$LIMMAX"), DxfHeaderVariable(r.dxf, "$EXTMAX"));
    EXPECT_EQ(DxfHeaderVariable(r.dxf, "$ACADVER"), std::vector<std::string>{"AC1009"});
    EXPECT_EQ(DxfHeaderVariable(r.dxf, "$DWGCODEPAGE"), std::vector<std::string>{"ANSI_1252"});
  }
}

TEST_F(DxfConverterTest, EveryLineEndsWithCrLf) {
  DxfConversion r = ConvertHpglText("IN;SP 1;PU 0 0;PD 40 40;LBx\x03", 1, 40);
  ASSERT_FALSE(r.dxf.empty());
  ASSERT_GE(r.dxf.size(), 2u);
  EXPECT_EQ(r.dxf.substr(r.dxf.size() - 5), "EOF\r\n");
  for (std::size_t i = 0; i < r.dxf.size(); ++i) {
    if (r.dxf[i] == '\r') {
      ASSERT_TRUE(i + 1 < r.dxf.size() && r.dxf[i + 1] == '\n') << "bare CR at " << i;
    }
    if (r.dxf[i] == '\n') {
      ASSERT_TRUE(i > 0 && r.dxf[i - 1] == '\r') << "bare LF at " << i;
    }
  }
}

TEST_F(DxfConverterTest, PenFivePolylineStartsAtPreviousPosition) {
  DxfConversion r = ConvertHpglText("IN;SP 5;PU 100 200;PD 300 400;", 1, 1);
  auto lines = DxfPolylines(r.dxf);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].layer, "L_5");
  EXPECT_EQ(lines[0].colour, "5");
  EXPECT_EQ(lines[0].lineType, "CONTINUOUS");
  ASSERT_EQ(lines[0].points.size(), 2u);
  EXPECT_EQ(lines[0].points[0], std::make_pair(100.0, 200.0));
  EXPECT_EQ(lines[0].points[1], std::make_pair(300.0, 400.0));
  EXPECT_TRUE(r.converted);
  EXPECT_EQ(OfType(r.dxf, "SEQEND").size(), 1u);
}

TEST_F(DxfConverterTest, LineTypes) {
  struct Case {
    std::string command, lineType;
  };
  for (const Case& c : {Case{"LT 2", "DASHED"}, Case{"LT 2,2", "DASHED"}, Case{"LT 3", "DASHED"},
                        Case{"LT 1", "DOT"}, Case{"LT 4", "DASHDOT"}, Case{"LT", "CONTINUOUS"},
                        Case{"LT 7", "CONTINUOUS"}, Case{"LT 2;LT ", "CONTINUOUS"}}) {
    DxfConversion r = ConvertHpglText("IN;SP 1;PU 0 0;" + c.command + ";PD 10 10;", 1, 1);
    auto lines = DxfPolylines(r.dxf);
    ASSERT_EQ(lines.size(), 1u) << c.command;
    EXPECT_EQ(lines[0].lineType, c.lineType) << c.command;
  }
}

TEST_F(DxfConverterTest, PenWidth) {
  struct Case {
    int setting;
    double scale;
    std::string command, width;
  };
  for (const Case& c : {Case{1, 1, "PW 0.35", FormatReal(0.35 * 4, 6, 2)},
                        Case{2, 40, "PW 0.35", FormatReal(0.35 * 4 / 40, 6, 2)},
                        Case{2, 1, "PW 0", "0"},
                        // setting 0 keeps the width derived from the setting
                        Case{0, 1, "PW 0.35", FormatReal(0.0, 6, 4)},
                        Case{3, 40, "PW", FormatReal(12.0 / 40, 6, 4)}}) {
    DxfConversion r = ConvertHpglText("IN;SP 1;PU 0 0;" + c.command + ";PD 10 10;", c.setting, c.scale);
    EXPECT_TRUE(Logged(r, "Command PW (=Penwidth) only supported by HPGL2.")) << c.command;
    auto polylines = OfType(r.dxf, "POLYLINE");
    ASSERT_EQ(polylines.size(), 1u);
    // group codes 40 and 41 of a polyline are written " 40 " and " 41 "
    bool found = false;
    for (auto& [code, value] : polylines[0].groups) {
      if (code == 40) {
        EXPECT_EQ(value, c.width) << c.command << " setting " << c.setting;
        found = true;
      }
    }
    EXPECT_TRUE(found);
  }
}

TEST_F(DxfConverterTest, TextAttributes) {
  struct Case {
    std::string commands;
    int code;
    std::string value;
  };
  for (const Case& c : {
           Case{"DI 0,1;", 50, "90.0"},
           Case{"DI 1,0;", 50, "0.0"},
           Case{"DI -1,0;", 50, "180.0"},
           Case{"DI 0,1;DI;", 50, "0.0"},
           Case{"DI a,1;", 50, "0.0"},
           Case{"SL 1;", 51, "45.0"},
           Case{"SI 0.16,0.24;", 40, "2.40"},
           Case{"SI 0.16,0.24;", 41, FormatReal(0.16 * 400 * 1.4 / 40 / 2.4, 6, 2).substr(2)},
           Case{"SI 0.16,0.24;SI;", 40, "2.7000"},
           Case{"", 41, "0.7"},
           Case{"", 7, "STANDARD"},
           Case{"SA;", 7, "symbols"},
           Case{"SA;SS;", 7, "STANDARD"},
           Case{"SA;IN;", 7, "STANDARD"},
       }) {
    DxfConversion r = ConvertHpglText("IN;SP 4;PU 400 800;" + c.commands + "LBAb\x03", 1, 40);
    auto texts = OfType(r.dxf, "TEXT");
    ASSERT_EQ(texts.size(), 1u) << c.commands;
    EXPECT_EQ(texts[0].Value(c.code), c.value) << c.commands;
    EXPECT_EQ(texts[0].Value(1), "Ab");
    EXPECT_EQ(texts[0].Value(8), "L_4");
  }
  DxfConversion bad = ConvertHpglText("IN;DI a,1;LBx\x03", 1, 40);
  EXPECT_TRUE(Logged(bad, "Fehler bei der Angabe der Schriftrichtung: a;1"));
}

// The desktop program runs under the user's locale; a German one must not turn the
// decimal point of the plot file into a fault (text sizes and coordinates were lost).
TEST_F(DxfConverterTest, GermanLocaleReadsDecimalPoints) {
  const char* previous = std::setlocale(LC_ALL, nullptr);
  const std::string saved = previous ? previous : "C";
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "de_DE.utf8")) {
    GTEST_SKIP() << "no German locale installed";
  }
  DxfConversion r = ConvertHpglText("IN;SP 4;PU 400.5 800;SI  4.00, 6.00;LBAb\x03", 1, 1000);
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_TRUE(r.log.empty()) << r.log.front();
  auto texts = OfType(r.dxf, "TEXT");
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].Value(40), "2.40");
  EXPECT_EQ(texts[0].Value(10), "0.4005");
}

TEST_F(DxfConverterTest, LabelsKeepTheirTextAndPosition) {
  struct Case {
    std::string label, written;
  };
  for (const Case& c : {Case{"^", "^ "}, Case{"  Tagesweg ", "Tagesweg"}, Case{"L\xE4nge \xB0", "L\xE4nge \xB0"},
                        Case{"a;b", "a;b"}}) {
    DxfConversion r = ConvertHpglText("IN;SP 4;PU 4000 8000;LB" + c.label + "\x03", 1, 40);
    auto texts = OfType(r.dxf, "TEXT");
    ASSERT_EQ(texts.size(), 1u);
    std::string raw;
    for (auto& [code, value] : texts[0].groups) {
      if (code == 1) raw = value;
    }
    EXPECT_EQ(raw, c.written);
    EXPECT_DOUBLE_EQ(texts[0].Number(10), 100.0);
    EXPECT_DOUBLE_EQ(texts[0].Number(20), 200.0);
  }
}

TEST_F(DxfConverterTest, InputWindowCutsPolylines) {
  // Out of the window to the right, along outside, back in.
  DxfConversion r = ConvertHpglText("IN;IW 0 0 100 100;SP 2;PU 50 50;PD 150 50;PD 150 80;PD 50 80;PD 20 80;", 1, 1);
  auto lines = DxfPolylines(r.dxf);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].points, (std::vector<std::pair<double, double>>{{50, 50}, {100, 50}}));
  EXPECT_EQ(lines[1].points, (std::vector<std::pair<double, double>>{{100, 80}, {50, 80}, {20, 80}}));
  // Corners given in any order; a segment crossing the window from outside to outside.
  DxfConversion r2 = ConvertHpglText("IN;IW 100 100 0 0;PU -50 50;PD 150 50;", 1, 1);
  auto lines2 = DxfPolylines(r2.dxf);
  ASSERT_EQ(lines2.size(), 1u);
  EXPECT_EQ(lines2[0].points, (std::vector<std::pair<double, double>>{{0, 50}, {100, 50}}));
  // IW without parameters: the whole drawing area.
  DxfConversion r3 = ConvertHpglText("IN;IW;PU 0 0;PD 20000 0;", 1, 40);
  auto lines3 = DxfPolylines(r3.dxf);
  ASSERT_EQ(lines3.size(), 1u);
  EXPECT_DOUBLE_EQ(lines3[0].points.back().first, 16400.0 / 40);
}

TEST_F(DxfConverterTest, CirclesArcsAndRectangles) {
  DxfConversion r = ConvertHpglText("IN;SP 3;PU 400 800;CI 80;", 1, 40);
  auto circles = OfType(r.dxf, "CIRCLE");
  ASSERT_EQ(circles.size(), 1u);
  EXPECT_DOUBLE_EQ(circles[0].Number(10), 10);
  EXPECT_DOUBLE_EQ(circles[0].Number(20), 20);
  EXPECT_DOUBLE_EQ(circles[0].Number(40), 2);
  EXPECT_EQ(circles[0].Value(8), "L_3");

  struct ArcCase {
    std::string commands;
    double cx, cy, radius, start, end, nextX, nextY;
  };
  for (const ArcCase& c : {ArcCase{"PU 100 0;AA 0 0 90;", 0, 0, 100, 0, 90, 0, 100},
                           ArcCase{"PU 100 0;AA 0 0 -90;", 0, 0, 100, -90, 0, 0, -100},
                           ArcCase{"PU 0 50;AA 0 0 90;", 0, 0, 50, 90, 180, -50, 0},
                           ArcCase{"PU 100 100;AR -100 0 180;", 0, 100, 100, 0, 180, -100, 100}}) {
    DxfConversion a = ConvertHpglText("IN;SP 1;" + c.commands + "PD 0 0;", 1, 1);
    auto arcs = OfType(a.dxf, "ARC");
    ASSERT_EQ(arcs.size(), 1u) << c.commands;
    EXPECT_NEAR(arcs[0].Number(10), c.cx, 1e-9) << c.commands;
    EXPECT_NEAR(arcs[0].Number(20), c.cy, 1e-9);
    EXPECT_NEAR(arcs[0].Number(40), c.radius, 1e-4);
    EXPECT_NEAR(arcs[0].Number(50), c.start, 1e-9) << c.commands;
    EXPECT_NEAR(arcs[0].Number(51), c.end, 1e-9) << c.commands;
    // the pen stands at the end of the arc
    auto lines = DxfPolylines(a.dxf);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NEAR(lines[0].points[0].first, c.nextX, 1e-3) << c.commands;
    EXPECT_NEAR(lines[0].points[0].second, c.nextY, 1e-3) << c.commands;
  }
  DxfConversion bad = ConvertHpglText("IN;PU 10 0;AA 0 0 x;", 1, 1);
  EXPECT_TRUE(Logged(bad, "Fehler bei der Konvertierung des Bogenwinkels."));
  EXPECT_TRUE(OfType(bad.dxf, "ARC").empty());

  DxfConversion box = ConvertHpglText("IN;PU 0 0;EA 16157 11038;", 1, 40);
  auto frame = DxfPolylines(box.dxf);
  ASSERT_EQ(frame.size(), 1u);
  ASSERT_EQ(frame[0].points.size(), 5u);
  EXPECT_EQ(frame[0].points.front(), frame[0].points.back());
  EXPECT_DOUBLE_EQ(frame[0].points[2].first, 403.925);
  EXPECT_DOUBLE_EQ(frame[0].points[2].second, 275.95);
}

TEST_F(DxfConverterTest, RelativeCoordinates) {
  DxfConversion r = ConvertHpglText("IN;PU 10 10;PR;PD 5 5 -15 0;PA;PD 0 0;", 1, 1);
  auto lines = DxfPolylines(r.dxf);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].points, (std::vector<std::pair<double, double>>{{10, 10}, {15, 15}, {0, 15}, {0, 0}}));
}

TEST_F(DxfConverterTest, FaultyCommandsAreLogged) {
  struct Case {
    std::string input, line;
  };
  for (const Case& c : {Case{"IN;PD abc;", "Error in HPGL-command:PD abc;"},
                        Case{"IN;PD 1-2 3;", "Fehler in: PD 1-2 3; weil:1-2 keine Zahl ist."},
                        Case{"IN;XY 1;", "Command: XY; not supported!"},
                        Case{"IN;SL q;", "Fehler im Befehl SL :q!"}}) {
    DxfConversion r = ConvertHpglText(c.input, 1, 1);
    EXPECT_TRUE(Logged(r, c.line)) << c.input << " logged " << (r.log.empty() ? "" : r.log.front());
  }
  // A command that is not understood closes the open polyline.
  DxfConversion r = ConvertHpglText("IN;PU 0 0;PD 1 1;XY;PD 2 2;", 1, 1);
  EXPECT_EQ(DxfPolylines(r.dxf).size(), 2u);
}

TEST_F(DxfConverterTest, LongCoordinateListsKeepEveryPoint) {
  std::string hpgl = "IN;SP 1;PU 0 0;PD";
  std::vector<std::pair<double, double>> expected{{0, 0}};
  for (int i = 1; i <= 300; ++i) {
    hpgl += " " + std::to_string(i * 1234) + " " + std::to_string(100000 - i * 7);
    expected.emplace_back(i * 1234, 100000 - i * 7);
  }
  hpgl += ";";
  DxfConversion r = ConvertHpglText(hpgl, 1, 1);
  auto lines = DxfPolylines(r.dxf);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].points, expected);
  EXPECT_TRUE(ui.shown.empty()) << ui.shown.front().text;
}

TEST_F(DxfConverterTest, OverlongOtherCommandIsCut) {
  std::string hpgl = "IN;PU 0 0;EA " + std::string(300, '1') + ";";
  ConvertHpglText(hpgl, 1, 1);
  EXPECT_TRUE(ui.Showed(": Befehl ist zu lang und wird gekürzt!"));
  ui.shown.clear();
  std::string label = "IN;PU 0 0;LB" + std::string(300, 'x') + "\x03";
  DxfConversion r = ConvertHpglText(label, 1, 1);
  EXPECT_TRUE(ui.shown.empty());
  auto texts = OfType(r.dxf, "TEXT");
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].Value(1).size(), 300u);
}

class DxfFileTest : public DxfConverterTest {
 protected:
  std::filesystem::path dir = std::filesystem::temp_directory_path() /
                              ("skiagraf-dxf-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                               ::testing::UnitTest::GetInstance()->current_test_info()->name());
  void SetUp() override { std::filesystem::create_directories(dir); }
  void TearDown() override { std::filesystem::remove_all(dir); }
  std::string Write(const std::string& name, const std::string& content) {
    std::ofstream out(dir / name, std::ios::binary);
    out << content;
    return (dir / name).string();
  }
};

TEST_F(DxfFileTest, NotHpglIsReportedAndNothingWritten) {
  std::string in = Write("digits.plt", " 12 34 \r\n 56 ");
  std::string out = (dir / "digits.dxf").string();
  DxfFileConversion r = ConvertHpglToDxf(in, out, 1, 40);
  EXPECT_FALSE(r.written);
  EXPECT_FALSE(std::filesystem::exists(out));
  ASSERT_FALSE(r.log.empty());
  EXPECT_EQ(r.log.back(), in + " ist kein HPGL-File!");
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].icon, MessageIcon::Warning);
  EXPECT_NE(ui.shown[0].text.find(" nicht konvertiert!"), std::string::npos);
}

TEST_F(DxfFileTest, ConvertedFileIsReportedSaved) {
  SetCurrentLanguage(Language::English);
  std::string in = Write("a.plt", "IN;SP 1;PU 0 0;PD 400 400;");
  std::string out = (dir / "a.dxf").string();
  DxfFileConversion r = ConvertHpglToDxf(in, out, 1, 40);
  SetCurrentLanguage(Language::German);
  EXPECT_TRUE(r.written);
  EXPECT_TRUE(r.converted);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "\r       File " + out + " saved!");
  EXPECT_EQ(ui.shown[0].icon, MessageIcon::Information);
  std::ifstream f(out, std::ios::binary);
  std::string dxf((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  EXPECT_EQ(DxfPolylines(dxf).size(), 1u);
}

TEST_F(DxfFileTest, NothingConvertedIsAWarning) {
  std::string in = Write("b.plt", "IN;VS 1;");
  DxfFileConversion r = ConvertHpglToDxf(in, (dir / "b.dxf").string(), 1, 40);
  EXPECT_FALSE(r.converted);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text.rfind("File " + in + " nicht konvertiert!", 0), 0u);
}

TEST_F(DxfFileTest, UnwritableOutputIsAnError) {
  std::string in = Write("c.plt", "IN;PU 0 0;PD 1 1;");
  DxfFileConversion r = ConvertHpglToDxf(in, (dir / "missing" / "c.dxf").string(), 1, 40);
  EXPECT_FALSE(r.written);
  EXPECT_TRUE(ui.Showed("Das war ein Datei-Öffnungsfehler!"));
}

}  // namespace
}  // namespace skiagraf
