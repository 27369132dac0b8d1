#pragma once

#include <string>

#include "text/Language.h"

namespace skiagraf {

// The German or the English form of a drawing or dial-data text, by the current
// interface language.
inline const char* Bilingual(const char* german, const char* english) {
  return CurrentLanguage() == Language::English ? english : german;
}

// The first letter in upper case (ASCII letters only; the titles start with one).
inline std::string CapitalisedFirst(std::string text) {
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
  return text;
}

}  // namespace skiagraf
