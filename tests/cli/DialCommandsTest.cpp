// The dial commands "info", "angles" and "plot" of skiagraf-cli.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "CliRun.h"

namespace skiagraf {
namespace {

TEST(DialCommands, InfoPrintsTheDialDataInEitherLanguage) {
  const CliRun de = RunCli("info --type v --lat 47 --declination 0");
  ASSERT_EQ(de.status, 0) << de.err;
  EXPECT_EQ(de.out.substr(0, de.out.find('\n')), "Vertikale SONNENUHR");
  EXPECT_NE(de.out.find("     Winkel zw. Substilare und Polstab   :  -43.00 Grad"), std::string::npos) << de.out;
  const CliRun en = RunCli("info --type h --lat 47 --lang en");
  ASSERT_EQ(en.status, 0) << en.err;
  EXPECT_NE(en.out.find("     Angle from dial face to pole style  :   47.00 deg "), std::string::npos) << en.out;
}

TEST(DialCommands, AnglesListsOneLinePerGridRowAndTheSunlitPeriod) {
  const CliRun run = RunCli("angles --type h --lat 47");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("\n9:00\t    36.18\t    0.731\t"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\n18:00\t   -90.00\t  <-10000\t"), std::string::npos) << run.out;
  // The last line is the sunlit period in local apparent time.
  EXPECT_NE(run.out.find("Wahre Ortszeit\n"), std::string::npos);
}

TEST(DialCommands, PlotWritesTheConstructionAsSvg) {
  const std::string path = "/tmp/skiagraf-dial-cli-test.svg";
  std::remove(path.c_str());
  const CliRun run = RunCli("plot --type v --all-lines --format svg --size 800x600 -o " + path);
  ASSERT_EQ(run.status, 0) << run.err;
  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  EXPECT_NE(text.str().find("width=\"800\" height=\"600\""), std::string::npos);
  EXPECT_NE(text.str().find("Vertikale SONNENUHR"), std::string::npos);
  std::remove(path.c_str());
}

TEST(DialCommands, PlotRefusesWhatItCannotDo) {
  for (const char* args : {"plot --format pdf -o /tmp/x.pdf", "plot --format svg", "plot -o /tmp/x.svg --size 20x20",
                           "angles --type q"}) {
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_FALSE(run.err.empty()) << args;
  }
}

}  // namespace
}  // namespace skiagraf
