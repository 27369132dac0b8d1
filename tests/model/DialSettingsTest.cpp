#include "model/DialSettings.h"

#include <gtest/gtest.h>

#include "FieldTable.h"
#include "astro/Ephemeris.h"

namespace skiagraf {
namespace {

using testing_support::AllFields;
using testing_support::ChangedSettings;
using testing_support::InReset;

TEST(DialSettingsTest, FieldTableChangesEveryField) {
  // Guards the tables below: a change equal to the default would prove nothing.
  const DialSettings defaults = DefaultDialSettings();
  const DialSettings changed = ChangedSettings();
  for (const auto& f : AllFields()) EXPECT_FALSE(f.same(changed, defaults)) << f.name;
}

TEST(DialSettingsTest, ResetRestoresExactlyTheResetList) {
  const DialSettings defaults = DefaultDialSettings();
  DialSettings s = ChangedSettings();
  const DialSettings before = s;
  ResetDialSettings(s);
  for (const auto& f : AllFields()) {
    switch (f.reset) {
      case InReset::Yes:
        EXPECT_TRUE(f.same(s, defaults)) << f.name << " should be reset";
        break;
      case InReset::No:
        EXPECT_TRUE(f.same(s, before)) << f.name << " should be kept";
        break;
      case InReset::FollowsObliquity:
        break;
    }
  }
  // The ring offsets follow the obliquity derived so far (here the changed 20 degrees),
  // not the year the reset has just restored.
  EXPECT_DOUBLE_EQ(s.RingHoleOffsetMax, 10.0);
  EXPECT_DOUBLE_EQ(s.RingHoleOffsetMin, -10.0);
  EXPECT_EQ(s.ReferenceYear, 2020);
  EXPECT_DOUBLE_EQ(s.Obliquity, 20.0);
}

TEST(DialSettingsTest, StartUpValues) {
  const DialSettings s = DefaultDialSettings();
  const ObliquityData ob = ComputeObliquityData(2020);
  EXPECT_EQ(s.DialTypeCode, 'v');
  EXPECT_FALSE(s.UmbrellaMode);
  // The vertical dial's 90 degrees come only when the user picks it.
  EXPECT_DOUBLE_EQ(s.WallInclination, 25.4589);
  EXPECT_DOUBLE_EQ(s.Obliquity, ob.Obliquity);
  EXPECT_DOUBLE_EQ(s.SolsticeDeclination, ob.SolsticeDeclination);
  EXPECT_EQ(s.EclipticDeclinations, ob.EclipticDeclinations);
  EXPECT_EQ(s.ZodiacDeclinations, ob.ZodiacDeclinations);
  EXPECT_DOUBLE_EQ(s.RingHoleOffsetMax, ob.Obliquity / 2);
  EXPECT_DOUBLE_EQ(s.RingHoleOffsetMin, -ob.Obliquity / 2);
  ASSERT_EQ(s.HourLabels.size(), 25u);
  EXPECT_EQ(s.HourLabels.front(), "  0");
  EXPECT_EQ(s.HourLabels[13], "  13");
  EXPECT_EQ(s.HourLabels.back(), "  24");
  ASSERT_EQ(s.TemporalLabels.size(), 13u);
  EXPECT_EQ(s.TemporalLabels.back(), "  12");
  EXPECT_TRUE(s.OwnDateLines.empty());
  EXPECT_EQ(s.ColorPalette.Pen(2), MakeColorRef(0, 0, 255));
  EXPECT_EQ(s.ColorPalette.Pen(12), MakeColorRef(223, 224, 160));
}

TEST(DialSettingsTest, InitRestoresStartUpStateBeyondTheResetList) {
  DialSettings s = ChangedSettings();
  InitDialSettings(s);
  const DialSettings defaults = DefaultDialSettings();
  EXPECT_EQ(s.ColorPalette, defaults.ColorPalette);
  EXPECT_EQ(s.LineWidth, 1);
  EXPECT_DOUBLE_EQ(s.AzimuthObserverDistance, 300.0);
  EXPECT_DOUBLE_EQ(s.AzimuthBaseDiameter, 180.0);
  EXPECT_EQ(s.DialTypeCode, 'v');
  EXPECT_FALSE(s.UmbrellaMode);
  EXPECT_TRUE(s.German);
  EXPECT_TRUE(s.NormalWindows);
  EXPECT_EQ(s.HourLabels, defaults.HourLabels);
  EXPECT_DOUBLE_EQ(s.Obliquity, defaults.Obliquity);
  EXPECT_DOUBLE_EQ(s.RingHoleOffsetMax, defaults.Obliquity / 2);
  // Not part of the start-up initialisation.
  EXPECT_EQ(s.CylinderKind, 1);
  EXPECT_EQ(s.OwnDateLines.size(), 2u);
}

TEST(DialSettingsTest, ComputeObliquityFollowsTheYear) {
  DialSettings s = DefaultDialSettings();
  s.ReferenceYear = 2000;
  ComputeObliquity(s);
  EXPECT_NEAR(s.Obliquity, 23.4390, 0.0005);
  const double obliquity2000 = s.Obliquity;
  s.ReferenceYear = 2500;
  ComputeObliquity(s);
  EXPECT_LT(s.Obliquity, obliquity2000 - 0.06);  // about 0.013 degree per century
  s.ReferenceYear = 2000;
  ComputeObliquity(s);
  EXPECT_DOUBLE_EQ(s.SolsticeDeclination, 23.44);
  EXPECT_EQ(s.EclipticDeclinations[18], 0.0);
  EXPECT_DOUBLE_EQ(s.ZodiacDeclinations[7], s.Obliquity);
  EXPECT_DOUBLE_EQ(s.ZodiacDeclinations[1], -s.Obliquity);
}

struct DialTypeCase {
  const char* name;
  char startLetter;
  bool startUmbrella;
  bool expert;
  int item;
  char letter;
  bool umbrella;
  double wallInclination;
  int altitudeDialKind;
  int cylinderKind;
};

class DialTypeRuleTest : public ::testing::TestWithParam<DialTypeCase> {};

TEST_P(DialTypeRuleTest, AppliesTheChangeRules) {
  const DialTypeCase& c = GetParam();
  DialSettings s = DefaultDialSettings();
  s.DialTypeCode = c.startLetter;
  s.UmbrellaMode = c.startUmbrella;
  s.ExpertMode = c.expert;
  s.AltitudeDialKind = 2;
  s.CylinderKind = 2;
  SelectDialTypeItem(s, c.item);
  EXPECT_EQ(s.DialTypeCode, c.letter);
  EXPECT_EQ(s.UmbrellaMode, c.umbrella);
  EXPECT_DOUBLE_EQ(s.WallInclination, c.wallInclination);
  EXPECT_EQ(s.AltitudeDialKind, c.altitudeDialKind);
  EXPECT_EQ(s.CylinderKind, c.cylinderKind);
  if (s.UmbrellaMode) {
    EXPECT_NE(std::string("hiv").find(s.DialTypeCode), std::string::npos);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Items, DialTypeRuleTest,
    ::testing::Values(
        DialTypeCase{"VerticalSets90", 'h', false, true, 1, 'v', false, 90.0, 2, 2},
        DialTypeCase{"HorizontalKeepsInclination", 'v', false, true, 0, 'h', false, 25.4589, 2, 2},
        DialTypeCase{"InclinedKeepsInclination", 'v', false, true, 2, 'i', false, 25.4589, 2, 2},
        DialTypeCase{"UmbrellaForcesH", 'q', false, true, 3, 'h', true, 25.4589, 2, 2},
        DialTypeCase{"UmbrellaKeepsI", 'i', false, true, 3, 'i', true, 25.4589, 2, 2},
        DialTypeCase{"UmbrellaKeepsV", 'v', false, true, 3, 'v', true, 25.4589, 2, 2},
        DialTypeCase{"QuadrantClearsUmbrella", 'h', true, true, 4, 'q', false, 25.4589, 2, 2},
        DialTypeCase{"ExpertCylinderKeepsKind", 'v', true, true, 6, 'z', false, 25.4589, 2, 2},
        DialTypeCase{"NoExpertQuadrantResetsKind", 'h', false, false, 4, 'q', false, 25.4589, 0, 2},
        DialTypeCase{"NoExpertCylinderResetsKind", 'v', true, false, 6, 'z', false, 25.4589, 2, 0},
        DialTypeCase{"ExpertCone", 'v', false, true, 10, 'm', false, 25.4589, 2, 2},
        DialTypeCase{"NoExpertConeBecomesH", 'v', false, false, 10, 'h', false, 25.4589, 2, 2},
        DialTypeCase{"NoExpertBiazimuthalBecomesH", 'v', false, false, 9, 'h', false, 25.4589, 2, 2},
        DialTypeCase{"NoExpertSawyerStays", 'v', false, false, 11, 'w', false, 25.4589, 2, 2},
        DialTypeCase{"Bifilar", 'h', true, true, 13, 'f', false, 25.4589, 2, 2},
        DialTypeCase{"HamClearsUmbrellaOnly", 'i', true, true, 14, 'i', false, 25.4589, 2, 2},
        DialTypeCase{"OutsideTheListChangesNothing", 'i', true, true, 15, 'i', true, 25.4589, 2, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DialSettingsTest, DialTypeItemOfRoundTripsTheList) {
  for (int item = 0; item < kDialTypeItems; ++item) {
    if (item == kHamDialItem) continue;
    DialSettings s = DefaultDialSettings();
    SelectDialTypeItem(s, item);
    EXPECT_EQ(DialTypeItemOf(s), item) << item;
  }
  DialSettings s = DefaultDialSettings();
  s.DialTypeCode = 'x';
  EXPECT_EQ(DialTypeItemOf(s), -1);
  EXPECT_FALSE(IsConstructedDialType('x'));
  EXPECT_FALSE(IsConstructedDialType('s'));
  for (char letter : std::string("hviqazkrcmwpf")) EXPECT_TRUE(IsConstructedDialType(letter)) << letter;
}

TEST(DialSettingsTest, SawyerTimeKindSetsItsFlags) {
  struct Row {
    int kind;
    bool straight, half, zone, eot;
  };
  const Row rows[] = {{0, false, false, false, false},
                      {1, false, false, true, false},
                      {2, false, true, false, true},
                      {3, true, false, false, true}};
  for (const Row& r : rows) {
    DialSettings s = DefaultDialSettings();
    s.ZoneTime = !r.zone;
    s.SawyerStraightLines = !r.straight;
    s.SawyerHalfAnalemmas = !r.half;
    s.CylinderEotConstruction = !r.eot;
    SelectSawyerTimeKind(s, r.kind);
    EXPECT_EQ(s.SawyerTimeKind, r.kind);
    EXPECT_EQ(s.SawyerStraightLines, r.straight) << r.kind;
    EXPECT_EQ(s.SawyerHalfAnalemmas, r.half) << r.kind;
    EXPECT_EQ(s.ZoneTime, r.zone) << r.kind;
    EXPECT_EQ(s.CylinderEotConstruction, r.eot) << r.kind;
  }
}

TEST(DialSettingsTest, HourIntervalMinutes) {
  const std::pair<char, int> rows[] = {{'0', 60}, {'1', 30}, {'2', 20}, {'3', 15}, {'4', 10}, {'6', 10},
                                       {'5', 60}, {'x', 60}, {'\0', 60}};
  for (auto [code, minutes] : rows) EXPECT_EQ(HourIntervalMinutes(code), minutes) << code;
}

TEST(DialSettingsTest, ColourParts) {
  const ColorRef c = MakeColorRef(223, 224, 160);
  EXPECT_EQ(c, 10543327);
  EXPECT_EQ(RedOf(c), 223);
  EXPECT_EQ(GreenOf(c), 224);
  EXPECT_EQ(BlueOf(c), 160);
  ColorPalette p;
  p.Pens[0] = 7;
  EXPECT_EQ(p.Pen(0), 7);   // out of range falls back to pen 1
  EXPECT_EQ(p.Pen(13), 7);
  EXPECT_EQ(p.Pen(3), 255);
}

}  // namespace
}  // namespace skiagraf
