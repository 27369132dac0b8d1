#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/UserInterface.h"
#include "plot/DxfConverter.h"
#include "plot/HpglSurface.h"
#include "plot/PlotSave.h"

namespace skiagraf {
namespace {

namespace fs = std::filesystem;

bool EzdxfAvailable() { return std::system("/usr/bin/python3 -c 'import ezdxf' >/dev/null 2>&1") == 0; }

std::string RunCommand(const std::string& command) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return output;
  char buffer[4096];
  std::size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
  pclose(pipe);
  return output;
}

// A DXF-mode save of a small drawing made on the drawing surface, read back by
// ezdxf: entity kinds per layer, vertex counts, and the texts as ezdxf decodes them.
TEST(EzdxfReadbackTest, ConvertedFileReadsBackWithItsTexts) {
  if (!EzdxfAvailable()) GTEST_SKIP() << "python3-ezdxf is not installed";
  ScriptedUserInterface ui;
  ScopedUserInterface scoped(ui);
  const fs::path dir = fs::temp_directory_path() / "skiagraf-ezdxf";
  fs::remove_all(dir);
  fs::create_directories(dir);
  const std::string dxf = (dir / "dial.dxf").string();

  auto construction = [](HpglWriter& w) {
    w.Header();
    // 0.1 mm surface units: 4 plotter units each, times k
    HpglSurface s(w, 2800, 2000, 4.0 * w.K(), 11038.0 * w.K());
    PenSpec pen;
    pen.palettePen = 5;
    s.SetPen(pen);
    s.Polyline({{100, 100}, {1000, 100}, {1000, 900}});
    pen.palettePen = 2;
    s.SetPen(pen);
    s.Ellipse({1400, 800}, {1600, 1000});
    FontSpec font;
    font.height = 40;
    s.SetFont(font);
    pen.palettePen = 4;
    s.SetPen(pen);
    s.TextOut({200, 1200}, "Länge");
    s.TextOut({200, 1300}, "Südabweichung = 12.5°");
    w.Write(";SP 0;IN;");
  };
  ASSERT_TRUE(SavePlotFile(construction, PlotFormat::Dxf, dxf).saved);

  const std::string script = dir.string() + "/read.py";
  std::ofstream(script) << R"(import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
print("version", doc.dxfversion)
for e in doc.modelspace():
    t = e.dxftype()
    if t == "POLYLINE":
        print("POLYLINE", e.dxf.layer, e.dxf.color, len(list(e.vertices)))
    elif t == "CIRCLE":
        print("CIRCLE", e.dxf.layer, round(e.dxf.radius, 3))
    elif t == "TEXT":
        print("TEXT", e.dxf.layer, e.dxf.text.encode("utf-8").hex())
)";
  const std::string out = RunCommand("/usr/bin/python3 " + script + " " + dxf + " 2>&1");
  fs::remove_all(dir);
  auto hex = [](const std::string& s) {
    std::string h;
    char b[3];
    for (unsigned char c : s) {
      std::snprintf(b, sizeof b, "%02x", c);
      h += b;
    }
    return h;
  };
  EXPECT_NE(out.find("version AC1009"), std::string::npos) << out;
  EXPECT_NE(out.find("POLYLINE L_5 5 3"), std::string::npos) << out;
  EXPECT_NE(out.find("POLYLINE L_0 0 5"), std::string::npos) << out;  // the page border, drawn before SP
  EXPECT_NE(out.find("CIRCLE L_2 10.0"), std::string::npos) << out;    // 100 tenths of a mm
  EXPECT_NE(out.find("TEXT L_4 " + hex("Länge") + "\n"), std::string::npos) << out;
  EXPECT_NE(out.find("TEXT L_4 " + hex("Südabweichung = 12.5°") + "\n"), std::string::npos) << out;
}

}  // namespace
}  // namespace skiagraf
