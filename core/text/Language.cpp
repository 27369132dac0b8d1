#include "text/Language.h"

namespace skiagraf {

namespace {
Language g_language = Language::German;
}

Language CurrentLanguage() { return g_language; }
void SetCurrentLanguage(Language language) { g_language = language; }

}  // namespace skiagraf
