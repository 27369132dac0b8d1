#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "text/Language.h"

namespace skiagraf {

// The user's own date lines: dates of the reference year for which the planar,
// umbrella and bifilar dials draw a declination line. An entry reads
// "dd/mm    ( dd. Mon )"; only the first five characters carry the date.

bool IsGregorianLeapYear(int year);

// How a failed check is reported.
enum class DateCheckMessage {
  None,   // silently
  Input,  // "Fehlerhafte Eingabe !" (the parameter window's entry)
  File,   // the tested text, ": " and "Datum fehlerhaft!"; nothing for an empty text
};

struct OwnDateCheck {
  bool Valid = false;
  int Key = -1;             // day + 100 * month; -1 when invalid
  std::string DateText;     // "dd/mm"; empty when invalid
  std::string DisplayText;  // "dd. Mon"; empty when invalid
};

// Checks a text that starts with day "/" month against the reference year (29 February
// only in Gregorian leap years). Messages go through Ui() with the title "Fehler!".
OwnDateCheck CheckOwnDate(std::string_view text, DateCheckMessage message, int referenceYear, Language language);
OwnDateCheck CheckOwnDate(std::string_view text, DateCheckMessage message, int referenceYear);

// The list entry of a valid date: date text, four blanks, "( ", display text, " )".
std::string OwnDateEntry(const OwnDateCheck& date);

// Sort key of a list entry, read from characters 1-2 and 4-5; -1 when they are no date.
int OwnDateSortKey(std::string_view entry);

// True for an entry field that holds nothing but the mask ("  /  ", blanks or '_').
bool IsEmptyDateInput(std::string_view text);

enum class AddOwnDateResult { Empty, Invalid, Added };

// Adds a date typed as "dd/mm": an empty field adds nothing; an invalid date shows
// "Fehlerhafte Eingabe !" and adds nothing; a valid one is inserted before the first
// entry whose key is not smaller, so a repeated date goes before its twin.
AddOwnDateResult AddOwnDate(std::vector<std::string>& list, std::string_view input, int referenceYear,
                            Language language);

// Removes entry `index`; false (nothing changed) when there is no such entry.
bool RemoveOwnDate(std::vector<std::string>& list, int index);

// An empty list of own date lines receives the equinox and the two solstices
// ("21/03    ( 21. März )", "21/06    ( 21. Juni )", "21/12    ( 21. Dezember )");
// a list that holds anything stays as it is. True when the three were added.
bool AddDefaultOwnDates(std::vector<std::string>& list);

}  // namespace skiagraf
