#include "model/OwnDates.h"

#include <charconv>

#include "astro/Ephemeris.h"
#include "base/UserInterface.h"
#include "text/Texts.h"

namespace skiagraf {

namespace {

// An integer with optional leading blanks and nothing after it.
bool ToInt(std::string_view text, int& value) {
  size_t start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return false;
  text.remove_prefix(start);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end;
}

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

int DaysInMonth(int month, int year) {
  switch (month) {
    case 2: return IsGregorianLeapYear(year) ? 29 : 28;
    case 4: case 6: case 9: case 11: return 30;
    default: return 31;
  }
}

}  // namespace

bool IsGregorianLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

OwnDateCheck CheckOwnDate(std::string_view text, DateCheckMessage message, int referenceYear, Language language) {
  std::string_view dayText = text.substr(0, 2);
  if (dayText.size() == 2 && (dayText[1] == ' ' || dayText[1] == '/')) dayText = dayText.substr(0, 1);
  std::string_view monthText;
  const size_t slash = text.find('/');
  if (slash != std::string_view::npos) {
    monthText = text.substr(slash + 1, 2);
    if (monthText.size() == 2 && monthText[1] == ' ') monthText = monthText.substr(0, 1);
  }

  int day = 0;
  int month = 0;
  const bool valid = ToInt(dayText, day) && ToInt(monthText, month) && month >= 1 && month <= 12 && day >= 1 &&
                     day <= DaysInMonth(month, referenceYear);
  OwnDateCheck result;
  if (valid) {
    result.Valid = true;
    result.Key = day + 100 * month;
    result.DateText = TwoDigits(day) + "/" + TwoDigits(month);
    result.DisplayText = TwoDigits(day) + ". " + MonthAbbreviation(month, language);
    return result;
  }
  if (message == DateCheckMessage::Input) {
    Ui().ShowMessage(Caption(CaptionKind::Error, language), Message(6, language), MessageIcon::Error);
  } else if (message == DateCheckMessage::File && !text.empty()) {
    Ui().ShowMessage(Caption(CaptionKind::Error, language), std::string(text) + ": " + Message(57, language),
                     MessageIcon::Error);
  }
  return result;
}

OwnDateCheck CheckOwnDate(std::string_view text, DateCheckMessage message, int referenceYear) {
  return CheckOwnDate(text, message, referenceYear, CurrentLanguage());
}

std::string OwnDateEntry(const OwnDateCheck& date) {
  if (!date.Valid) return {};
  return date.DateText + "    ( " + date.DisplayText + " )";
}

int OwnDateSortKey(std::string_view entry) {
  if (entry.size() < 5) return -1;
  int day = 0;
  int month = 0;
  if (!ToInt(entry.substr(0, 2), day) || !ToInt(entry.substr(3, 2), month)) return -1;
  return day + 100 * month;
}

bool IsEmptyDateInput(std::string_view text) {
  return text.find_first_not_of(" _/") == std::string_view::npos;
}

AddOwnDateResult AddOwnDate(std::vector<std::string>& list, std::string_view input, int referenceYear,
                            Language language) {
  if (IsEmptyDateInput(input)) return AddOwnDateResult::Empty;
  const OwnDateCheck date = CheckOwnDate(input, DateCheckMessage::Input, referenceYear, language);
  if (!date.Valid) return AddOwnDateResult::Invalid;
  auto at = list.begin();
  while (at != list.end() && OwnDateSortKey(*at) < date.Key) ++at;
  list.insert(at, OwnDateEntry(date));
  return AddOwnDateResult::Added;
}

bool RemoveOwnDate(std::vector<std::string>& list, int index) {
  if (index < 0 || index >= static_cast<int>(list.size())) return false;
  list.erase(list.begin() + index);
  return true;
}

bool AddDefaultOwnDates(std::vector<std::string>& list) {
  if (!list.empty()) return false;
  list = {"21/03    ( 21. März )", "21/06    ( 21. Juni )", "21/12    ( 21. Dezember )"};
  return true;
}

}  // namespace skiagraf
