#include "text/PhraseData.h"
#include "text/Texts.h"
#include "text/TitleData.h"

namespace skiagraf {

std::string Phrase(int n, Language language) {
  if (n < 0 || n >= text_data::kPhraseCount) return {};
  return text_data::kPhrases[n].In(language);
}

std::string Phrase(int n) { return Phrase(n, CurrentLanguage()); }

std::vector<std::string> PhraseList(int first, int last) {
  std::vector<std::string> list;
  if (first < 0) first = 0;
  if (last >= text_data::kPhraseCount) last = text_data::kPhraseCount - 1;
  for (int n = first; n <= last; ++n) list.push_back(Phrase(n));
  return list;
}

std::string Title(int n, Language language) {
  if (n < 1 || n > text_data::kTitleCount) return {};
  return text_data::kTitles[n - 1].In(language);
}

std::string Title(int n) { return Title(n, CurrentLanguage()); }

}  // namespace skiagraf
