#include "EntryChecks.h"

#include "model/EntryChecks.h"

namespace skiagraf::gui {

// The sun-position window reads its entries by the same rules as the input
// windows (model/EntryChecks.h).
std::string CleanRealEntry(const std::string& text) { return CleanRealText(text); }

std::optional<double> ParseRealEntry(const std::string& text) { return ParseRealText(text); }

std::optional<long> ParseIntEntry(const std::string& text) { return ParseIntText(text); }

std::string RealRangeMessage(const std::string& name, const std::string& cleaned, double min, double max) {
  return RealRangeText(name, cleaned, min, max);
}

bool CorrectGregorianGap(int year, int month, int& day) {
  if (year == 1582 && month == 10 && day >= 5 && day <= 14) {
    day = 15;
    return true;
  }
  return false;
}

}  // namespace skiagraf::gui
