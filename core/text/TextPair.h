// One German/English pair of a bilingual text table.
#pragma once

#include "text/Language.h"

namespace skiagraf::text_data {

struct TextPair {
  const char* german;
  const char* english;

  const char* In(Language language) const { return language == Language::English ? english : german; }
};

}  // namespace skiagraf::text_data
