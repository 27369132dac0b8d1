#pragma once

#include <string>
#include <vector>

#include "model/DialSettings.h"

namespace skiagraf {

// One date (declination) line of a planar, umbrella or bifilar dial.
struct DateLine {
  int day = 0;            // day of the reference year
  std::string label;      // six characters: day, point, month, point
  int zodiacIndex = 0;    // 1..7 for the zodiac option (ecliptic longitude 90 + 30 (k - 1)), else 0
};

// The date lines chosen by the date-line option: '0' the sun's entries into the
// zodiac signs from 21 June to 22 December, '1' 22 June and the 7th and 22nd of July
// to December, '2' the user's own dates (an empty list gives 21.06., 23.09., 21.12.),
// '3' none. An own date that cannot be read is reported through Ui() and left out.
std::vector<DateLine> DateLineList(char option, const DialSettings& s);

}  // namespace skiagraf
