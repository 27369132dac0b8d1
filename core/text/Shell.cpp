#include "text/ShellData.h"
#include "text/Texts.h"

#include <iterator>

namespace skiagraf {

std::vector<std::string> MenuCaptions(Language language) {
  std::vector<std::string> list;
  list.reserve(text_data::kMenuCaptionCount);
  for (const auto& entry : text_data::kMenuCaptions) list.push_back(entry.caption.In(language));
  return list;
}

std::vector<std::string> MenuCaptions() { return MenuCaptions(CurrentLanguage()); }

int MenuCaptionDepth(int index) {
  if (index < 0 || index >= text_data::kMenuCaptionCount) return -1;
  return text_data::kMenuCaptions[index].depth;
}

std::string DialDataLabel(DialLabel label, Language language) {
  const int index = static_cast<int>(label);
  if (index < 0 || index >= text_data::kDialLabelCount) return {};
  return text_data::kDialLabels[index].In(language);
}

std::string DialDataLabel(DialLabel label) { return DialDataLabel(label, CurrentLanguage()); }

std::string ZodiacName(int sign, Language language) {
  if (sign < 0 || sign >= 12) return {};
  return text_data::kZodiacNames[sign].In(language);
}

std::string ZodiacName(int sign) { return ZodiacName(sign, CurrentLanguage()); }

std::string NoteText(int n, Language language) {
  if (n < 0 || n >= text_data::kNoteCount) return {};
  return text_data::kNotes[n].In(language);
}

std::string NoteText(int n) { return NoteText(n, CurrentLanguage()); }

LegendRow ColourLegendRow(int row, Language language) {
  if (row < 1 || row > text_data::kLegendRowCount) return {};
  const auto& entry = text_data::kLegend[row - 1];
  return {entry.pen, entry.meaning.In(language)};
}

std::vector<LegendRow> ColourLegend(int offset, Language language) {
  std::vector<LegendRow> rows;
  for (int row = offset + 1; row <= offset + 12; ++row) rows.push_back(ColourLegendRow(row, language));
  return rows;
}

std::vector<LegendRow> ColourLegend(int offset) { return ColourLegend(offset, CurrentLanguage()); }

int ColourLegendOffset(char dialType, bool umbrella) {
  switch (dialType) {
    case 'h': case 'i': case 'v': return umbrella ? 12 : 0;
    case 'f': return 12;
    case 'q': return 24;
    case 'z': return 36;
    case 'k': return 48;
    case 'r': return 60;
    case 'a': return 72;
    case 'c': case 'm': case 'w': case 'p': return 84;
    default: return 0;
  }
}

std::string ColourLegendTitle(char dialType, bool umbrella, Language language) {
  int title = 31;
  switch (dialType) {
    case 'a': title = 37; break;
    case 'c': title = 38; break;
    case 'h': case 'i': case 'v': title = umbrella ? 32 : 31; break;
    case 'f': title = 32; break;  // the bifilar dial is named as such, not as a planar dial
    case 'k': title = 35; break;
    case 'm': title = 39; break;
    case 'p': case 'w': title = 40; break;
    case 'q': title = 33; break;
    case 'r': title = 36; break;
    case 'z': title = 34; break;
    default: title = 31; break;
  }
  return std::string(text_data::kLegendTitlePrefix.In(language)) + Title(title, language);
}

std::string ColourLegendTitle(char dialType, bool umbrella) {
  return ColourLegendTitle(dialType, umbrella, CurrentLanguage());
}

static_assert(std::size(text_data::kShellTexts) == kShellTextCount);

std::string ShellCaption(ShellText text, Language language) {
  const int index = static_cast<int>(text);
  if (index < 0 || index >= kShellTextCount) return {};
  return text_data::kShellTexts[index].In(language);
}

std::string ShellCaption(ShellText text) { return ShellCaption(text, CurrentLanguage()); }

std::string PictureCaption(int number, Language language) {
  for (const auto& entry : text_data::kPictureCaptions)
    if (entry.number == number) return entry.caption.In(language);
  return {};
}

std::string ZodiacSymbol(int sign) {
  if (sign < 0 || sign >= 12) return {};
  const unsigned code = 0x2648u + static_cast<unsigned>(sign);  // three bytes in UTF-8
  std::string out;
  out += static_cast<char>(0xE0u | (code >> 12));
  out += static_cast<char>(0x80u | ((code >> 6) & 0x3Fu));
  out += static_cast<char>(0x80u | (code & 0x3Fu));
  return out;
}

}  // namespace skiagraf
