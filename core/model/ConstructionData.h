#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/UserInterface.h"
#include "model/DialSettings.h"
#include "model/SettingsFile.h"
#include "text/Language.h"

namespace skiagraf {

// Construction-data files ("*.skiag") keep dial designs in the settings-file format,
// always with the design's own colours. Beside them: the own date lines kept in the
// "[Datumslinien]" section of "skiag.ini" and in the days file "skiag_days.ini".

// The file dialogs of these operations (title, filter, proposed name, extension).
FileChoice SaveConstructionDataChoice(Language language);
FileChoice LoadConstructionDataChoice(Language language);
FileChoice SaveSettingsChoice(Language language);

// Writes the design with its own colours and reports "<path> gespeichert!" or the
// save failure. False when nothing was saved.
bool SaveConstructionData(const DialSettings& s, const std::filesystem::path& path);

// Asks for a file name and saves there; false when cancelled or failed.
bool SaveConstructionDataAs(const DialSettings& s);

// Reads a design with every check, question and repair of the settings reader. A file
// that cannot be read, or an unexpected error, is reported as
// "Die Aufgabe kann nicht gelöst werden!4".
SettingsReadResult LoadConstructionData(DialSettings& s, const std::filesystem::path& path);

// Asks for a file and loads it; false when cancelled or nothing could be read.
bool LoadConstructionDataFrom(DialSettings& s);

// The menu's "save settings": asks for the name (proposing "skiag.ini") and writes
// the record with the colours kept from `settingsFile`.
bool SaveSettingsAs(const DialSettings& s, const std::filesystem::path& settingsFile);

// Reads the settings file again and reports "<path> geladen!"; a file that cannot be
// read or an unexpected error gives "Die Aufgabe kann nicht gelöst werden!3".
bool ReloadSettingsFile(DialSettings& s, const std::filesystem::path& settingsFile);

// Replaces the "[Datumslinien]" section of an existing settings file by the valid,
// non-empty entries of `dateList` (a faulty one is reported and skipped); the rest of
// the file stays as it is. Nothing happens when the file does not exist.
bool SaveDateLinesToSettingsFile(const std::vector<std::string>& dateList, int referenceYear,
                                 const std::filesystem::path& settingsFile);

// Loads the own date lines from the settings file's section, or, when that section
// holds no line, from the days file; valid lines replace OwnDateLines, empty lines are
// skipped, faulty ones reported and skipped. With neither, the warning "Keine "eigenen
// Datumslinien" eingetragen." is shown and false returned.
bool LoadDateLinesFromSettingsFile(DialSettings& s, const std::filesystem::path& settingsFile,
                                   const std::filesystem::path& daysFile);

// The days file: saving writes OwnDateLines unchanged, one per line (false and the
// save-failure message when that fails); loading replaces them by the file's lines,
// only when the file exists.
bool SaveDaysFile(const std::vector<std::string>& ownDateLines, const std::filesystem::path& daysFile);
bool LoadDaysFile(DialSettings& s, const std::filesystem::path& daysFile);

}  // namespace skiagraf
