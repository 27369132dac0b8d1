#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skiagraf {

// The program's text files: Windows-1252 on disk, UTF-8 in memory, lines ended by
// CR LF. A line ends at CR LF, LF or CR when reading; a final line break does not
// make an empty last line.

// Splits text into lines by those rules.
std::vector<std::string> SplitTextLines(std::string_view text);

// The lines of a file, converted to UTF-8; std::nullopt when it does not exist, is a
// folder or cannot be read.
std::optional<std::vector<std::string>> LoadTextLines(const std::filesystem::path& path);

// Writes the lines, each followed by CR LF, in Windows-1252. The text goes to a
// temporary file in the target's folder, which replaces the target only when the
// whole write has succeeded: a failed save leaves the old file as it was.
bool SaveTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines);

}  // namespace skiagraf
