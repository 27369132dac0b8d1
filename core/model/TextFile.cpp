#include "model/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <system_error>

#include "text/Encoding.h"

namespace skiagraf {

namespace fs = std::filesystem;

std::vector<std::string> SplitTextLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.emplace_back(text.substr(start, i - start));
      i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
      start = i;
    } else {
      ++i;
    }
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::optional<std::vector<std::string>> LoadTextLines(const fs::path& path) {
  std::error_code ec;
  if (!fs::exists(path, ec) || fs::is_directory(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return SplitTextLines(Cp1252ToUtf8(bytes));
}

bool SaveTextLines(const fs::path& path, const std::vector<std::string>& lines) {
  std::string data;
  for (const std::string& line : lines) {
    data += Utf8ToCp1252(line);
    data += "\r\n";
  }
  return SaveFileBytes(path, data);
}

bool SaveFileBytes(const fs::path& path, std::string_view bytes) {
  ReplacementFile file(path);
  if (!file.IsOpen()) return false;
  file.Stream().write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return file.Commit();
}

ReplacementFile::ReplacementFile(const fs::path& target) : target_(target) {
  std::error_code ec;
  // Replace the file a link points to, not the link.
  if (fs::is_symlink(target_, ec)) {
    const fs::path resolved = fs::weakly_canonical(target_, ec);
    if (!ec) target_ = resolved;
  }
  if (fs::is_directory(target_, ec)) return;
  fs::path folder = target_.parent_path();
  if (folder.empty()) folder = ".";
  temporary_ = (folder / ("." + target_.filename().string() + ".XXXXXX")).string();
  fd_ = ::mkstemp(temporary_.data());
  if (fd_ < 0) return;
  out_.open(temporary_, std::ios::binary | std::ios::trunc);
  if (!out_) Discard();
}

ReplacementFile::~ReplacementFile() { Discard(); }

void ReplacementFile::Discard() {
  if (fd_ < 0) return;
  if (out_.is_open()) out_.close();
  ::close(fd_);
  ::unlink(temporary_.c_str());
  fd_ = -1;
}

bool ReplacementFile::Commit() {
  if (fd_ < 0) return false;
  // Keep the permissions of the file being replaced; a new file gets rw-r--r--.
  mode_t mode = 0644;
  struct stat old {};
  if (::stat(target_.c_str(), &old) == 0) mode = old.st_mode & 07777;

  out_.close();
  bool ok = !out_.fail();
  ok = ok && ::fsync(fd_) == 0;
  ok = ok && ::fchmod(fd_, mode) == 0;
  ok = (::close(fd_) == 0) && ok;
  fd_ = -1;
  ok = ok && ::rename(temporary_.c_str(), target_.c_str()) == 0;
  if (!ok) ::unlink(temporary_.c_str());
  return ok;
}

}  // namespace skiagraf
