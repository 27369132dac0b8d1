#include "model/ConstructionData.h"

#include <gtest/gtest.h>

#include "FieldTable.h"
#include "ModelTestSupport.h"
#include "text/Texts.h"

namespace skiagraf {
namespace {

using testing_support::ChangedSettings;
using testing_support::ModelFileTest;

class ConstructionDataTest : public ModelFileTest {};

TEST_F(ConstructionDataTest, SavedDesignLoadsBackLineForLine) {
  DialSettings design = ChangedSettings();
  design.TemporalHourLines = false;
  const auto path = Path("myDial.skiag");
  ASSERT_TRUE(SaveConstructionData(design, path));
  EXPECT_TRUE(ui.Showed(path.string() + " gespeichert!"));
  EXPECT_EQ(ui.shown.back().title, Caption(CaptionKind::Information));

  DialSettings loaded = DefaultDialSettings();
  const SettingsReadResult result = LoadConstructionData(loaded, path);
  EXPECT_TRUE(result.Opened);
  EXPECT_FALSE(result.Faulty());
  EXPECT_EQ(loaded.ColorPalette, design.ColorPalette);  // the design's own colours
  EXPECT_EQ(WriteSettingsList(loaded, false, {}), WriteSettingsList(design, false, {}));
}

TEST_F(ConstructionDataTest, DesignColoursNeverComeFromTheSettingsFile) {
  DialSettings settings = DefaultDialSettings();
  settings.ColorPalette.Pens[0] = 111;
  ASSERT_TRUE(CreateSettingsFile(settings, Path("skiag.ini")));
  DialSettings design = DefaultDialSettings();
  design.ColorPalette.Pens[0] = 222;
  ASSERT_TRUE(SaveConstructionData(design, Path("d.skiag")));
  EXPECT_EQ((*LoadTextLines(Path("d.skiag")))[20], "222");
}

TEST_F(ConstructionDataTest, LoadingReplacesTheOwnDateLines) {
  DialSettings design = DefaultDialSettings();
  const auto path = Path("d.skiag");
  ASSERT_TRUE(SaveConstructionData(design, path));  // empty date section
  DialSettings s = DefaultDialSettings();
  s.OwnDateLines = {"01/03    ( 01. Mar )"};
  LoadConstructionData(s, path);
  EXPECT_TRUE(s.OwnDateLines.empty());
}

TEST_F(ConstructionDataTest, UnreadableFileIsReported) {
  DialSettings s = DefaultDialSettings();
  const SettingsReadResult result = LoadConstructionData(s, Path("missing.skiag"));
  EXPECT_FALSE(result.Opened);
  EXPECT_TRUE(ui.Showed(Message(24) + "4"));
}

TEST_F(ConstructionDataTest, DialogsOfferTheirNamesAndCancelDoesNothing) {
  DialSettings s = DefaultDialSettings();
  ui.files = {std::nullopt};
  EXPECT_FALSE(SaveConstructionDataAs(s));
  EXPECT_TRUE(ui.shown.empty());

  const auto target = Path("chosen.skiag");
  ui.files = {target.string()};
  EXPECT_TRUE(SaveConstructionDataAs(s));
  EXPECT_TRUE(std::filesystem::exists(target));

  s.Latitude = 5.0;
  ui.files = {target.string()};
  EXPECT_TRUE(LoadConstructionDataFrom(s));
  EXPECT_DOUBLE_EQ(s.Latitude, 47.251315);

  const FileChoice save = SaveConstructionDataChoice(Language::German);
  EXPECT_EQ(save.title, Caption(CaptionKind::SaveConstruction, Language::German));
  EXPECT_EQ(save.initialName, "myDial.skiag");
  EXPECT_EQ(save.defaultExtension, "skiag");
  EXPECT_NE(save.filter.find("*.skiag"), std::string::npos);
  const FileChoice load = LoadConstructionDataChoice(Language::English);
  EXPECT_EQ(load.title, Caption(CaptionKind::LoadConstruction, Language::English));
  EXPECT_EQ(load.filter, "Start Configuration (*.ini,*.skiag)|*.ini;*.skiag|All Files (*.*)|*.*");
  EXPECT_EQ(SaveSettingsChoice(Language::German).initialName, "skiag.ini");
  EXPECT_EQ(SaveSettingsChoice(Language::German).defaultExtension, "ini");
  EXPECT_EQ(SaveSettingsChoice(Language::German).filter, save.filter);
}

// Saving the settings from the menu proposes the settings file that the program reads
// at start-up, so the saved settings are the ones found at the next start.
TEST_F(ConstructionDataTest, SettingsSaveDialogOpensOnTheSettingsFile) {
  const auto settings = Path("config/skiag.ini");
  std::filesystem::create_directories(settings.parent_path());
  DialSettings s = DefaultDialSettings();
  s.Latitude = 48.133333;
  ui.files = {settings.string()};
  ASSERT_TRUE(SaveSettingsAs(s, settings));
  ASSERT_EQ(ui.fileChoices.size(), 1u);
  EXPECT_EQ(ui.fileChoices[0].initialName, settings.string());
  DialSettings back = DefaultDialSettings();
  EXPECT_TRUE(ReadSettingsFile(back, settings).Opened);
  EXPECT_DOUBLE_EQ(back.Latitude, 48.133333);
}

TEST_F(ConstructionDataTest, ReloadReportsTheFile) {
  const auto settings = Path("skiag.ini");
  ASSERT_TRUE(CreateSettingsFile(DefaultDialSettings(), settings));
  DialSettings s = DefaultDialSettings();
  s.Latitude = 3.0;
  EXPECT_TRUE(ReloadSettingsFile(s, settings));
  EXPECT_TRUE(ui.Showed(settings.string() + " geladen!"));
  EXPECT_DOUBLE_EQ(s.Latitude, 47.251315);

  ui.shown.clear();
  std::filesystem::remove(settings);
  std::filesystem::create_directory(settings);
  EXPECT_FALSE(ReloadSettingsFile(s, settings));
  EXPECT_TRUE(ui.Showed(Message(24) + "3"));
  EXPECT_FALSE(ui.Showed("geladen"));
}

// --- the date lines of the settings file ------------------------------------------------

TEST_F(ConstructionDataTest, SaveDateLinesReplacesOnlyTheSection) {
  const auto settings = Path("skiag.ini");
  const std::vector<std::string> head = {"2024", "line 2", "[Datumslinien]", "01/01    ( 01. Jan )"};
  WriteLines(settings, head);
  const std::vector<std::string> list = {"29/02    ( 29. Feb )", "", "31/04    ( 31. Apr )", "05/07    ( 05. Jul )"};
  EXPECT_TRUE(SaveDateLinesToSettingsFile(list, 2024, settings));
  EXPECT_EQ(*LoadTextLines(settings), (std::vector<std::string>{"2024", "line 2", "[Datumslinien]",
                                                                "29/02    ( 29. Feb )", "05/07    ( 05. Jul )"}));
  EXPECT_TRUE(ui.Showed("31/04    ( 31. Apr ): Datum fehlerhaft!"));
}

TEST_F(ConstructionDataTest, SaveDateLinesAppendsAMissingSection) {
  const auto settings = Path("skiag.ini");
  WriteLines(settings, {"a", "b"});
  EXPECT_TRUE(SaveDateLinesToSettingsFile({"05/07    ( 05. Jul )"}, 2024, settings));
  EXPECT_EQ(*LoadTextLines(settings), (std::vector<std::string>{"a", "b", "[Datumslinien]", "05/07    ( 05. Jul )"}));
}

TEST_F(ConstructionDataTest, SaveDateLinesWithoutSettingsFileDoesNothing) {
  EXPECT_FALSE(SaveDateLinesToSettingsFile({"05/07"}, 2024, Path("skiag.ini")));
  EXPECT_FALSE(std::filesystem::exists(Path("skiag.ini")));
}

TEST_F(ConstructionDataTest, LoadDateLinesSkipsEmptyAndFaultyLines) {
  const auto settings = Path("skiag.ini");
  WriteLines(settings, {"x", "[Datumslinien]", "01/03    ( 01. Mar )", "", "31/04", "21/12    ( 21. Dez )"});
  DialSettings s = DefaultDialSettings();
  s.OwnDateLines = {"old"};
  EXPECT_TRUE(LoadDateLinesFromSettingsFile(s, settings, Path("skiag_days.ini")));
  EXPECT_EQ(s.OwnDateLines, (std::vector<std::string>{"01/03    ( 01. Mar )", "21/12    ( 21. Dez )"}));
  EXPECT_TRUE(ui.Showed("31/04: Datum fehlerhaft!"));
}

TEST_F(ConstructionDataTest, LoadDateLinesFallsBackToTheDaysFile) {
  const auto settings = Path("skiag.ini");
  const auto days = Path("skiag_days.ini");
  WriteLines(settings, {"x", "[Datumslinien]"});
  WriteLines(days, {"05/07    ( 05. Jul )", "", "xx"});
  DialSettings s = DefaultDialSettings();
  EXPECT_TRUE(LoadDateLinesFromSettingsFile(s, settings, days));
  EXPECT_EQ(s.OwnDateLines, (std::vector<std::string>{"05/07    ( 05. Jul )"}));

  // Neither source: a warning, the list unchanged.
  ui.shown.clear();
  std::filesystem::remove(days);
  EXPECT_FALSE(LoadDateLinesFromSettingsFile(s, settings, days));
  EXPECT_TRUE(ui.Showed(Message(63)));
  EXPECT_EQ(ui.shown.back().title, Caption(CaptionKind::Problem));
  EXPECT_EQ(s.OwnDateLines.size(), 1u);
}

TEST_F(ConstructionDataTest, DaysFileKeepsLinesAsTheyAre) {
  const auto days = Path("skiag_days.ini");
  DialSettings s = DefaultDialSettings();
  EXPECT_FALSE(LoadDaysFile(s, days));
  s.OwnDateLines = {"05/07    ( 05. Jul )", "anything"};
  ASSERT_TRUE(SaveDaysFile(s.OwnDateLines, days));
  EXPECT_EQ(Bytes(days), "05/07    ( 05. Jul )\r\nanything\r\n");
  DialSettings r = DefaultDialSettings();
  EXPECT_TRUE(LoadDaysFile(r, days));
  EXPECT_EQ(r.OwnDateLines, s.OwnDateLines);
  EXPECT_FALSE(SaveDaysFile(s.OwnDateLines, dir));
  EXPECT_TRUE(ui.Showed(Message(18)));
}

}  // namespace
}  // namespace skiagraf
