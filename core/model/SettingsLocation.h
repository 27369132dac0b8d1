#pragma once

#include <filesystem>
#include <string>

namespace skiagraf {

inline constexpr const char* kSettingsFileName = "skiag.ini";
inline constexpr const char* kBackupFileName = "skiag_ini.bak";
inline constexpr const char* kDaysFileName = "skiag_days.ini";

// Where the settings file lives: beside the executable when that folder is writable
// (a build tree, a portable copy), otherwise in `xdgConfigHome`/skiagraf, or
// `home`/.config/skiagraf when XDG_CONFIG_HOME is unset, empty or not absolute. The
// backup and the days file live in the same folder. Pure: creates nothing.
std::filesystem::path ChooseSettingsFolder(const std::filesystem::path& executableFolder, bool executableFolderWritable,
                                           const std::string& xdgConfigHome, const std::string& home);

// The folder of the running program's settings, by the rule above, created if needed.
std::filesystem::path SettingsFolder();

// The folder of the running executable (from /proc/self/exe); empty if unknown.
std::filesystem::path ExecutableFolder();

std::filesystem::path SettingsFilePath();  // SettingsFolder() / "skiag.ini"
std::filesystem::path DaysFilePath();      // SettingsFolder() / "skiag_days.ini"

// The backup made when a faulty file is repaired: "skiag_ini.bak" in the folder of the
// file being repaired, so that it never leaves that folder.
std::filesystem::path BackupPathFor(const std::filesystem::path& file);

// True when the file name is "skiag.ini" (letter case ignored).
bool IsSettingsFileName(const std::filesystem::path& file);

}  // namespace skiagraf
