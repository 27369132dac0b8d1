#include "PaletteFile.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "base/UserInterface.h"
#include "model/TextFile.h"
#include "text/Texts.h"

namespace skiagraf::gui {

namespace {

constexpr const char* kSection = "[Farben]";
constexpr const char* kNextSection = "[Zeiten]";

// Splits the file into lines without their CR LF (or lone LF) ends.
bool ReadLines(const std::string& path, std::vector<std::string>& lines) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::stringstream buffer;
  buffer << in.rdbuf();
  const std::string text = buffer.str();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return true;
}

std::string Trim(const std::string& s) {
  const size_t a = s.find_first_not_of(" \t");
  if (a == std::string::npos) return "";
  const size_t b = s.find_last_not_of(" \t");
  return s.substr(a, b - a + 1);
}

bool ParseInt(const std::string& text, long long& value) {
  const std::string t = Trim(text);
  if (t.empty()) return false;
  const char* end = t.data() + t.size();
  auto [ptr, ec] = std::from_chars(t.data(), end, value);
  return ec == std::errc() && ptr == end;
}

long FindSection(const std::vector<std::string>& lines) {
  for (size_t i = 0; i < lines.size(); ++i)
    if (Trim(lines[i]) == kSection) return static_cast<long>(i);
  return -1;
}

void ShowMissing(const std::string& path) {
  Ui().ShowMessage(Caption(CaptionKind::Error), path + Message(33), MessageIcon::Warning);
}

}  // namespace

bool SavePaletteToIni(const std::string& iniPath, const ColorPalette& palette) {
  std::vector<std::string> lines;
  if (!std::filesystem::exists(iniPath) || !ReadLines(iniPath, lines)) {
    ShowMissing(iniPath);
    return false;
  }
  std::vector<std::string> colours;
  for (ColorRef c : palette.Pens) colours.push_back(std::to_string(c));
  const long head = FindSection(lines);
  if (head < 0) {
    // A file without the section gets it at its end.
    lines.push_back(kSection);
    lines.insert(lines.end(), colours.begin(), colours.end());
  } else {
    auto first = lines.begin() + head + 1;
    auto last = first;
    for (int n = 0; n < ColorPalette::kPens && last != lines.end() && Trim(*last) != kNextSection; ++n) ++last;
    first = lines.erase(first, last);
    lines.insert(first, colours.begin(), colours.end());
  }
  // The file is replaced only when the whole text has been written: a failed save
  // never leaves a damaged settings file.
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  if (!SaveFileBytes(iniPath, text)) {
    Ui().ShowMessage(Caption(CaptionKind::Error), iniPath + Message(20), MessageIcon::Error);
    return false;
  }
  Ui().ShowMessage(Caption(CaptionKind::Information), Message(71), MessageIcon::Information);
  return true;
}

bool LoadPaletteFromIni(const std::string& iniPath, ColorPalette& palette) {
  std::vector<std::string> lines;
  if (!std::filesystem::exists(iniPath) || !ReadLines(iniPath, lines)) {
    ShowMissing(iniPath);
    return false;
  }
  const long head = FindSection(lines);
  if (head < 0) {
    Ui().ShowMessage(Caption(CaptionKind::Information), Message(30), MessageIcon::Information);
    return false;
  }
  ColorPalette loaded = palette;
  size_t pen = 0;
  for (size_t i = static_cast<size_t>(head) + 1; i < lines.size() && pen < loaded.Pens.size(); ++i) {
    if (Trim(lines[i]) == kNextSection) break;
    long long value = 0;
    if (!ParseInt(lines[i], value) || value < 0 || value > 0xFFFFFF) {
      Ui().ShowMessage(Caption(CaptionKind::Error), lines[i] + " : " + Message(6), MessageIcon::Error);
      continue;
    }
    loaded.Pens[pen++] = static_cast<ColorRef>(value);
  }
  palette = loaded;
  return true;
}

}  // namespace skiagraf::gui
