// Small helpers shared by the text tests.
#pragma once

#include <cstddef>
#include <string_view>

#include "text/Language.h"

namespace skiagraf {

// Number of characters (not bytes) of a UTF-8 text: the length the program
// shows and writes into Windows-1252 files.
inline std::size_t CharacterCount(std::string_view utf8) {
  std::size_t count = 0;
  for (unsigned char c : utf8) {
    if ((c & 0xC0) != 0x80) ++count;
  }
  return count;
}

// Restores the process-wide language when a test ends.
class LanguageGuard {
 public:
  LanguageGuard() : saved_(CurrentLanguage()) {}
  ~LanguageGuard() { SetCurrentLanguage(saved_); }
  LanguageGuard(const LanguageGuard&) = delete;
  LanguageGuard& operator=(const LanguageGuard&) = delete;

 private:
  Language saved_;
};

}  // namespace skiagraf
