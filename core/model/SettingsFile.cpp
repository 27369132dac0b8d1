#include "model/SettingsFile.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>
#include <system_error>

#include "base/UserInterface.h"
#include "model/OwnDates.h"
#include "model/SettingsLocation.h"
#include "model/TextFile.h"
#include "text/Encoding.h"
#include "text/Texts.h"

namespace skiagraf {

namespace fs = std::filesystem;

namespace {

constexpr const char* kColoursHeader = "[Farben]";
constexpr const char* kTimesHeader = "[Zeiten]";
constexpr const char* kDatesHeader = "[Datumslinien]";
// These texts are shown in German whatever the language.
constexpr const char* kFileFaulty = " : INI-Datei ist fehlerhaft!";
constexpr const char* kColoursNotFound = "Ursprüngliche Farbeinstellung nicht gefunden!";
constexpr const char* kFaultyDate = "Fehlerhaftes Datum ";

char YesNo(bool value) { return value ? 'j' : 'n'; }

std::string Digit(int value) { return std::to_string(value); }

// --- number texts ------------------------------------------------------------------

std::optional<double> ToReal(std::string_view text) {
  if (text.empty()) return std::nullopt;
  double value = 0.0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
  if (ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

// An integer with optional blanks around it.
std::optional<int> ToInt(std::string_view text) {
  text = Trimmed(text);
  if (text.empty()) return std::nullopt;
  int value = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

bool IsNumberChar(char c) { return c == '-' || c == '.' || (c >= '0' && c <= '9'); }
bool IsSeparator(char c) { return c == ' ' || c == ',' || c == ';'; }

// The number tokens of lines 2 to 9 and 16 to 19: separators are blanks, commas and
// semicolons; a token is the longest run of "-", "." and digits. Text that is neither
// becomes a token of its own, which then fails to convert.
class Tokens {
 public:
  explicit Tokens(std::string_view line) : line_(line) { SkipSeparators(); }

  struct Token {
    std::string_view text;
    size_t start;
  };

  std::optional<Token> Next() {
    if (pos_ >= line_.size()) return std::nullopt;
    const size_t start = pos_;
    while (pos_ < line_.size() && IsNumberChar(line_[pos_])) ++pos_;
    if (pos_ == start) {
      while (pos_ < line_.size() && !IsSeparator(line_[pos_])) ++pos_;
    }
    Token token{line_.substr(start, pos_ - start), start};
    SkipSeparators();
    return token;
  }

 private:
  void SkipSeparators() {
    while (pos_ < line_.size() && IsSeparator(line_[pos_])) ++pos_;
  }
  std::string_view line_;
  size_t pos_ = 0;
};

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> items;
  size_t start = 0;
  while (true) {
    const size_t at = text.find(separator, start);
    if (at == std::string_view::npos) {
      items.push_back(text.substr(start));
      return items;
    }
    items.push_back(text.substr(start, at - start));
    start = at + 1;
  }
}

// --- colours kept from the existing settings file ----------------------------------

ColorPalette ColoursFromFile(const DialSettings& s, const fs::path& settingsFile) {
  std::error_code ec;
  if (!fs::exists(settingsFile, ec)) return s.ColorPalette;
  const auto lines = LoadTextLines(settingsFile);
  if (!lines) {
    Ui().ShowMessage(Caption(CaptionKind::Information), kColoursNotFound, MessageIcon::Question);
    return s.ColorPalette;
  }
  size_t first = 0;
  while (first + 1 < lines->size() && (*lines)[first] != kColoursHeader) ++first;
  if (first >= lines->size() || (*lines)[first] != kColoursHeader) return s.ColorPalette;
  ColorPalette palette;
  for (int k = 0; k < ColorPalette::kPens; ++k) {
    const size_t at = first + 1 + static_cast<size_t>(k);
    if (at >= lines->size()) {
      palette.Pens[static_cast<size_t>(k)] = 255;
    } else {
      palette.Pens[static_cast<size_t>(k)] = ToInt((*lines)[at]).value_or(0);
    }
  }
  return palette;
}

// --- reading -------------------------------------------------------------------------

struct Fault {};

class Reader {
 public:
  Reader(DialSettings& s, const fs::path& path, SettingsReadResult& result) : s_(s), path_(path), result_(result) {}

  void ReadLine(int index, const std::string& line, int colourLine, int timesLine, int datesLine) {
    index_ = index;
    line_ = line;
    if (index < colourLine) {
      if (index <= 18) ReadPositional(index);
    } else if (index == colourLine) {
      // the header
    } else if (index < timesLine) {
      ReadColour(index - colourLine);
    } else if (index == timesLine) {
      // the header
    } else if (index < datesLine) {
      ReadTimes(index - timesLine);
    } else if (index == datesLine) {
      s_.OwnDateLines.clear();
    } else {
      ReadDate();
    }
  }

 private:
  // --- messages
  void Show(const std::string& text) {
    ++result_.FieldMessages;
    Ui().ShowMessage(Caption(CaptionKind::Error), text, MessageIcon::Question);
  }
  // "Line " + 0-based index + ":" + the rest of the line from the faulty token.
  void LineMessage(size_t from) {
    Show("Line " + std::to_string(index_) + ":" + line_.substr(std::min(from, line_.size())) + kFileFaulty);
  }
  // "In Line " + 0-based index + ":" + the token.
  void TokenMessage(std::string_view token) {
    Show("In Line " + std::to_string(index_) + ":" + std::string(token) + kFileFaulty);
  }
  // "Line " + 1-based number + "/" + item + " : INI-Datei ist fehlerhaft!".
  void ItemMessage(int item) { Show("Line " + std::to_string(index_ + 1) + "/" + std::to_string(item) + kFileFaulty); }

  // --- fields read from tokens
  enum class Check { None, Message, Fault, MessageFault };

  // Reads the next token into `field` if there is one. A conversion failure or a value
  // outside [low, high] sets `fallback`, shows the token message when asked, and stops
  // the reading when the rule says so.
  template <typename Field>
  bool Token(Tokens& tokens, Field& field, double low, double high, Field fallback, bool message, bool fault,
             bool tokenMessage = true) {
    const auto token = tokens.Next();
    if (!token) return false;
    std::optional<double> value = ToReal(token->text);
    if constexpr (std::is_integral_v<Field>) {
      const auto integer = ToInt(token->text);
      value = integer ? std::optional<double>(*integer) : std::nullopt;
    }
    if (!value || *value < low || *value > high) {
      field = fallback;
      if (message) {
        if (tokenMessage)
          TokenMessage(token->text);
        else
          LineMessage(token->start);
      }
      if (fault) throw Fault{};
      return true;
    }
    field = static_cast<Field>(*value);
    return true;
  }

  static constexpr double kAny = 1e300;

  static void SmallLatitude(double& latitude) {
    if (std::fabs(latitude) < 0.000001) latitude = 0.000001;
  }

  void ReadPositional(int index) {
    switch (index) {
      case 0: {
        s_.ReferenceYear = ToInt(line_).value_or(2020);
        break;
      }
      case 1: {
        Tokens t(line_);
        if (Token(t, s_.Latitude, -90, 90, 47.25, false, true)) SmallLatitude(s_.Latitude);
        if (Token(t, s_.SecondLatitude, -90, 90, 47.25, false, true)) SmallLatitude(s_.SecondLatitude);
        break;
      }
      case 2: {
        Tokens t(line_);
        Token(t, s_.Longitude, -180, 180, -9.59, false, true);
        Token(t, s_.SecondLongitude, -180, 180, -9.59, false, true);
        break;
      }
      case 3: {
        Tokens t(line_);
        Token(t, s_.ZoneMeridian, -180, 180, -15.0, false, true);
        break;
      }
      case 4: {
        Tokens t(line_);
        Token(t, s_.GnomonHeight, -kAny, kAny, 35.0, false, true);
        Token(t, s_.PolarCylinderGnomon, -kAny, kAny, 40.0, false, true);
        Token(t, s_.CylinderRadius, -kAny, kAny, 250.0, false, true);
        Token(t, s_.CylinderAxisLength, -kAny, kAny, 270, false, true);
        break;
      }
      case 5: ReadLine6(); break;
      case 6: {
        Tokens t(line_);
        Token(t, s_.WallDeclination, -180, 180, -11.7, false, true);
        Token(t, s_.SecondWallDeclination, -180, 180, -11.7, false, true);
        // The second declination is checked even when the line ends before it.
        if (!(s_.SecondWallDeclination >= -180 && s_.SecondWallDeclination <= 180)) {
          s_.SecondWallDeclination = -11.7;
          throw Fault{};
        }
        break;
      }
      case 7: {
        Tokens t(line_);
        if (auto token = t.Next()) {
          if (auto value = ToReal(token->text)) s_.WallInclination = *value;
        }
        const double coneFallback = s_.Latitude < 0 ? s_.Latitude + 180.0 : s_.Latitude;
        Token(t, s_.ConeAxisInclination, 1, kAny, coneFallback, true, true, false);
        Token(t, s_.ConeHalfAngle, 1, 86, s_.ConeAxisInclination / 2.0, true, true);
        break;
      }
      case 8: {
        Tokens t(line_);
        if (auto token = t.Next()) s_.AnalemmaHour = ToInt(token->text).value_or(12);
        Token(t, s_.SawyerLineCenter, 0, 900, 90.0, true, true, false);
        Token(t, s_.SawyerLineAngle, 1, 11, 5.0, true, true);
        Token(t, s_.SawyerTimeKind, 0, 4, 2, true, true);
        break;
      }
      case 9: ReadOptions(); break;
      case 10: ReadDialType(); break;
      case 11: ReadRange(s_.MainTimeStart, 0, 24, 7); break;
      case 12: ReadRange(s_.MainTimeEnd, 0, 24, 19); break;
      case 13: {
        s_.German = line_.empty() || line_[0] != 'E';
        auto flag = [&](size_t pos) { return pos < line_.size() && line_[pos] == 'j'; };
        s_.ExpertMode = flag(1);
        s_.ExpertPanel = flag(2);
        s_.DrawBorders = flag(3);
        s_.DrawCoastline = flag(4);
        break;
      }
      case 14: s_.NormalWindows = line_ != "false"; break;
      case 15: ReadLine16(); break;
      case 16: ReadLine17(); break;
      case 17: ReadLine18(); break;
      case 18: ReadLine19(); break;
      default: break;
    }
  }

  void ReadLine6() {
    const std::string_view line = line_;
    std::vector<std::string_view> items = Split(line, line.find(',') != std::string_view::npos ? ',' : ';');
    int* integers[6] = {&s_.CylinderGnomonLength, &s_.HorizontalScaleLength, &s_.HorizontalMonthScaleLength,
                        &s_.HorizontalAltitudeGnomon, &s_.DrawingScale,          &s_.QuadrantSize};
    constexpr int kFallbacks[6] = {70, 170, 150, 150, 150, 150};
    int item = 0;
    for (std::string_view text : items) {
      text = Trimmed(text);
      if (text.empty()) continue;
      if (item < 6) {
        *integers[item] = ToInt(text).value_or(kFallbacks[item]);
      } else if (item == 6) {
        if (auto value = ToReal(text)) {
          s_.HabermelDiameter = *value;
        } else {
          s_.HabermelDiameter = 200.0;
          throw Fault{};
        }
      }
      ++item;
    }
  }

  // Items of line 16: leading characters that cannot start a number are skipped (a
  // minus sign only in the first item).
  static std::optional<double> Line16Item(std::string_view text, bool allowMinus) {
    size_t start = 0;
    while (start < text.size() && !((text[start] >= '0' && text[start] <= '9') || text[start] == '.' ||
                                    (allowMinus && text[start] == '-')))
      ++start;
    return ToReal(Trimmed(text.substr(start)));
  }

  void ReadLine16() {
    const std::string_view line = line_;
    if (line.find(';') == std::string_view::npos) {
      if (auto value = Line16Item(line, true))
        s_.UmbrellaDiskRatio = *value;
      else
        ItemMessage(1);
      return;
    }
    const std::vector<std::string_view> items = Split(line, ';');
    if (items.size() > 0) {
      if (auto value = Line16Item(items[0], true))
        s_.UmbrellaDiskRatio = *value;
      else
        ItemMessage(1);
    }
    if (items.size() > 1) {
      const auto value = Line16Item(items[1], false);
      s_.RingDiameter = (value && *value >= 0 && *value <= 300) ? *value : 110.0;
    }
    if (items.size() > 2) {
      if (auto value = Line16Item(items[2], false)) {
        s_.RingWidth = *value;
      } else {
        s_.RingWidth = 50.0;
        ItemMessage(3);
      }
    }
    if (items.size() > 3) {
      const auto value = Line16Item(items[3], false);
      s_.RingHolePosition = (value && *value >= 0 && *value <= 90) ? *value : 50.0;
    }
  }

  void ReadLine17() {
    s_.AltitudeGnomonLength = 2.0;
    s_.PeaucellierUnit = 32;
    s_.PeaucellierConstant = -0.8749;
    Tokens t(line_);
    if (auto token = t.Next()) {
      const auto value = ToReal(token->text);
      if (value && *value >= 1) {
        s_.AltitudeGnomonLength = *value;
      } else {
        s_.AltitudeGnomonLength = 2.0;
        ItemMessage(1);
      }
    }
    Token(t, s_.PeaucellierUnit, 10, kAny, 32, true, false);
    Token(t, s_.PeaucellierConstant, -1.99, 1.99, -0.9876, true, false);
    Token(t, s_.SawyerTimeKind, 0, 4, 2, true, false);
  }

  void ReadLine18() {
    const double half = s_.Obliquity / 2.0;
    s_.RingHoleOffset = 0.0;
    s_.RingHoleOffsetMax = half;
    s_.RingHoleOffsetMin = -half;
    Tokens t(line_);
    if (!Token(t, s_.RingHoleOffset, -23.44, 23.44, 0.0, false, true)) return;
    Token(t, s_.RingHoleOffsetMax, 0, kAny, half, true, false);
    Token(t, s_.RingHoleOffsetMin, -kAny, 0, -half, true, false);
  }

  void ReadLine19() {
    Tokens t(line_);
    for (BifilarPoint& point : s_.BifilarPoints) {
      for (double* coordinate : {&point.x, &point.y, &point.z}) {
        const auto token = t.Next();
        if (!token) continue;
        const auto value = ToReal(token->text);
        if (!value) {
          *coordinate = 999.0;
          Show("In Lines " + std::to_string(index_) + "f. :" + std::string(token->text) + kFileFaulty);
          throw Fault{};
        }
        if (*value < -500 || *value > 500) {
          *coordinate = 999.0;
          throw Fault{};
        }
        *coordinate = *value;
      }
    }
  }

  void ReadOptions() {
    const size_t first = line_.find_first_not_of(' ');
    const std::string o = first == std::string::npos ? std::string() : line_.substr(first);
    // Character at 1-based position p, or 0 when the line is shorter.
    auto at = [&](size_t p) -> char { return p <= o.size() ? o[p - 1] : '\0'; };
    auto flag = [&](size_t p) { return at(p) == 'j'; };
    auto inRange = [](char c, char low, char high) { return c >= low && c <= high; };

    if (inRange(at(1), '0', '3')) {
      s_.DateLineMode = at(1);
    } else {
      s_.DateLineMode = '0';
      throw Fault{};
    }
    if (inRange(at(2), '0', '6')) {
      s_.EotHourInterval = at(2);
    } else {
      s_.EotHourInterval = '0';
      throw Fault{};
    }
    s_.HourLinesToStyleFoot = flag(3);
    s_.SawyerStraightLines = flag(4);
    s_.ApparentTimeLines = flag(5);
    s_.MarkAnalemma = flag(6);
    s_.BabylonianHours = flag(7);
    s_.ItalianHours = flag(8);
    s_.AltitudeLines = flag(9);
    s_.TemporalHours = flag(10);
    s_.QuadrantMirrored = flag(11);
    s_.MeanTimeConstruction = flag(12);
    switch (at(13)) {
      case 'j': case '1':
        s_.ZoneTime = true;
        s_.LocalTime = false;
        s_.TemporalHourLines = false;
        break;
      case 'n': case '0':
        s_.ZoneTime = false;
        s_.LocalTime = true;
        s_.TemporalHourLines = false;
        break;
      case '2':
        s_.TemporalHourLines = true;
        break;
      default:
        break;
    }
    s_.SummerArcOutside = flag(14);
    s_.BifilarLocalTime = flag(15);
    s_.MonthScaleDouble = flag(16);
    s_.CylinderEotConstruction = flag(17);
    // Position 18 (local time) follows from position 13.
    if (o.size() >= 19) {
      if (inRange(at(19), '0', '5')) {
        s_.BifilarHourInterval = at(19);
      } else {
        s_.BifilarHourInterval = '0';
        throw Fault{};
      }
    }
    s_.AddVerticalFace = flag(20);
    s_.YearRoundBand = flag(21);
    s_.PlanarLocalTime = flag(22);
    s_.PolarTriangle = flag(23);
    s_.MeanTimeLines = flag(24);
    if (inRange(at(25), '0', '5')) {
      s_.AnalemmaMarkDays = at(25) - '0';
    } else {
      s_.AnalemmaMarkDays = 0;
      throw Fault{};
    }
    s_.MarkAnalemma = flag(26);
    s_.ZodiacDateCircles = flag(27);
    if (o.size() < 28) {
      s_.RingDeflectionMode = 0;
    } else if (inRange(at(28), '0', '2')) {
      s_.RingDeflectionMode = at(28) - '0';
    } else {
      s_.RingDeflectionMode = 0;
      throw Fault{};
    }
    s_.RingNoonHorizontal = flag(29);
    if (o.size() >= 30) {
      if (!inRange(at(30), '0', '9')) throw Fault{};
      s_.LineWidth = at(30) - '0';
    }
    s_.FirstVertical = flag(31);
    s_.SecondVertical = flag(32);
    s_.ConeOrientation = inRange(at(33), '0', '8') ? at(33) - '0' : 0;
    if (o.size() < 34)
      s_.AltitudeCircleSpacing = 1;
    else
      s_.AltitudeCircleSpacing = inRange(at(34), '0', '2') ? at(34) - '0' : 0;
    s_.AzimuthCircleKind = inRange(at(35), '0', '1') ? at(35) - '0' : 0;
    s_.QuadrantDateScale = inRange(at(36), '0', '2') ? at(36) - '0' : 0;
    if (o.size() >= 37) s_.WholeHourDateLines = flag(37);
    if (o.size() >= 38) s_.ExtendTemporalLines = flag(38);
  }

  void ReadDialType() {
    if (line_.empty()) return;
    // The letter is one character of the file's code page; in memory it may take
    // several bytes, and it is kept as the one byte the file holds, so that saving
    // writes it back unchanged.
    const unsigned char lead = static_cast<unsigned char>(line_[0]);
    const size_t length = std::min<size_t>(lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1, line_.size());
    const std::string fileByte = Utf8ToCp1252(std::string_view(line_).substr(0, length));
    const char letter = fileByte.empty() ? '?' : fileByte[0];
    const char second = line_.size() > length ? line_[length] : '\0';
    auto digit = [](char c) { return (c >= '0' && c <= '9') ? c - '0' : 0; };
    if (letter == 's') {
      s_.UmbrellaMode = true;
      // The umbrella is always horizontal, inclining or vertical.
      s_.DialTypeCode = (second == 'h' || second == 'i' || second == 'v') ? second : 'h';
      return;
    }
    s_.UmbrellaMode = false;
    s_.DialTypeCode = letter;
    if (letter == 'c' && second == '1') {
      s_.DialTypeCode = 'm';
    } else if (second != '\0') {
      if (letter == 'm') s_.ConeOrientation = digit(second);
      if (letter == 'z') s_.CylinderKind = digit(second);
      if (letter == 'q') s_.AltitudeDialKind = digit(second);
    }
  }

  void ReadRange(int& field, int low, int high, int fallback) {
    const auto value = ToInt(line_);
    if (!value) throw Fault{};
    if (*value < low || *value > high) {
      field = fallback;
      throw Fault{};
    }
    field = *value;
  }

  void ReadColour(int slot) {
    if (slot < 1 || slot > ColorPalette::kPens) return;
    if (line_.empty()) return;
    const auto value = ToInt(line_);
    if (!value) throw Fault{};
    s_.ColorPalette.Pens[static_cast<size_t>(slot - 1)] = *value;
  }

  void ReadTimes(int relative) {
    struct Range {
      int DialSettings::*field;
      int low, high, fallback;
    };
    static constexpr Range kRanges[14] = {
        {&DialSettings::EotTimeStart, 0, 24, 8},       {&DialSettings::EotTimeEnd, 0, 24, 18},
        {&DialSettings::BabylonianStart, 0, 24, 0},    {&DialSettings::BabylonianEnd, 0, 24, 12},
        {&DialSettings::ItalianStart, 0, 24, 18},      {&DialSettings::ItalianEnd, 0, 24, 24},
        {&DialSettings::TemporalStart, 0, 12, 1},      {&DialSettings::TemporalEnd, 0, 12, 11},
        {&DialSettings::AltitudeLineStart, 10, 90, 10}, {&DialSettings::AltitudeLineEnd, 10, 90, 10},
        {&DialSettings::DialTimeStart, 0, 24, 8},      {&DialSettings::DialTimeEnd, 0, 24, 18},
        {&DialSettings::DialTemporalStart, 0, 12, 1},  {&DialSettings::DialTemporalEnd, 0, 12, 12},
    };
    if (relative >= 1 && relative <= 14) {
      const Range& r = kRanges[relative - 1];
      ReadRange(s_.*r.field, r.low, r.high, r.fallback);
    } else if (relative == 15) {
      ReadIntervals();
    }
  }

  void ReadIntervals() {
    const size_t first = line_.find_first_not_of(' ');
    const std::string o = first == std::string::npos ? std::string() : line_.substr(first);
    // Each digit indexes a list; a digit past its list is refused like a non-digit,
    // so that no later lookup can run past the end of the list.
    auto digit = [&](size_t p, int& field, int count) {
      if (p > o.size()) return;
      const char c = o[p - 1];
      if (c < '0' || c >= '0' + count) throw Fault{};
      field = c - '0';
    };
    digit(1, s_.BabylonianInterval, 4);
    digit(2, s_.ItalianInterval, 4);
    digit(3, s_.TemporalInterval, 4);
    digit(4, s_.AltitudeInterval, 3);
    if (o.size() >= 5) {
      if (o[4] < '0' || o[4] > '4') throw Fault{};
      s_.HourInterval = o[4];
    }
    digit(6, s_.DialTemporalInterval, 4);
  }

  void ReadDate() {
    const OwnDateCheck date = CheckOwnDate(line_, DateCheckMessage::File, s_.ReferenceYear);
    if (date.Valid) {
      s_.OwnDateLines.push_back(line_);
      return;
    }
    ++result_.DateFaults;
    Ui().ShowMessage(Caption(CaptionKind::Error), kFaultyDate + line_ + " in " + path_.string(), MessageIcon::Error);
  }

  DialSettings& s_;
  const fs::path& path_;
  SettingsReadResult& result_;
  int index_ = 0;
  std::string line_;
};

int LastLineEqual(const std::vector<std::string>& lines, const char* text) {
  for (size_t i = lines.size(); i-- > 0;)
    if (lines[i] == text) return static_cast<int>(i);
  return -1;
}

// Moves the faulty file to the backup beside it. Reports the outcome; false when no
// backup could be made.
bool MakeBackup(const fs::path& path) {
  const fs::path backup = BackupPathFor(path);
  std::error_code ec;
  fs::remove(backup, ec);
  fs::rename(path, backup, ec);
  if (ec) {
    Ui().ShowMessage(Caption(CaptionKind::Information), Message(36), MessageIcon::Error);
    return false;
  }
  Ui().ShowMessage(Caption(CaptionKind::Information), Message(37), MessageIcon::Information);
  return true;
}

}  // namespace

// --- writing ---------------------------------------------------------------------------

std::string FileReal(double value, int width, int decimals) {
  char buffer[512];
  std::string text;
  auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (ec == std::errc()) {
    text.assign(buffer, ptr);
  } else {
    text = "0";
  }
  // A negative value that rounds to zero is written without its sign.
  if (!text.empty() && text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  if (static_cast<int>(text.size()) < width) text.insert(0, static_cast<size_t>(width) - text.size(), ' ');
  return text;
}

std::string OptionString(const DialSettings& s) {
  std::string o;
  o += s.DateLineMode;
  o += s.EotHourInterval;
  o += YesNo(s.HourLinesToStyleFoot);
  o += YesNo(s.SawyerStraightLines);
  o += YesNo(s.ApparentTimeLines);
  o += YesNo(s.MarkAnalemma);
  o += YesNo(s.BabylonianHours);
  o += YesNo(s.ItalianHours);
  o += YesNo(s.AltitudeLines);
  o += YesNo(s.TemporalHours);
  o += YesNo(s.QuadrantMirrored);
  o += YesNo(s.MeanTimeConstruction);
  o += s.TemporalHourLines ? '2' : (s.ZoneTime ? '1' : '0');
  o += YesNo(s.SummerArcOutside);
  o += YesNo(s.BifilarLocalTime);
  o += YesNo(s.MonthScaleDouble);
  o += YesNo(s.CylinderEotConstruction);
  o += YesNo(s.LocalTime);
  o += s.BifilarHourInterval;
  o += YesNo(s.AddVerticalFace);
  o += YesNo(s.YearRoundBand);
  o += YesNo(s.PlanarLocalTime);
  o += YesNo(s.PolarTriangle);
  o += YesNo(s.MeanTimeLines);
  o += Digit(s.AnalemmaMarkDays);
  o += YesNo(s.MarkAnalemma);
  o += YesNo(s.ZodiacDateCircles);
  o += Digit(s.RingDeflectionMode);
  o += YesNo(s.RingNoonHorizontal);
  o += Digit(s.LineWidth);
  o += YesNo(s.FirstVertical);
  o += YesNo(s.SecondVertical);
  o += Digit(s.ConeOrientation);
  o += Digit(s.AltitudeCircleSpacing);
  o += Digit(s.AzimuthCircleKind);
  o += Digit(s.QuadrantDateScale);
  o += YesNo(s.WholeHourDateLines);
  o += YesNo(s.ExtendTemporalLines);
  o += '0';
  return o;
}

std::string DialTypeText(const DialSettings& s) {
  if (s.UmbrellaMode) return std::string("s") + s.DialTypeCode;
  switch (s.DialTypeCode) {
    case 'q': return "q" + Digit(s.AltitudeDialKind);
    case 'c': return "c0";
    case 'm': return "m" + Digit(s.ConeOrientation);
    case 'z': return "z" + Digit(s.CylinderKind);
    default: return Cp1252ToUtf8(std::string(1, s.DialTypeCode));  // the letter is a byte of the file's code page
  }
}

std::vector<std::string> SettingsSnapshot(const DialSettings& s) {
  // A faulty own date is reported when the file is really written, not here.
  ScriptedUserInterface quiet;
  ScopedUserInterface scoped(quiet);
  return WriteSettingsList(s, false, {});
}

std::vector<std::string> WriteSettingsList(const DialSettings& s, bool keepFileColours, const fs::path& settingsFile) {
  const ColorPalette palette = keepFileColours ? ColoursFromFile(s, settingsFile) : s.ColorPalette;
  const auto R = FileReal;
  std::vector<std::string> list;
  list.push_back(std::to_string(s.ReferenceYear));
  list.push_back(R(s.Latitude, 10, 6) + ";" + R(s.SecondLatitude, 12, 2));
  list.push_back(R(s.Longitude, 10, 6) + ";" + R(s.SecondLongitude, 12, 2));
  list.push_back(R(s.ZoneMeridian, 12, 2));
  list.push_back(R(s.GnomonHeight, 6, 2) + ";" + R(s.PolarCylinderGnomon, 6, 2) + ";" + R(s.CylinderRadius, 8, 2) +
                 ";" + R(s.CylinderAxisLength, 7, 0));
  list.push_back(std::to_string(s.CylinderGnomonLength) + "," + std::to_string(s.HorizontalScaleLength) + "," +
                 std::to_string(s.HorizontalMonthScaleLength) + "," + std::to_string(s.HorizontalAltitudeGnomon) +
                 "," + std::to_string(s.DrawingScale) + "," + std::to_string(s.QuadrantSize) + "," +
                 R(s.HabermelDiameter, 6, 1));
  list.push_back(R(s.WallDeclination, 11, 6) + ";" + R(s.SecondWallDeclination, 10, 6));
  list.push_back(R(s.WallInclination, 11, 6) + ";" + R(s.ConeAxisInclination, 10, 6) + ";" +
                 R(s.ConeHalfAngle, 10, 6));
  list.push_back(std::to_string(s.AnalemmaHour) + ";" + R(s.SawyerLineCenter, 6, 1) + ";" +
                 R(s.SawyerLineAngle, 7, 2) + ";  " + R(s.SawyerTimeKind, 2, 0));
  list.push_back(OptionString(s));
  list.push_back(DialTypeText(s));
  list.push_back(std::to_string(s.MainTimeStart));
  list.push_back(std::to_string(s.MainTimeEnd));
  list.push_back(std::string(s.German ? "D" : "E") + YesNo(s.ExpertMode) + YesNo(s.ExpertPanel) +
                 YesNo(s.DrawBorders) + YesNo(s.DrawCoastline));
  list.push_back(s.NormalWindows ? "true" : "false");
  list.push_back(R(s.UmbrellaDiskRatio, 11, 6) + ";" + R(s.RingDiameter, 7, 2) + ";" + R(s.RingWidth, 7, 2) + ";" +
                 R(s.RingHolePosition, 5, 1));
  list.push_back(R(s.AltitudeGnomonLength, 7, 1) + ";" + R(s.PeaucellierUnit, 6, 0) + ";" +
                 R(s.PeaucellierConstant, 9, 4));
  list.push_back(R(s.RingHoleOffset, 7, 2) + ";" + R(s.RingHoleOffsetMax, 7, 2) + ";" +
                 R(s.RingHoleOffsetMin, 7, 2));
  std::string points;
  for (const BifilarPoint& p : s.BifilarPoints) points += R(p.x, 5, 1) + ";" + R(p.y, 5, 1) + ";" + R(p.z, 5, 1) + ";";
  list.push_back(points);
  list.push_back(kColoursHeader);
  for (ColorRef colour : palette.Pens) list.push_back(std::to_string(colour));
  list.push_back(kTimesHeader);
  for (int value : {s.EotTimeStart, s.EotTimeEnd, s.BabylonianStart, s.BabylonianEnd, s.ItalianStart, s.ItalianEnd,
                    s.TemporalStart, s.TemporalEnd, s.AltitudeLineStart, s.AltitudeLineEnd, s.DialTimeStart,
                    s.DialTimeEnd, s.DialTemporalStart, s.DialTemporalEnd})
    list.push_back(std::to_string(value));
  list.push_back(Digit(s.BabylonianInterval) + Digit(s.ItalianInterval) + Digit(s.TemporalInterval) +
                 Digit(s.AltitudeInterval) + s.HourInterval + Digit(s.DialTemporalInterval));
  list.push_back(kDatesHeader);
  for (const std::string& entry : s.OwnDateLines) {
    if (CheckOwnDate(entry, DateCheckMessage::File, s.ReferenceYear).Valid) list.push_back(entry);
  }
  return list;
}

void ReportSaveFailure(const fs::path& path) {
  Ui().ShowMessage(Caption(CaptionKind::Error), path.string() + " :" + "\n\r" + Message(18), MessageIcon::Error);
}

bool CreateSettingsFile(const DialSettings& s, const fs::path& path) {
  if (!SaveTextLines(path, WriteSettingsList(s, false, path))) {
    ReportSaveFailure(path);
    return false;
  }
  Ui().ShowMessage(Caption(CaptionKind::Information), path.string() + "  " + Message(58), MessageIcon::Information);
  return true;
}

bool SaveSettingsFile(const DialSettings& s, const fs::path& path, const fs::path& settingsFile) {
  if (!SaveTextLines(path, WriteSettingsList(s, true, settingsFile))) {
    ReportSaveFailure(path);
    return false;
  }
  Ui().ShowMessage(Caption(CaptionKind::Information), path.string() + Message(58), MessageIcon::Information);
  return true;
}

// --- reading -----------------------------------------------------------------------------

SettingsReadResult ReadSettingsLines(DialSettings& s, const std::vector<std::string>& lines, const fs::path& path) {
  SettingsReadResult result;
  result.Opened = true;
  s.NormalWindows = true;
  s.German = true;

  const int colours = LastLineEqual(lines, kColoursHeader);
  const int times = LastLineEqual(lines, kTimesHeader);
  const int dates = LastLineEqual(lines, kDatesHeader);
  if (colours < 0 || times < 0 || dates < 0 || !(colours < times && times < dates) || lines.size() <= 25) {
    result.StructuralFault = true;
    ResetDialSettings(s);
    const Answer answer =
        Ui().Ask(Caption(CaptionKind::Question), Message(14), QuestionButtons::YesNo, MessageIcon::Question);
    // The file is replaced only when the old one is safe in the backup.
    if (answer == Answer::Yes && MakeBackup(path)) result.Repaired = CreateSettingsFile(s, path);
    return result;
  }

  Reader reader(s, path, result);
  int index = 0;
  try {
    for (; index < static_cast<int>(lines.size()); ++index)
      reader.ReadLine(index, lines[static_cast<size_t>(index)], colours, times, dates);
  } catch (const Fault&) {
    result.FaultLine = index + 1;
    const std::string question =
        path.filename().string() + " : line " + std::to_string(index + 1) + "\n\r" + Message(14);
    const Answer answer =
        Ui().Ask(Caption(CaptionKind::Problem), question, QuestionButtons::YesNo, MessageIcon::Question);
    if (answer == Answer::Yes) {
      const bool saved = MakeBackup(path);
      ResetDialSettings(s);
      // Without a backup the faulty file stays as it is: rewriting it would lose it.
      if (saved) result.Repaired = CreateSettingsFile(s, path);
    }
  }
  ComputeObliquity(s);
  return result;
}

SettingsReadResult ReadSettingsFile(DialSettings& s, const fs::path& path) {
  std::error_code ec;
  if (!fs::exists(path, ec)) {
    SettingsReadResult result;
    if (IsSettingsFileName(path)) {
      const std::string question = path.string() + " : \n\r" + Message(34) + "\n\r" + Message(35);
      const Answer answer =
          Ui().Ask(Caption(CaptionKind::Question), question, QuestionButtons::YesNo, MessageIcon::Question);
      if (answer == Answer::Yes) {
        ResetDialSettings(s);
        result.Created = CreateSettingsFile(s, path);
      }
      ComputeObliquity(s);
    }
    return result;
  }
  const auto lines = LoadTextLines(path);
  if (!lines) return SettingsReadResult{};
  return ReadSettingsLines(s, *lines, path);
}

}  // namespace skiagraf
