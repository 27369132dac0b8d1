// The "plot" command of skiagraf-cli for the altitude dials, run as a user runs it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "CliRun.h"

namespace skiagraf {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

class PlotCommandTest : public ::testing::Test {
 protected:
  fs::path dir = fs::temp_directory_path() /
                 ("skiagraf-plot-cli-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
  void SetUp() override {
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
};

TEST_F(PlotCommandTest, EveryFormatForBothAltitudeDials) {
  struct Case {
    const char* type;
    const char* lang;
    const char* title;  // in the SVG (UTF-8) and the plot file (Windows-1252 bytes)
    const char* titleCp1252;
  } const cases[] = {{"z", "de", "Zylindersonnenuhr", "Zylindersonnenuhr"},
                     {"k", "de", "Höhensonnenuhr (horiz.)", "H\xF6hensonnenuhr (horiz.)"},
                     {"k", "en", "Altitude Sundial (horiz.)", "Altitude Sundial (horiz.)"}};
  for (const Case& c : cases) {
    const std::string base = (dir / (std::string(c.type) + "-" + c.lang)).string();
    const std::string common = std::string(" --type ") + c.type + " --lang " + c.lang;
    for (const char* extra : {"", " --print"}) {
      const CliRun svg = RunCli("plot" + common + extra + " --format svg -o " + base + ".svg");
      ASSERT_EQ(svg.status, 0) << svg.err;
      EXPECT_NE(ReadFile(base + ".svg").find(c.title), std::string::npos) << c.type << extra;
    }
    const CliRun hpgl = RunCli("plot" + common + " --format hpgl -o " + base + ".plt");
    ASSERT_EQ(hpgl.status, 0) << hpgl.err;
    const std::string plt = ReadFile(base + ".plt");
    EXPECT_EQ(plt.rfind("IN;VS 1;PA;", 0), 0u);
    EXPECT_NE(plt.find(c.titleCp1252), std::string::npos) << c.type;
    const CliRun dxf = RunCli("plot" + common + " --format dxf -o " + base + ".dxf");
    ASSERT_EQ(dxf.status, 0) << dxf.err;
    EXPECT_NE(ReadFile(base + ".dxf").find("ENTITIES"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "skiagraf.$$$"));
  }
}

TEST_F(PlotCommandTest, RefusedDialLeavesNoFile) {
  // --all-lines asks for temporal hours, which cannot be constructed at 70 degrees.
  for (const char* format : {"hpgl", "dxf"}) {
    const fs::path out = dir / (std::string("far.") + format);
    const CliRun run = RunCli("plot --type z --all-lines --lat 70 --format " + std::string(format) + " -o " +
                              out.string());
    EXPECT_EQ(run.status, 1) << format;
    EXPECT_NE(run.err.find("Temporalstunden sind in dieser geogr. Breite nicht möglich!"), std::string::npos);
    EXPECT_FALSE(fs::exists(out)) << format;
  }
}

}  // namespace
}  // namespace skiagraf
