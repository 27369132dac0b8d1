#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "DxfTestReader.h"
#include "base/UserInterface.h"
#include "plot/DxfConverter.h"
#include "plot/PlotSave.h"
#include "text/Language.h"

namespace skiagraf {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(PlotFileNameTest, Completion) {
  struct Case {
    std::string name;
    PlotFormat format;
    std::string completed;
  };
  for (const Case& c : {
           Case{"skiag.plt", PlotFormat::Dxf, "skiag.dxf"},
           Case{"dial", PlotFormat::Hpgl, "dial.plt"},
           Case{"dial", PlotFormat::Dxf, "dial.dxf"},
           Case{"my.dial.v2.plt", PlotFormat::Hpgl, "my.plt"},
           Case{"dial.", PlotFormat::Dxf, "dial.dxf"},
           Case{"", PlotFormat::Hpgl, "skiag.plt"},
           Case{"", PlotFormat::Dxf, "skiag.dxf"},
           Case{"/home/a.b/dial", PlotFormat::Dxf, "/home/a.b/dial.dxf"},
           Case{"../plots/x.y.z", PlotFormat::Hpgl, "../plots/x.plt"},
           Case{"/tmp/", PlotFormat::Hpgl, "/tmp/skiag.plt"},
       }) {
    EXPECT_EQ(CompletePlotFileName(c.name, c.format), c.completed) << c.name;
  }
}

TEST(PlotFileNameTest, CoordinateListAndTemporaryNames) {
  struct Case {
    std::string plot, list, temporary;
  };
  for (const Case& c : {Case{"skiag.plt", "skiag.txt", "skiagraf.$$$"}, Case{"dial", "dial.txt", "skiagraf.$$$"},
                        Case{"a.b.dxf", "a.txt", "skiagraf.$$$"},
                        Case{"/data/x.y/dial.dxf", "/data/x.y/dial.txt", "/data/x.y/skiagraf.$$$"}}) {
    EXPECT_EQ(CoordinateListFileName(c.plot), c.list) << c.plot;
    EXPECT_EQ(TemporaryPlotFileName(c.plot), c.temporary) << c.plot;
  }
  EXPECT_EQ(CoordinateListFileName(""), "");
}

TEST(PlotFileNameTest, DxfScaleByDialType) {
  struct Case {
    char type;
    int subType, variant;
    double scale;
  };
  for (const Case& c : {Case{'h', 0, 0, 1000}, Case{'v', 0, 0, 1000}, Case{'i', 0, 0, 1000}, Case{'c', 0, 0, 1000},
                        Case{'m', 0, 0, 1000}, Case{'p', 0, 0, 1000}, Case{'z', 0, 0, 1000}, Case{'q', 0, 0, 40},
                        Case{'q', 1, 0, 1000}, Case{'q', 0, 2, 1000}, Case{'q', 0, 1, 40}, Case{'a', 0, 0, 40},
                        Case{'f', 0, 0, 40}, Case{'k', 0, 0, 40}}) {
    EXPECT_EQ(DxfUnitScaleForDialType(c.type, c.subType, c.variant), c.scale) << c.type;
  }
}

TEST(PlotFileNameTest, FootInsideDrawing) {
  EXPECT_TRUE(FootInsideDrawing(1, 1, 800, 600));
  EXPECT_TRUE(FootInsideDrawing(800, 600, 800, 600));
  EXPECT_FALSE(FootInsideDrawing(0, 10, 800, 600));
  EXPECT_FALSE(FootInsideDrawing(10, -1, 800, 600));
  EXPECT_FALSE(FootInsideDrawing(801, 10, 800, 600));
  EXPECT_FALSE(FootInsideDrawing(10, 601, 800, 600));
  ScriptedUserInterface ui;
  ScopedUserInterface scoped(ui);
  ui.answers = {Answer::Yes, Answer::No};
  EXPECT_TRUE(AskCancelForFootOutside());
  EXPECT_FALSE(AskCancelForFootOutside());
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[0].title, "SKIAGRAF.EXE - Achtung!");
  EXPECT_NE(ui.shown[0].text.find("Der Fußpunkt des Gnomon liegt"), std::string::npos);
  EXPECT_NE(ui.shown[0].text.find("Abbrechen?"), std::string::npos);
}

class PlotSaveTest : public ::testing::Test {
 protected:
  ScriptedUserInterface ui;
  ScopedUserInterface scoped{ui};
  fs::path dir = fs::temp_directory_path() /
                 ("skiagraf-save-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
  void SetUp() override {
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override {
    SetCurrentLanguage(Language::German);
    fs::remove_all(dir);
  }

  // A small construction: the header, a medium line on pen 1 and a label.
  static void Construction(HpglWriter& w) {
    const double k = w.K();
    w.Header();
    w.LineWidthForLines();
    w.SelectPen(1);
    w.PenUp(400 * k, 400 * k);
    w.PenDown({{8000 * k, 400 * k}, {8000 * k, 5000 * k}});
    w.LineWidthForTexts();
    w.SelectPen(4);
    w.PenUp(1000 * k, 6000 * k);
    w.CharacterSize(0.2 * k, 0.3 * k);
    WriteHpgl(";LBLänge\x03");
    w.Write(";SP 0;IN;");
  }
};

TEST_F(PlotSaveTest, HpglSaveWritesTheFileAndReports) {
  const std::string name = (dir / "dial.plt").string();
  PlotSaveOptions options;
  options.lineWeight = 2;
  PlotSaveResult r = SavePlotFile(Construction, PlotFormat::Hpgl, name, options);
  EXPECT_TRUE(r.saved);
  EXPECT_EQ(CurrentPlotFileName(), name);
  const std::string content = ReadFile(name);
  EXPECT_EQ(content.rfind("IN;VS 1;PA;IW 0 0 16157 11038;PU 0 0;EA 16157 11038;", 0), 0u);
  EXPECT_NE(content.find(";PW 1;;SP 1;;PU 400 400;PD 8000 400 8000 5000;PW 0;"), std::string::npos);
  EXPECT_NE(content.find(";LBL\xE4nge\x03"), std::string::npos);  // Windows-1252
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "\r\n       File dial.plt saved!     ");
  EXPECT_EQ(ui.shown[0].title, "SKIAGRAF.EXE - Information!");
  EXPECT_EQ(ui.shown[0].icon, MessageIcon::Information);
}

TEST_F(PlotSaveTest, DxfSaveConvertsAndRemovesTheTemporaryFile) {
  const std::string name = (dir / "dial.dxf").string();
  // A stale temporary file beside the target is replaced, then removed.
  std::ofstream(dir / "skiagraf.$$$") << "stale";
  std::string temporaryContent;
  auto construction = [&](HpglWriter& w) {
    EXPECT_EQ(w.K(), 25);
    Construction(w);
    temporaryContent = ReadFile(dir / "skiagraf.$$$");
  };
  PlotSaveOptions options;
  options.lineWeight = 3;
  PlotSaveResult r = SavePlotFile(construction, PlotFormat::Dxf, name, options);
  EXPECT_TRUE(r.saved);
  EXPECT_FALSE(fs::exists(dir / "skiagraf.$$$"));
  EXPECT_EQ(temporaryContent.rfind("IN;VS 1;PA;IW 0 0 403925 275950;PU 0 0;EA 403925 275950;", 0), 0u);
  const std::string dxf = ReadFile(name);
  auto lines = testing::DxfPolylines(dxf);
  // the page border and the line
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_DOUBLE_EQ(lines[0].points[2].first, 403.925);
  EXPECT_EQ(lines[1].layer, "L_1");
  EXPECT_DOUBLE_EQ(lines[1].points[0].first, 10.0);  // 400 plotter units = 10 mm
  EXPECT_DOUBLE_EQ(lines[1].points[2].second, 125.0);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "\r       File " + name + " gespeichert!");
  ASSERT_FALSE(r.conversionLog.empty());
  EXPECT_EQ(r.conversionLog[0], "Command PW (=Penwidth) only supported by HPGL2.");
}

TEST_F(PlotSaveTest, DxfCoordinatesAre25TimesTheHpglOnes) {
  // The same construction saved both ways: the DXF of the DXF-mode save (scale
  // 1000) and a conversion of the HPGL-mode file (scale 40) hold the same drawing.
  const std::string plt = (dir / "a.plt").string();
  const std::string dxf = (dir / "a.dxf").string();
  ASSERT_TRUE(SavePlotFile(Construction, PlotFormat::Hpgl, plt).saved);
  ASSERT_TRUE(SavePlotFile(Construction, PlotFormat::Dxf, dxf).saved);
  const std::string hpgl = ReadFile(plt);
  const std::string fromDxfMode = ReadFile(dxf);
  ASSERT_TRUE(ConvertHpglToDxf(plt, (dir / "b.dxf").string(), 1, 40).written);
  const std::string fromHpglMode = ReadFile(dir / "b.dxf");
  auto a = testing::DxfEntities(fromDxfMode);
  auto b = testing::DxfEntities(fromHpglMode);
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    EXPECT_EQ(a[i].type, b[i].type);
    for (int code : {10, 20}) {
      EXPECT_NEAR(a[i].Number(code), b[i].Number(code), 1e-9) << a[i].type << " " << i;
    }
  }
  // and the raw HPGL numbers differ by 25
  EXPECT_NE(hpgl.find("PD 8000 400 8000 5000"), std::string::npos);
}

TEST_F(PlotSaveTest, FailuresAreReportedAndLeaveNoTemporaryFile) {
  // a folder that does not exist
  PlotSaveResult r = SavePlotFile(Construction, PlotFormat::Hpgl, (dir / "no" / "x.plt").string());
  EXPECT_FALSE(r.saved);
  EXPECT_TRUE(ui.Showed("Datei konnte nicht gespeichert werden!"));
  ui.shown.clear();
  // a construction that fails half way
  auto failing = [](HpglWriter& w) {
    w.Header();
    throw std::runtime_error("disk full");
  };
  r = SavePlotFile(failing, PlotFormat::Dxf, (dir / "y.dxf").string());
  EXPECT_FALSE(r.saved);
  EXPECT_FALSE(fs::exists(dir / "skiagraf.$$$"));
  EXPECT_FALSE(fs::exists(dir / "y.dxf"));
  EXPECT_TRUE(ui.Showed("Datei konnte nicht gespeichert werden!"));
  ui.shown.clear();
  // a construction that writes nothing the converter can use
  r = SavePlotFile([](HpglWriter& w) { w.Write("123"); }, PlotFormat::Dxf, (dir / "z.dxf").string());
  EXPECT_FALSE(r.saved);
  EXPECT_TRUE(ui.Showed("nicht konvertiert!"));
  EXPECT_FALSE(fs::exists(dir / "skiagraf.$$$"));
}

TEST_F(PlotSaveTest, RefusedConstructionLeavesNoFileAndReportsNothing) {
  for (PlotFormat format : {PlotFormat::Hpgl, PlotFormat::Dxf}) {
    const fs::path name = dir / ("refused." + PlotExtension(format));
    PlotSaveResult r = SavePlotFileUnlessRefused([](HpglWriter&) { return false; }, format, name.string());
    EXPECT_FALSE(r.saved);
    EXPECT_TRUE(fs::is_empty(dir)) << PlotExtension(format);  // neither the file nor the temporary one
    EXPECT_TRUE(ui.shown.empty());
    // a construction that draws is saved as by SavePlotFile
    r = SavePlotFileUnlessRefused(
        [](HpglWriter& w) {
          Construction(w);
          return true;
        },
        format, name.string());
    EXPECT_TRUE(r.saved);
    EXPECT_TRUE(fs::exists(name));
    fs::remove(name);
    ui.shown.clear();
  }
}

// Lets the system refuse writes past `bytes` bytes, as a full disk would, while it lives.
class FullDiskAfter {
 public:
  explicit FullDiskAfter(rlim_t bytes) : handler_(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    struct rlimit small = saved_;
    small.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FullDiskAfter() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, handler_);
  }

 private:
  struct rlimit saved_ {};
  void (*handler_)(int);
};

TEST_F(PlotSaveTest, AnExistingFileSurvivesARefusalAndAFailedWrite) {
  for (PlotFormat format : {PlotFormat::Hpgl, PlotFormat::Dxf}) {
    SCOPED_TRACE(PlotExtension(format));
    const fs::path name = dir / ("dial." + PlotExtension(format));
    const std::string old = "an earlier drawing";
    std::ofstream(name, std::ios::binary) << old;
    auto onlyTheOldFile = [&] {
      EXPECT_EQ(ReadFile(name), old);
      EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    };
    // The construction refuses.
    EXPECT_FALSE(SavePlotFileUnlessRefused([](HpglWriter&) { return false; }, format, name.string()).saved);
    onlyTheOldFile();
    // The construction fails half way.
    auto failing = [](HpglWriter& w) {
      w.Header();
      throw std::runtime_error("write error on the plot file");
    };
    EXPECT_FALSE(SavePlotFile(failing, format, name.string()).saved);
    onlyTheOldFile();
    EXPECT_TRUE(ui.Showed("Datei konnte nicht gespeichert werden!"));
    ui.shown.clear();
    // The disk is full: for HPGL within the drawing, for DXF only when the converted
    // drawing is written (the temporary HPGL file is complete).
    std::string temporary;
    auto whole = [&](HpglWriter& w) {
      Construction(w);
      temporary = ReadFile(dir / "skiagraf.$$$");
    };
    {
      FullDiskAfter full(format == PlotFormat::Hpgl ? 100 : 1000);
      EXPECT_FALSE(SavePlotFile(whole, format, name.string()).saved);
    }
    if (format == PlotFormat::Dxf) {
      ASSERT_GE(temporary.size(), 9u);
      EXPECT_EQ(temporary.substr(temporary.size() - 9), ";SP 0;IN;");
    }
    onlyTheOldFile();
    EXPECT_FALSE(ui.shown.empty());
    ui.shown.clear();
    // A save that succeeds replaces the file.
    EXPECT_TRUE(SavePlotFile(Construction, format, name.string()).saved);
    EXPECT_NE(ReadFile(name), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    fs::remove(name);
    ui.shown.clear();
  }
}

TEST_F(PlotSaveTest, ChooseFileStartsWithTheCurrentNameAndCancelWritesNothing) {
  SetCurrentPlotFileName((dir / "last.plt").string());
  ui.files.push_back(std::nullopt);
  PlotSaveResult r = ChooseAndSavePlotFile(Construction, PlotFormat::Dxf);
  EXPECT_FALSE(r.saved);
  EXPECT_TRUE(fs::is_empty(dir));
  ui.files.push_back((dir / "chosen.dxf").string());
  r = ChooseAndSavePlotFile(Construction, PlotFormat::Dxf);
  EXPECT_TRUE(r.saved);
  EXPECT_TRUE(fs::exists(dir / "chosen.dxf"));
  EXPECT_EQ(CurrentPlotFileName(), (dir / "chosen.dxf").string());
}

TEST_F(PlotSaveTest, StaleTemporaryFileAndListWarning) {
  const fs::path previous = fs::current_path();
  fs::current_path(dir);
  std::ofstream("SKIAGRAF.$$$") << "x";
  std::ofstream("skiagraf.$$$") << "x";
  RemoveStaleTemporaryFile();
  EXPECT_FALSE(fs::exists("SKIAGRAF.$$$"));
  EXPECT_FALSE(fs::exists("skiagraf.$$$"));
  fs::current_path(previous);

  const std::string list = (dir / "dial.txt").string();
  EXPECT_FALSE(WarnIfCoordinateListExists(list));
  EXPECT_TRUE(ui.shown.empty());
  std::ofstream(list) << "old";
  SetCurrentLanguage(Language::English);
  EXPECT_TRUE(WarnIfCoordinateListExists(list));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, " overwriting file " + list);
}

}  // namespace
}  // namespace skiagraf
