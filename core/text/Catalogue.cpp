#include <algorithm>
#include <iterator>

#include "text/CatalogueData.h"
#include "text/Texts.h"

namespace skiagraf {

namespace {

// The longest text a caption may carry.
constexpr int kMaxTextLength = 255;

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Text stored under a full catalogue number: 1..954 German, 2001..2954 English,
// and the English-only numbers beyond.
const char* StoredText(int fullNumber) {
  using text_data::kCatalogue;
  const bool english = fullNumber > 2000;
  const int number = english ? fullNumber - 2000 : fullNumber;
  auto it = std::lower_bound(std::begin(kCatalogue), std::end(kCatalogue), number,
                             [](const text_data::CatalogueEntry& e, int n) { return e.number < n; });
  if (it != std::end(kCatalogue) && it->number == number) {
    return english ? it->text.english : it->text.german;
  }
  for (const auto& e : text_data::kEnglishOnly) {
    if (e.number == fullNumber) return e.english;
  }
  return nullptr;
}

}  // namespace

int CharacterCount(std::string_view text) {
  int count = 0;
  for (char c : text) {
    if (!IsContinuationByte(c)) ++count;
  }
  return count;
}

std::string CharacterSlice(std::string_view text, int first, int last) {
  if (first < 1) first = 1;
  std::string out;
  int position = 0;  // 1-based position of the character the current byte belongs to
  for (char c : text) {
    if (!IsContinuationByte(c)) ++position;
    if (position > last) break;
    if (position >= first) out += c;
  }
  return out;
}

std::string FirstCharacters(std::string_view text, int count) { return CharacterSlice(text, 1, count); }

std::string CatalogueText(int number, Language language) {
  const char* text = StoredText(number + CatalogueOffset(language));
  if (text == nullptr) return {};
  return FirstCharacters(text, kMaxTextLength);
}

std::string CatalogueText(int number) { return CatalogueText(number, CurrentLanguage()); }

std::string TextWithoutAccelerator(int number, Language language) {
  std::string text = CatalogueText(number, language);
  text.erase(std::remove(text.begin(), text.end(), '&'), text.end());
  return text;
}

std::string TextWithoutAccelerator(int number) { return TextWithoutAccelerator(number, CurrentLanguage()); }

std::vector<std::string> CatalogueList(int first, int count, Language language) {
  std::vector<std::string> list;
  for (int n = first; n < first + count; ++n) list.push_back(CatalogueText(n, language));
  return list;
}

std::vector<std::string> CatalogueList(int first, int count) {
  return CatalogueList(first, count, CurrentLanguage());
}

}  // namespace skiagraf
