#pragma once

// A small reader of the DXF text the converter writes, for the tests: it splits the
// text into (group code, value) pairs and collects the entities with their groups.

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace skiagraf::testing {

struct DxfEntity {
  std::string type;
  std::vector<std::pair<int, std::string>> groups;  // values as written (untrimmed)

  // The value of the first group with this code, trimmed of blanks; "" if absent.
  std::string Value(int code) const;
  double Number(int code) const;
};

// Pairs of lines; every line must end with CR LF (the pairs of a text with other
// line ends come out wrong, which the tests notice).
std::vector<std::pair<int, std::string>> DxfGroups(const std::string& dxf);

// The entities of the ENTITIES section.
std::vector<DxfEntity> DxfEntities(const std::string& dxf);

// The value lines following "  9", name in the HEADER section (trimmed).
std::vector<std::string> DxfHeaderVariable(const std::string& dxf, const std::string& name);

// Polylines with their vertices, as (layer, colour, line type, points).
struct DxfPolyline {
  std::string layer, colour, lineType, width;
  std::vector<std::pair<double, double>> points;
};
std::vector<DxfPolyline> DxfPolylines(const std::string& dxf);

}  // namespace skiagraf::testing
