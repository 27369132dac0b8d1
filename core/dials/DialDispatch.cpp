#include "dials/DialDispatch.h"

#include <array>

namespace skiagraf {

namespace {

// One entry per letter 'a'..'z'. This table is the one place that grows when a
// dial type gets its construction.
constexpr std::array<DialConstruction, 26> MakeTable() {
  std::array<DialConstruction, 26> t{};
  t['h' - 'a'] = &DrawPlanarDial;
  t['i' - 'a'] = &DrawPlanarDial;
  t['v' - 'a'] = &DrawPlanarDial;
  return t;
}

constexpr std::array<DialConstruction, 26> kConstructions = MakeTable();

}  // namespace

DialConstruction ConstructionFor(char letter) {
  if (letter < 'a' || letter > 'z') return nullptr;
  return kConstructions[static_cast<size_t>(letter - 'a')];
}

bool ConstructDial(DrawSurface& surface, bool onScreen, DrawingView& view, const DialSettings& s) {
  const DialConstruction c = ConstructionFor(s.DialTypeCode);
  if (!c) return false;
  c(surface, onScreen, view, s);
  return true;
}

}  // namespace skiagraf
