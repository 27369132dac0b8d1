#include "model/SettingsFile.h"

#include <sys/resource.h>

#include <clocale>
#include <cmath>
#include <csignal>
#include <functional>
#include <limits>

#include <gtest/gtest.h>

#include "FieldTable.h"
#include "ModelTestSupport.h"
#include "astro/Ephemeris.h"
#include "model/ConstructionData.h"
#include "model/SettingsLocation.h"
#include "text/Texts.h"

namespace skiagraf {
namespace {

using testing_support::AllFields;
using testing_support::ChangedSettings;
using testing_support::ModelFileTest;

class SettingsFileTest : public ModelFileTest {
 protected:
  // Number of error boxes and questions shown so far.
  int Complaints() const {
    int n = 0;
    for (const auto& shown : ui.shown)
      if (shown.question || shown.icon == MessageIcon::Error || shown.icon == MessageIcon::Question) ++n;
    return n;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& shown : ui.shown) texts.push_back(shown.text);
    return texts;
  }
};

TEST_F(SettingsFileTest, WriteThenReadReproducesEverySavedField) {
  DialSettings written = ChangedSettings();
  // The time kind writes temporal hours instead of zone time; see OptionStringTest.
  written.TemporalHourLines = false;
  const auto path = Path("skiag.ini");
  ASSERT_TRUE(CreateSettingsFile(written, path));
  EXPECT_TRUE(ui.Showed(path.string() + "   gespeichert!"));
  ui.shown.clear();

  DialSettings read = DefaultDialSettings();
  const SettingsReadResult result = ReadSettingsFile(read, path);
  EXPECT_TRUE(result.Opened);
  EXPECT_FALSE(result.Faulty());
  EXPECT_EQ(Complaints(), 0) << (ui.shown.empty() ? "" : ui.shown.front().text);
  for (const auto& f : AllFields())
    if (f.saved) {
      EXPECT_TRUE(f.same(read, written)) << f.name;
    }
  // The obliquity follows the year just read.
  EXPECT_DOUBLE_EQ(read.Obliquity, ComputeObliquityData(1999).Obliquity);
  // Written again, the design gives the same lines.
  EXPECT_EQ(WriteSettingsList(read, false, {}), WriteSettingsList(written, false, {}));
}

TEST_F(SettingsFileTest, DefaultLinesHaveTheirFieldWidths) {
  const auto lines = DefaultLines();
  ASSERT_EQ(lines.size(), 49u);
  const std::pair<int, std::string> expected[] = {
      {1, "2020"},
      {2, " 47.251315;       47.25"},
      {3, " -9.590825;      -15.00"},
      {4, "      -15.00"},
      {5, " 35.00; 51.00;  250.00;    270"},
      {6, "70,180,120,25,100,150, 200.0"},
      {7, " -11.700000; 78.300000"},
      {8, "  25.458900; 47.251315; 12.000000"},
      {9, "13;  90.0;   5.00;   0"},
      {11, "v"},
      {14, "Djjjj"},
      {15, "true"},
      {16, "   0.350000; 150.00;  80.00; 30.0"},
      {17, "    2.0;    32;  -0.8749"},
      {20, "[Farben]"},
      {21, "0"},
      {32, "10543327"},
      {33, "[Zeiten]"},
      {34, "9"},
      {47, "6"},
      {48, "010100"},
      {49, "[Datumslinien]"},
  };
  for (const auto& [line, text] : expected) EXPECT_EQ(lines[static_cast<size_t>(line - 1)], text) << line;
  EXPECT_EQ(lines[18], "  0.0; 50.0; 25.0;  0.0;-50.0; 25.0; 50.0;  0.0; 15.0;-50.0;  0.0; 15.0;");
  const double half = DefaultDialSettings().Obliquity / 2;
  EXPECT_EQ(lines[17], FileReal(0, 7, 2) + ";" + FileReal(half, 7, 2) + ";" + FileReal(-half, 7, 2));
}

TEST(FileRealTest, RoundsPadsAndNeverUsesAnExponent) {
  struct Row {
    double value;
    int width, decimals;
    const char* text;
  };
  const Row rows[] = {
      {47.251315, 10, 6, " 47.251315"}, {-0.004, 7, 2, "   0.00"},  {2.5, 2, 0, " 2"},
      {3.5, 2, 0, " 4"},                {1e20, 5, 1, "100000000000000000000.0"},
      {-123456.789, 5, 1, "-123456.8"}, {0.125, 6, 2, "  0.12"}, {270, 7, 0, "    270"},
  };
  for (const Row& r : rows) EXPECT_EQ(FileReal(r.value, r.width, r.decimals), r.text) << r.value;
}

TEST(OptionStringTest, PositionsCarryTheirFields) {
  DialSettings s = DefaultDialSettings();
  s.DateLineMode = '2';
  s.EotHourInterval = '6';  // " 10 min" in the equation-of-time chooser
  s.BifilarHourInterval = '4';
  s.AnalemmaMarkDays = 3;
  s.LineWidth = 2;
  s.QuadrantDateScale = 1;
  const std::string o = OptionString(s);
  ASSERT_EQ(o.size(), 39u);
  EXPECT_EQ(o[0], '2');
  EXPECT_EQ(o[1], '6');
  EXPECT_EQ(o[18], '4');
  EXPECT_EQ(o[24], '3');
  EXPECT_EQ(o[29], '2');
  EXPECT_EQ(o[35], '1');
  EXPECT_EQ(o[38], '0');
  struct Kind {
    bool temporal, zone;
    char c;
  };
  for (Kind k : {Kind{false, false, '0'}, Kind{false, true, '1'}, Kind{true, false, '2'}, Kind{true, true, '2'}}) {
    s.TemporalHourLines = k.temporal;
    s.ZoneTime = k.zone;
    EXPECT_EQ(OptionString(s)[12], k.c);
  }
}

TEST(DialTypeTextTest, LetterAndSubKind) {
  struct Row {
    char letter;
    bool umbrella;
    int kind;  // written into the sub-kind field of the letter
    const char* text;
  };
  const Row rows[] = {{'v', true, 0, "sv"}, {'q', false, 2, "q2"}, {'c', false, 1, "c0"}, {'m', false, 2, "m2"},
                      {'z', false, 1, "z1"}, {'f', false, 0, "f"},  {'h', false, 0, "h"}};
  for (const Row& r : rows) {
    DialSettings s = DefaultDialSettings();
    s.DialTypeCode = r.letter;
    s.UmbrellaMode = r.umbrella;
    s.AltitudeDialKind = s.ConeOrientation = s.CylinderKind = r.kind;
    EXPECT_EQ(DialTypeText(s), r.text);
  }
}

// --- per-line rules -------------------------------------------------------------------

struct LineCase {
  const char* name;
  int line;  // 1-based line that is replaced
  const char* text;
  int faultLine;  // 0: the reading goes through
  std::vector<std::string> messages;  // texts that must be shown (besides the repair question)
  std::function<void(DialSettings&)> before;
  std::function<void(const DialSettings&)> check;
};

class LineRuleTest : public SettingsFileTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(LineRuleTest, FallbackMessageAndFault) {
  const LineCase& c = GetParam();
  auto lines = DefaultLines();
  lines[static_cast<size_t>(c.line - 1)] = c.text;
  const auto path = Path("skiag.ini");
  WriteLines(path, lines);

  DialSettings s = DefaultDialSettings();
  // Values the file does not hold, to see which lines were read.
  s.MainTimeEnd = 23;
  s.ColorPalette.Pens[0] = 4711;
  if (c.before) c.before(s);
  ui.answers.push_back(Answer::No);
  const SettingsReadResult result = ReadSettingsFile(s, path);

  EXPECT_EQ(result.FaultLine, c.faultLine);
  const std::string question = "skiag.ini : line " + std::to_string(c.faultLine) + "\n\r" + Message(14);
  EXPECT_EQ(ui.Showed(question), c.faultLine > 0);
  const auto texts = Texts();
  for (const std::string& m : c.messages)
    EXPECT_NE(std::find(texts.begin(), texts.end(), m), texts.end()) << "missing message: " << m;
  const int expectedComplaints = static_cast<int>(c.messages.size()) + (c.faultLine > 0 ? 1 : 0);
  EXPECT_EQ(Complaints(), expectedComplaints);
  // A fault stops the reading: the colours after it keep their old value.
  if (c.faultLine > 0 && c.faultLine < 21) {
    EXPECT_EQ(s.ColorPalette.Pens[0], 4711);
  } else if (c.faultLine == 0 && c.line != 21) {
    EXPECT_EQ(s.ColorPalette.Pens[0], 0);
  }
  // The file itself is left alone when the repair is declined.
  EXPECT_EQ(*LoadTextLines(path), lines);
  c.check(s);
}

const std::string kFaulty = " : INI-Datei ist fehlerhaft!";

INSTANTIATE_TEST_SUITE_P(
    Lines, LineRuleTest,
    ::testing::Values(
        LineCase{"YearNotANumber", 1, "20x0", 0, {}, nullptr,
                 [](const DialSettings& s) { EXPECT_EQ(s.ReferenceYear, 2020); }},
        LineCase{"YearAnyInteger", 1, "1234", 0, {}, nullptr,
                 [](const DialSettings& s) { EXPECT_EQ(s.ReferenceYear, 1234); }},
        // The smallest integer: its day numbers (for the obliquity) must not overflow.
        LineCase{"YearSmallestInteger", 1, "-2147483648", 0, {}, nullptr,
                 [](const DialSettings& s) {
                   EXPECT_EQ(s.ReferenceYear, std::numeric_limits<int>::min());
                   EXPECT_TRUE(std::isfinite(s.Obliquity));
                   EXPECT_GT(s.Obliquity, 23.44);  // the obliquity grows into the past
                 }},
        LineCase{"LatitudeZeroBecomesTiny", 2, "  0.000000;       -0.00", 0, {}, nullptr,
                 [](const DialSettings& s) {
                   EXPECT_DOUBLE_EQ(s.Latitude, 0.000001);
                   EXPECT_DOUBLE_EQ(s.SecondLatitude, 0.000001);
                 }},
        LineCase{"OneNumberKeepsSecondLatitude", 2, " 10.500000", 0, {},
                 [](DialSettings& s) { s.SecondLatitude = 33.0; },
                 [](const DialSettings& s) {
                   EXPECT_DOUBLE_EQ(s.Latitude, 10.5);
                   EXPECT_DOUBLE_EQ(s.SecondLatitude, 33.0);
                 }},
        LineCase{"LatitudeOutOfRange", 2, " 95.000000;  10.00", 2, {}, nullptr,
                 [](const DialSettings& s) {
                   EXPECT_DOUBLE_EQ(s.Latitude, 47.25);
                   EXPECT_EQ(s.MainTimeEnd, 23);
                 }},
        LineCase{"LatitudeNotANumber", 2, " 4..5", 2, {}, nullptr,
                 [](const DialSettings& s) { EXPECT_DOUBLE_EQ(s.Latitude, 47.25); }},
        LineCase{"SecondLongitudeOutOfRange", 3, " 10.000000; 200.00", 3, {}, nullptr,
                 [](const DialSettings& s) {
                   EXPECT_DOUBLE_EQ(s.Longitude, 10.0);
                   EXPECT_DOUBLE_EQ(s.SecondLongitude, -9.59);
                 }},
        LineCase{"AxisLengthNotInteger", 5, " 35.00; 51.00;  250.00; 270.5", 5, {}, nullptr,
                 [](const DialSettings& s) { EXPECT_EQ(s.CylinderAxisLength, 270); }},
        LineCase{"Line6EmptyItemsSkipped", 6, "1,2,,3, 4 ,x,6, 99.5", 0, {}, nullptr,
                 [](const DialSettings& s) {
                   EXPECT_EQ(s.CylinderGnomonLength, 1);
                   EXPECT_EQ(s.HorizontalScaleLength, 2);
                   EXPECT_EQ(s.HorizontalMonthScaleLength, 3);
                   EXPECT_EQ(s.HorizontalAltitudeGnomon, 4);
                   EXPECT_EQ(s.DrawingScale, 150);  // "x" gives the fallback
                   EXPECT_EQ(s.QuadrantSize, 6);
                   EXPECT_DOUBLE_EQ(s.HabermelDiameter, 99.5);
                 }},
        LineCase{"Line6SplitsAtSemicolons", 6, "11;12;13;14;15;16;17.5", 0, {}, nullptr,
                 [](const DialSettings& s) {
                   EXPECT_EQ(s.CylinderGnomonLength, 11);
                   EXPECT_EQ(s.QuadrantSize, 16);
                   EXPECT_DOUBLE_EQ(s.HabermelDiameter, 17.5);
                 }},
        LineCase{"HabermelNotANumber", 6, "70,180,120,25,100,150, 2oo", 6, {}, nullptr,
                 [](const DialSettings& s) { EXPECT_DOUBLE_EQ(s.HabermelDiameter, 200.0); }},
        LineCase{"SecondDeclinationCheckedWhenMissing", 7, " 10.000000", 7, {},
                 [](DialSettings& s) { s.SecondWallDeclination = 500.0; },
                 [](const DialSettings& s) {
                   EXPECT_DOUBLE_EQ(s.WallDeclination, 10.0);
                   EXPECT_DOUBLE_EQ(s.SecondWallDeclination, -11.7);
                 }},
        LineCase{"ConeAxisTooSmall", 8, " 25.000000;  0.500000; 10.000000", 8,
                 {"Line 7:0.500000; 10.000000" + kFaulty},
                 [](DialSettings& s) { s.ConeHalfAngle = 3.0; },
                 [](const DialSettings& s) {
                   EXPECT_DOUBLE_EQ(s.WallInclination, 25.0);
                   EXPECT_DOUBLE_EQ(s.ConeAxisInclination, 47.251315);  // the latitude read on line 2
                   EXPECT_DOUBLE_EQ(s.ConeHalfAngle, 3.0);
                 }},
        LineCase{"ConeAxisFallbackSouth", 8, " 25.000000;  0.000000", 8, {"Line 7:0.000000" + kFaulty},
                 [](DialSettings&) {},
                 [](const DialSettings& s) { EXPECT_DOUBLE_EQ(s.ConeAxisInclination, 47.251315); }},
        LineCase{"ConeHalfAngleTooLarge", 8, " 25.000000; 40.000000; 90.000000", 8,
                 {"In Line 7:90.000000" + kFaulty}, nullptr,
                 [](const DialSettings& s) {
                   EXPECT_DOUBLE_EQ(s.ConeAxisInclination, 40.0);
                   EXPECT_DOUBLE_EQ(s.ConeHalfAngle, 20.0);
                 }},
        LineCase{"InclinationTakenWithoutCheck", 8, "400.000000; 40.000000; 10.000000", 0, {}, nullptr,
                 [](const DialSettings& s) { EXPECT_DOUBLE_EQ(s.WallInclination, 400.0); }},
        LineCase{"AnalemmaHourInvalidGives12", 9, "1.5;  90.0;   5.00;   0", 0, {}, nullptr,
                 [](const DialSettings& s) { EXPECT_EQ(s.AnalemmaHour, 12); }},
        LineCase{"SawyerCenterTooLarge", 9, "13; 950.0;   5.00;   0", 9, {"Line 8:950.0;   5.00;   0" + kFaulty},
                 nullptr, [](const DialSettings& s) { EXPECT_DOUBLE_EQ(s.SawyerLineCenter, 90.0); }},
        LineCase{"SawyerAngleTooLarge", 9, "13;  90.0;  12.00;   0", 9, {"In Line 8:12.00" + kFaulty}, nullptr,
                 [](const DialSettings& s) { EXPECT_DOUBLE_EQ(s.SawyerLineAngle, 5.0); }},
        LineCase{"SawyerKindTooLarge", 9, "13;  90.0;   5.00;   5", 9, {"In Line 8:5" + kFaulty}, nullptr,
                 [](const DialSettings& s) { EXPECT_EQ(s.SawyerTimeKind, 2); }},
        LineCase{"DateLineModeInvalid", 10, "90njjjnnnnnn0njnnj1jnnnn1jj0j1nn0110nj0", 10, {},
                 [](DialSettings& s) { s.DateLineMode = '2'; },
                 [](const DialSettings& s) { EXPECT_EQ(s.DateLineMode, '0'); }},
        LineCase{"EotIntervalMissing", 10, "  2", 10, {},
                 [](DialSettings& s) { s.EotHourInterval = '3'; },
                 [](const DialSettings& s) {
                   EXPECT_EQ(s.DateLineMode, '2');  // leading blanks removed
                   EXPECT_EQ(s.EotHourInterval, '0');
                 }},
        LineCase{"TimeKindZone", 10, "06njjjnnnnnn1njnnj1jnnnn1jj0j1nn0110nj0", 0, {}, nullptr,
                 [](const DialSettings& s) {
                   EXPECT_EQ(s.EotHourInterval, '6');
                   EXPECT_TRUE(s.ZoneTime);
                   EXPECT_FALSE(s.LocalTime);
                   EXPECT_FALSE(s.TemporalHourLines);
                 }},
        LineCase{"TimeKindTemporalKeepsZone", 10, "00njjjnnnnnn2njnnj1jnnnn1jj0j1nn0110nj0", 0, {},
                 [](DialSettings& s) {
                   s.ZoneTime = true;
                   s.LocalTime = false;
                 },
                 [](const DialSettings& s) {
                   EXPECT_TRUE(s.TemporalHourLines);
                   EXPECT_TRUE(s.ZoneTime);
                   EXPECT_FALSE(s.LocalTime);
                 }},
        LineCase{"ShortOptionsStopAtPosition25", 10, "00jjjjjjjjjj0jjjjj1jjjjj", 10, {},
                 [](DialSettings& s) { s.ZodiacDateCircles = false; },
                 [](const DialSettings& s) {
                   EXPECT_TRUE(s.MeanTimeLines);  // position 24 was read
                   EXPECT_EQ(s.AnalemmaMarkDays, 0);
                   EXPECT_FALSE(s.ZodiacDateCircles);  // position 27 was not
                 }},
        LineCase{"OptionalTailMissing", 10, "00njjjnnnnnn0njnnj1jnnnn4jj1", 0, {},
                 [](DialSettings& s) {
                   s.LineWidth = 5;
                   s.ConeOrientation = 2;
                   s.AltitudeCircleSpacing = 2;
                   s.AzimuthCircleKind = 1;
                   s.WholeHourDateLines = true;
                 },
                 [](const DialSettings& s) {
                   EXPECT_EQ(s.AnalemmaMarkDays, 4);
                   EXPECT_EQ(s.RingDeflectionMode, 1);
                   EXPECT_EQ(s.LineWidth, 5);  // position 30 missing: unchanged
                   EXPECT_EQ(s.ConeOrientation, 0);
                   EXPECT_EQ(s.AltitudeCircleSpacing, 1);
                   EXPECT_EQ(s.AzimuthCircleKind, 0);
                   EXPECT_TRUE(s.WholeHourDateLines);  // only read when present
                 }},
        LineCase{"RingDeflectionInvalid", 10, "00njjjnnnnnn0njnnj1jnnnn1jj7j1nn0110nj0", 10, {}, nullptr,
                 [](const DialSettings& s) { EXPECT_EQ(s.RingDeflectionMode, 0); }},
        LineCase{"LineWidthNotADigit", 10, "00njjjnnnnnn0njnnj1jnnnn1jj0jxnn0110nj0", 10, {},
                 [](DialSettings& s) { s.LineWidth = 3; },
                 [](const DialSettings& s) { EXPECT_EQ(s.LineWidth, 3); }},
        LineCase{"DigitTailOutOfRange", 10, "00njjjnnnnnn0njnnj1jnnnn1jj0j1nn9939nj0", 0, {}, nullptr,
                 [](const DialSettings& s) {
                   EXPECT_EQ(s.ConeOrientation, 0);
                   EXPECT_EQ(s.AltitudeCircleSpacing, 0);
                   EXPECT_EQ(s.AzimuthCircleKind, 0);
                   EXPECT_EQ(s.QuadrantDateScale, 0);
                 }},
        LineCase{"MeanTimeDial", 11, "c1", 0, {}, nullptr,
                 [](const DialSettings& s) {
                   EXPECT_EQ(s.DialTypeCode, 'm');
                   EXPECT_FALSE(s.UmbrellaMode);
                 }},
        LineCase{"VerticalUmbrella", 11, "sv", 0, {}, nullptr,
                 [](const DialSettings& s) {
                   EXPECT_EQ(s.DialTypeCode, 'v');
                   EXPECT_TRUE(s.UmbrellaMode);
                 }},
        LineCase{"UmbrellaNeverOnAnotherLetter", 11, "sq", 0, {}, nullptr,
                 [](const DialSettings& s) {
                   EXPECT_EQ(s.DialTypeCode, 'h');
                   EXPECT_TRUE(s.UmbrellaMode);
                 }},
        LineCase{"CylinderKind", 11, "z2", 0, {}, [](DialSettings& s) { s.UmbrellaMode = true; },
                 [](const DialSettings& s) {
                   EXPECT_EQ(s.DialTypeCode, 'z');
                   EXPECT_EQ(s.CylinderKind, 2);
                   EXPECT_FALSE(s.UmbrellaMode);
                 }},
        LineCase{"QuadrantKindNotADigit", 11, "qx", 0, {}, [](DialSettings& s) { s.AltitudeDialKind = 2; },
                 [](const DialSettings& s) {
                   EXPECT_EQ(s.DialTypeCode, 'q');
                   EXPECT_EQ(s.AltitudeDialKind, 0);
                 }},
        LineCase{"MainStartOutOfRangeStopsReading", 12, "30", 12, {}, nullptr,
                 [](const DialSettings& s) {
                   EXPECT_EQ(s.MainTimeStart, 7);
                   EXPECT_EQ(s.MainTimeEnd, 23);  // line 13 onward keep their old values
                 }},
        LineCase{"MainEndNotANumber", 13, "x", 13, {}, nullptr,
                 [](const DialSettings& s) { EXPECT_EQ(s.MainTimeEnd, 23); }},
        LineCase{"EnglishAndFlags", 14, "Ejnj", 0, {}, nullptr,
                 [](const DialSettings& s) {
                   EXPECT_FALSE(s.German);
                   EXPECT_TRUE(s.ExpertMode);
                   EXPECT_FALSE(s.ExpertPanel);
                   EXPECT_TRUE(s.DrawBorders);
                   EXPECT_FALSE(s.DrawCoastline);  // missing character
                 }},
        LineCase{"NormalWindowsOnlyExactFalse", 15, "False", 0, {},
                 [](DialSettings& s) { s.NormalWindows = false; },
                 [](const DialSettings& s) { EXPECT_TRUE(s.NormalWindows); }},
        LineCase{"Line16Items", 16, "abc;-5;x;95", 0, {"Line 16/1" + kFaulty, "Line 16/3" + kFaulty},
                 [](DialSettings& s) { s.UmbrellaDiskRatio = 0.7; },
                 [](const DialSettings& s) {
                   EXPECT_DOUBLE_EQ(s.UmbrellaDiskRatio, 0.7);
                   EXPECT_DOUBLE_EQ(s.RingDiameter, 5.0);  // "-" is only taken in item 1
                   EXPECT_DOUBLE_EQ(s.RingWidth, 50.0);
                   EXPECT_DOUBLE_EQ(s.RingHolePosition, 50.0);
                 }},
        LineCase{"Line16RangeFallbacks", 16, "r=-0.25; 400; w 12.5; 91", 0, {}, nullptr,
                 [](const DialSettings& s) {
                   EXPECT_DOUBLE_EQ(s.UmbrellaDiskRatio, -0.25);
                   EXPECT_DOUBLE_EQ(s.RingDiameter, 110.0);
                   EXPECT_DOUBLE_EQ(s.RingWidth, 12.5);
                   EXPECT_DOUBLE_EQ(s.RingHolePosition, 50.0);
                 }},
        LineCase{"Line16WithoutSemicolon", 16, "   0.420000", 0, {}, nullptr,
                 [](const DialSettings& s) {
                   EXPECT_DOUBLE_EQ(s.UmbrellaDiskRatio, 0.42);
                   EXPECT_DOUBLE_EQ(s.RingDiameter, 150.0);
                 }},
        LineCase{"Line17Fallbacks", 17, "    0.5;     5;   3.0000;  7", 0,
                 {"Line 17/1" + kFaulty, "In Line 16:5" + kFaulty, "In Line 16:3.0000" + kFaulty,
                  "In Line 16:7" + kFaulty},
                 [](DialSettings& s) { s.SawyerTimeKind = 1; },
                 [](const DialSettings& s) {
                   EXPECT_DOUBLE_EQ(s.AltitudeGnomonLength, 2.0);
                   EXPECT_EQ(s.PeaucellierUnit, 32);
                   EXPECT_DOUBLE_EQ(s.PeaucellierConstant, -0.9876);
                   EXPECT_EQ(s.SawyerTimeKind, 2);
                 }},
        LineCase{"Line17MissingTokensGetDefaults", 17, "   12.5", 0, {},
                 [](DialSettings& s) {
                   s.PeaucellierUnit = 99;
                   s.PeaucellierConstant = 1.5;
                 },
                 [](const DialSettings& s) {
                   EXPECT_DOUBLE_EQ(s.AltitudeGnomonLength, 12.5);
                   EXPECT_EQ(s.PeaucellierUnit, 32);
                   EXPECT_DOUBLE_EQ(s.PeaucellierConstant, -0.8749);
                 }},
        LineCase{"RingOffsetOutOfRange", 18, "  30.00;   1.00;  -1.00", 18, {},
                 [](DialSettings& s) { s.RingHoleOffset = 3.0; },
                 [](const DialSettings& s) {
                   EXPECT_DOUBLE_EQ(s.RingHoleOffset, 0.0);
                   EXPECT_DOUBLE_EQ(s.RingHoleOffsetMax, s.Obliquity / 2);
                 }},
        LineCase{"RingOffsetSigns", 18, "   1.00;  -1.00;   1.00", 0,
                 {"In Line 17:-1.00" + kFaulty, "In Line 17:1.00" + kFaulty},
                 [](DialSettings& s) {
                   // The offsets follow the obliquity derived before this read.
                   s.Obliquity = 20.0;
                 },
                 [](const DialSettings& s) {
                   EXPECT_DOUBLE_EQ(s.RingHoleOffset, 1.0);
                   EXPECT_DOUBLE_EQ(s.RingHoleOffsetMax, 10.0);
                   EXPECT_DOUBLE_EQ(s.RingHoleOffsetMin, -10.0);
                 }},
        LineCase{"RingOffsetMissing", 18, "", 0, {},
                 [](DialSettings& s) {
                   s.RingHoleOffset = 3.0;
                   s.RingHoleOffsetMax = 3.0;
                 },
                 [](const DialSettings& s) {
                   EXPECT_DOUBLE_EQ(s.RingHoleOffset, 0.0);
                   EXPECT_NEAR(s.RingHoleOffsetMax, ComputeObliquityData(2020).Obliquity / 2, 1e-12);
                 }},
        LineCase{"BifilarNotANumber", 19, "  1.0; 2.0; abc; 4.0", 19, {"In Lines 18f. :abc" + kFaulty}, nullptr,
                 [](const DialSettings& s) {
                   EXPECT_DOUBLE_EQ(s.BifilarPoints[0].x, 1.0);
                   EXPECT_DOUBLE_EQ(s.BifilarPoints[0].y, 2.0);
                   EXPECT_DOUBLE_EQ(s.BifilarPoints[0].z, 999.0);
                   EXPECT_DOUBLE_EQ(s.BifilarPoints[1].x, 0.0);  // not read
                 }},
        LineCase{"BifilarOutOfRange", 19, "  1.0; 600.0;", 19, {}, nullptr,
                 [](const DialSettings& s) { EXPECT_DOUBLE_EQ(s.BifilarPoints[0].y, 999.0); }},
        LineCase{"ColourNotAnInteger", 25, "blue", 25, {}, nullptr,
                 [](const DialSettings& s) {
                   EXPECT_EQ(s.ColorPalette.Pens[0], 0);  // read before the fault
                   EXPECT_EQ(s.ColorPalette.Pens[4], 32896);  // unchanged
                 }},
        LineCase{"EmptyColourKeepsSlot", 21, "", 0, {}, nullptr,
                 [](const DialSettings& s) { EXPECT_EQ(s.ColorPalette.Pens[0], 4711); }},
        LineCase{"RangeOutOfRange", 34, "25", 34, {}, nullptr,
                 [](const DialSettings& s) { EXPECT_EQ(s.EotTimeStart, 8); }},
        LineCase{"AltitudeRangeBelowTen", 43, "5", 43, {}, nullptr,
                 [](const DialSettings& s) { EXPECT_EQ(s.AltitudeLineEnd, 10); }},
        LineCase{"RangeNotANumberKeepsValue", 37, "12a", 37, {}, [](DialSettings& s) { s.BabylonianEnd = 3; },
                 [](const DialSettings& s) { EXPECT_EQ(s.BabylonianEnd, 3); }},
        LineCase{"IntervalsShort", 48, "  3", 0, {}, [](DialSettings& s) { s.ItalianInterval = 2; },
                 [](const DialSettings& s) {
                   EXPECT_EQ(s.BabylonianInterval, 3);
                   EXPECT_EQ(s.ItalianInterval, 2);
                 }},
        LineCase{"IntervalNotADigit", 48, "01x100", 48, {}, nullptr,
                 [](const DialSettings& s) { EXPECT_EQ(s.TemporalInterval, 0); }},
        LineCase{"IntervalPastItsList", 48, "010300", 48, {}, nullptr,
                 [](const DialSettings& s) { EXPECT_EQ(s.AltitudeInterval, 1); }},
        LineCase{"HourIntervalCharacter", 48, "0101320", 0, {}, nullptr,
                 [](const DialSettings& s) {
                   EXPECT_EQ(s.HourInterval, '3');
                   EXPECT_EQ(s.DialTemporalInterval, 2);
                 }}),
    [](const auto& info) { return std::string(info.param.name); });

// --- dates, colours, structure -------------------------------------------------------------

TEST_F(SettingsFileTest, FaultyDatesAreReportedAndSkipped) {
  auto lines = DefaultLines();
  lines.push_back("05/07    ( 05. Jul )");
  lines.push_back("31/04    ( 31. Apr )");
  lines.push_back("29/02");  // 2020 is a leap year
  const auto path = Path("design.skiag");
  WriteLines(path, lines);
  DialSettings s = DefaultDialSettings();
  s.OwnDateLines = {"01/01    ( 01. Jan )"};
  const SettingsReadResult result = ReadSettingsFile(s, path);
  EXPECT_EQ(result.FaultLine, 0);
  EXPECT_EQ(result.DateFaults, 1);
  EXPECT_EQ(s.OwnDateLines, (std::vector<std::string>{"05/07    ( 05. Jul )", "29/02"}));
  EXPECT_TRUE(ui.Showed("31/04    ( 31. Apr ): Datum fehlerhaft!"));
  EXPECT_TRUE(ui.Showed("Fehlerhaftes Datum 31/04    ( 31. Apr ) in " + path.string()));
}

TEST_F(SettingsFileTest, ColourSectionFillsOnlyTwelveSlots) {
  auto lines = DefaultLines();
  std::vector<std::string> colours;
  for (int k = 1; k <= 14; ++k) colours.push_back(std::to_string(k * 11));
  lines.erase(lines.begin() + 20, lines.begin() + 32);
  lines.insert(lines.begin() + 20, colours.begin(), colours.end());
  const auto path = Path("skiag.ini");
  WriteLines(path, lines);
  DialSettings s = DefaultDialSettings();
  const SettingsReadResult result = ReadSettingsFile(s, path);
  EXPECT_FALSE(result.Faulty());
  for (int k = 1; k <= 12; ++k) EXPECT_EQ(s.ColorPalette.Pen(k), k * 11);
  EXPECT_EQ(s.EotTimeStart, 9);  // the time section still read
}

TEST_F(SettingsFileTest, LineWidthOfTwoDigitsShiftsTheOptions) {
  DialSettings s = DefaultDialSettings();
  s.LineWidth = 10;
  s.FirstVertical = false;
  s.SecondVertical = true;
  const auto lines = WriteSettingsList(s, false, {});
  ASSERT_EQ(lines[9].size(), 40u);
  EXPECT_EQ(lines[9].substr(29, 2), "10");
  const auto path = Path("wide.skiag");
  WriteLines(path, lines);
  DialSettings r = DefaultDialSettings();
  ReadSettingsFile(r, path);
  EXPECT_EQ(r.LineWidth, 1);
  EXPECT_FALSE(r.FirstVertical);  // reads the '0'
  EXPECT_FALSE(r.SecondVertical);  // reads FirstVertical's 'n'
}

struct StructureCase {
  const char* name;
  std::function<void(std::vector<std::string>&)> damage;
};

class StructureTest : public SettingsFileTest, public ::testing::WithParamInterface<StructureCase> {};

TEST_P(StructureTest, FaultyAsAWholeResetsAndOffersTheRewrite) {
  auto lines = DefaultLines();
  GetParam().damage(lines);
  for (Answer answer : {Answer::No, Answer::Yes}) {
    const auto path = Path("skiag.ini");
    WriteLines(path, lines);
    ui.shown.clear();
    ui.answers = {answer};
    DialSettings s = DefaultDialSettings();
    s.Latitude = 12.0;
    s.ReferenceYear = 1999;
    s.DialTypeCode = 'q';
    const SettingsReadResult result = ReadSettingsFile(s, path);
    EXPECT_TRUE(result.StructuralFault);
    EXPECT_TRUE(ui.Showed(Message(14)));
    EXPECT_DOUBLE_EQ(s.Latitude, 47.251315);  // reset either way
    EXPECT_EQ(s.DialTypeCode, 'q');           // not in the reset list
    if (answer == Answer::No) {
      EXPECT_EQ(*LoadTextLines(path), lines);
      EXPECT_FALSE(std::filesystem::exists(BackupPathFor(path)));
    } else {
      EXPECT_TRUE(result.Repaired);
      EXPECT_EQ(*LoadTextLines(BackupPathFor(path)), lines);  // the old file is kept
      const auto rewritten = *LoadTextLines(path);
      EXPECT_EQ(rewritten.size(), 49u);
      EXPECT_EQ(rewritten[10], "q0");
      EXPECT_EQ(rewritten[1], " 47.251315;       47.25");
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Damage, StructureTest,
    ::testing::Values(
        StructureCase{"TwentyFiveLines", [](std::vector<std::string>& l) { l.resize(25); l[21] = "[Zeiten]";
                                                                           l[24] = "[Datumslinien]"; }},
        StructureCase{"TimesBeforeColours", [](std::vector<std::string>& l) { std::swap(l[19], l[32]); }},
        StructureCase{"NoDateSection", [](std::vector<std::string>& l) { l.pop_back(); }},
        StructureCase{"Empty", [](std::vector<std::string>& l) { l.clear(); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsFileTest, TwentySixLinesAreEnough) {
  std::vector<std::string> lines = DefaultLines();
  lines.resize(26);
  lines.push_back("[Zeiten]");
  lines.push_back("[Datumslinien]");
  const auto path = Path("skiag.ini");
  WriteLines(path, lines);
  DialSettings s = DefaultDialSettings();
  EXPECT_FALSE(ReadSettingsFile(s, path).StructuralFault);
}

TEST_F(SettingsFileTest, RepairQuestionYesKeepsABackupAndRewritesDefaults) {
  auto lines = DefaultLines();
  lines[0] = "1999";
  lines[11] = "30";
  const auto path = Path("skiag.ini");
  WriteLines(path, lines);
  WriteBytes(BackupPathFor(path), "an older backup");
  ui.answers = {Answer::Yes};
  DialSettings s = DefaultDialSettings();
  const SettingsReadResult result = ReadSettingsFile(s, path);
  EXPECT_EQ(result.FaultLine, 12);
  EXPECT_TRUE(result.Repaired);
  EXPECT_TRUE(ui.Showed(Message(37)));
  EXPECT_EQ(*LoadTextLines(BackupPathFor(path)), lines);
  EXPECT_EQ(*LoadTextLines(path), DefaultLines());
  EXPECT_EQ(s.ReferenceYear, 2020);
  EXPECT_EQ(s.MainTimeStart, 8);
  EXPECT_DOUBLE_EQ(s.Obliquity, ComputeObliquityData(2020).Obliquity);
}

TEST_F(SettingsFileTest, RepairQuestionNoKeepsWhatWasRead) {
  auto lines = DefaultLines();
  lines[0] = "1999";
  lines[11] = "30";
  const auto path = Path("skiag.ini");
  WriteLines(path, lines);
  ui.answers = {Answer::No};
  DialSettings s = DefaultDialSettings();
  const SettingsReadResult result = ReadSettingsFile(s, path);
  EXPECT_FALSE(result.Repaired);
  EXPECT_EQ(s.ReferenceYear, 1999);
  EXPECT_DOUBLE_EQ(s.Obliquity, ComputeObliquityData(1999).Obliquity);  // derived after a stopped read too
  EXPECT_FALSE(std::filesystem::exists(BackupPathFor(path)));
  EXPECT_EQ(*LoadTextLines(path), lines);
}

TEST_F(SettingsFileTest, RepairWithoutBackupLeavesTheFile) {
  auto lines = DefaultLines();
  lines[11] = "30";
  const auto path = Path("skiag.ini");
  WriteLines(path, lines);
  // A folder in the backup's place can neither be deleted nor replaced by the file.
  std::filesystem::create_directory(BackupPathFor(path));
  WriteBytes(BackupPathFor(path) / "keep", "x");
  ui.answers = {Answer::Yes};
  DialSettings s = DefaultDialSettings();
  const SettingsReadResult result = ReadSettingsFile(s, path);
  EXPECT_FALSE(result.Repaired);
  EXPECT_TRUE(ui.Showed(Message(36)));
  EXPECT_EQ(*LoadTextLines(path), lines);
}

TEST_F(SettingsFileTest, MissingSettingsFileAsksToCreateIt) {
  for (Answer answer : {Answer::No, Answer::Yes}) {
    const auto path = Path("skiag.ini");
    std::filesystem::remove(path);
    ui.shown.clear();
    ui.answers = {answer};
    DialSettings s = DefaultDialSettings();
    s.ReferenceYear = 1999;  // the missing-file path still derives the obliquity
    s.Latitude = 10.0;
    const SettingsReadResult result = ReadSettingsFile(s, path);
    EXPECT_FALSE(result.Opened);
    ASSERT_FALSE(ui.shown.empty());
    EXPECT_TRUE(ui.shown[0].question);
    EXPECT_EQ(ui.shown[0].text, path.string() + " : \n\r" + Message(34) + "\n\r" + Message(35));
    if (answer == Answer::Yes) {
      EXPECT_TRUE(result.Created);
      EXPECT_EQ(*LoadTextLines(path), DefaultLines());
      EXPECT_DOUBLE_EQ(s.Latitude, 47.251315);
      EXPECT_DOUBLE_EQ(s.Obliquity, ComputeObliquityData(2020).Obliquity);
    } else {
      EXPECT_FALSE(std::filesystem::exists(path));
      EXPECT_DOUBLE_EQ(s.Latitude, 10.0);
      EXPECT_DOUBLE_EQ(s.Obliquity, ComputeObliquityData(1999).Obliquity);
    }
  }
}

TEST_F(SettingsFileTest, MissingFileOfAnotherNameAsksNothing) {
  DialSettings s = DefaultDialSettings();
  const SettingsReadResult result = ReadSettingsFile(s, Path("gone.skiag"));
  EXPECT_FALSE(result.Opened);
  EXPECT_FALSE(result.Created);
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_FALSE(std::filesystem::exists(Path("gone.skiag")));
}

TEST_F(SettingsFileTest, AFolderIsNotReadable) {
  std::filesystem::create_directory(Path("folder.skiag"));
  DialSettings s = DefaultDialSettings();
  EXPECT_FALSE(ReadSettingsFile(s, Path("folder.skiag")).Opened);
}

// --- colours kept from the settings file ---------------------------------------------------

TEST_F(SettingsFileTest, SaveKeepsTheColoursOfTheSettingsFile) {
  const auto settings = Path("skiag.ini");
  std::vector<std::string> file = {"junk", "more junk", "[Farben]", "1", "2", "blue", "4"};
  WriteLines(settings, file);
  DialSettings s = DefaultDialSettings();
  const auto lines = WriteSettingsList(s, true, settings);
  const std::vector<std::string> colours(lines.begin() + 20, lines.begin() + 32);
  EXPECT_EQ(colours, (std::vector<std::string>{"1", "2", "0", "4", "255", "255", "255", "255", "255", "255", "255",
                                               "255"}));
  // Without the option the record's palette is written.
  EXPECT_EQ(WriteSettingsList(s, false, settings)[21], "16711680");
}

TEST_F(SettingsFileTest, SaveWithoutSettingsFileWritesThePalette) {
  DialSettings s = DefaultDialSettings();
  s.ColorPalette.Pens[1] = 77;
  EXPECT_EQ(WriteSettingsList(s, true, Path("skiag.ini"))[21], "77");
  // A settings file without a colour section also leaves the palette.
  WriteLines(Path("skiag.ini"), {"2020", "[Zeiten]"});
  EXPECT_EQ(WriteSettingsList(s, true, Path("skiag.ini"))[21], "77");
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(SettingsFileTest, UnreadableSettingsFileColoursAreReported) {
  std::filesystem::create_directory(Path("skiag.ini"));
  DialSettings s = DefaultDialSettings();
  s.ColorPalette.Pens[1] = 77;
  EXPECT_EQ(WriteSettingsList(s, true, Path("skiag.ini"))[21], "77");
  EXPECT_TRUE(ui.Showed("Ursprüngliche Farbeinstellung nicht gefunden!"));
}

TEST_F(SettingsFileTest, MenuSaveReportsAndKeepsColours) {
  const auto settings = Path("skiag.ini");
  DialSettings s = DefaultDialSettings();
  s.ColorPalette.Pens[0] = 1234;
  ASSERT_TRUE(CreateSettingsFile(s, settings));
  s.ColorPalette.Pens[0] = 99;
  const auto copy = Path("copy.ini");
  ASSERT_TRUE(SaveSettingsFile(s, copy, settings));
  EXPECT_TRUE(ui.Showed(copy.string() + " gespeichert!"));
  EXPECT_EQ((*LoadTextLines(copy))[20], "1234");
}

// --- saving safely --------------------------------------------------------------------------

TEST_F(SettingsFileTest, SaveIntoAFolderFailsAndSaysSo) {
  const auto target = Path("skiag.ini");
  std::filesystem::create_directory(target);
  EXPECT_FALSE(CreateSettingsFile(DefaultDialSettings(), target));
  EXPECT_TRUE(ui.Showed(target.string() + " :\n\r" + Message(18)));
  EXPECT_TRUE(std::filesystem::is_directory(target));
  // No temporary file is left behind.
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir)) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST_F(SettingsFileTest, SaveIntoAMissingFolderFails) {
  EXPECT_FALSE(CreateSettingsFile(DefaultDialSettings(), Path("no/such/folder/skiag.ini")));
  EXPECT_TRUE(ui.Showed(Message(18)));
}

TEST_F(SettingsFileTest, AnInterruptedWriteKeepsTheOldFile) {
  const auto target = Path("skiag.ini");
  const std::string old = "the old settings\r\n";
  WriteBytes(target, old);
  // Let the system refuse writes past 100 bytes, as a full disk would.
  struct rlimit saved {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 100;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool ok = SaveTextLines(target, DefaultLines());
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_FALSE(ok);
  EXPECT_EQ(Bytes(target), old);
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir)) ++entries;
  EXPECT_EQ(entries, 1);
}

// A dial letter outside ASCII names no dial type, but a save writes the very byte back.
TEST_F(SettingsFileTest, ADialLetterOutsideAsciiSurvivesASave) {
  auto lines = DefaultLines();
  lines[10] = "\xC3\xB6";  // "ö", the byte 0xF6 in the file
  const auto path = Path("design.skiag");
  WriteLines(path, lines);
  DialSettings s = DefaultDialSettings();
  EXPECT_FALSE(ReadSettingsFile(s, path).Faulty());
  EXPECT_EQ(s.DialTypeCode, '\xF6');
  ASSERT_TRUE(SaveConstructionData(s, Path("again.skiag")));
  const std::string bytes = Bytes(Path("again.skiag"));
  EXPECT_NE(bytes.find("\r\n\xF6\r\n"), std::string::npos);
}

TEST_F(SettingsFileTest, AReplacementFileTakesThePlaceOfTheOldOneOnlyOnCommit) {
  const auto target = Path("drawing.plt");
  WriteBytes(target, "old");
  auto entries = [&] { return std::distance(std::filesystem::directory_iterator(dir), {}); };
  {
    // Abandoned half way: the old file stays, the temporary one goes.
    ReplacementFile file(target);
    ASSERT_TRUE(file.IsOpen());
    file.Stream() << "half a drawing";
    EXPECT_EQ(entries(), 2);
  }
  EXPECT_EQ(Bytes(target), "old");
  EXPECT_EQ(entries(), 1);
  {
    // A stream that failed cannot be committed.
    ReplacementFile file(target);
    file.Stream() << "a drawing";
    file.Stream().setstate(std::ios::badbit);
    EXPECT_FALSE(file.Commit());
  }
  EXPECT_EQ(Bytes(target), "old");
  EXPECT_EQ(entries(), 1);
  {
    ReplacementFile file(target);
    file.Stream() << "new";
    EXPECT_TRUE(file.Commit());
  }
  EXPECT_EQ(Bytes(target), "new");
  EXPECT_EQ(entries(), 1);
  EXPECT_FALSE(ReplacementFile(Path("no/such/folder/x.plt")).IsOpen());
}

TEST_F(SettingsFileTest, FileIsWindows1252WithCrLf) {
  const auto target = Path("skiag.ini");
  ASSERT_TRUE(CreateSettingsFile(DefaultDialSettings(), target));
  const std::string bytes = Bytes(target);
  size_t lines = 0;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n') {
      ASSERT_GT(i, 0u);
      EXPECT_EQ(bytes[i - 1], '\r') << "bare line feed at byte " << i;
      ++lines;
    }
  }
  EXPECT_EQ(lines, 49u);
  EXPECT_EQ(bytes.substr(bytes.size() - 16), "[Datumslinien]\r\n");

  ASSERT_TRUE(SaveTextLines(Path("text.ini"), {"Länge", "Maß"}));
  EXPECT_EQ(Bytes(Path("text.ini")), "L\xE4nge\r\nMa\xDF\r\n");
  EXPECT_EQ(*LoadTextLines(Path("text.ini")), (std::vector<std::string>{"Länge", "Maß"}));
}

TEST(TextFileTest, SplitsAtEveryKindOfLineEnd) {
  struct Row {
    std::string text;
    std::vector<std::string> lines;
  };
  const Row rows[] = {{"a\r\nb\r\n", {"a", "b"}},  {"a\nb", {"a", "b"}},     {"a\rb\r", {"a", "b"}},
                      {"a\r\n\r\nb", {"a", "", "b"}}, {"", {}},              {"\r\n", {""}},
                      {"x\n\r", {"x", ""}}};
  for (const Row& r : rows) EXPECT_EQ(SplitTextLines(r.text), r.lines) << r.text;
}

TEST_F(SettingsFileTest, GermanLocaleKeepsTheDecimalPoint) {
  const char* previous = std::setlocale(LC_ALL, nullptr);
  const std::string saved = previous ? previous : "C";
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "de_DE.utf8")) {
    GTEST_SKIP() << "no German locale installed";
  }
  const auto lines = DefaultLines();
  const auto path = Path("skiag.ini");
  const bool saveOk = SaveTextLines(path, lines);
  DialSettings s = DefaultDialSettings();
  s.Latitude = 0;
  const SettingsReadResult result = ReadSettingsFile(s, path);
  std::setlocale(LC_ALL, saved.c_str());
  ASSERT_TRUE(saveOk);
  EXPECT_EQ(lines[1], " 47.251315;       47.25");
  EXPECT_FALSE(result.Faulty());
  EXPECT_DOUBLE_EQ(s.Latitude, 47.251315);
}

}  // namespace
}  // namespace skiagraf
