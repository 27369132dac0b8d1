#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace skiagraf {

// A colour as the settings file stores it: the Windows COLORREF value
// blue * 65536 + green * 256 + red (red in the low byte).
using ColorRef = std::int32_t;

constexpr ColorRef MakeColorRef(int red, int green, int blue) {
  return static_cast<ColorRef>((blue & 0xFF) * 65536 + (green & 0xFF) * 256 + (red & 0xFF));
}
constexpr int RedOf(ColorRef c) { return static_cast<int>(static_cast<std::uint32_t>(c) & 0xFFu); }
constexpr int GreenOf(ColorRef c) { return static_cast<int>((static_cast<std::uint32_t>(c) >> 8) & 0xFFu); }
constexpr int BlueOf(ColorRef c) { return static_cast<int>((static_cast<std::uint32_t>(c) >> 16) & 0xFFu); }

// The twelve construction colours. Pen k (1..12) of the palette is HPGL pen k.
// The pen width that goes with them is DialSettings::LineWidth.
struct ColorPalette {
  static constexpr int kPens = 12;
  // Built-in defaults, pen 1 first: black, blue, red, navy, olive, green, cyan, grey,
  // lime, magenta, grey, pale yellow.
  static constexpr std::array<ColorRef, kPens> kDefaults = {
      0, 16711680, 255, 8388608, 32896, 32768, 16776960, 8421504, 65280, 16711935, 8421504, 10543327};

  std::array<ColorRef, kPens> Pens = kDefaults;  // index 0 is pen 1

  // Colour of pen k (1..12); any other number gives pen 1.
  ColorRef Pen(int k) const { return Pens[(k >= 1 && k <= kPens) ? static_cast<size_t>(k - 1) : 0]; }
  bool operator==(const ColorPalette&) const = default;
};

struct BifilarPoint {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
  bool operator==(const BifilarPoint&) const = default;
};

// Everything the user has chosen: the site and reference year, the dial type and its
// sub-kind, the dimensions of every dial type, the line options, the time ranges and
// intervals, the date lines and a few presentation and run-state flags. A design is
// exactly the content of this record; saving a dial means writing it to a file.
//
// Units: angles in degrees, lengths in millimetres, hours as whole hours 0..24.
// Longitudes, the zone meridian and plane declinations count east negative;
// latitudes south negative. "byte" fields of the file are held as int here; the
// single-character fields hold a digit character ('0', '1', ...).
//
// The initialisers are the start-up values before InitDialSettings runs; call
// InitDialSettings (or take DefaultDialSettings()) for the program's defaults.
struct DialSettings {
  // --- site and time base ---
  double Latitude = 47.251315;
  double Longitude = -9.590825;
  double ZoneMeridian = -15.0;
  int ReferenceYear = 2020;

  // Derived from ReferenceYear by ComputeObliquity (start-up and every file read only).
  double Obliquity = 0.0;            // epsilon of the reference year
  double SolsticeDeclination = 0.0;  // epsilon rounded to 0.01 degree
  std::array<double, 37> EclipticDeclinations{};  // ecliptic longitude 90 + 5*i degrees
  std::array<double, 8> ZodiacDeclinations{};     // entries 1..7 ascending, 0 unused

  // --- dial type and sub-kinds ---
  char DialTypeCode = 'v';        // see DialTypeLetter below
  bool UmbrellaMode = false;      // umbrella dial; DialTypeCode is then 'h', 'i' or 'v'
  char UmbrellaOrientation = 0;   // remembered umbrella orientation, 'h', 'i', 'v' or 0
  int CylinderKind = 0;           // 'z': 0 shepherd's, 1 hat dial, 2 polar style
  int AltitudeDialKind = 0;       // 'q': 0 quadrant, 1 Habermel I, 2 Habermel II
  int ConeOrientation = 0;        // 'm', 'c': 0 horizontal, 1 vertical, 2 inclining (file 0..8)
  int AltitudeCircleSpacing = 1;  // azimuthal: 0 equal, 1 after Tonne, 2 stereographic
  int AzimuthCircleKind = 1;      // azimuthal: 0 date/zodiac, 1 sun altitude
  int QuadrantDateScale = 0;      // quadrant: 0 calendar, 1 declination, 2 stereographic
  int SawyerTimeKind = 0;         // Sawyer: 0 apparent local, 1 apparent zone, 2 / 3 mean time
  int RingDeflectionMode = 0;     // ring: 0 ignored, 1 considered, 2 both shown

  // --- dimensions (mm unless degrees) ---
  double WallDeclination = -11.7;
  double WallInclination = 25.4589;
  double ConeAxisInclination = 47.251315;
  double ConeHalfAngle = 12.0;
  double UmbrellaDiskRatio = 0.35;
  double GnomonHeight = 35.0;
  double AltitudeGnomonLength = 2.0;  // no own default; starts at the file fallback
  double HabermelDiameter = 200.0;
  double RingHolePosition = 30.0;
  double RingDiameter = 150.0;
  double RingWidth = 80.0;
  double SecondLatitude = 47.25;
  double SecondLongitude = -15.0;
  double SecondWallDeclination = 78.3;
  double CylinderRadius = 250.0;
  double PolarCylinderGnomon = 51.0;
  int AnalemmaHour = 13;
  int DrawingScale = 100;
  int QuadrantSize = 150;
  int CylinderGnomonLength = 70;
  int HorizontalAltitudeGnomon = 25;
  int PeaucellierUnit = 32;
  double SawyerLineCenter = 90.0;
  double SawyerLineAngle = 5.0;
  double PeaucellierConstant = -0.8749;
  int CylinderAxisLength = 270;
  int CylinderMaxShadow = 160;
  int HorizontalMonthScaleLength = 120;
  int HorizontalScaleLength = 180;
  double AzimuthObserverDistance = 300.0;
  double AzimuthBaseDiameter = 180.0;
  double RingHoleOffset = 0.0;
  double RingHoleOffsetMax = 0.0;  // epsilon / 2 after InitDialSettings
  double RingHoleOffsetMin = 0.0;  // -epsilon / 2 after InitDialSettings
  double HamStretchFactor = 2.0;
  std::array<BifilarPoint, 4> BifilarPoints = {
      BifilarPoint{0, 50, 25}, BifilarPoint{0, -50, 25}, BifilarPoint{50, 0, 15}, BifilarPoint{-50, 0, 15}};

  // --- line options ---
  bool SawyerStraightLines = true;
  bool SawyerHalfAnalemmas = false;  // not saved
  bool TemporalHours = false;
  bool MarkAnalemma = true;
  bool ApparentTimeLines = true;
  bool MeanTimeLines = false;
  bool HourLinesToStyleFoot = false;
  bool BabylonianHours = false;
  bool ItalianHours = false;
  bool AltitudeLines = false;
  bool QuadrantMirrored = false;
  bool ZoneTime = false;
  bool MeanTimeConstruction = false;
  bool ZodiacDateCircles = true;
  bool SummerArcOutside = false;
  bool TemporalHourLines = false;
  bool BifilarLocalTime = true;
  bool PlanarLocalTime = false;
  bool MonthScaleDouble = false;
  bool CylinderEotConstruction = false;
  bool WholeHourDateLines = false;
  bool LocalTime = true;
  bool AddVerticalFace = true;
  bool QuadrantAzimuthLines = true;
  bool DrawEcliptic = true;
  bool YearRoundBand = false;
  bool PolarTriangle = false;
  bool RingNoonHorizontal = true;
  bool FirstVertical = false;
  bool SecondVertical = false;
  bool ExtendTemporalLines = true;
  bool BifilarClassicMichnik = false;  // bifilar: second thread in the classical arrangement (not saved)
  int BiazimuthalTimePosition = 0;     // biazimuthal: the dial shows the time of position 1 (0) or 2 (1) (not saved)
  int PlotLineWeight = 1;            // 1 fine, 2 medium, 3 thick
  int AzimuthDateLinesPerMonth = 1;  // 1..3, 4 = solstices and equinoxes
  int RingBabylonianPart = 0;        // 0 before noon, 1 afternoon, 2 all day (not saved)
  int RingItalianPart = 1;           // same list (not saved)
  int AnalemmaMarkDays = 1;          // 0 (1.), 1 (1., 15.), 2 (7., 22.), 3 (1., 11., 21.), 4 (1., 8., 15., 22.)

  // --- time ranges (whole hours; temporal ranges 0..12; altitude range in degrees) ---
  int MainTimeStart = 8, MainTimeEnd = 19;
  int EotTimeStart = 9, EotTimeEnd = 17;
  int DialTimeStart = 10, DialTimeEnd = 18;
  int DialTemporalStart = 1, DialTemporalEnd = 6;
  int BabylonianStart = 0, BabylonianEnd = 20;
  int ItalianStart = 5, ItalianEnd = 24;
  int TemporalStart = 1, TemporalEnd = 11;
  int AltitudeLineStart = 20, AltitudeLineEnd = 70;

  // --- intervals and date lines ---
  char DateLineMode = '0';         // '0' zodiac, '1' 7th and 22nd, '2' own dates, '3' none
  char HourInterval = '0';         // index into 60, 30, 20, 15, 10 min
  char EotHourInterval = '0';      // same list, 10 min stored as '6'
  char BifilarHourInterval = '1';  // same list
  int BabylonianInterval = 0;      // index into 60, 30, 20, 15 min
  int ItalianInterval = 1;         // same list
  int TemporalInterval = 0;        // index into 1, 0.5, 0.333, 0.25 temporal hours
  int AltitudeInterval = 1;        // index into 10, 5, 2.5 degrees
  int DialTemporalInterval = 0;    // same list as TemporalInterval
  std::vector<std::string> OwnDateLines;  // "dd/mm    ( dd. Mon )", sorted by date

  // --- presentation and run state ---
  int LineWidth = 1;  // pen width of the screen and print drawing
  skiagraf::ColorPalette ColorPalette;  // pen colours; the width is LineWidth
  bool German = true;  // German user interface (false: English)
  bool ExpertMode = true;
  bool ExpertPanel = true;
  bool DrawBorders = true;
  bool DrawCoastline = true;
  bool NormalWindows = true;
  bool InputsValid = true;
  std::vector<std::string> HourLabels;      // "  0" .. "  24" after InitDialSettings
  std::vector<std::string> TemporalLabels;  // "  0" .. "  12" after InitDialSettings
};

// The one record of the running program. Core routines take the record as a
// parameter; only the program's shell and the CLI use this accessor.
DialSettings& Settings();

// Start-up initialisation: the reset list, the azimuthal dimensions, the colours and
// line width, the obliquity of the reference year, the ring offsets, the hour and
// temporal labels, dial type 'v', no umbrella, German, normal windows.
void InitDialSettings(DialSettings& s);

// A record as InitDialSettings leaves it.
DialSettings DefaultDialSettings();

// Loads the defaults of the reset list and leaves every other field unchanged
// (dial type, colours, language, own date lines and the rest stay as they are).
void ResetDialSettings(DialSettings& s);

// Fills Obliquity, SolsticeDeclination, EclipticDeclinations and ZodiacDeclinations
// for s.ReferenceYear.
void ComputeObliquity(DialSettings& s);

// --- dial types -----------------------------------------------------------------

// Number of entries in the dial-type list of the type window (expert mode on).
constexpr int kDialTypeItems = 15;
constexpr int kUmbrellaItem = 3;
constexpr int kHamDialItem = 14;

// The letter of a list item 0..14 ('h', 'v', 'i', 0 for the umbrella, 'q', 'a', 'z',
// 'k', 'r', 'c', 'm', 'w', 'p', 'f', 0 for the ham dial); 0 outside the list.
char DialTypeLetterOfItem(int item);

// The list item that shows the record's dial type (the umbrella item when
// UmbrellaMode is on); -1 for a letter that is not in the list.
int DialTypeItemOf(const DialSettings& s);

// The dial-type change rules, applied by every window that changes the type:
// 'v' sets WallInclination 90; the umbrella item sets UmbrellaMode and forces the
// letter to 'h', 'i' or 'v'; any other item clears UmbrellaMode; without expert mode
// 'c' and 'm' become 'h', 'q' resets AltitudeDialKind and 'z' resets CylinderKind.
void SelectDialTypeItem(DialSettings& s, int item);
void SelectDialType(DialSettings& s, char letter);  // any item but the umbrella
void SelectUmbrellaDial(DialSettings& s);

// Choosing a Sawyer time kind (0..3) also sets SawyerStraightLines,
// SawyerHalfAnalemmas, ZoneTime and CylinderEotConstruction in one step.
void SelectSawyerTimeKind(DialSettings& s, int kind);

// True for the letters that draw something ('h', 'v', 'i', 'q', 'a', 'z', 'k', 'r',
// 'c', 'm', 'w', 'p', 'f').
bool IsConstructedDialType(char letter);

// --- intervals --------------------------------------------------------------------

// Minutes of an hour-interval character ('0' 60, '1' 30, '2' 20, '3' 15, '4' 10;
// '6' is the 10 minutes of the equation-of-time lines). Anything else gives 60, so a
// damaged value can never index past the list.
int HourIntervalMinutes(char code);

}  // namespace skiagraf
