#include <array>

#include "text/MessageData.h"
#include "text/Texts.h"

namespace skiagraf {

namespace {

struct CaptionPair { const char* german; const char* english; };

constexpr std::array<CaptionPair, 10> kCaptions = {{
    {"SKIAGRAF.EXE - Achtung!", "SKIAGRAF.EXE - Attention!"},
    {"SKIAGRAF.EXE - Warnung!", "SKIAGRAF.EXE - Warning!"},
    {"SKIAGRAF.EXE - Fehler!", "SKIAGRAF.EXE - Error!"},
    {"SKIAGRAF.EXE - Information!", "SKIAGRAF.EXE - Information!"},
    {"SKIAGRAF.EXE - Problem!", "SKIAGRAF.EXE - Problem!"},
    {"SKIAGRAF.EXE - Was nun?", "SKIAGRAF.EXE - Question"},
    {"SKIAGRAF.EXE - Zeichnung als Datei speichern", "SKIAGRAF.EXE - Save as Graphics File"},
    {"SKIAGRAF.EXE - Konstruktionsdaten speichern", "SKIAGRAF.EXE - Save Construction Data"},
    {"SKIAGRAF.EXE - Konstruktionsdaten laden", "SKIAGRAF.EXE - Load Construction Data"},
    {"SKIAGRAF.EXE - Tabelle speichern", "SKIAGRAF.EXE - Save Table"},
}};

}  // namespace

std::string Caption(CaptionKind kind, Language language) {
  int index = static_cast<int>(kind) - 1;
  if (index < 0 || index >= static_cast<int>(kCaptions.size())) return {};
  const auto& pair = kCaptions[static_cast<size_t>(index)];
  return language == Language::English ? pair.english : pair.german;
}

std::string Caption(CaptionKind kind) { return Caption(kind, CurrentLanguage()); }

std::string Message(int n, Language language) {
  if (n < 0 || n >= static_cast<int>(std::size(text_data::kMessages))) return {};
  const auto& pair = text_data::kMessages[n];
  return language == Language::English ? pair.english : pair.german;
}

std::string Message(int n) { return Message(n, CurrentLanguage()); }

std::string TwoMessages(int m1, int m2) { return Message(m1) + "\n\r" + Message(m2); }

std::string CaptionToTitle(std::string_view caption) {
  std::string out;
  out.reserve(caption.size());
  for (char c : caption) {
    if (c != '&' && c != ':') out += c;
  }
  return out;
}

}  // namespace skiagraf
