#include "plot/DxfConverter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <numbers>
#include <optional>

#include "base/NumberFormat.h"
#include "base/UserInterface.h"
#include "model/TextFile.h"
#include "text/Encoding.h"
#include "text/Texts.h"

namespace skiagraf {

namespace {

constexpr char kEtx = '\x03';
constexpr const char* kLineEnd = "\r\n";
constexpr std::size_t kPartialLength = 230;  // long coordinate lists are processed in parts
constexpr std::size_t kTooLong = 253;
constexpr std::size_t kCutLength = 250;

bool IsNumberChar(char c) { return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'; }
bool IsTrimChar(char c) { return c == kEtx || c == '\n' || c == '\r' || c == ' ' || c == ';'; }

std::string Trim(std::string_view text) {
  std::size_t b = 0;
  std::size_t e = text.size();
  while (b < e && IsTrimChar(text[b])) ++b;
  while (e > b && IsTrimChar(text[e - 1])) --e;
  return std::string(text.substr(b, e - b));
}

std::string TrimLeft(std::string text) {
  std::size_t b = 0;
  while (b < text.size() && (text[b] == ' ' || text[b] == ';')) ++b;
  return text.substr(b);
}

// Strict conversion of a whole text with a decimal point.
std::optional<double> ToNumber(const std::string& text) {
  if (text.empty()) return std::nullopt;
  // Only the characters the parser collects; strtod would also take "inf" or hex.
  for (char c : text) {
    if (!IsNumberChar(c)) return std::nullopt;
  }
  // from_chars reads the decimal point whatever the locale; strtod would stop at the
  // "." under a German locale, which the desktop program runs with.
  const char* first = text.data();
  const char* last = first + text.size();
  if (*first == '+') ++first;  // from_chars takes no plus sign
  if (first != last && (*first == '+' || *first == '-') && first != text.data()) return std::nullopt;
  double v = 0;
  const auto [ptr, ec] = std::from_chars(first, last, v);
  if (ec != std::errc() || ptr != last || !std::isfinite(v)) return std::nullopt;
  return v;
}

// Plain parameter fields, separated by blanks or commas (for SP, LT, SI, DI, ...).
std::vector<std::string> Fields(const std::string& params) {
  std::vector<std::string> fields;
  std::string current;
  for (char c : params) {
    if (c == ' ' || c == ',' || c == ';') {
      if (!current.empty()) fields.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) fields.push_back(current);
  return fields;
}

double Degrees(double radians) { return radians * 180.0 / std::numbers::pi; }

// A point held both as its DXF text and as its value.
struct Point {
  std::string tx, ty;
  double x = 0, y = 0;
};

class Converter {
 public:
  Converter(int lineWidthSetting, double unitScale)
      : s_(unitScale > 0 ? unitScale : 1), lineWidthSetting_(lineWidthSetting) {
    // A setting below 1 would give a negative width, which no reader accepts.
    width_ = FormatReal(std::max(0.0, (lineWidthSetting * 6.0 - 6.0) / s_), 6, 4);
    textHeight_ = FormatReal(2.7 * 40 / s_, 10, 4);
  }

  DxfConversion Run(std::string_view data);

 private:
  // --- output ---
  void Out(std::initializer_list<std::string> lines) {
    for (const auto& l : lines) {
      dxf_ += l;
      dxf_ += kLineEnd;
    }
  }
  void Header();
  std::string LayerName() const { return "L_" + (pen_.empty() ? std::string("0") : pen_); }
  std::string Pen() const { return pen_.empty() ? std::string("0") : pen_; }
  void OpenPolyline(const Point& first);
  void Vertex(const Point& p);
  void ClosePolyline();
  void Rectangle(const Point& a, const Point& b);

  // --- parameters ---
  std::string CoordText(double v) const { return TrimLeft(FormatReal(v, 10, 4)); }
  Point MakePoint(double x, double y) const { return Point{CoordText(x), CoordText(y), x, y}; }
  // The coordinate parser: raw numbers of a parameter text, with its log lines.
  std::vector<double> Numbers(const std::string& command, const std::string& params, bool* allNumbers = nullptr);
  // Coordinate pairs in DXF units (divided by the scale), absolute or relative.
  std::vector<Point> Pairs(const std::string& command, const std::string& params, bool relative);

  // --- commands ---
  void Process(const std::string& command, const std::string& params);
  void PenUpTo(const std::vector<Point>& points);
  void PenDownTo(const std::vector<Point>& points);
  void DrawSegment(const Point& p, const Point& q);
  void Arc(const std::string& command, const std::string& params);
  void InputWindow(const std::string& command, const std::string& params);
  void CharacterSize(const std::string& params);
  void Direction(const std::string& params);
  void Slant(const std::string& params);
  void LabelText(const std::string& params);
  void PenWidth(const std::string& params);

  void Log(const std::string& cp1252) { log_.push_back(Cp1252ToUtf8(cp1252)); }

  double s_;
  int lineWidthSetting_;
  std::string pen_ = "0";
  std::string lineType_ = "CONTINUOUS";
  std::string width_;
  std::string textHeight_;
  std::string widthFactor_ = "0.7";
  std::string rotation_ = "0.0";
  std::string oblique_ = "0.0";
  std::optional<Point> current_;
  std::optional<Point> corner_;
  bool absolute_ = true;
  bool penDown_ = false;
  bool window_ = false;
  double wx1_ = 0, wy1_ = 0, wx2_ = 0, wy2_ = 0;
  bool symbols_ = false;
  bool polylineOpen_ = false;
  bool converted_ = false;

  std::string dxf_;
  std::vector<std::string> log_;
};

void Converter::Header() {
  const std::string xMax = FormatReal(16440.0 / s_, 8, 2);
  const std::string yMax = FormatReal(11500.0 / s_, 8, 2);
  Out({"0", "SECTION", "  2", "HEADER"});
  // Version and code page first: without them a CAD program reads the
  // Windows-1252 label texts as another character set.
  Out({"  9", "$ACADVER", "  1", "AC1009"});
  Out({"  9", "$DWGCODEPAGE", "  3", "ANSI_1252"});
  Out({"  9", "$EXTMIN", " 10", "0.000", " 20", "0.0"});
  Out({"  9", "$EXTMAX", " 10", xMax, " 20", yMax});
  Out({"  9", "$LIMMIN", " 10", "0.000", " 20", "0.0"});
  Out({"  9", "$LIMMAX", " 10", xMax, " 20", yMax});
  Out({"  9", "$LTSCALE", " 40", "0.0005", "  0", "ENDSEC"});
  Out({"  0", "SECTION", "  2", "TABLES", "  0", "TABLE", "  2", "LTYPE", " 70", "     4", "  0"});
  Out({"LTYPE", "  2", "CONTINUOUS", " 70", "64", "  3", "Solid line", " 72", "65", " 73", "0", " 40", "0.0", "  0"});
  Out({"LTYPE", "  2", "DASHED", " 70", "64", "  3", "- - - - - - ", " 72", "65", " 73", "2", " 40", "3.000001",
       " 49", "3.000001", " 49", "-0.000000", "  0"});
  Out({"LTYPE", "  2", "DASHDOT", " 70", "64", "  3", "- . - . - . - . ", " 72", "65", " 73", "4", " 40",
       "12.000004", " 49", "6.000002", " 49", "-3.000001", " 49", "0.00000", " 49", "-3.00001", "  0"});
  Out({"LTYPE", "  2", "DOT", " 70", "64", "  3", ". . . .  ", " 72", "65", " 73", "2", " 40", "3.000001", " 49",
       "0.00000", " 49", "-3.000001", "  0"});
  Out({"ENDTAB", "  0", "TABLE", "  2", "LAYER", " 70", "     9", "  0"});
  for (int i = 1; i <= 10; ++i) {
    Out({"LAYER", " 70", "64", "  2", "L_" + std::to_string(i), " 62", std::to_string(i), "  6", "CONTINUOUS",
         "  0"});
  }
  Out({"ENDTAB", "  0", "TABLE", "  2", "STYLE", " 70", "   3", "  0"});
  Out({"STYLE", "  2", "STANDARD", " 70", "0", " 40", "0.0", " 41", "1.00", " 50", "0.0", " 71", "     0", " 42",
       "2.4", "  3", "txt", "  4", "", "  0"});
  Out({"STYLE", "  2", "shx-font", " 70", "  1", " 40", "0.0", " 41", "1.00", " 50", "0.0", " 71", "     0", " 42",
       "2.4", "  3", "ltypeshp.shx", "  4", "", "  0"});
  Out({"STYLE", " 5", "2D", "100", "AcDbSymbolTableRecord", "100", "AcDbTextSTyleTableRecord", "  2", "symbols",
       " 70", "0", " 40", "0.0", " 41", "1.0", " 50", "0.0", " 71", "     0", " 42", "2.4", "  3", "WINGDING.TTF",
       "  4", "", "  0"});
  Out({"ENDTAB", "  0", "ENDSEC", "  0", "SECTION", "  2", "BLOCKS", "  0", "ENDSEC"});
  Out({"0", "SECTION", "2", "ENTITIES", "0"});
}

void Converter::OpenPolyline(const Point& first) {
  const std::string w = width_.empty() ? std::string("0.8") : width_;
  Out({"POLYLINE", "  8", LayerName(), " 62", Pen(), "  6", lineType_, " 66", "1", " 40 ", w, " 41 ", w, "  0"});
  polylineOpen_ = true;
  corner_ = first;
  Vertex(first);
}

void Converter::Vertex(const Point& p) {
  Out({"VERTEX", "  8", LayerName(), " 62", Pen(), "  6", lineType_, " 10", p.tx, " 20", p.ty, "0"});
}

void Converter::ClosePolyline() {
  if (!polylineOpen_) return;
  Out({"SEQEND", "  8", LayerName(), "  0"});
  polylineOpen_ = false;
}

void Converter::Rectangle(const Point& a, const Point& b) {
  ClosePolyline();
  const Point c2 = Point{b.tx, a.ty, b.x, a.y};
  const Point c4 = Point{a.tx, b.ty, a.x, b.y};
  OpenPolyline(a);
  Vertex(c2);
  Vertex(b);
  Vertex(c4);
  Vertex(a);
  ClosePolyline();
}

std::vector<double> Converter::Numbers(const std::string& command, const std::string& params, bool* allNumbers) {
  std::vector<double> values;
  bool loggedNoNumber = false;
  if (allNumbers) *allNumbers = true;
  std::size_t i = 0;
  const std::size_t n = params.size();
  while (i < n) {
    while (i < n && (params[i] == ' ' || params[i] == ',' || params[i] == ';')) ++i;
    if (i >= n) break;
    std::size_t start = i;
    while (i < n && IsNumberChar(params[i])) ++i;
    if (i == start) {
      if (!loggedNoNumber) Log("Error in HPGL-command:" + command + " " + params.substr(start) + ";");
      loggedNoNumber = true;
      if (allNumbers) *allNumbers = false;
      while (i < n && !IsNumberChar(params[i])) ++i;
      continue;
    }
    const std::string text = params.substr(start, i - start);
    auto value = ToNumber(text);
    if (!value) {
      Log("Fehler in: " + command + " " + text + params.substr(i) + "; weil:" + text + " keine Zahl ist.");
      if (allNumbers) *allNumbers = false;
      value = -1;
    }
    values.push_back(*value);
  }
  return values;
}

std::vector<Point> Converter::Pairs(const std::string& command, const std::string& params, bool relative) {
  std::vector<double> values = Numbers(command, params);
  std::vector<Point> points;
  std::optional<Point> base = current_;
  for (std::size_t i = 0; i + 1 < values.size(); i += 2) {
    double x = values[i] / s_;
    double y = values[i + 1] / s_;
    if (relative) {
      double bx = 0, by = 0;
      if (base) {
        bx = base->x;
        by = base->y;
      } else {
        Log(FormatReal(values[i], 4, 4) + "=x hat keinen Zahlenwert");
        Log(FormatReal(values[i + 1], 4, 4) + "=y hat keinen Zahlenwert");
      }
      x += bx;
      y += by;
      Point p{TrimLeft(FormatReal(x, 11, 5)), TrimLeft(FormatReal(y, 11, 5)), x, y};
      points.push_back(p);
      base = p;
    } else {
      points.push_back(MakePoint(x, y));
    }
  }
  return points;
}

void Converter::PenUpTo(const std::vector<Point>& points) {
  ClosePolyline();
  penDown_ = false;
  if (!points.empty()) current_ = points.back();
}

void Converter::PenDownTo(const std::vector<Point>& points) {
  penDown_ = true;
  for (const Point& q : points) {
    if (!current_) {
      current_ = q;
      continue;
    }
    DrawSegment(*current_, q);
    current_ = q;
  }
}

// Draws p -> q into the open polyline, cut at the input window when one is set:
// a segment leaving the window ends its polyline at the border, a segment
// re-entering starts a new one there, a segment wholly outside draws nothing.
void Converter::DrawSegment(const Point& p, const Point& q) {
  if (!window_) {
    if (!polylineOpen_) OpenPolyline(p);
    Vertex(q);
    return;
  }
  double t0 = 0, t1 = 1;
  const double dx = q.x - p.x;
  const double dy = q.y - p.y;
  const double pTerms[4] = {-dx, dx, -dy, dy};
  const double qTerms[4] = {p.x - wx1_, wx2_ - p.x, p.y - wy1_, wy2_ - p.y};
  for (int i = 0; i < 4; ++i) {
    if (pTerms[i] == 0) {
      if (qTerms[i] < 0) {
        ClosePolyline();
        return;
      }
      continue;
    }
    double t = qTerms[i] / pTerms[i];
    if (pTerms[i] < 0) {
      if (t > t1) {
        ClosePolyline();
        return;
      }
      if (t > t0) t0 = t;
    } else {
      if (t < t0) {
        ClosePolyline();
        return;
      }
      if (t < t1) t1 = t;
    }
  }
  const bool enters = t0 > 0;
  const bool leaves = t1 < 1;
  const Point a = enters ? MakePoint(p.x + t0 * dx, p.y + t0 * dy) : p;
  const Point b = leaves ? MakePoint(p.x + t1 * dx, p.y + t1 * dy) : q;
  if (enters || !polylineOpen_) {
    ClosePolyline();
    OpenPolyline(a);
  }
  Vertex(b);
  if (leaves) ClosePolyline();
}

void Converter::Arc(const std::string& command, const std::string& params) {
  ClosePolyline();
  converted_ = true;
  std::vector<double> values = Numbers(command, params);
  if (values.size() < 2) return;
  Point pen = current_ ? *current_ : MakePoint(0, 0);
  double cx = values[0] / s_;
  double cy = values[1] / s_;
  if (command == "AR") {
    cx += pen.x;
    cy += pen.y;
  }
  const double dx = pen.x - cx;
  const double dy = pen.y - cy;
  const double radius = std::hypot(dx, dy);
  double direction;
  if (std::fabs(dx) < 1e-4) {
    direction = dy < 0 ? -90.0 : 90.0;
  } else {
    direction = Degrees(std::atan2(dy, dx));
  }
  std::optional<double> sweep;
  if (values.size() >= 3) {
    std::vector<std::string> fields = Fields(params);
    if (fields.size() >= 3) sweep = ToNumber(fields[2]);
  }
  if (!sweep) {
    Log("Fehler bei der Konvertierung des Bogenwinkels.");
    return;
  }
  const double start = *sweep >= 0 ? direction : direction + *sweep;
  const double end = *sweep >= 0 ? direction + *sweep : direction;
  Out({"ARC", "  8", LayerName(), " 62", Pen(), " 10", CoordText(cx), " 20", CoordText(cy), " 40 ",
       FormatReal(radius, 10, 4), " 50", FormatReal(start, 7, 2), " 51", FormatReal(end, 7, 2), "0"});
  const double endAngle = (direction + *sweep) * std::numbers::pi / 180.0;
  current_ = MakePoint(cx + radius * std::cos(endAngle), cy + radius * std::sin(endAngle));
}

void Converter::InputWindow(const std::string& command, const std::string& params) {
  bool allNumbers = true;
  std::vector<double> values = params.empty() ? std::vector<double>{} : Numbers(command, params, &allNumbers);
  if (values.size() >= 4 && allNumbers) {
    wx1_ = values[0] / s_;
    wy1_ = values[1] / s_;
    wx2_ = values[2] / s_;
    wy2_ = values[3] / s_;
  } else {
    wx1_ = 0;
    wy1_ = 0;
    wx2_ = 16400.0 / s_;
    wy2_ = 11480.0 / s_;
  }
  if (wx1_ > wx2_) std::swap(wx1_, wx2_);
  if (wy1_ > wy2_) std::swap(wy1_, wy2_);
  window_ = true;
}

void Converter::CharacterSize(const std::string& params) {
  converted_ = true;
  std::vector<std::string> fields = Fields(params);
  std::optional<double> w, h;
  if (fields.size() >= 2) {
    w = ToNumber(fields[0]);
    h = ToNumber(fields[1]);
  }
  if (!w || !h) {
    if (!params.empty()) Log("Error in HPGL-command:SI " + params + ";");
    widthFactor_ = "0.7";
    textHeight_ = FormatReal(2.7 * 40 / s_, 10, 4);
    return;
  }
  const double height = *h * 400 / s_;
  textHeight_ = FormatReal(height, 6, 2);
  // A zero height would divide by zero; such a text keeps the usual proportion.
  widthFactor_ = height != 0 ? FormatReal(*w * 400 * 1.4 / s_ / height, 6, 2) : std::string("0.7");
}

void Converter::Direction(const std::string& params) {
  std::vector<std::string> fields = Fields(params);
  if (fields.empty()) {
    rotation_ = "0.0";
    return;
  }
  const std::string run = fields[0];
  const std::string rise = fields.size() > 1 ? fields[1] : std::string();
  auto a = ToNumber(run);
  auto b = ToNumber(rise);
  if (!a || !b) {
    Log("Fehler bei der Angabe der Schriftrichtung: " + run + ";" + rise);
    rotation_ = "0.0";
    return;
  }
  rotation_ = FormatReal(Degrees(std::atan2(*b, *a)), 5, 1);
}

void Converter::Slant(const std::string& params) {
  if (params.empty()) {
    oblique_ = "0.0";
    return;
  }
  std::vector<std::string> fields = Fields(params);
  auto v = fields.empty() ? std::nullopt : ToNumber(fields[0]);
  if (!v) {
    Log("Fehler im Befehl SL :" + params + "!");
    return;
  }
  oblique_ = FormatReal(Degrees(std::atan(*v)), 5, 1);
}

void Converter::LabelText(const std::string& params) {
  ClosePolyline();
  converted_ = true;
  const Point at = current_ ? *current_ : MakePoint(0, 0);
  const std::string text = params == "^" ? std::string("^ ") : params;
  Out({"TEXT", "  8", LayerName(), " 62", Pen(), " 10", at.tx, " 20", at.ty, " 40", textHeight_, " 41",
       widthFactor_, "  1", text, " 50", rotation_, " 51", oblique_, "  7", symbols_ ? "symbols" : "STANDARD",
       "  0"});
}

void Converter::PenWidth(const std::string& params) {
  std::vector<std::string> fields = Fields(params);
  if (lineWidthSetting_ != 0 && !fields.empty()) {
    if (fields[0] == "0") {
      width_ = "0";
    } else if (auto v = ToNumber(fields[0])) {
      width_ = FormatReal(*v * 4 / s_, 6, 2);
    }
  }
  Log("Command PW (=Penwidth) only supported by HPGL2.");
}

void Converter::Process(const std::string& command, const std::string& params) {
  if (command == "IN") {
    // A polyline left open would join its last point to the next line drawn.
    ClosePolyline();
    absolute_ = true;
    penDown_ = false;
    current_ = Point{"0.00", "0.00", 0, 0};
    corner_ = current_;
    symbols_ = false;
  } else if (command == "VS") {
  } else if (command == "PA" || command == "PR") {
    absolute_ = command == "PA";
    if (!params.empty()) {
      auto points = Pairs(command, params, !absolute_);
      converted_ = true;
      if (penDown_) {
        PenDownTo(points);
      } else {
        PenUpTo(points);
      }
    }
  } else if (command == "PU") {
    converted_ = true;
    PenUpTo(Pairs(command, params, !absolute_));
  } else if (command == "PD") {
    converted_ = true;
    PenDownTo(Pairs(command, params, !absolute_));
  } else if (command == "EA" || command == "ER") {
    ClosePolyline();
    auto points = Pairs(command, params, command == "ER");
    if (!points.empty()) {
      const Point corner = points.front();
      Rectangle(current_ ? *current_ : MakePoint(0, 0), corner);
      corner_ = corner;
    }
  } else if (command == "SP") {
    ClosePolyline();
    converted_ = true;
    std::vector<std::string> fields = Fields(params);
    pen_ = fields.empty() ? std::string("0") : fields[0];
  } else if (command == "LT") {
    std::vector<std::string> fields = Fields(params);
    const std::string p = fields.empty() ? std::string() : fields[0];
    if (p == "1") {
      lineType_ = "DOT";
    } else if (p == "2" || p == "3") {
      lineType_ = "DASHED";
    } else if (p == "4") {
      lineType_ = "DASHDOT";
    } else {
      lineType_ = "CONTINUOUS";
    }
  } else if (command == "PW") {
    PenWidth(params);
  } else if (command == "CI") {
    ClosePolyline();
    converted_ = true;
    std::vector<double> values = Numbers(command, params);
    if (!values.empty()) {
      const Point at = current_ ? *current_ : MakePoint(0, 0);
      Out({"CIRCLE", "  8", LayerName(), " 62", Pen(), " 10", at.tx, " 20", at.ty, " 40", CoordText(values[0] / s_),
           "0"});
    }
  } else if (command == "AA" || command == "AR") {
    Arc(command, params);
  } else if (command == "SI") {
    CharacterSize(params);
  } else if (command == "DI") {
    Direction(params);
  } else if (command == "SL") {
    Slant(params);
  } else if (command == "LB") {
    LabelText(params);
  } else if (command == "IW") {
    InputWindow(command, params);
  } else if (command == "SA") {
    symbols_ = true;
  } else if (command == "SS") {
    symbols_ = false;
  } else {
    Log("Command: " + command + "; not supported!");
    ClosePolyline();
  }
}

// True when the collected coordinate text ends on a number boundary after an even
// count of numbers, so that a part can be processed without splitting a pair.
bool CompletePairs(const std::string& params) {
  int count = 0;
  bool inNumber = false;
  for (char c : params) {
    if (IsNumberChar(c)) {
      if (!inNumber) ++count;
      inNumber = true;
    } else {
      inNumber = false;
    }
  }
  return count > 0 && count % 2 == 0;
}

DxfConversion Converter::Run(std::string_view data) {
  DxfConversion result;
  std::size_t i = 0;
  const std::size_t n = data.size();
  while (i < n && static_cast<unsigned char>(data[i]) <= 64) ++i;
  if (i >= n) return result;
  result.isHpgl = true;
  Header();
  while (i < n) {
    std::string command(1, data[i++]);
    if (i < n) command += data[i++];
    const bool label = command == "LB";
    const bool coordinates = command == "PD" || command == "PA" || command == "PU";
    std::string params;
    while (i < n) {
      const char c = data[i];
      if (label ? c == kEtx : (c == ';' || c == '\r')) break;
      if (coordinates && params.size() > kPartialLength && (c == ' ' || c == ',') && CompletePairs(params)) {
        Process(command, Trim(params));
        params.clear();
      }
      params += c;
      ++i;
    }
    if (!label && params.size() >= kTooLong) {
      Ui().ShowMessage(Caption(CaptionKind::Warning),
                       Cp1252ToUtf8(command + params) + ": Befehl ist zu lang und wird gekürzt!",
                       MessageIcon::Warning);
      params.resize(kCutLength);
    }
    Process(command, Trim(params));
    while (i < n && static_cast<unsigned char>(data[i]) < 65) ++i;
  }
  ClosePolyline();
  Out({"ENDSEC", "  0", "EOF"});
  result.converted = converted_;
  result.dxf = std::move(dxf_);
  result.log = std::move(log_);
  return result;
}

}  // namespace

DxfConversion ConvertHpglText(std::string_view hpglCp1252, int lineWidthSetting, double unitScale) {
  Converter converter(lineWidthSetting, unitScale);
  return converter.Run(hpglCp1252);
}

DxfFileConversion ConvertHpglToDxf(const std::string& hpglFile, const std::string& dxfFile, int lineWidthSetting,
                                   double unitScale) {
  DxfFileConversion outcome;
  std::ifstream in(hpglFile, std::ios::binary);
  if (!in) {
    Ui().ShowMessage(Caption(CaptionKind::Error), "Das war ein Datei-Öffnungsfehler!", MessageIcon::Error);
    return outcome;
  }
  const std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  in.close();
  DxfConversion conversion = ConvertHpglText(data, lineWidthSetting, unitScale);
  outcome.log = conversion.log;
  if (!conversion.isHpgl) {
    outcome.log.push_back(hpglFile + " ist kein HPGL-File!");
    Ui().ShowMessage(Caption(CaptionKind::Warning), "   File " + hpglFile + Message(45),
                     MessageIcon::Warning);
    return outcome;
  }
  {
    // The DXF replaces an existing file only once it is completely written.
    ReplacementFile out(dxfFile);
    if (!out.IsOpen()) {
      Ui().ShowMessage(Caption(CaptionKind::Error), "Das war ein Datei-Öffnungsfehler!", MessageIcon::Error);
      return outcome;
    }
    out.Stream().write(conversion.dxf.data(), static_cast<std::streamsize>(conversion.dxf.size()));
    if (!out.Commit()) {
      Ui().ShowMessage(Caption(CaptionKind::Error), dxfFile + " :\n\r" + Message(53), MessageIcon::Error);
      return outcome;
    }
  }
  outcome.written = true;
  outcome.converted = conversion.converted;
  if (conversion.converted) {
    Ui().ShowMessage(Caption(CaptionKind::Information),
                     "\r       File " + dxfFile + Message(58),
                     MessageIcon::Information);
  } else {
    Ui().ShowMessage(Caption(CaptionKind::Warning), "File " + hpglFile + Message(45),
                     MessageIcon::Warning);
  }
  return outcome;
}

}  // namespace skiagraf
