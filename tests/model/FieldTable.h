#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/DialSettings.h"

namespace skiagraf::testing_support {

// One field of the record with a value different from its default, whether the
// reset list restores it and whether the settings file carries it.
enum class InReset { Yes, No, FollowsObliquity };

struct FieldCase {
  std::string name;
  InReset reset;
  bool saved;
  std::function<void(DialSettings&)> change;
  std::function<bool(const DialSettings&, const DialSettings&)> same;
};

#define SKIAG_FIELD(field, value, reset, saved)                                                     \
  FieldCase {                                                                                        \
    #field, reset, saved, [=](DialSettings& s) { s.field = value; },                               \
        [](const DialSettings& a, const DialSettings& b) { return a.field == b.field; }             \
  }

// Every field of the record. The changed values are valid file values, exact at the
// file's decimals, and all differ from the defaults.
inline std::vector<FieldCase> AllFields() {
  using enum InReset;
  const std::array<BifilarPoint, 4> points = {BifilarPoint{1.5, 2.5, 3.5}, BifilarPoint{-4.5, 5.5, 6.5},
                                              BifilarPoint{7.5, -8.5, 9.5}, BifilarPoint{10.5, 11.5, -12.5}};
  ColorPalette palette;
  for (size_t k = 0; k < palette.Pens.size(); ++k) palette.Pens[k] = static_cast<ColorRef>(1000 + k);
  const std::vector<std::string> dates = {"01/03    ( 01. Mar )", "21/12    ( 21. Dez )"};
  return {
      SKIAG_FIELD(Latitude, -33.868820, Yes, true),
      SKIAG_FIELD(Longitude, -151.209296, Yes, true),
      SKIAG_FIELD(ZoneMeridian, -150.0, Yes, true),
      SKIAG_FIELD(ReferenceYear, 1999, Yes, true),
      SKIAG_FIELD(Obliquity, 20.0, No, false),
      SKIAG_FIELD(SolsticeDeclination, 20.0, No, false),
      SKIAG_FIELD(DialTypeCode, 'i', No, true),
      SKIAG_FIELD(UmbrellaMode, true, No, true),
      SKIAG_FIELD(UmbrellaOrientation, 'v', No, false),
      SKIAG_FIELD(CylinderKind, 1, No, false),     // written on line 11 only for 'z'
      SKIAG_FIELD(AltitudeDialKind, 2, Yes, false),  // written on line 11 only for 'q'
      SKIAG_FIELD(ConeOrientation, 2, Yes, true),
      SKIAG_FIELD(AltitudeCircleSpacing, 2, Yes, true),
      SKIAG_FIELD(AzimuthCircleKind, 0, Yes, true),
      SKIAG_FIELD(QuadrantDateScale, 2, No, true),
      SKIAG_FIELD(SawyerTimeKind, 3, No, true),
      SKIAG_FIELD(RingDeflectionMode, 2, No, true),
      SKIAG_FIELD(WallDeclination, 33.25, Yes, true),
      SKIAG_FIELD(WallInclination, 60.125, Yes, true),
      SKIAG_FIELD(ConeAxisInclination, 30.5, Yes, true),
      SKIAG_FIELD(ConeHalfAngle, 20.25, Yes, true),
      SKIAG_FIELD(UmbrellaDiskRatio, 0.5, Yes, true),
      SKIAG_FIELD(GnomonHeight, 42.5, Yes, true),
      SKIAG_FIELD(AltitudeGnomonLength, 12.5, No, true),
      SKIAG_FIELD(HabermelDiameter, 150.5, Yes, true),
      SKIAG_FIELD(RingHolePosition, 45.5, Yes, true),
      SKIAG_FIELD(RingDiameter, 200.25, Yes, true),
      SKIAG_FIELD(RingWidth, 60.5, Yes, true),
      SKIAG_FIELD(SecondLatitude, -12.5, Yes, true),
      SKIAG_FIELD(SecondLongitude, 20.75, Yes, true),
      SKIAG_FIELD(SecondWallDeclination, -45.5, Yes, true),
      SKIAG_FIELD(CylinderRadius, 300.75, Yes, true),
      SKIAG_FIELD(PolarCylinderGnomon, 60.25, Yes, true),
      SKIAG_FIELD(AnalemmaHour, 14, Yes, true),
      SKIAG_FIELD(DrawingScale, 250, Yes, true),
      SKIAG_FIELD(QuadrantSize, 180, Yes, true),
      SKIAG_FIELD(CylinderGnomonLength, 80, Yes, true),
      SKIAG_FIELD(HorizontalAltitudeGnomon, 30, Yes, true),
      SKIAG_FIELD(PeaucellierUnit, 40, Yes, true),
      SKIAG_FIELD(SawyerLineCenter, 120.5, Yes, true),
      SKIAG_FIELD(SawyerLineAngle, 7.25, Yes, true),
      SKIAG_FIELD(PeaucellierConstant, 1.2345, Yes, true),
      SKIAG_FIELD(CylinderAxisLength, 300, No, true),
      SKIAG_FIELD(CylinderMaxShadow, 170, No, false),
      SKIAG_FIELD(HorizontalMonthScaleLength, 130, No, true),
      SKIAG_FIELD(HorizontalScaleLength, 190, No, true),
      SKIAG_FIELD(AzimuthObserverDistance, 350.0, No, false),
      SKIAG_FIELD(AzimuthBaseDiameter, 190.0, No, false),
      SKIAG_FIELD(RingHoleOffset, 5.25, Yes, true),
      SKIAG_FIELD(RingHoleOffsetMax, 10.5, FollowsObliquity, true),
      SKIAG_FIELD(RingHoleOffsetMin, -10.5, FollowsObliquity, true),
      SKIAG_FIELD(HamStretchFactor, 2.5, Yes, false),
      SKIAG_FIELD(BifilarPoints, points, Yes, true),
      SKIAG_FIELD(SawyerStraightLines, false, Yes, true),
      SKIAG_FIELD(SawyerHalfAnalemmas, true, No, false),
      SKIAG_FIELD(BifilarClassicMichnik, true, No, false),
      SKIAG_FIELD(BiazimuthalTimePosition, 1, No, false),
      SKIAG_FIELD(TemporalHours, true, No, true),
      SKIAG_FIELD(MarkAnalemma, false, Yes, true),
      SKIAG_FIELD(ApparentTimeLines, false, Yes, true),
      SKIAG_FIELD(MeanTimeLines, true, No, true),
      SKIAG_FIELD(HourLinesToStyleFoot, true, Yes, true),
      SKIAG_FIELD(BabylonianHours, true, No, true),
      SKIAG_FIELD(ItalianHours, true, No, true),
      SKIAG_FIELD(AltitudeLines, true, No, true),
      SKIAG_FIELD(QuadrantMirrored, true, No, true),
      SKIAG_FIELD(ZoneTime, true, Yes, true),
      SKIAG_FIELD(MeanTimeConstruction, true, No, true),
      SKIAG_FIELD(ZodiacDateCircles, false, Yes, true),
      SKIAG_FIELD(SummerArcOutside, true, No, true),
      SKIAG_FIELD(TemporalHourLines, true, Yes, false),  // the time kind; its own test
      SKIAG_FIELD(BifilarLocalTime, false, Yes, true),
      SKIAG_FIELD(PlanarLocalTime, true, No, true),
      SKIAG_FIELD(MonthScaleDouble, true, Yes, true),
      SKIAG_FIELD(CylinderEotConstruction, true, No, true),
      SKIAG_FIELD(WholeHourDateLines, true, Yes, true),
      SKIAG_FIELD(LocalTime, false, Yes, true),
      SKIAG_FIELD(AddVerticalFace, false, Yes, true),
      SKIAG_FIELD(QuadrantAzimuthLines, false, Yes, false),
      SKIAG_FIELD(DrawEcliptic, false, Yes, false),
      SKIAG_FIELD(YearRoundBand, true, Yes, true),
      SKIAG_FIELD(PolarTriangle, true, Yes, true),
      SKIAG_FIELD(RingNoonHorizontal, false, Yes, true),
      SKIAG_FIELD(FirstVertical, true, No, true),
      SKIAG_FIELD(SecondVertical, true, Yes, true),
      SKIAG_FIELD(ExtendTemporalLines, false, Yes, true),
      SKIAG_FIELD(PlotLineWeight, 3, Yes, false),
      SKIAG_FIELD(AzimuthDateLinesPerMonth, 4, Yes, false),
      SKIAG_FIELD(RingBabylonianPart, 2, No, false),
      SKIAG_FIELD(RingItalianPart, 2, No, false),
      SKIAG_FIELD(AnalemmaMarkDays, 3, Yes, true),
      SKIAG_FIELD(MainTimeStart, 6, Yes, true),
      SKIAG_FIELD(MainTimeEnd, 20, Yes, true),
      SKIAG_FIELD(EotTimeStart, 7, Yes, true),
      SKIAG_FIELD(EotTimeEnd, 18, Yes, true),
      SKIAG_FIELD(DialTimeStart, 9, Yes, true),
      SKIAG_FIELD(DialTimeEnd, 17, Yes, true),
      SKIAG_FIELD(DialTemporalStart, 2, Yes, true),
      SKIAG_FIELD(DialTemporalEnd, 10, Yes, true),
      SKIAG_FIELD(BabylonianStart, 1, Yes, true),
      SKIAG_FIELD(BabylonianEnd, 12, Yes, true),
      SKIAG_FIELD(ItalianStart, 6, Yes, true),
      SKIAG_FIELD(ItalianEnd, 23, Yes, true),
      SKIAG_FIELD(TemporalStart, 2, Yes, true),
      SKIAG_FIELD(TemporalEnd, 10, Yes, true),
      SKIAG_FIELD(AltitudeLineStart, 30, Yes, true),
      SKIAG_FIELD(AltitudeLineEnd, 80, Yes, true),
      SKIAG_FIELD(DateLineMode, '2', Yes, true),
      SKIAG_FIELD(HourInterval, '3', Yes, true),
      SKIAG_FIELD(EotHourInterval, '6', Yes, true),
      SKIAG_FIELD(BifilarHourInterval, '4', Yes, true),
      SKIAG_FIELD(BabylonianInterval, 3, Yes, true),
      SKIAG_FIELD(ItalianInterval, 2, Yes, true),
      SKIAG_FIELD(TemporalInterval, 3, Yes, true),
      SKIAG_FIELD(AltitudeInterval, 2, Yes, true),
      SKIAG_FIELD(DialTemporalInterval, 2, No, true),
      SKIAG_FIELD(OwnDateLines, dates, No, true),
      SKIAG_FIELD(LineWidth, 3, No, true),
      SKIAG_FIELD(ColorPalette, palette, No, true),
      SKIAG_FIELD(German, false, No, true),
      SKIAG_FIELD(ExpertMode, false, No, true),
      SKIAG_FIELD(ExpertPanel, false, No, true),
      SKIAG_FIELD(DrawBorders, false, No, true),
      SKIAG_FIELD(DrawCoastline, false, No, true),
      SKIAG_FIELD(NormalWindows, false, No, true),
      SKIAG_FIELD(InputsValid, false, No, false),
      SKIAG_FIELD(HourLabels, std::vector<std::string>{"x"}, No, false),
      SKIAG_FIELD(TemporalLabels, std::vector<std::string>{"y"}, No, false),
  };
}

#undef SKIAG_FIELD

// A record with every field of AllFields() changed.
inline DialSettings ChangedSettings() {
  DialSettings s = DefaultDialSettings();
  for (const FieldCase& f : AllFields()) f.change(s);
  return s;
}

}  // namespace skiagraf::testing_support
