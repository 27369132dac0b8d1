#include "model/ConstructionData.h"

#include <exception>
#include <system_error>

#include "model/OwnDates.h"
#include "model/TextFile.h"
#include "text/Texts.h"

namespace skiagraf {

namespace fs = std::filesystem;

namespace {

constexpr const char* kDatesHeader = "[Datumslinien]";

std::string SaveFilter(Language language) {
  return language == Language::English
             ? "Start Configuration (*.ini)|*.ini|Your own Construction Data (*.skiag)|*.skiag|All Files (*.*)|*.*"
             : "Startkonfiguration (*.ini)|*.ini|Andere Konstruktionsdaten (*.skiag)|*.skiag|Alle Dateien (*.*)|*.*";
}

void ReportUnsolved(char digit) {
  Ui().ShowMessage(Caption(CaptionKind::Error), Message(24) + digit, MessageIcon::Error);
}

// Moves the lines into OwnDateLines: empty ones skipped, faulty ones reported.
void TakeDateLines(DialSettings& s, const std::vector<std::string>& lines, size_t first) {
  s.OwnDateLines.clear();
  for (size_t i = first; i < lines.size(); ++i) {
    if (lines[i].empty()) continue;
    if (CheckOwnDate(lines[i], DateCheckMessage::File, s.ReferenceYear).Valid) s.OwnDateLines.push_back(lines[i]);
  }
}

}  // namespace

FileChoice SaveConstructionDataChoice(Language language) {
  return FileChoice{Caption(CaptionKind::SaveConstruction, language), SaveFilter(language), "myDial.skiag", "skiag"};
}

FileChoice LoadConstructionDataChoice(Language language) {
  return FileChoice{Caption(CaptionKind::LoadConstruction, language),
                    language == Language::English
                        ? "Start Configuration (*.ini,*.skiag)|*.ini;*.skiag|All Files (*.*)|*.*"
                        : "Starteinstellungen (*.ini,*.skiag)|*.ini;*.skiag|Alle Dateien (*.*)|*.*",
                    "", "skiag"};
}

FileChoice SaveSettingsChoice(Language language) {
  return FileChoice{Caption(CaptionKind::SaveConstruction, language), SaveFilter(language), "skiag.ini", "ini"};
}

bool SaveConstructionData(const DialSettings& s, const fs::path& path) {
  if (!SaveTextLines(path, WriteSettingsList(s, false, path))) {
    ReportSaveFailure(path);
    return false;
  }
  Ui().ShowMessage(Caption(CaptionKind::Information), path.string() + Message(58), MessageIcon::Information);
  return true;
}

bool SaveConstructionDataAs(const DialSettings& s) {
  const auto name = Ui().ChooseSaveFile(SaveConstructionDataChoice(CurrentLanguage()));
  if (!name || name->empty()) return false;
  return SaveConstructionData(s, *name);
}

SettingsReadResult LoadConstructionData(DialSettings& s, const fs::path& path) {
  try {
    SettingsReadResult result = ReadSettingsFile(s, path);
    if (!result.Opened && !result.Created) ReportUnsolved('4');
    return result;
  } catch (const std::exception&) {
    ReportUnsolved('4');
    return SettingsReadResult{};
  }
}

bool LoadConstructionDataFrom(DialSettings& s) {
  const auto name = Ui().ChooseOpenFile(LoadConstructionDataChoice(CurrentLanguage()));
  if (!name || name->empty()) return false;
  return LoadConstructionData(s, *name).Opened;
}

bool SaveSettingsAs(const DialSettings& s, const fs::path& settingsFile) {
  FileChoice choice = SaveSettingsChoice(CurrentLanguage());
  // The dialog opens on the settings file the program reads at start-up, wherever
  // that lives, not in the working folder.
  if (!settingsFile.empty()) choice.initialName = settingsFile.string();
  const auto name = Ui().ChooseSaveFile(choice);
  if (!name || name->empty()) return false;
  return SaveSettingsFile(s, *name, settingsFile);
}

bool ReloadSettingsFile(DialSettings& s, const fs::path& settingsFile) {
  try {
    const SettingsReadResult result = ReadSettingsFile(s, settingsFile);
    if (!result.Opened) {
      if (!result.Created) ReportUnsolved('3');
      return result.Created;
    }
    Ui().ShowMessage(Caption(CaptionKind::Information), settingsFile.string() + Message(56),
                     MessageIcon::Information);
    return true;
  } catch (const std::exception&) {
    ReportUnsolved('3');
    return false;
  }
}

bool SaveDateLinesToSettingsFile(const std::vector<std::string>& dateList, int referenceYear,
                                 const fs::path& settingsFile) {
  auto lines = LoadTextLines(settingsFile);
  if (!lines) return false;
  for (size_t i = 0; i < lines->size(); ++i) {
    if ((*lines)[i] == kDatesHeader) {
      lines->resize(i);
      break;
    }
  }
  lines->push_back(kDatesHeader);
  for (const std::string& entry : dateList) {
    if (entry.empty()) continue;
    if (CheckOwnDate(entry, DateCheckMessage::File, referenceYear).Valid) lines->push_back(entry);
  }
  if (!SaveTextLines(settingsFile, *lines)) {
    ReportSaveFailure(settingsFile);
    return false;
  }
  return true;
}

bool LoadDateLinesFromSettingsFile(DialSettings& s, const fs::path& settingsFile, const fs::path& daysFile) {
  if (auto lines = LoadTextLines(settingsFile)) {
    size_t first = 0;
    while (first < lines->size() && (*lines)[first] != kDatesHeader) ++first;
    if (lines->size() - first >= 2) {
      TakeDateLines(s, *lines, first + 1);
      return true;
    }
  }
  if (auto lines = LoadTextLines(daysFile)) {
    TakeDateLines(s, *lines, 0);
    return true;
  }
  Ui().ShowMessage(Caption(CaptionKind::Problem), Message(63), MessageIcon::Warning);
  return false;
}

bool SaveDaysFile(const std::vector<std::string>& ownDateLines, const fs::path& daysFile) {
  if (!SaveTextLines(daysFile, ownDateLines)) {
    ReportSaveFailure(daysFile);
    return false;
  }
  return true;
}

bool LoadDaysFile(DialSettings& s, const fs::path& daysFile) {
  auto lines = LoadTextLines(daysFile);
  if (!lines) return false;
  s.OwnDateLines = std::move(*lines);
  return true;
}

}  // namespace skiagraf
