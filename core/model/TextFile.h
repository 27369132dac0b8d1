#pragma once

#include <filesystem>
#include <fstream>
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

// Writes the lines, each followed by CR LF, in Windows-1252, through SaveFileBytes.
bool SaveTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines);

// Writes the bytes as they are, through a ReplacementFile.
bool SaveFileBytes(const std::filesystem::path& path, std::string_view bytes);

// A file written in place of another: the bytes go to a temporary file in the
// target's folder, and Commit puts it in the target's place only when the whole
// write has succeeded. Without a successful Commit the temporary file is removed and
// the target stays as it was, so a failed or abandoned save never destroys the old
// file. A link is followed (the file it points to is replaced), and the replaced
// file's permissions are kept (a new file gets rw-r--r--).
class ReplacementFile {
 public:
  explicit ReplacementFile(const std::filesystem::path& target);
  ~ReplacementFile();
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;

  // False when the temporary file could not be made (a missing or read-only folder,
  // or a target that is a folder).
  bool IsOpen() const { return fd_ >= 0; }
  std::ostream& Stream() { return out_; }
  // Flushes the text to the disk and replaces the target; false, with the target
  // unchanged, when any write failed or the replacement is not possible.
  bool Commit();

 private:
  void Discard();

  std::filesystem::path target_;
  std::string temporary_;
  int fd_ = -1;  // kept open to sync the file and set its permissions
  std::ofstream out_;
};

}  // namespace skiagraf
