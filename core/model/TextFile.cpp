#include "model/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
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

namespace {

bool WriteAll(int fd, const std::string& data) {
  size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

bool SaveTextLines(const fs::path& path, const std::vector<std::string>& lines) {
  std::string data;
  for (const std::string& line : lines) {
    data += Utf8ToCp1252(line);
    data += "\r\n";
  }

  std::error_code ec;
  fs::path target = path;
  // Replace the file a link points to, not the link.
  if (fs::is_symlink(target, ec)) {
    const fs::path resolved = fs::weakly_canonical(target, ec);
    if (!ec) target = resolved;
  }
  if (fs::is_directory(target, ec)) return false;

  fs::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  std::string temp = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;

  // Keep the permissions of the file being replaced; a new file gets rw-r--r--.
  mode_t mode = 0644;
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0) mode = old.st_mode & 07777;

  bool ok = WriteAll(fd, data);
  ok = ok && ::fsync(fd) == 0;
  ok = ok && ::fchmod(fd, mode) == 0;
  ok = (::close(fd) == 0) && ok;
  ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) ::unlink(temp.c_str());
  return ok;
}

}  // namespace skiagraf
