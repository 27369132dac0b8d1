#include "dials/DateLines.h"

#include <cstdio>

#include "astro/Ephemeris.h"
#include "base/UserInterface.h"
#include "dials/DialText.h"
#include "text/Texts.h"

namespace skiagraf {

namespace {

std::string TwoDigits(int v) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02d", v);
  return buf;
}

std::string Label(int day, int month) {
  std::string d = std::to_string(day);
  if (d.size() < 2) d.insert(0, 1, ' ');
  return d + "." + TwoDigits(month) + ".";
}

int DaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2) return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0 ? 29 : 28;
  return kDays[month - 1];
}

// Reads a number from two characters; false when they hold no digits.
bool ReadTwo(const std::string& s, size_t at, int& value) {
  if (s.size() < at + 2) return false;
  int v = 0;
  bool any = false;
  for (size_t i = at; i < at + 2; ++i) {
    const char c = s[i];
    if (c == ' ' && !any) continue;
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
    any = true;
  }
  value = v;
  return any;
}

}  // namespace

std::vector<DateLine> DateLineList(char option, const DialSettings& s) {
  std::vector<DateLine> list;
  const int year = s.ReferenceYear;
  auto add = [&](int day, int month, int zodiac = 0) {
    list.push_back({DayOfYear(year, month, day), Label(day, month), zodiac});
  };
  switch (option) {
    case '0': {
      const int days[7][2] = {{21, 6}, {22, 7}, {23, 8}, {22, 9}, {23, 10}, {22, 11}, {22, 12}};
      for (int k = 0; k < 7; ++k) add(days[k][0], days[k][1], k + 1);
      break;
    }
    case '1':
      add(22, 6);
      for (int month = 7; month <= 12; ++month) {
        add(7, month);
        add(22, month);
      }
      break;
    case '2':
      for (const std::string& entry : s.OwnDateLines) {
        int day = 0, month = 0;
        const bool ok = ReadTwo(entry, 0, day) && ReadTwo(entry, 3, month) && month >= 1 && month <= 12 &&
                        day >= 1 && day <= DaysInMonth(year, month);
        if (!ok) {
          // A date that cannot be read would give a line on an arbitrary day.
          Ui().ShowMessage(Caption(CaptionKind::Error), entry + " : " + Bilingual("Datum fehlerhaft!", "Error in date!"),
                           MessageIcon::Error);
          continue;
        }
        add(day, month);
      }
      if (s.OwnDateLines.empty()) {
        add(21, 6);
        add(23, 9);
        add(21, 12);
      }
      break;
    default:
      break;
  }
  return list;
}

}  // namespace skiagraf
