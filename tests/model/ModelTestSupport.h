#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/UserInterface.h"
#include "model/DialSettings.h"
#include "model/SettingsFile.h"
#include "model/TextFile.h"
#include "text/Language.h"

namespace skiagraf::testing_support {

// A fresh folder per test, removed afterwards; German texts; questions scripted.
class ModelFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetCurrentLanguage(Language::German);
    std::string pattern = (std::filesystem::temp_directory_path() / "skiag-model-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir = pattern;
  }
  void TearDown() override {
    std::error_code ec;
    std::filesystem::permissions(dir, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(dir, ec);
  }

  std::filesystem::path Path(const std::string& name) const { return dir / name; }

  static std::string Bytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }

  static void WriteBytes(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary);
    out << bytes;
  }

  // The default file's lines, without reporting anything.
  static std::vector<std::string> DefaultLines() {
    ScriptedUserInterface quiet;
    ScopedUserInterface scope(quiet);
    return WriteSettingsList(DefaultDialSettings(), false, {});
  }

  // Writes lines as the program would (CR LF), without any message.
  static void WriteLines(const std::filesystem::path& p, const std::vector<std::string>& lines) {
    ASSERT_TRUE(SaveTextLines(p, lines));
  }

  std::filesystem::path dir;
  ScriptedUserInterface ui;
  ScopedUserInterface scope{ui};
};

}  // namespace skiagraf::testing_support
