#pragma once

namespace skiagraf {

// The language of every caption, message, table heading and drawing label.
// The numeric values are those stored in the settings file (1 German, 2 English).
enum class Language { German = 1, English = 2 };

// The process-wide language. German at start-up unless the settings say otherwise.
Language CurrentLanguage();
void SetCurrentLanguage(Language language);

// Offset of the English twin in the numbered text catalogue: 0 for German, 2000 for English.
inline int CatalogueOffset(Language language) { return language == Language::English ? 2000 : 0; }

}  // namespace skiagraf
