// Plot files of planar dials: the command stream, its units, and that it carries the
// same lines as the canvas construction.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "base/UserInterface.h"
#include "dials/DialPlotFile.h"
#include "dials/PlanarDial.h"
#include "dials/PlanarDialHpgl.h"
#include "draw/RecordingSurface.h"
#include "model/SettingsFile.h"
#include "plot/Hpgl.h"
#include "text/Encoding.h"
#include "text/Language.h"

namespace skiagraf {
namespace {

DialSettings Design(char type, double latitude, double declination = 0, double inclination = 0) {
  DialSettings s = DefaultDialSettings();
  s.DialTypeCode = type;
  s.Latitude = latitude;
  s.WallDeclination = declination;
  s.WallInclination = type == 'v' ? 90 : inclination;
  s.GnomonHeight = 35;
  return s;
}

class PlanarHpglTest : public ::testing::Test {
 protected:
  void SetUp() override { SetCurrentLanguage(Language::German); }

  std::string Write(const DialSettings& s, PlanarHpglOptions o = {}, int k = 1, int lineWeight = 1) {
    std::ostringstream out;
    HpglWriter w(out, k, lineWeight);
    o.grid.ask = false;
    ScopedUserInterface scoped(ui_);
    EXPECT_TRUE(WritePlanarDialHpgl(w, s, o));
    return Cp1252ToUtf8(out.str());
  }

  ScriptedUserInterface ui_;
};

// Pen-down points of one pen, in plotter units.
std::vector<PointD> PenDownPoints(const std::string& hpgl, int pen) {
  std::vector<PointD> points;
  int current = 0;
  std::stringstream commands(hpgl);
  std::string c;
  while (std::getline(commands, c, ';')) {
    while (!c.empty() && c.front() == ' ') c.erase(0, 1);
    if (c.rfind("SP", 0) == 0) current = std::atoi(c.c_str() + 2);
    if (c.rfind("PD", 0) != 0 || current != pen) continue;
    std::istringstream numbers(c.substr(2));
    double x, y;
    while (numbers >> x >> y) points.push_back({x, y});
  }
  return points;
}

TEST_F(PlanarHpglTest, HeaderGridAndTitleBlocks) {
  PlanarHpglOptions o;
  o.grid.millimetres = 10;
  const std::string h = Write(Design('h', 48), o);
  EXPECT_EQ(h.rfind("IN;VS 1;PA;IW 0 0 16157 11038;PU 0 0;EA 16157 11038;;SP 4;PU 0 0;", 0), 0u);
  // Default foot of a horizontal dial at 48 degrees: (8200, 4000); the grid through it.
  EXPECT_NE(h.find(";IW 0 0 16150 11030;SP 9;PU 8200 4000;CI 80;"), std::string::npos);
  EXPECT_NE(h.find(";SP 4;PU 8000 4000;PD 8400 4000 8200 4000 8200 4200 8200 3800"), std::string::npos);
  EXPECT_NE(h.find("LBGnomonhoehe =  35.0 mm\x03"), std::string::npos);
  EXPECT_NE(h.find(";LBhorizontale SONNENUHR\x03"), std::string::npos);
  EXPECT_NE(h.find("Geogr. Länge"), std::string::npos);
  // The legend lines: the other types move to the line start (PU), the vertical one
  // draws from the pen position (PD).
  EXPECT_NE(h.find(";SP 1;PU 5200 440;PD 5905 440;SP 4;LB  Tagesweg des Schattens \x03"), std::string::npos);
  // The inclined type's legend stays on the page with the default anchor.
  EXPECT_NE(Write(Design('i', 48, 20, 60)).find(";SP 3;PU 5200 40;PD 5810 40"), std::string::npos);
  const std::string v = Write(Design('v', 48, 20));
  EXPECT_NE(v.find(";PU 9000 440;SP 1;PD 9690 440;SP 4;LB  Tagesweg des Schattens \x03"), std::string::npos);
  EXPECT_NE(v.find("LBSüdabweichung =  20.00 Grad\x03"), std::string::npos);
  SetCurrentLanguage(Language::English);
  EXPECT_NE(Write(Design('v', 48, 20)).find(";LBvertical SUNDIAL\x03"), std::string::npos);
}

TEST_F(PlanarHpglTest, LineWidthCommandsFrameTheConstructionLines) {
  const std::string medium = Write(Design('h', 48), {}, 1, 2);
  const auto lines = medium.find(";PW 1;");
  ASSERT_NE(lines, std::string::npos);
  EXPECT_LT(medium.find(";PW 0;"), lines);                           // texts before
  EXPECT_NE(medium.find(";PW 0;", lines), std::string::npos);        // and after the lines
  EXPECT_LT(lines, medium.find(";SP 1;;PU "));                        // before the date lines
  EXPECT_EQ(Write(Design('h', 48)).find(";PW"), std::string::npos);  // thin: none
}

TEST_F(PlanarHpglTest, DxfModeIs25TimesLarger) {
  for (const DialSettings& s : {Design('h', 48), Design('v', 48, 20), Design('i', 48, 20, 60)}) {
    const std::string plain = Write(s);
    const std::string dxf = Write(s, {}, 25);
    EXPECT_NE(dxf.find("EA 403925 275950;"), std::string::npos);
    EXPECT_NE(dxf.find("SI  4.00, 6.00;"), std::string::npos);  // 0.16 x 25, 0.24 x 25
    const auto a = PenDownPoints(plain, 1), b = PenDownPoints(dxf, 1);
    ASSERT_EQ(a.size(), b.size()) << s.DialTypeCode;
    ASSERT_FALSE(a.empty());
    for (size_t i = 0; i < a.size(); ++i) {
      // Each is rounded in its own unit: within half a plain unit after scaling.
      EXPECT_NEAR(b[i].x, 25 * a[i].x, 13) << i;
      EXPECT_NEAR(b[i].y, 25 * a[i].y, 13) << i;
    }
  }
}

// A zoomed drawing is saved at its zoomed size; the gnomon labels give the gnomon of
// that size, or a maker would cut a gnomon that does not fit the lines.
TEST_F(PlanarHpglTest, GnomonLabelsGiveTheZoomedGnomon) {
  PlanarHpglOptions o;
  o.zoom = 0.5;
  DialSettings v = Design('v', 48, 20);
  v.GnomonHeight = 60;
  const std::string h = Write(v, o);
  EXPECT_NE(h.find("LBGnomonhoehe =  30.0 mm\x03"), std::string::npos);
  // The gnomon bar beside it is 30 mm (1200 units) long.
  std::smatch bar;
  ASSERT_TRUE(std::regex_search(h, bar, std::regex(";PU (\\d+) 40;PD (\\d+) 40 \\2 160;")));
  EXPECT_EQ(std::stoi(bar[2]) - std::stoi(bar[1]), 1200);
  v.UmbrellaMode = true;
  v.UmbrellaDiskRatio = 50;
  EXPECT_NE(Write(v, o).find("LBKreisscheibe r =  15.0 mm, Zeigerlänge =  30.0 mm\x03"), std::string::npos);
}

TEST_F(PlanarHpglTest, ClippingWindowsAndHorizon) {
  // A vertical dial whose foot lies in the top 10 units gets the full-page window.
  PlanarHpglOptions top;
  top.placedFoot = PointD{8000, 11035};
  EXPECT_NE(Write(Design('v', 48, 0), top).find(";IW 0 0 16157 11038;;SP 3;"), std::string::npos);
  // Otherwise everything above the foot is cut.
  EXPECT_NE(Write(Design('v', 48, 0)).find(";IW 0 11010 16151 0;"), std::string::npos);
  // An inclined face with inclination 0 has its horizon at the page top.
  const std::string flat = Write(Design('i', 48, 0, 0));
  EXPECT_NE(flat.find(";SP 5;PU 0 11038;PD 16157 11038"), std::string::npos);
  EXPECT_NE(flat.find("IW 0 0 16157 11038;"), std::string::npos);
}

TEST_F(PlanarHpglTest, UmbrellaThatCannotStandIsRefused) {
  DialSettings s = Design('i', 48, 0, 40);
  s.UmbrellaMode = true;
  s.UmbrellaDiskRatio = 100;
  s.ConeAxisInclination = 60;  // 45 + 60 > 85
  std::ostringstream out;
  HpglWriter w(out);
  ScopedUserInterface scoped(ui_);
  PlanarHpglOptions o;
  o.grid.ask = false;
  EXPECT_FALSE(WritePlanarDialHpgl(w, s, o));
  EXPECT_TRUE(ui_.Showed("Diese Neigung der Pultuhr"));
  EXPECT_EQ(out.str().find(";SP 1"), std::string::npos);
}

// The date lines of the plot file lie on the date lines that the canvas draws in
// print mode (tenths of a millimetre), wherever both show them.
TEST_F(PlanarHpglTest, SameDateLinesAsTheCanvas) {
  for (const DialSettings& s : {Design('h', 48), Design('v', 48, 20), Design('i', 40, -30, 50)}) {
    RecordingSurface canvas(2800, 2000);
    DrawingView view;
    view.foot = {1400, s.DialTypeCode == 'v' ? 300.0 : 1000.0};
    DrawPlanarDial(canvas, false, view, s);
    std::vector<PointD> drawn;  // millimetres from the foot, y up
    const Rgb datePen = PaletteColor(s, 1);
    for (const auto* op : canvas.LinesInColor(datePen))
      for (const PointD& p : op->points) drawn.push_back({(p.x - view.foot.x) / 10, (view.foot.y - p.y) / 10});
    ASSERT_FALSE(drawn.empty());

    PlanarHpglOptions o;
    o.placedText = PointD{15500, 10500};  // the legend out of the compared area
    const PointD foot = s.DialTypeCode == 'v' ? PointD{8200, 11000} : PointD{8200, 4000};
    o.placedFoot = foot;
    const std::string hpgl = Write(s, o);
    int compared = 0;
    for (const PointD& p : PenDownPoints(hpgl, 1)) {
      const PointD mm{(p.x - foot.x) / 40, (p.y - foot.y) / 40};
      // Inside the canvas drawing with a margin, and on the plot page.
      const double cx = view.foot.x + 10 * mm.x, cy = view.foot.y - 10 * mm.y;
      if (cx < 60 || cx > 2740 || cy < 60 || cy > 1940 || p.x <= 0 || p.x >= 16157 || p.y <= 0 || p.y >= 11038)
        continue;
      double best = 1e9;
      for (const PointD& q : drawn) best = std::min(best, std::hypot(q.x - mm.x, q.y - mm.y));
      EXPECT_LT(best, 0.1) << s.DialTypeCode << " at " << mm.x << "/" << mm.y;
      ++compared;
    }
    EXPECT_GT(compared, 40) << s.DialTypeCode;
  }
}

TEST_F(PlanarHpglTest, CoordinateListInMillimetresFromTheFoot) {
  DialSettings s = Design('h', 48);
  std::ostringstream text;
  struct Collect : CoordinateListTarget {
    std::string all;
    void Write(const std::string& t) override { all += t; }
  } list;
  PlanarHpglOptions o;
  o.plotFileName = "dial.plt";
  o.coordinates = &list;
  Write(s, o);
  EXPECT_NE(list.all.find("Horizontale SONNENUHR\r\n"), std::string::npos);
  EXPECT_NE(list.all.find("Name der gespeicherten Zeichnung: dial.plt"), std::string::npos);
  EXPECT_NE(list.all.find("\r\n\r\n" + std::string(76, '-') + "\r\nBeginn der Deklinationlinien (Datumslinien):"),
            std::string::npos);
  // On the equinox the noon shadow lies g tan(phi) north of the foot: 35 tan 48 = 38.871.
  EXPECT_NE(list.all.find("(12 Uhr):    0.000/  38.871;"), std::string::npos);
  EXPECT_NE(list.all.find("Linie  12:00  Uhr:"), std::string::npos);
  EXPECT_NE(list.all.find("Stundenlinien zeigen  Wahre Ortszeit, ohne Zeitgl."), std::string::npos);
  // Four points to a row.
  const std::regex row(R"(\r\n( *-?[0-9]+\.[0-9]{3}/ *-?[0-9]+\.[0-9]{3};){4}\r\n)");
  EXPECT_TRUE(std::regex_search(list.all, row));
}

TEST_F(PlanarHpglTest, EveryFamilyCaptionStandsOnItsOwnLine) {
  DialSettings s = Design('v', 47, -11.7);
  s.ApparentTimeLines = s.MeanTimeLines = s.MarkAnalemma = s.ItalianHours = s.BabylonianHours = true;
  s.TemporalHours = s.AltitudeLines = true;
  struct Collect : CoordinateListTarget {
    std::string all;
    void Write(const std::string& t) override { all += t; }
  } list;
  PlanarHpglOptions o;
  o.plotFileName = "dial.plt";
  o.coordinates = &list;
  Write(s, o);
  const std::string rule = "\r\n" + std::string(76, '-') + "\r\n";
  int families = 0;
  for (size_t at = list.all.find(rule); at != std::string::npos; at = list.all.find(rule, at + 1)) {
    const size_t start = at + rule.size();
    const std::string caption = list.all.substr(start, list.all.find("\r\n", start) - start);
    EXPECT_EQ(caption.find(';'), std::string::npos) << caption;
    ++families;
  }
  EXPECT_GE(families, 7);  // date lines, two hour families, date marks, temporal, Babylonian, Italian, altitude
  EXPECT_NE(list.all.find("Markierte Datumspunkte auf 8er-Schleife\r\n"), std::string::npos);
}

TEST(DialPlotFileTest, DxfSaveListsTheSameCoordinatesAsHpgl) {
  SetCurrentLanguage(Language::German);
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / "skiagraf-planar-list-test";
  fs::remove_all(folder);
  fs::create_directories(folder);
  ScriptedUserInterface ui;
  ScopedUserInterface scoped(ui);
  DialSettings s = Design('v', 48, 20);
  s.ApparentTimeLines = s.MeanTimeLines = s.ItalianHours = true;
  auto save = [&](PlotFormat format, const std::string& name) {
    DialPlotRequest r;
    r.format = format;
    r.fileName = (folder / name).string();
    r.grid.ask = false;
    r.coordinates = CoordinateOutput::TextFile;
    r.coordinateFileName = CoordinateListFileName(r.fileName);
    EXPECT_TRUE(SaveDialPlotFile(s, r).saved) << name;
    std::ifstream in(r.coordinateFileName, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // The file-name line differs by the name only.
    return std::regex_replace(text, std::regex("Zeichnung: [^\r]*"), "Zeichnung: X");
  };
  const std::string plt = save(PlotFormat::Hpgl, "dial.plt");
  const std::string dxf = save(PlotFormat::Dxf, "dial.dxf");
  EXPECT_GT(plt.size(), 2000u);
  EXPECT_EQ(plt, dxf);
  EXPECT_FALSE(fs::exists(folder / "skiagraf.$$$"));
  fs::remove_all(folder);
}

}  // namespace
}  // namespace skiagraf
