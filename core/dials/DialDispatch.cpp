#include "dials/DialDispatch.h"

#include <array>

#include "dials/AltitudeDials.h"
#include "dials/DialText.h"
#include "text/Texts.h"

namespace skiagraf {

namespace {

// One entry per letter 'a'..'z'. This table is the one place that grows when a
// dial type gets its construction.
constexpr std::array<DialConstruction, 26> MakeTable() {
  std::array<DialConstruction, 26> t{};
  t['h' - 'a'] = &DrawPlanarDial;
  t['i' - 'a'] = &DrawPlanarDial;
  t['k' - 'a'] = &DrawHorizontalAltitudeDial;
  t['v' - 'a'] = &DrawPlanarDial;
  t['z' - 'a'] = &DrawShepherdsDial;
  return t;
}

constexpr std::array<DialConstruction, 26> kConstructions = MakeTable();

bool WriteShepherdsDialPlot(HpglWriter& writer, const DrawingView&, const DialSettings& s) {
  return WriteAltitudeDialHpgl(writer, s, true);
}

bool WriteHorizontalAltitudeDialPlot(HpglWriter& writer, const DrawingView&, const DialSettings& s) {
  return WriteAltitudeDialHpgl(writer, s, false);
}

// The plot-file twin of the construction table.
constexpr std::array<DialPlotRoutine, 26> MakePlotTable() {
  std::array<DialPlotRoutine, 26> t{};
  t['k' - 'a'] = &WriteHorizontalAltitudeDialPlot;
  t['z' - 'a'] = &WriteShepherdsDialPlot;
  return t;
}

constexpr std::array<DialPlotRoutine, 26> kPlotRoutines = MakePlotTable();

// Letters whose entry serves only one of their kinds.
bool KindConstructed(const DialSettings& s) { return s.DialTypeCode != 'z' || s.CylinderKind == 0; }

size_t IndexOf(char letter) { return static_cast<size_t>(letter - 'a'); }

}  // namespace

DialConstruction ConstructionFor(char letter) {
  if (letter < 'a' || letter > 'z') return nullptr;
  return kConstructions[IndexOf(letter)];
}

DialConstruction ConstructionFor(const DialSettings& s) {
  return KindConstructed(s) ? ConstructionFor(s.DialTypeCode) : nullptr;
}

bool ConstructDial(DrawSurface& surface, bool onScreen, DrawingView& view, const DialSettings& s) {
  const DialConstruction c = ConstructionFor(s);
  if (!c) return false;
  c(surface, onScreen, view, s);
  return true;
}

DialPlotRoutine PlotRoutineFor(const DialSettings& s) {
  const char letter = s.DialTypeCode;
  if (letter < 'a' || letter > 'z' || !KindConstructed(s)) return nullptr;
  return kPlotRoutines[IndexOf(letter)];
}

bool WriteDialPlot(HpglWriter& writer, const DrawingView& view, const DialSettings& s) {
  const DialPlotRoutine r = PlotRoutineFor(s);
  return r && r(writer, view, s);
}

std::string ConstructionCaption(const DialSettings& s) {
  const char t = s.DialTypeCode;
  std::string name;
  if (s.UmbrellaMode && (t == 'h' || t == 'v' || t == 'i')) name = Title(4);
  else if (t == 'v') name = Title(5);
  else if (t == 'h') name = Title(6);
  else if (t == 'i') name = Title(7);
  else if (t == 'z' && s.CylinderKind == 0) name = Title(9) + Title(15);
  else if (t == 'k') name = Title(28);
  return Title(3) + name;
}

std::string NoConstructionMessage() {
  return Bilingual("Für diesen Sonnenuhrtyp gibt es noch keine Konstruktion.\n\rEs gibt nichts zu drucken oder zu speichern.",
                   "There is no construction for this type of sundial yet.\n\rThere is nothing to print or to save.");
}

bool TemporalHoursChosen(const DialSettings& s) {
  return s.DialTypeCode == 'k' ? s.TemporalHourLines : s.TemporalHours;
}

}  // namespace skiagraf
