// libFuzzer target: ReadSettingsFile over arbitrary bytes.
//
// Each input is written as a file into a private settings folder and read with
// ReadSettingsFile. The input decides the file name ("skiag.ini" or a
// construction-data name) and whether every question is answered Yes (create,
// repair and back up) or No, so the paths that write files are exercised too.
// After the read it checks that
//   - the settings folder holds nothing but the file and its backup "skiag_ini.bak"
//     (no temporary files left, nothing else written),
//   - nothing was written into the working folder of the read,
//   - a file read without fault, saved and read again, reads without fault and
//     saves to the very same lines (the writer and the reader agree on every field
//     the input could set).
// Crashes, hangs and undefined behaviour are caught by libFuzzer and the
// sanitizers.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/UserInterface.h"
#include "model/DialSettings.h"
#include "model/SettingsFile.h"
#include "model/SettingsLocation.h"
#include "model/TextFile.h"
#include "text/Encoding.h"

namespace {

namespace fs = std::filesystem;
using namespace skiagraf;

// Answers every question the same way and shows nothing.
class SilentUserInterface : public UserInterface {
 public:
  Answer answer = Answer::No;
  void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
  Answer Ask(const std::string&, const std::string&, QuestionButtons, MessageIcon) override { return answer; }
  std::optional<std::string> InputText(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> ChooseOpenFile(const FileChoice&) override { return std::nullopt; }
  std::optional<std::string> ChooseSaveFile(const FileChoice&) override { return std::nullopt; }
};

struct Folders {
  fs::path settings;  // where the file under test lives
  fs::path working;   // the working folder during the read; must stay empty
};

const Folders& TheFolders() {
  static const Folders folders = [] {
    char pattern[] = "/tmp/skiagraf-fuzz-XXXXXX";
    const char* root = ::mkdtemp(pattern);
    if (!root) std::abort();
    Folders f{fs::path(root) / "settings", fs::path(root) / "working"};
    fs::create_directories(f.settings);
    fs::create_directories(f.working);
    return f;
  }();
  return folders;
}

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "settings fuzzer: %s\n", what.c_str());
  std::fflush(stderr);
  __builtin_trap();
}

void EmptyFolder(const fs::path& folder) {
  for (const auto& entry : fs::directory_iterator(folder)) fs::remove_all(entry.path());
}

std::vector<std::string> FolderNames(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Folders& folders = TheFolders();
  static const DialSettings defaults = DefaultDialSettings();
  SilentUserInterface ui;
  ScopedUserInterface scoped(ui);

  // The length picks the name and the answers, so that the seed files stay whole.
  const std::string name = (size % 2 == 0) ? kSettingsFileName : "design.skiag";
  ui.answer = ((size / 2) % 2 == 0) ? Answer::No : Answer::Yes;

  EmptyFolder(folders.settings);
  const fs::path file = folders.settings / name;
  {
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }

  // The read runs in an empty working folder of its own (and then returns to the
  // caller's, where libFuzzer keeps its corpus).
  DialSettings s = defaults;
  const fs::path callerFolder = fs::current_path();
  fs::current_path(folders.working);
  const SettingsReadResult firstRead = ReadSettingsFile(s, file);
  fs::current_path(callerFolder);

  for (const std::string& entry : FolderNames(folders.settings))
    if (entry != name && entry != kBackupFileName) Fail("unexpected file in the settings folder: " + entry);
  if (!FolderNames(folders.working).empty()) Fail("a file was written into the working folder");

  // A file read without any fault, saved and read again, must read without fault and
  // save to the very same lines. (After a faulty read the fallbacks may themselves be
  // refused again, e.g. the bifilar coordinate 999.0, so nothing is compared then.)
  if (firstRead.Faulty()) return 0;
  ui.answer = Answer::No;
  const std::vector<std::string> first = WriteSettingsList(s, false, {});
  // The lines as they come back from the file: Windows-1252 and CR LF.
  std::string bytes;
  for (const std::string& line : first) bytes += Utf8ToCp1252(line) + "\r\n";
  const std::vector<std::string> reread = SplitTextLines(Cp1252ToUtf8(bytes));
  DialSettings t = s;
  const SettingsReadResult again = ReadSettingsLines(t, reread, folders.settings / "again.skiag");
  if (again.Faulty()) Fail("a file the writer made reads with faults (line " + std::to_string(again.FaultLine) + ")");
  const std::vector<std::string> second = WriteSettingsList(t, false, {});
  if (second != first) {
    for (size_t i = 0; i < std::min(first.size(), second.size()); ++i)
      if (first[i] != second[i])
        Fail("line " + std::to_string(i + 1) + " changes on a second save: '" + first[i] + "' -> '" + second[i] + "'");
    Fail("the number of lines changes on a second save");
  }
  return 0;
}
