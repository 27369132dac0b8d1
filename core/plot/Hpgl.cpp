#include "plot/Hpgl.h"

#include <cmath>
#include <stdexcept>

#include "base/NumberFormat.h"
#include "base/UserInterface.h"
#include "text/Encoding.h"
#include "text/Texts.h"

namespace skiagraf {

std::string HpglInt(double x) { return CoordinateText(x); }

int ScreenToPageX(double x, double clientWidth) {
  if (clientWidth <= 0) return 0;
  return static_cast<int>(std::lround(hpgl::kPageWidth / clientWidth * x));
}

int ScreenToPageY(double y, double clientHeight) {
  if (clientHeight <= 0) return 0;
  return static_cast<int>(std::lround(11040.0 - hpgl::kPageHeight / clientHeight * y));
}

std::string LineWeightText(int setting) { return std::to_string(setting - 1) + ";"; }

namespace {

std::string PairText(double x, double y) { return HpglInt(x) + " " + HpglInt(y); }

std::string PairsText(const std::vector<std::pair<double, double>>& points) {
  std::string text;
  for (const auto& [x, y] : points) {
    if (!text.empty()) text += ' ';
    text += PairText(x, y);
  }
  return text;
}

// Short decimal text for angles and direction components: up to four decimals,
// trailing zeros dropped.
std::string ShortReal(double value) {
  std::string text = FormatReal(value, 4, 4);
  if (text.find('.') != std::string::npos) {
    while (!text.empty() && text.back() == '0') text.pop_back();
    if (!text.empty() && text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  return text;
}

HpglWriter* g_current = nullptr;

}  // namespace

HpglWriter::HpglWriter(std::ostream& out, int k, int lineWeight) : out_(out), k_(k), lineWeight_(lineWeight) {}

void HpglWriter::Write(std::string_view utf8) {
  if (utf8.empty()) return;
  const std::string bytes = Utf8ToCp1252(utf8);
  out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out_.flush();
  if (!out_) throw std::runtime_error("write error on the plot file");
}

void HpglWriter::Header() {
  const std::string w = HpglInt(static_cast<double>(hpgl::kPageWidth) * k_);
  const std::string h = HpglInt(static_cast<double>(hpgl::kPageHeight) * k_);
  Write("IN;VS 1;PA;IW 0 0 " + w + " " + h + ";PU 0 0;EA " + w + " " + h + ";");
  Write(";SP 4;PU 0 0;");
}

void HpglWriter::SelectPen(int pen) { Write(";SP " + std::to_string(pen) + ";"); }

void HpglWriter::PenUp(const std::vector<std::pair<double, double>>& points) {
  Write(points.empty() ? std::string(";PU;") : ";PU " + PairsText(points));
}

void HpglWriter::PenDown(const std::vector<std::pair<double, double>>& points) {
  Write(points.empty() ? std::string(";PD;") : ";PD " + PairsText(points));
}

void HpglWriter::LineWidthForLines() {
  if (lineWeight_ != 1) Write(";PW " + LineWeightText(lineWeight_));
}

void HpglWriter::LineWidthForTexts() {
  if (lineWeight_ != 1) Write(";PW 0;");
}

void HpglWriter::CharacterSize(double widthCm, double heightCm, int width, int decimals) {
  Write(";SI " + FormatReal(widthCm, width, decimals) + "," + FormatReal(heightCm, width, decimals) + ";");
}

void HpglWriter::Direction(double run, double rise) { Write(";DI " + ShortReal(run) + "," + ShortReal(rise) + ";"); }

void HpglWriter::DefaultDirection() { Write(";DI;"); }

void HpglWriter::Label(std::string_view utf8) {
  std::string text;
  text.reserve(utf8.size());
  for (char c : utf8) {
    if (c != hpgl::kLabelEnd) text += c;
  }
  Write(";LB" + text + hpgl::kLabelEnd);
}

void HpglWriter::StandardCharacterSet() { Write(";SS"); }
void HpglWriter::AlternateCharacterSet() { Write(";SA"); }

void HpglWriter::Circle(double radius) { Write(";CI " + HpglInt(radius) + ";"); }

void HpglWriter::ArcAbsolute(double cx, double cy, double sweepDegrees) {
  Write(";AA " + PairText(cx, cy) + " " + ShortReal(sweepDegrees) + ";");
}

void HpglWriter::Dashed() { Write(";LT 2,2;"); }
void HpglWriter::Solid() { Write(";LT ;"); }

HpglWriter* CurrentPlotFile() { return g_current; }

ScopedPlotFile::ScopedPlotFile(HpglWriter& writer) : previous_(g_current) { g_current = &writer; }
ScopedPlotFile::~ScopedPlotFile() { g_current = previous_; }

void WriteHpgl(std::string_view text) {
  if (g_current == nullptr) throw std::logic_error("no plot file is open");
  g_current->Write(text);
}

void WriteGrid(HpglWriter& writer, double x0, double y0, double spacing) {
  if (!(spacing >= 1) || !std::isfinite(x0) || !std::isfinite(y0)) return;
  const double k = writer.K();
  const double xMax = hpgl::kGridWidth * k;
  const double yMax = hpgl::kGridHeight * k;
  writer.Write(";IW 0 0 " + HpglInt(xMax) + " " + HpglInt(yMax) + ";SP 9;PU " + PairText(x0, y0) + ";CI 80;");
  // Move the start back to the first line inside the page; the lines then pass
  // through the gnomon foot.
  double xs = x0;
  double ys = y0;
  if (xs > spacing + 2) xs -= std::floor((xs - spacing - 2) / spacing) * spacing;
  while (xs > spacing + 2) xs -= spacing;
  if (ys > spacing + 2) ys -= std::floor((ys - spacing - 2) / spacing) * spacing;
  while (ys > spacing + 2) ys -= spacing;
  // A foot far left of or below the page starts the grid at its first line inside.
  if (xs < 0) xs += std::ceil(-xs / spacing) * spacing;
  if (ys < 0) ys += std::ceil(-ys / spacing) * spacing;
  double xe = xs;
  while (xe + spacing < xMax - spacing - 2) xe += spacing;
  double ye = ys;
  while (ye + spacing < yMax - spacing - 2) ye += spacing;
  std::string text;
  for (double x = xs; x < xMax - spacing - 2; x += spacing) {
    text += "PU " + PairText(x, ys) + ";PD " + PairText(x, ye) + ";";
  }
  for (double y = ys; y < yMax - spacing - 2; y += spacing) {
    text += "PU " + PairText(xs, y) + ";PD " + PairText(xe, y) + ";";
  }
  text += "PU ;";
  writer.Write(text);
}

int AskAndWriteGrid(HpglWriter& writer, double x0, double y0) {
  const bool english = CurrentLanguage() == Language::English;
  if (Ui().Ask(Caption(CaptionKind::Question), Message(16), QuestionButtons::YesNo, MessageIcon::Question) !=
      Answer::Yes) {
    return 0;
  }
  auto entry = Ui().InputText(english ? "Display Grid of Coordinates" : "Koordinatennetz zeichnen",
                              english ? "Width of grid (default=10 [mm] :"
                                      : "Grösse von 1 Längeneinheit (Default=10 [mm]) :",
                              "10");
  int millimetres = 10;
  if (entry) {
    std::string text = *entry;
    while (!text.empty() && text.front() == ' ') text.erase(0, 1);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    // Only a plain positive integer is taken; anything else (also 0 or a negative
    // spacing, which would never finish the grid) gives the default.
    bool digits = !text.empty() && text.size() <= 6;
    for (char c : text) digits = digits && c >= '0' && c <= '9';
    if (digits && std::stoi(text) > 0) millimetres = std::stoi(text);
  }
  WriteGrid(writer, x0, y0, static_cast<double>(millimetres) * hpgl::kUnitsPerMm * writer.K());
  return millimetres;
}

}  // namespace skiagraf
