// Small helpers shared by the text tests.
#pragma once

#include "text/Language.h"

namespace skiagraf {

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
