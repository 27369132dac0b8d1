#include "model/SettingsLocation.h"

#include <gtest/gtest.h>

namespace skiagraf {
namespace {

TEST(SettingsLocationTest, ChoosesTheFolder) {
  struct Row {
    const char* name;
    const char* exe;
    bool writable;
    const char* xdg;
    const char* home;
    const char* folder;
  };
  const Row rows[] = {
      {"WritableProgramFolder", "/opt/sk", true, "/x", "/home/u", "/opt/sk"},
      {"InstalledUsesXdg", "/usr/bin", false, "/home/u/cfg", "/home/u", "/home/u/cfg/skiagraf"},
      {"XdgUnsetUsesHome", "/usr/bin", false, "", "/home/u", "/home/u/.config/skiagraf"},
      {"RelativeXdgIgnored", "/usr/bin", false, "cfg", "/home/u", "/home/u/.config/skiagraf"},
      {"UnknownExecutable", "", true, "", "/home/u", "/home/u/.config/skiagraf"},
      {"NothingKnown", "", false, "", "", "./skiagraf"},
  };
  for (const Row& r : rows) EXPECT_EQ(ChooseSettingsFolder(r.exe, r.writable, r.xdg, r.home), r.folder) << r.name;
}

TEST(SettingsLocationTest, BackupAndDaysFileBesideTheSettings) {
  EXPECT_EQ(BackupPathFor("/a/b/skiag.ini"), "/a/b/skiag_ini.bak");
  EXPECT_EQ(BackupPathFor("/a/design.skiag"), "/a/skiag_ini.bak");
  EXPECT_EQ(SettingsFilePath().parent_path(), DaysFilePath().parent_path());
  EXPECT_EQ(SettingsFilePath().filename(), "skiag.ini");
  EXPECT_EQ(DaysFilePath().filename(), "skiag_days.ini");
}

TEST(SettingsLocationTest, SettingsFileName) {
  EXPECT_TRUE(IsSettingsFileName("/x/skiag.ini"));
  EXPECT_TRUE(IsSettingsFileName("SKIAG.INI"));
  EXPECT_FALSE(IsSettingsFileName("/x/skiag.ini.bak"));
  EXPECT_FALSE(IsSettingsFileName("/skiag.ini/other"));
}

}  // namespace
}  // namespace skiagraf
