// skiagraf-cli settings, and --settings FILE on the sun and table commands.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "CliRun.h"
#include "astro/RiseSetTables.h"
#include "base/UserInterface.h"
#include "model/DialSettings.h"
#include "model/SettingsFile.h"
#include "model/TextFile.h"
#include "text/Texts.h"

namespace skiagraf {
namespace {

namespace fs = std::filesystem;

class SettingsCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "skiag-cli-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir = pattern;
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }

  std::string Path(const std::string& name) const { return (dir / name).string(); }

  // The lines of the default file, with `changes` (0-based index, text) applied.
  static std::vector<std::string> Lines(const std::vector<std::pair<size_t, std::string>>& changes = {}) {
    ScriptedUserInterface quiet;
    ScopedUserInterface scope(quiet);
    std::vector<std::string> lines = WriteSettingsList(DefaultDialSettings(), false, {});
    for (const auto& [index, text] : changes) lines[index] = text;
    return lines;
  }

  std::string Write(const std::string& name, const std::vector<std::string>& lines) const {
    EXPECT_TRUE(SaveTextLines(Path(name), lines));
    return Path(name);
  }

  static std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }

  std::vector<std::string> Folder() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path dir;
};

TEST_F(SettingsCommandTest, WriteWithoutFileWritesTheDefaults) {
  const CliRun run = RunCli("settings --write " + Path("out.ini"));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find(Path("out.ini") + "  " + Message(58, Language::German)), std::string::npos) << run.err;
  EXPECT_EQ(LoadTextLines(Path("out.ini")), Lines());
  EXPECT_NE(Bytes(Path("out.ini")).find("\r\n[Farben]\r\n"), std::string::npos);
}

TEST_F(SettingsCommandTest, WriteReproducesTheFileRead) {
  std::vector<std::string> design = Lines({{0, "1999"}, {1, " 10.500000;      -33.25"}, {10, "sv"}});
  design.push_back("05/07    ( 05. Jul )");
  const std::string in = Write("design.skiag", design);
  const CliRun run = RunCli("settings --settings " + in + " --write " + Path("copy.skiag"));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(LoadTextLines(Path("copy.skiag")), design);
}

TEST_F(SettingsCommandTest, CheckSortsFilesByTheirFaults) {
  std::vector<std::string> badDate = Lines();
  badDate.push_back("31/04    ( 31. Apr )");
  std::vector<std::string> tooShort = Lines();
  tooShort.resize(25);
  struct Case {
    const char* name;
    std::vector<std::string> lines;  // empty: no file at all
    int status;
    std::string out;  // part of stdout ("" for none at all)
    std::string err;  // part of stderr
  } const cases[] = {
      {"clean.skiag", Lines(), 0, ": no faults", ""},
      // A bad main-time start stops the reading; the repair question names line 12.
      {"skiag.ini", Lines({{11, "30"}}), 1, "reading stopped at line 12",
       Caption(CaptionKind::Problem, Language::German) + ": skiag.ini : line 12"},
      // A message without a fault (line 16, item 3) still makes the file faulty.
      {"ring.skiag", Lines({{15, "  0.350000; 150.00;  x ;  30.0"}}), 1, "1 faulty value", "Line 16/3"},
      {"date.skiag", badDate, 1, "1 own date line refused", "31/04    ( 31. Apr ): Datum fehlerhaft!"},
      {"short.skiag", tooShort, 2, "", "not a settings file"},
      {"missing.skiag", {}, 2, "", "not found"},
  };
  for (const Case& c : cases) {
    const std::string file = c.lines.empty() ? Path(c.name) : Write(c.name, c.lines);
    const std::string before = Bytes(file);
    const CliRun run = RunCli("settings --check --settings " + file);
    EXPECT_EQ(run.status, c.status) << c.name << ": " << run.err;
    if (c.out.empty())
      EXPECT_EQ(run.out, "") << c.name;
    else
      EXPECT_NE(run.out.find(c.out), std::string::npos) << c.name << ": " << run.out;
    EXPECT_NE(run.err.find(c.err), std::string::npos) << c.name << ": " << run.err;
    // Checking never repairs, backs up or creates anything.
    EXPECT_EQ(Bytes(file), before) << c.name;
    EXPECT_FALSE(fs::exists(dir / "skiag_ini.bak")) << c.name;
  }
}

TEST_F(SettingsCommandTest, RefusedInput) {
  struct Case {
    std::string args;
    const char* reason;
  } const cases[] = {
      {"settings", "--write"},
      {"settings --check", "--settings"},
      {"settings --write", "--write"},
      {"settings --check --settings x --lang fr", "lang"},
      {"settings --write out.ini extra", "extra"},
      {"sun --mode eot --date 06-22", "date"},  // MM-DD only with a settings file
      {"sun --mode eot --date 1999-06-22 --settings " + Path("none.ini"), "not found"},
      {"table riseset --month 6 --settings " + Path("none.skiag"), "not found"},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli(c.args);
    EXPECT_EQ(run.status, 2) << c.args;
    EXPECT_EQ(run.out, "") << c.args;
    EXPECT_NE(run.err.find(c.reason), std::string::npos) << c.args << ": " << run.err;
  }
  EXPECT_TRUE(Folder().empty());
}

TEST_F(SettingsCommandTest, SunAndTableTakeSiteAndYearFromTheFile) {
  const std::string file =
      Write("site.skiag", Lines({{0, "1999"}, {1, " 47.250000;       47.25"}, {2, " -9.550000;       -15.00"}}));
  const Site site{47.25, -9.55, -15.0};

  const CliRun table = RunCli("table riseset --month 6 --settings " + file);
  ASSERT_EQ(table.status, 0) << table.err;
  EXPECT_EQ(table.out, Joined(MonthRiseSetTableAsShown(6, 1999, site, TwilightKind::Civil, Language::German)));

  const CliRun sun = RunCli("sun --mode riseset --date 06-22 --settings " + file);
  ASSERT_EQ(sun.status, 0) << sun.err;
  EXPECT_NE(sun.out.find("1999- 6-22"), std::string::npos) << sun.out;
  EXPECT_NE(sun.out.find("  4:25 hh:min"), std::string::npos) << sun.out;

  // Options on the command line override the file; a full date overrides its year.
  const CliRun over = RunCli("table riseset --half 1 --year 2000 --lat 60 --settings " + file);
  ASSERT_EQ(over.status, 0) << over.err;
  EXPECT_EQ(over.out, Joined(HalfYearSunTableAsShown(0, 2000, Site{60, -9.55, -15.0}, Language::German)));

  // The file's language is the default language of the texts.
  const std::string english = Write("english.skiag", Lines({{0, "1999"}, {13, "Ejjjj"}}));
  const CliRun en = RunCli("sun --mode eot --date 1999-06-22 --settings " + english);
  EXPECT_NE(en.out.find(Phrase(89, Language::English)), std::string::npos) << en.out;

  // A year the windows refuse is refused from the file too.
  const std::string far = Write("far.skiag", Lines({{0, "2600"}}));
  const CliRun refused = RunCli("table riseset --month 6 --settings " + far);
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(refused.out, "");
  EXPECT_NE(refused.err.find("2600 of the settings file"), std::string::npos) << refused.err;
}

TEST_F(SettingsCommandTest, HelpNamesEveryOption) {
  const CliRun all = RunCli("--help");
  EXPECT_NE(all.out.find("settings"), std::string::npos);
  struct Case {
    const char* command;
    std::vector<const char*> words;
  } const cases[] = {
      {"settings", {"--settings", "--write", "--check", "--lang", "0", "1", "2"}},
      {"sun", {"--settings", "MM-DD"}},
      {"table", {"--settings"}},
      {"info", {"--settings"}},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli(std::string(c.command) + " --help");
    EXPECT_EQ(run.status, 0) << c.command;
    for (const char* word : c.words) EXPECT_NE(run.out.find(word), std::string::npos) << c.command << " " << word;
  }
}

}  // namespace
}  // namespace skiagraf
