#include "model/SettingsLocation.h"

#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <system_error>

namespace skiagraf {

namespace fs = std::filesystem;

fs::path ChooseSettingsFolder(const fs::path& executableFolder, bool executableFolderWritable,
                              const std::string& xdgConfigHome, const std::string& home) {
  if (!executableFolder.empty() && executableFolderWritable) return executableFolder;
  fs::path base;
  if (!xdgConfigHome.empty() && fs::path(xdgConfigHome).is_absolute()) {
    base = xdgConfigHome;
  } else if (!home.empty()) {
    base = fs::path(home) / ".config";
  } else {
    base = ".";
  }
  return base / "skiagraf";
}

fs::path ExecutableFolder() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return {};
  return exe.parent_path();
}

fs::path SettingsFolder() {
  const fs::path exeFolder = ExecutableFolder();
  const bool writable = !exeFolder.empty() && ::access(exeFolder.c_str(), W_OK) == 0;
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  const fs::path folder = ChooseSettingsFolder(exeFolder, writable, xdg ? xdg : "", home ? home : "");
  std::error_code ec;
  fs::create_directories(folder, ec);
  return folder;
}

fs::path SettingsFilePath() { return SettingsFolder() / kSettingsFileName; }

fs::path DaysFilePath() { return SettingsFolder() / kDaysFileName; }

fs::path BackupPathFor(const fs::path& file) { return file.parent_path() / kBackupFileName; }

bool IsSettingsFileName(const fs::path& file) {
  std::string name = file.filename().string();
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name == kSettingsFileName;
}

}  // namespace skiagraf
