#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "model/DialSettings.h"

namespace skiagraf {

// The settings file "skiag.ini" and the construction-data files "*.skiag" share one
// positional format: lines 1 to 19 by their number, then the sections "[Farben]"
// (twelve colours), "[Zeiten]" (fourteen range lines and the interval line) and
// "[Datumslinien]" (the own date lines). Windows-1252, CR LF, "." as decimal point.

// A real number rounded to `decimals`, right-aligned in at least `width` characters,
// "." as decimal point whatever the locale, no exponent; a wider number is written in
// full.
std::string FileReal(double value, int width, int decimals);

// The 39 characters of line 10 and the dial-type text of line 11.
std::string OptionString(const DialSettings& s);
std::string DialTypeText(const DialSettings& s);

// The lines of the file for the record: lines 1 to 49, then every own date line that
// passes the date check (a failing one is reported and skipped). With
// `keepFileColours` the colour section comes from the existing `settingsFile` when it
// has one; otherwise, and when that file is missing, from the record's palette.
std::vector<std::string> WriteSettingsList(const DialSettings& s, bool keepFileColours,
                                           const std::filesystem::path& settingsFile);

// The lines a save of the record would write (colours of the record), without
// reporting anything; two equal snapshots mean nothing would be lost by not saving.
std::vector<std::string> SettingsSnapshot(const DialSettings& s);

// Writes the record to `path` (colours of the record) and reports
// "<path>   gespeichert!" or the save failure. False when the save failed.
bool CreateSettingsFile(const DialSettings& s, const std::filesystem::path& path);

// The menu's "save settings": the record with the colours kept from `settingsFile`,
// saved to `path`; reports "<path> gespeichert!" or the save failure.
bool SaveSettingsFile(const DialSettings& s, const std::filesystem::path& path,
                      const std::filesystem::path& settingsFile);

// What a read found.
struct SettingsReadResult {
  bool Opened = false;           // the file existed and its lines were read
  bool Created = false;          // a missing "skiag.ini" was created from the defaults
  bool StructuralFault = false;  // headers missing, out of order, or 25 lines or fewer
  int FaultLine = 0;             // 1-based line of the fault that stopped the reading
  int FieldMessages = 0;         // messages about single values (also those without a fault)
  int DateFaults = 0;            // own date lines refused
  bool Repaired = false;         // the user accepted the repair and the file was rewritten
  bool Faulty() const { return StructuralFault || FaultLine > 0 || FieldMessages > 0 || DateFaults > 0; }
};

// Reads a settings or construction-data file into the record, colours and own date
// lines included. Faulty values get their fallbacks, questions and messages go
// through Ui(): a missing "skiag.ini" may be created, a faulty file may be repaired
// (the old one is kept as "skiag_ini.bak" beside it). The obliquity of the year read
// is derived afterwards, except after a structural fault.
SettingsReadResult ReadSettingsFile(DialSettings& s, const std::filesystem::path& path);

// The same on lines already in memory (`path` names them in messages and is the file
// a repair rewrites).
SettingsReadResult ReadSettingsLines(DialSettings& s, const std::vector<std::string>& lines,
                                     const std::filesystem::path& path);

// The save-failure message: "<path> :", a line break, "INI-Datei konnte nicht
// gespeichert werden! (Schreibgeschützt?)".
void ReportSaveFailure(const std::filesystem::path& path);

}  // namespace skiagraf
