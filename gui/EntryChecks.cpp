#include "EntryChecks.h"

#include <charconv>
#include <cmath>

#include "base/NumberFormat.h"
#include "text/Texts.h"

namespace skiagraf::gui {

std::string CleanRealEntry(const std::string& text) {
  std::string cleaned;
  for (char c : text) {
    if (c == ',') c = '.';
    if (c == '+' || c == '-' || c == '.' || (c >= '0' && c <= '9')) cleaned += c;
  }
  return cleaned;
}

std::optional<double> ParseRealEntry(const std::string& text) {
  std::string cleaned = CleanRealEntry(text);
  if (!cleaned.empty() && cleaned.front() == '+') cleaned.erase(cleaned.begin());
  if (cleaned.empty()) return std::nullopt;
  double value = 0.0;
  const char* end = cleaned.data() + cleaned.size();
  auto [ptr, ec] = std::from_chars(cleaned.data(), end, value);
  if (ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<long> ParseIntEntry(const std::string& text) {
  const size_t a = text.find_first_not_of(' ');
  if (a == std::string::npos) return std::nullopt;
  const size_t b = text.find_last_not_of(' ');
  std::string t = text.substr(a, b - a + 1);
  if (!t.empty() && t.front() == '+') t.erase(t.begin());
  long value = 0;
  const char* end = t.data() + t.size();
  auto [ptr, ec] = std::from_chars(t.data(), end, value);
  if (t.empty() || ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

std::string RealRangeMessage(const std::string& name, const std::string& cleaned, double min, double max) {
  return name + "=" + cleaned + "\r\n" + Message(13) + " [" + FormatReal(min, 8, 2) + ", ...," +
         FormatReal(max, 7, 1) + "] !";
}

bool CorrectGregorianGap(int year, int month, int& day) {
  if (year == 1582 && month == 10 && day >= 5 && day <= 14) {
    day = 15;
    return true;
  }
  return false;
}

}  // namespace skiagraf::gui
