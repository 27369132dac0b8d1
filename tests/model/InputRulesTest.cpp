#include "model/InputRules.h"

#include <gtest/gtest.h>

#include "base/UserInterface.h"
#include "text/Language.h"

namespace skiagraf {
namespace {

class InputRulesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetCurrentLanguage(Language::German);
    s = DefaultDialSettings();
  }
  void TearDown() override { SetCurrentLanguage(Language::German); }

  DialSettings s;
  TextEntryForm form;
  ScriptedUserInterface ui;
  ScopedUserInterface scope{ui};
};

// ---- location and year ---------------------------------------------------------

TEST_F(InputRulesTest, DegreesMinutesSecondsGiveTheDecimalValue) {
  struct Case {
    const char* d;
    const char* m;
    const char* sec;
    bool south;
    double latitude;
    const char* decimalField;
  };
  const Case cases[] = {
      {"47", "15", "5", false, 47.251389, " 47.251389"},
      {"0", "0", "0", false, 0.000001, "  0.000001"},  // a latitude of 0 is never stored in degree mode
      {"33", "52", "7", true, -33.868611, "-33.868611"},
      {"90", "60", "0", false, 90.0, " 90.000000"},  // beyond the pole: clamped
  };
  for (const Case& c : cases) {
    FillLocationFields(form, s);
    form["Edit1"].SetText(c.d);
    form["Edit2"].SetText(c.m);
    form["Edit8"].SetText(c.sec);
    Hemispheres h = HemispheresOf(s);
    h.South = c.south;
    EXPECT_TRUE(ValidateLocation(form, false, h, s)) << c.d;
    EXPECT_NEAR(s.Latitude, c.latitude, 5e-7) << c.d;
    EXPECT_EQ(form["Edit11"].Text(), c.decimalField) << c.d;
    EXPECT_TRUE(s.InputsValid);
  }
}

// Degrees, minutes and seconds typed in are shown again as typed after the value was
// stored with six decimals; the seconds carry into the minutes and degrees.
TEST_F(InputRulesTest, DegreeRowsShowWholeSecondsWithCarry) {
  struct Case {
    double value;
    int d, m, sec;
  };
  for (const Case& c : {Case{48.133333, 48, 8, 0}, Case{-11.566667, 11, 34, 0}, Case{47.251389, 47, 15, 5},
                        Case{29.999999, 30, 0, 0}, Case{0.000001, 0, 0, 0}}) {
    const Dms d = ToDms(c.value);
    EXPECT_EQ(d.Degrees, c.d) << c.value;
    EXPECT_EQ(d.Minutes, c.m) << c.value;
    EXPECT_EQ(d.Seconds, c.sec) << c.value;
  }
  FillLocationFields(form, s);
  form["Edit1"].SetText("48");
  form["Edit2"].SetText("8");
  form["Edit8"].SetText("0");
  ASSERT_TRUE(ValidateLocation(form, false, HemispheresOf(s), s));
  FillLocationFields(form, s);
  EXPECT_EQ(form["Edit1"].Text(), "48");
  EXPECT_EQ(form["Edit2"].Text(), "8");
  EXPECT_EQ(form["Edit8"].Text(), "0");
}

TEST_F(InputRulesTest, EastLongitudeIsNegativeAndShownInElevenCharacters) {
  FillLocationFields(form, s);
  form["Edit3"].SetText("9");
  form["Edit4"].SetText("35");
  form["Edit9"].SetText("24");
  Hemispheres h = HemispheresOf(s);
  h.East = true;
  ASSERT_TRUE(ValidateLocation(form, false, h, s));
  EXPECT_DOUBLE_EQ(s.Longitude, -9.59);
  EXPECT_EQ(form["Edit13"].Text(), "  -9.590000");
}

TEST_F(InputRulesTest, DecimalEntries) {
  FillLocationFields(form, s);
  form["Edit11"].SetText("47,5");
  ASSERT_TRUE(ValidateLocation(form, true, HemispheresOf(s), s));
  EXPECT_DOUBLE_EQ(s.Latitude, 47.5);
  // A decimal 0 stays 0 and reads as south in the degree fields.
  form["Edit11"].SetText("0");
  ASSERT_TRUE(ValidateLocation(form, true, HemispheresOf(s), s));
  EXPECT_EQ(s.Latitude, 0.0);
  EXPECT_TRUE(HemispheresOf(s).South);
  // Leaving a decimal field refills its degree row.
  form["Edit13"].SetText("-9.590825");
  EXPECT_TRUE(LocationFieldExit(form, "Edit13", s));
  EXPECT_EQ(form["Edit3"].Text(), "9");
  EXPECT_EQ(form["Edit4"].Text(), "35");
  EXPECT_EQ(form["Edit9"].Text(), "27");
}

TEST_F(InputRulesTest, ZoneFarFromLongitudeAsksFirst) {
  for (Answer answer : {Answer::No, Answer::Yes}) {
    ui.shown.clear();
    ui.answers = {answer};
    FillLocationFields(form, s);
    form["Edit13"].SetText("3");
    form["Edit15"].SetText("-15");
    const int focused = form["Edit15"].FocusCount();
    EXPECT_EQ(ValidateLocation(form, true, HemispheresOf(s), s), answer == Answer::Yes);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_NE(ui.shown[0].text.find("mehr als 15 Grad"), std::string::npos);
    EXPECT_EQ(ui.shown[0].title, "SKIAGRAF.EXE - Warnung!");
    EXPECT_EQ(form["Edit15"].FocusCount(), focused + (answer == Answer::No ? 1 : 0));
    EXPECT_EQ(s.InputsValid, answer == Answer::Yes);
  }
}

TEST_F(InputRulesTest, ReferenceYearRange) {
  FillLocationFields(form, s);
  form["Edit5"].SetText("1300");
  EXPECT_TRUE(ValidateLocation(form, true, HemispheresOf(s), s));
  EXPECT_EQ(s.ReferenceYear, 1300);
  form["Edit5"].SetText("1299");
  EXPECT_FALSE(ValidateLocation(form, true, HemispheresOf(s), s));
  EXPECT_EQ(s.ReferenceYear, 1300);
  EXPECT_TRUE(ui.Showed("[1300..2500] !"));
  EXPECT_FALSE(s.InputsValid);
}

TEST_F(InputRulesTest, EmptiedDegreeFieldKeepsThePartOfTheStoredValue) {
  s.Latitude = 47.251389;
  FillLocationFields(form, s);
  form["Edit1"].SetText("");
  EXPECT_TRUE(LocationFieldExit(form, "Edit1", s));
  EXPECT_EQ(form["Edit1"].Text(), "47");
  form["Edit2"].SetText("");
  EXPECT_TRUE(ValidateLocation(form, false, HemispheresOf(s), s));
  EXPECT_EQ(form["Edit2"].Text(), "15");
  EXPECT_NEAR(s.Latitude, 47.251389, 5e-7);
}

// ---- dial type -----------------------------------------------------------------

TEST_F(InputRulesTest, ExpertModeLineReadsOnInBothLanguages) {
  EXPECT_EQ(ExpertModeLine(true).rfind("Experten-Modus = on!    Wechsel des Experten-Modus", 0), 0u);
  SetCurrentLanguage(Language::English);
  EXPECT_EQ(ExpertModeLine(true).rfind("Expert mode is switched on!", 0), 0u);
}

TEST_F(InputRulesTest, TypeListWithoutExpertModeHasThirteenItems) {
  const std::vector<int> items = DialTypeListItems(false);
  ASSERT_EQ(items.size(), 13u);
  EXPECT_EQ(std::count(items.begin(), items.end(), 9), 0);
  EXPECT_EQ(std::count(items.begin(), items.end(), 10), 0);
  // The bifilar dial keeps its own letter in the short list.
  s.ExpertMode = false;
  SelectDialTypeItem(s, items[11]);
  EXPECT_EQ(s.DialTypeCode, 'f');
  EXPECT_EQ(DialTypeListItems(true).size(), 15u);
}

TEST_F(InputRulesTest, ClosingWithHorizontalZeroesThePlane) {
  SelectDialTypeItem(s, 0);
  FillDialTypeFields(form, s);
  EXPECT_TRUE(ValidateDialType(form, s));
  EXPECT_EQ(s.WallDeclination, 0.0);
  EXPECT_EQ(s.WallInclination, 0.0);
}

TEST_F(InputRulesTest, DialTypeFieldChecks) {
  // The wall declination: +-180 is stored just inside the range, beyond is refused.
  SelectDialType(s, 'v');
  FillDialTypeFields(form, s);
  form["Edit1"].SetText("-180");
  EXPECT_TRUE(DialTypeFieldExit(form, "Edit1", s));
  EXPECT_DOUBLE_EQ(s.WallDeclination, 179.9999);
  form["Edit1"].SetText("181");
  EXPECT_FALSE(DialTypeFieldExit(form, "Edit1", s));
  EXPECT_DOUBLE_EQ(s.WallDeclination, 179.9999);
  EXPECT_TRUE(ui.Showed("Wandabweichung muss im Bereich [-180 ° ... +180 °] liegen!"));
  // An inclined dial refuses an inclination of 0 and shows the stored one again.
  SelectDialType(s, 'i');
  FillDialTypeFields(form, s);
  form["Edit2"].SetText("0");
  EXPECT_FALSE(DialTypeFieldExit(form, "Edit2", s));
  EXPECT_EQ(form["Edit2"].Text(), "  90.00");  // the vertical dial left 90
  // Any other refused inclination stays in the field for correcting.
  form["Edit2"].SetText("176");
  EXPECT_FALSE(DialTypeFieldExit(form, "Edit2", s));
  EXPECT_EQ(form["Edit2"].Text(), "176");
  EXPECT_DOUBLE_EQ(s.WallInclination, 90.0);
  // The shepherd's dial takes whole millimetres.
  SelectDialType(s, 'z');
  FillDialTypeFields(form, s);
  form["Edit3"].SetText("35.7");
  EXPECT_TRUE(DialTypeFieldExit(form, "Edit3", s));
  EXPECT_EQ(s.CylinderGnomonLength, 35);
}

TEST_F(InputRulesTest, HabermelGnomonAndDiameterInBothDirections) {
  EXPECT_NEAR(HabermelGnomonFromDiameter(190, 47.25, 23.44, 1), 66.88, 0.01);
  EXPECT_NEAR(HabermelGnomonFromDiameter(190, 47.25, 23.44, 2), 38.61, 0.01);
  EXPECT_NEAR(HabermelDiameterFromGnomon(60, 47.25, 23.44, 1), 171.99, 0.01);
  for (int kind : {1, 2})
    EXPECT_NEAR(HabermelDiameterFromGnomon(HabermelGnomonFromDiameter(150, 47.25, 23.44, kind), 47.25, 23.44, kind),
                150.0, 1e-9);
  // Opening the parameter window derives the gnomon from the diameter and shows it.
  s.Latitude = 47.25;
  s.Obliquity = 23.44;
  s.AltitudeDialKind = 2;
  s.HabermelDiameter = 190;
  s.AltitudeGnomonLength = 0;
  DeriveHabermelGnomon(s);
  EXPECT_NEAR(s.AltitudeGnomonLength, 38.61, 0.01);
  FillParameterFields(form, s);
  EXPECT_EQ(form["EdHabermel"].Text(), "38.6");
  s.HabermelDiameter = 15;  // no gnomon at all
  DeriveHabermelGnomon(s);
  EXPECT_EQ(s.AltitudeGnomonLength, 3.0625);
  s.HabermelDiameter = 200;
  // Leaving the gnomon field of the quadrant page recomputes the diameter.
  s.Latitude = 47.25;
  s.Obliquity = 23.44;
  s.AltitudeDialKind = 1;
  FillParameterFields(form, s);
  form["EdHabermel"].SetText("60");
  EXPECT_TRUE(ParameterFieldExit(form, "EdHabermel", s));
  EXPECT_NEAR(s.HabermelDiameter, 171.99, 0.01);
  EXPECT_EQ(form["EdHabermel2"].Text(), "172.0");
  // A gnomon whose diameter would exceed 200 is refused with its warning.
  form["EdHabermel"].SetText("80");
  ParameterFieldExit(form, "EdHabermel", s);
  EXPECT_NEAR(s.HabermelDiameter, 171.99, 0.01);
  EXPECT_TRUE(ui.Showed("Zeiger der Sonnenuhr zu groß!"));
}

// ---- parameter window ------------------------------------------------------------

TEST_F(InputRulesTest, PageOfEachDialType) {
  struct Case {
    char letter;
    bool umbrella;
    bool expert;
    ParameterPage page;
  };
  const Case cases[] = {
      {'h', false, true, ParameterPage::Planar},       {'i', true, true, ParameterPage::Bifilar},
      {'f', false, true, ParameterPage::Bifilar},      {'q', false, true, ParameterPage::Quadrant},
      {'z', false, true, ParameterPage::Cylinder},     {'k', false, true, ParameterPage::HorizontalAltitude},
      {'r', false, true, ParameterPage::Ring},         {'a', false, true, ParameterPage::Azimuthal},
      {'c', false, true, ParameterPage::Biazimuthal},  {'m', false, true, ParameterPage::MeanTime},
      {'m', false, false, ParameterPage::Planar},      {'w', false, true, ParameterPage::Sawyer},
      {'p', false, true, ParameterPage::Sawyer},
  };
  for (const Case& c : cases) {
    s.DialTypeCode = c.letter;
    s.UmbrellaMode = c.umbrella;
    s.ExpertMode = c.expert;
    EXPECT_EQ(PageFor(s), c.page) << c.letter;
  }
}

TEST_F(InputRulesTest, SawyerLatitudeGuard) {
  struct Case {
    const char* typed;
    double stored;
  };
  for (const Case& c : {Case{"0.001", 0.0049}, Case{"-0.001", -0.0049}, Case{"0", 0.0}, Case{"12.5", 12.5}}) {
    s.DialTypeCode = 'w';
    FillParameterFields(form, s);
    form["EdSaw"].SetText(c.typed);
    EXPECT_TRUE(TransferPage(form, ParameterPage::Sawyer, s)) << c.typed;
    EXPECT_DOUBLE_EQ(s.Latitude, c.stored) << c.typed;
  }
}

TEST_F(InputRulesTest, ConeAxisBelowZeroGetsHalfACircle) {
  s.DialTypeCode = 'm';
  FillParameterFields(form, s);
  form["EdNeig"].SetText("-40");
  EXPECT_TRUE(TransferPage(form, ParameterPage::MeanTime, s));
  EXPECT_DOUBLE_EQ(s.ConeAxisInclination, 140.0);
  form["EdNeig"].SetText("-20");
  EXPECT_TRUE(ParameterFieldExit(form, "EdNeig", s));
  EXPECT_DOUBLE_EQ(s.ConeAxisInclination, 160.0);
}

TEST_F(InputRulesTest, RingWidthHasAWiderRangeOnTransfer) {
  s.DialTypeCode = 'r';
  FillParameterFields(form, s);
  form["rBreitEdit"].SetText("250");
  EXPECT_FALSE(ParameterFieldExit(form, "rBreitEdit", s));
  EXPECT_DOUBLE_EQ(s.RingWidth, 80.0);
  EXPECT_TRUE(TransferPage(form, ParameterPage::Ring, s));
  EXPECT_DOUBLE_EQ(s.RingWidth, 250.0);
  form["rBreitEdit"].SetText("301");
  EXPECT_FALSE(TransferPage(form, ParameterPage::Ring, s));
  EXPECT_TRUE(ui.Showed("Bitte zuerst die fehlerhafte Eingabe korrigieren!"));
  EXPECT_FALSE(s.InputsValid);
}

TEST_F(InputRulesTest, InclinedUmbrellaTilt) {
  struct Case {
    const char* ratio;
    bool passes;
  };
  for (const Case& c : {Case{"100", false}, Case{"50", true}}) {
    ui.shown.clear();
    SelectUmbrellaDial(s);
    s.DialTypeCode = 'i';
    FillParameterFields(form, s);
    form["EdSolKreis"].SetText(c.ratio);
    form["EdSolNeig"].SetText("45");
    EXPECT_EQ(TransferPage(form, ParameterPage::Bifilar, s), c.passes) << c.ratio;
    EXPECT_EQ(ui.Showed("Diese Neigung der Pultuhr ist beim gegebenen Kreisradius nicht möglich !"), !c.passes);
    EXPECT_EQ(s.UmbrellaOrientation, 'i');
  }
  // A ratio of 0 is only reported.
  s.UmbrellaDiskRatio = 0;
  ui.shown.clear();
  EXPECT_TRUE(UmbrellaTiltCheck(s));
  EXPECT_TRUE(ui.Showed("Kreisradius = 0 ist nicht zulässig !"));
}

TEST_F(InputRulesTest, RulesOfThePageChoices) {
  // Without expert mode the ring-hole offsets are the plain ones.
  s.ExpertMode = false;
  s.Obliquity = 23.44;
  s.RingHoleOffset = 5;
  s.RingHoleOffsetMax = 3;
  ApplyParameterExpertRules(s);
  EXPECT_EQ(s.RingHoleOffset, 0.0);
  EXPECT_DOUBLE_EQ(s.RingHoleOffsetMax, 11.72);
  // The local/zone choices set local time as the complement of zone time.
  SelectZoneTimeItem(s, 1);
  EXPECT_TRUE(s.ZoneTime);
  EXPECT_FALSE(s.LocalTime);
  SelectZoneTimeItem(s, 0);
  EXPECT_FALSE(s.ZoneTime);
  EXPECT_TRUE(s.LocalTime);
  // The stereographic scale of the quadrant forces local time.
  s.ZoneTime = true;
  s.LocalTime = false;
  SelectQuadrantDateScale(s, 1);
  EXPECT_TRUE(s.ZoneTime);
  SelectQuadrantDateScale(s, 2);
  EXPECT_EQ(s.QuadrantDateScale, 2);
  EXPECT_FALSE(s.ZoneTime);
  EXPECT_TRUE(s.LocalTime);
  // The plane orientation of the two-position dials is read modulo 3.
  s.ConeOrientation = 7;
  EXPECT_EQ(ConeOrientationItem(s), 1);
}

TEST_F(InputRulesTest, TransferSettlesTheTimeKind) {
  // Quadrant: temporal hours are never zone time.
  s.DialTypeCode = 'q';
  s.ZoneTime = true;
  s.TemporalHourLines = true;
  FillParameterFields(form, s);
  ASSERT_TRUE(TransferPage(form, ParameterPage::Quadrant, s));
  EXPECT_FALSE(s.ZoneTime);
  // Ring: temporal hours are neither local nor zone time; local time is local time.
  s.DialTypeCode = 'r';
  s.ZoneTime = true;
  s.LocalTime = true;
  FillParameterFields(form, s);
  ASSERT_TRUE(TransferPage(form, ParameterPage::Ring, s));
  EXPECT_FALSE(s.ZoneTime);
  EXPECT_FALSE(s.LocalTime);
  s.TemporalHourLines = false;
  ASSERT_TRUE(TransferPage(form, ParameterPage::Ring, s));
  EXPECT_TRUE(s.LocalTime);
}

TEST_F(InputRulesTest, ConeHalfAngleNote) {
  s.DialTypeCode = 'm';
  s.ConeAxisInclination = 30;
  FillParameterFields(form, s);
  form["EdSpi"].SetText("20");
  EXPECT_TRUE(ParameterFieldExit(form, "EdSpi", s));
  EXPECT_FALSE(ui.Showed("Der Winkel muss kleiner als die Neigung der Kegelachse sein!"));
  form["EdSpi"].SetText("40");
  EXPECT_TRUE(ParameterFieldExit(form, "EdSpi", s));
  EXPECT_DOUBLE_EQ(s.ConeHalfAngle, 40.0);  // reported, but kept
  EXPECT_TRUE(ui.Showed("Der Winkel muss kleiner als die Neigung der Kegelachse sein!"));
}

TEST_F(InputRulesTest, LinesPerMonthChoosersOfferOneToThree) {
  const std::vector<std::string> items = ChooserItems(ChooserList::LinesPerMonth, s);
  EXPECT_EQ(items, (std::vector<std::string>{" 1 pro Monat", " 2 pro Monat", " 3 pro Monat"}));
  // "No date lines" of the planar dials is no entry of theirs.
  s.DateLineMode = '3';
  EXPECT_EQ(ChooserIndex(s, "cLinZl"), -1);
  s.DateLineMode = '1';
  ApplyChooser(s, "cLinZl2", 3);
  EXPECT_EQ(s.DateLineMode, '1');
  EXPECT_EQ(ChooserItems(ChooserList::MarkDays, s).front(), "(  1.  )");
}

TEST_F(InputRulesTest, ChoosersStoreTheirIndex) {
  ApplyChooser(s, "CEotStund", 4);
  EXPECT_EQ(s.EotHourInterval, '6');
  EXPECT_EQ(ChooserIndex(s, "cEotInt2"), 4);
  ApplyChooser(s, "ComboAnf", 13);
  EXPECT_EQ(s.MainTimeStart, 13);
  EXPECT_EQ(ChooserIndex(s, "coBiAnf"), 13);
  ApplyChooser(s, "ChoEnd", 5);
  EXPECT_EQ(s.AltitudeLineEnd, 60);
  ApplyChooser(s, "cDatLin", 3);
  EXPECT_EQ(s.AzimuthDateLinesPerMonth, 4);
  ApplyChooser(s, "cLinZlS", 2);
  EXPECT_EQ(s.DateLineMode, '2');
  EXPECT_EQ(ChooserIndex(s, "cLinZlH"), 2);
  // The empty fifth item of the date-line groups stands for own dates.
  EXPECT_EQ(DateLineModeOfItem(4), '2');
  // An index outside the list changes nothing.
  ApplyChooser(s, "cItInt", 4);
  EXPECT_EQ(s.ItalianInterval, 1);
}

}  // namespace
}  // namespace skiagraf
