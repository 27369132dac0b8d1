// The plot-file commands of skiagraf-cli for planar dials and the print command, run as
// a user runs them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "CliRun.h"
#include "base/UserInterface.h"
#include "dials/DialPlotFile.h"
#include "dials/HourLineAngles.h"
#include "model/SettingsFile.h"
#include "text/Language.h"

namespace skiagraf {
namespace {

namespace fs = std::filesystem;

class PlanarPlotCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("skiagraf-plot-cli-" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  std::string In(const std::string& name) const { return (folder_ / name).string(); }

  fs::path folder_;
};

// The command writes exactly the file of the save path with the same request.
TEST_F(PlanarPlotCommandTest, WritesTheFileOfTheSavePath) {
  const CliRun run = RunCli("plot --type v --lat 48 --declination 20 --lang de --format hpgl -o " + In("cli.plt"));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err.find("Koordinatennetz"), std::string::npos);  // no questions

  SetCurrentLanguage(Language::German);
  DialSettings s = DefaultDialSettings();
  s.DialTypeCode = 'v';
  s.Latitude = 48;
  s.WallDeclination = 20;
  s.WallInclination = 90;
  DialPlotRequest r;
  r.fileName = In("core.plt");
  r.canvasWidth = 1120;
  r.canvasHeight = 790;
  DefaultPlanarPlacement(s, r.canvasWidth, r.canvasHeight, r.view);
  const HourLineAngleTable angles = ComputeHourLineAngles(s, 1.0);
  r.view.angles = &angles;
  r.grid.ask = false;
  ScriptedUserInterface ui;
  ScopedUserInterface scoped(ui);
  ASSERT_TRUE(SaveDialPlotFile(s, r).saved);
  const std::string plt = ReadFile(In("cli.plt"));
  EXPECT_GT(plt.size(), 5000u);
  EXPECT_EQ(plt, ReadFile(In("core.plt")));
}

TEST_F(PlanarPlotCommandTest, OptionsReachThePlotFile) {
  const CliRun run = RunCli("plot --type h --lat 48 --format hpgl --grid 10 --line-weight 2 --foot 560,395 "
                            "--text 100,700 --coordinates " + In("list.txt") + " -o " + In("opt.plt"));
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string plt = ReadFile(In("opt.plt"));
  // Foot at (560, 395) of the 1120 x 790 canvas: page (8079, 5521).
  EXPECT_NE(plt.find(";IW 0 0 16150 11030;SP 9;PU 8079 5521;CI 80;"), std::string::npos);
  EXPECT_NE(plt.find(";SP 4;PU 7879 5521;PD 8279 5521"), std::string::npos);
  // Text at (100, 700): page (1443, 1259).
  EXPECT_NE(plt.find(";SP 4;PU 1443 1259;SI  0.28, 0.50;"), std::string::npos);
  EXPECT_NE(plt.find(";PW 1;"), std::string::npos);
  EXPECT_NE(ReadFile(In("list.txt")).find("opt.plt"), std::string::npos);
}

TEST_F(PlanarPlotCommandTest, DxfFileForCadReaders) {
  const CliRun run = RunCli("plot --type i --lat 48 --declination 20 --inclination 60 --all-lines --format dxf -o " +
                            In("dial.dxf"));
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string dxf = ReadFile(In("dial.dxf"));
  EXPECT_NE(dxf.find("$ACADVER\r\n  1\r\nAC1009\r\n"), std::string::npos);
  EXPECT_NE(dxf.find("Geogr. L\xE4nge"), std::string::npos);  // Windows-1252 as on screen
  EXPECT_NE(dxf.find("S\xFC" "dabweichung"), std::string::npos);
  EXPECT_EQ(dxf.substr(dxf.size() - 5), "EOF\r\n");
  EXPECT_FALSE(fs::exists(In("skiagraf.$$$")));
}

TEST_F(PlanarPlotCommandTest, RefusedInput) {
  for (const char* args : {"--format hpgl --line-weight 4", "--format hpgl --grid ten", "--format hpgl --grid 0",
                           "--format wmf", "--format svg --coordinates x.txt", "--format hpgl --foot 1x2",
                           "--format hpgl --text 3"}) {
    const CliRun run = RunCli(std::string("plot ") + args + " -o " + In("x.out"));
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_FALSE(run.err.empty()) << args;
    EXPECT_FALSE(fs::exists(In("x.out"))) << args;
  }
}

TEST_F(PlanarPlotCommandTest, PrintsAnA4LandscapePdf) {
  const CliRun run = RunCli("print --type h --lat 48 --gnomon 50 --pdf " + In("dial.pdf"));
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string pdf = ReadFile(In("dial.pdf"));
  EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
  EXPECT_NE(pdf.find("/MediaBox [0 0 842"), std::string::npos);  // 297 mm wide
  EXPECT_EQ(RunCli("print --type h --pdf").status, 2);
}

}  // namespace
}  // namespace skiagraf
