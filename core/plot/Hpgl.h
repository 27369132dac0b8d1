#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace skiagraf {

// Plotter page and units shared by every HPGL routine. One plotter unit is
// 0.025 mm (40 units per millimetre); the y axis points up.
namespace hpgl {
constexpr int kUnitsPerMm = 40;
constexpr int kPageWidth = 16157;   // x extent of the header's IW and EA
constexpr int kPageHeight = 11038;  // y extent of the header's IW and EA
constexpr int kGridWidth = 16150;   // area covered by the coordinate grid
constexpr int kGridHeight = 11030;
constexpr int kDxfMultiplier = 25;  // unit multiplier k of a DXF-mode file
constexpr char kLabelEnd = '\x03';  // ETX, ends the text of LB
// Page frame of the dial types that do not use the header's EA border.
inline constexpr const char* kFrame = ";PU 1 1;PD 16157 1 16157 11040 1 11040 1 1;";
// Drawing areas handed to the routines of some dial types.
constexpr int kAreaWidth = 16400;
constexpr int kAreaHeight1 = 10480;
constexpr int kAreaHeight2 = 10400;
constexpr int kAreaHeight3 = 11480;
}  // namespace hpgl

// A plotter coordinate as text: clamped to +-217,000,000, rounded to the nearest
// integer (ties to even), no leading blanks.
std::string HpglInt(double x);

// A point placed on the screen (gnomon foot, text anchor) in page units.
int ScreenToPageX(double x, double clientWidth);
int ScreenToPageY(double y, double clientHeight);

// Line-width setting (1 thin, 2 medium, 3 thick) in its HPGL form: setting - 1
// followed by ";".
std::string LineWeightText(int setting);

// The open plot file: every HPGL routine writes its commands through this object.
// Texts arrive as UTF-8 and are stored in Windows-1252. Each write is flushed; a
// failing write throws std::runtime_error, which abandons the save.
class HpglWriter {
 public:
  // `k` is the unit multiplier (1 for HPGL files, 25 when the file is converted to
  // DXF); `lineWeight` the line-width setting 1..3.
  explicit HpglWriter(std::ostream& out, int k = 1, int lineWeight = 1);

  int K() const { return k_; }
  int LineWeight() const { return lineWeight_; }

  // Appends the text unchanged (no line terminator) and flushes; "" writes nothing.
  void Write(std::string_view utf8);

  // --- Primitives of the command vocabulary; each writes one piece of text. ---

  // "IN;VS 1;PA;IW 0 0 W H;PU 0 0;EA W H;" with W = 16157k, H = 11038k, then
  // ";SP 4;PU 0 0;".
  void Header();
  // ";SP n;"
  void SelectPen(int pen);
  // ";PU x y ..." / ";PD x y ..." - one or more pairs, ended by the ";" that starts
  // the next command. No pairs: ";PU;" / ";PD;".
  void PenUp(const std::vector<std::pair<double, double>>& points = {});
  void PenDown(const std::vector<std::pair<double, double>>& points);
  void PenUp(double x, double y) { PenUp({{x, y}}); }
  void PenDown(double x, double y) { PenDown({{x, y}}); }
  // ";PW setting-1;" before construction lines, when the setting is not 1.
  void LineWidthForLines();
  // ";PW 0;" before texts and frames, when the setting is not 1.
  void LineWidthForTexts();
  // ";SI w,h;" in centimetres, each formatted with `width` and `decimals`.
  void CharacterSize(double widthCm, double heightCm, int width = 5, int decimals = 2);
  // ";DI run,rise;" and ";DI;" for the default direction.
  void Direction(double run, double rise);
  void DefaultDirection();
  // ";LB" + text + ETX. An ETX inside the text would end the label early and is
  // dropped.
  void Label(std::string_view utf8);
  void StandardCharacterSet();   // ";SS"
  void AlternateCharacterSet();  // ";SA"
  // ";CI r;" around the pen position, radius in plotter units.
  void Circle(double radius);
  // ";AA cx cy sweep;": arc about the centre from the pen position, sweep in degrees
  // (positive counter-clockwise). Like PD it draws only with the pen down.
  void ArcAbsolute(double cx, double cy, double sweepDegrees);
  void Dashed();  // ";LT 2,2;"
  void Solid();   // ";LT ;"

 private:
  std::ostream& out_;
  int k_;
  int lineWeight_;
};

// The plot file that the save workflow has open, for routines that write command
// by command with WriteHpgl. Installed for the lifetime of a ScopedPlotFile.
HpglWriter* CurrentPlotFile();
class ScopedPlotFile {
 public:
  explicit ScopedPlotFile(HpglWriter& writer);
  ~ScopedPlotFile();
  ScopedPlotFile(const ScopedPlotFile&) = delete;
  ScopedPlotFile& operator=(const ScopedPlotFile&) = delete;

 private:
  HpglWriter* previous_;
};

// Appends the text to the open plot file (see HpglWriter::Write). Throws
// std::logic_error when no plot file is open.
void WriteHpgl(std::string_view text);

// The coordinate grid (pen 9) through the gnomon foot (x0, y0) with spacing d in
// plotter units (already multiplied by 40k). A spacing below 1 writes nothing.
void WriteGrid(HpglWriter& writer, double x0, double y0, double spacing);

// Asks whether to add the grid and for its spacing in millimetres (default 10; an
// entry that is not a positive integer, or a cancelled input box, gives 10), then
// writes it. Returns the spacing in millimetres, or 0 when the user declined.
int AskAndWriteGrid(HpglWriter& writer, double x0, double y0);

}  // namespace skiagraf
