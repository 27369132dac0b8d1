#pragma once

#include <optional>
#include <string>

namespace skiagraf::gui {

// Entry checks of the input windows, without widgets so that they can be tested.

// The text as a real number: "," counts as decimal point and every character other
// than "+", "-", ".", and the digits is dropped. Empty when no number remains.
std::optional<double> ParseRealEntry(const std::string& text);
// The cleaned text that ParseRealEntry converts.
std::string CleanRealEntry(const std::string& text);

// The text as an integer (blanks around it allowed); empty otherwise.
std::optional<long> ParseIntEntry(const std::string& text);

// The message of a real entry outside [min, max]: name, "=", the cleaned text, a line
// break, " Zulässiger Wertebereich ist" and the interval.
std::string RealRangeMessage(const std::string& name, const std::string& cleaned, double min, double max);

// The 1582 calendar change: in October 1582 the days 5 to 14 do not exist; such a
// day becomes the 15th. True when the day was changed.
bool CorrectGregorianGap(int year, int month, int& day);

}  // namespace skiagraf::gui
