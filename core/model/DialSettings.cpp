#include "model/DialSettings.h"

#include "astro/Ephemeris.h"

namespace skiagraf {

DialSettings& Settings() {
  static DialSettings settings = DefaultDialSettings();
  return settings;
}

void ComputeObliquity(DialSettings& s) {
  const ObliquityData data = ComputeObliquityData(s.ReferenceYear);
  s.Obliquity = data.Obliquity;
  s.SolsticeDeclination = data.SolsticeDeclination;
  s.EclipticDeclinations = data.EclipticDeclinations;
  s.ZodiacDeclinations = data.ZodiacDeclinations;
}

void ResetDialSettings(DialSettings& s) {
  // Site and year.
  s.Latitude = 47.251315;
  s.Longitude = -9.590825;
  s.ZoneMeridian = -15.0;
  s.ReferenceYear = 2020;

  // Dimensions.
  s.WallDeclination = -11.7;
  s.WallInclination = 25.4589;
  s.ConeAxisInclination = 47.251315;  // the default latitude
  s.ConeHalfAngle = 12.0;
  s.UmbrellaDiskRatio = 0.35;
  s.GnomonHeight = 35.0;
  s.HabermelDiameter = 200.0;
  s.RingHolePosition = 30.0;
  s.RingDiameter = 150.0;
  s.RingWidth = 80.0;
  s.SecondLatitude = 47.25;
  s.SecondLongitude = -15.0;
  s.SecondWallDeclination = 78.3;
  s.CylinderRadius = 250.0;
  s.PolarCylinderGnomon = 51.0;
  s.AnalemmaHour = 13;
  s.DrawingScale = 100;
  s.QuadrantSize = 150;
  s.CylinderGnomonLength = 70;
  s.HorizontalAltitudeGnomon = 25;
  s.PeaucellierUnit = 32;
  s.SawyerLineCenter = 90.0;
  s.SawyerLineAngle = 5.0;
  s.PeaucellierConstant = -0.8749;
  s.HamStretchFactor = 2.0;
  s.BifilarPoints = {BifilarPoint{0, 50, 25}, BifilarPoint{0, -50, 25}, BifilarPoint{50, 0, 15},
                     BifilarPoint{-50, 0, 15}};
  // The ring offsets follow the obliquity derived so far, not the year just reset.
  s.RingHoleOffset = 0.0;
  s.RingHoleOffsetMax = s.Obliquity / 2.0;
  s.RingHoleOffsetMin = -s.Obliquity / 2.0;

  // Flags and kinds.
  s.SawyerStraightLines = true;
  s.MarkAnalemma = true;
  s.ApparentTimeLines = true;
  s.HourLinesToStyleFoot = false;
  s.ZoneTime = false;
  s.LocalTime = true;
  s.TemporalHourLines = false;
  s.BifilarLocalTime = true;
  s.MonthScaleDouble = false;
  s.WholeHourDateLines = false;
  s.AddVerticalFace = true;
  s.AnalemmaMarkDays = 1;
  s.AzimuthDateLinesPerMonth = 1;
  s.PlotLineWeight = 1;
  s.QuadrantAzimuthLines = true;
  s.DrawEcliptic = true;
  s.YearRoundBand = false;
  s.PolarTriangle = false;
  s.RingNoonHorizontal = true;
  s.SecondVertical = false;
  s.ZodiacDateCircles = true;
  s.AltitudeCircleSpacing = 1;
  s.AzimuthCircleKind = 1;
  s.ConeOrientation = 0;
  s.AltitudeDialKind = 0;
  s.ExtendTemporalLines = true;

  // Intervals and date lines.
  s.DateLineMode = '0';
  s.EotHourInterval = '0';
  s.BifilarHourInterval = '1';
  s.HourInterval = '0';
  s.BabylonianInterval = 0;
  s.ItalianInterval = 1;
  s.TemporalInterval = 0;
  s.AltitudeInterval = 1;

  // Time ranges.
  s.MainTimeStart = 8;
  s.MainTimeEnd = 19;
  s.EotTimeStart = 9;
  s.EotTimeEnd = 17;
  s.DialTimeStart = 10;
  s.DialTimeEnd = 18;
  s.DialTemporalStart = 1;
  s.DialTemporalEnd = 6;
  s.BabylonianStart = 0;
  s.BabylonianEnd = 20;
  s.ItalianStart = 5;
  s.ItalianEnd = 24;
  s.TemporalStart = 1;
  s.TemporalEnd = 11;
  s.AltitudeLineStart = 20;
  s.AltitudeLineEnd = 70;
}

void InitDialSettings(DialSettings& s) {
  ResetDialSettings(s);
  s.AzimuthObserverDistance = 300.0;
  s.AzimuthBaseDiameter = 180.0;
  s.ColorPalette = ColorPalette{};
  s.LineWidth = 1;
  ComputeObliquity(s);
  s.RingHoleOffset = 0.0;
  s.RingHoleOffsetMax = s.Obliquity / 2.0;
  s.RingHoleOffsetMin = -s.Obliquity / 2.0;
  s.HourLabels.clear();
  for (int h = 0; h <= 24; ++h) s.HourLabels.push_back("  " + std::to_string(h));
  s.TemporalLabels.clear();
  for (int h = 0; h <= 12; ++h) s.TemporalLabels.push_back("  " + std::to_string(h));
  s.DialTypeCode = 'v';
  s.UmbrellaMode = false;
  s.German = true;
  s.NormalWindows = true;
}

DialSettings DefaultDialSettings() {
  DialSettings s;
  InitDialSettings(s);
  return s;
}

// --- dial types -------------------------------------------------------------------

namespace {

constexpr char kItemLetters[kDialTypeItems] = {'h', 'v', 'i', 0, 'q', 'a', 'z', 'k', 'r', 'c', 'm', 'w', 'p', 'f', 0};

}  // namespace

char DialTypeLetterOfItem(int item) {
  if (item < 0 || item >= kDialTypeItems) return 0;
  return kItemLetters[item];
}

int DialTypeItemOf(const DialSettings& s) {
  if (s.UmbrellaMode) return kUmbrellaItem;
  for (int item = 0; item < kDialTypeItems; ++item) {
    if (kItemLetters[item] != 0 && kItemLetters[item] == s.DialTypeCode) return item;
  }
  return -1;
}

void SelectUmbrellaDial(DialSettings& s) {
  s.UmbrellaMode = true;
  if (s.DialTypeCode != 'h' && s.DialTypeCode != 'i' && s.DialTypeCode != 'v') s.DialTypeCode = 'h';
}

void SelectDialType(DialSettings& s, char letter) {
  s.UmbrellaMode = false;
  if (!s.ExpertMode && (letter == 'c' || letter == 'm')) letter = 'h';
  s.DialTypeCode = letter;
  if (letter == 'v') s.WallInclination = 90.0;
  // Without expert mode only the plain quadrant and the shepherd's dial are offered
  // first; with it the kinds chosen before stay.
  if (!s.ExpertMode && letter == 'q') s.AltitudeDialKind = 0;
  if (!s.ExpertMode && letter == 'z') s.CylinderKind = 0;
}

void SelectDialTypeItem(DialSettings& s, int item) {
  if (item == kUmbrellaItem) {
    SelectUmbrellaDial(s);
    return;
  }
  const char letter = DialTypeLetterOfItem(item);
  if (letter == 0) {
    // The ham dial (or an item outside the list) has no letter: only the umbrella
    // choice is cleared.
    if (item == kHamDialItem) s.UmbrellaMode = false;
    return;
  }
  SelectDialType(s, letter);
}

void SelectSawyerTimeKind(DialSettings& s, int kind) {
  if (kind < 0 || kind > 3) return;
  s.SawyerTimeKind = kind;
  s.SawyerStraightLines = kind == 3;
  s.SawyerHalfAnalemmas = kind == 2;
  s.ZoneTime = kind == 1;
  s.CylinderEotConstruction = kind >= 2;
}

bool IsConstructedDialType(char letter) {
  switch (letter) {
    case 'h': case 'v': case 'i': case 'q': case 'a': case 'z': case 'k':
    case 'r': case 'c': case 'm': case 'w': case 'p': case 'f':
      return true;
    default:
      return false;
  }
}

int HourIntervalMinutes(char code) {
  switch (code) {
    case '1': return 30;
    case '2': return 20;
    case '3': return 15;
    case '4': case '6': return 10;
    default: return 60;
  }
}

}  // namespace skiagraf
