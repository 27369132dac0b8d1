// The "plot" command of skiagraf-cli for the altitude dials, run as a user runs it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "CliRun.h"
#include "model/DialSettings.h"
#include "model/SettingsFile.h"

namespace skiagraf {
namespace {

namespace fs = std::filesystem;

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

TEST_F(PlotCommandTest, RefusedDialLeavesNoFileAndKeepsAnOldOne) {
  // --all-lines asks for temporal hours, which cannot be constructed at 70 degrees.
  for (const char* format : {"hpgl", "dxf"}) {
    const fs::path out = dir / (std::string("far.") + format);
    const std::string args = "plot --type z --all-lines --lat 70 --format " + std::string(format) + " -o " +
                             out.string();
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, 1) << format;
    EXPECT_NE(run.err.find("Temporalstunden sind in dieser geogr. Breite nicht möglich!"), std::string::npos);
    EXPECT_FALSE(fs::exists(out)) << format;
    // A file of that name from an earlier save stays as it was.
    std::ofstream(out, std::ios::binary) << "earlier drawing";
    EXPECT_EQ(RunCli(args).status, 1) << format;
    EXPECT_EQ(ReadFile(out), "earlier drawing") << format;
    fs::remove(out);
    EXPECT_TRUE(fs::is_empty(dir)) << format;
  }
}

// A design saved by the program, with the temporal hours of the altitude dial's own
// option where asked.
std::string SavedDesign(const fs::path& path, char type, double latitude, bool temporal) {
  DialSettings s = DefaultDialSettings();
  s.DialTypeCode = type;
  s.CylinderKind = 0;
  s.Latitude = latitude;
  (type == 'k' ? s.TemporalHourLines : s.TemporalHours) = temporal;
  EXPECT_TRUE(CreateSettingsFile(s, path));
  return path.string();
}

TEST_F(PlotCommandTest, PrintsBothAltitudeDialsAndRefusesTemporalHoursBeyond63Degrees) {
  for (const char type : {'z', 'k'}) {
    for (const char* lang : {"de", "en"}) {
      const std::string settings = SavedDesign(dir / "design.ini", type, 47, true);
      const fs::path pdf = dir / (std::string(1, type) + lang + ".pdf");
      const CliRun run = RunCli("print --settings " + settings + " --lang " + lang + " --pdf " + pdf.string());
      ASSERT_EQ(run.status, 0) << type << lang << run.err;
      const std::string bytes = ReadFile(pdf);
      EXPECT_EQ(bytes.rfind("%PDF", 0), 0u);
      EXPECT_NE(bytes.find("/MediaBox [0 0 842"), std::string::npos);  // A4 landscape
    }
    // Temporal hours at 64 degrees: the print command refuses; without them it prints.
    const fs::path far = dir / "far.pdf";
    fs::remove(far);
    const CliRun refused =
        RunCli("print --settings " + SavedDesign(dir / "far.ini", type, 64, true) + " --pdf " + far.string());
    EXPECT_EQ(refused.status, 1) << type;
    EXPECT_NE(refused.err.find("Temporalstunden sind in dieser geogr. Breite nicht möglich!"), std::string::npos);
    EXPECT_FALSE(fs::exists(far)) << type;
    EXPECT_EQ(RunCli("print --settings " + SavedDesign(dir / "far.ini", type, 64, false) + " --pdf " + far.string())
                  .status,
              0)
        << type;
  }
}

}  // namespace
}  // namespace skiagraf
