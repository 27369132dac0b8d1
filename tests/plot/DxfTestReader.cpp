#include "DxfTestReader.h"

#include <cstdlib>

namespace skiagraf::testing {

namespace {

std::string Trimmed(const std::string& s) {
  std::size_t b = s.find_first_not_of(' ');
  if (b == std::string::npos) return {};
  std::size_t e = s.find_last_not_of(' ');
  return s.substr(b, e - b + 1);
}

}  // namespace

std::string DxfEntity::Value(int code) const {
  for (const auto& [c, v] : groups) {
    if (c == code) return Trimmed(v);
  }
  return {};
}

double DxfEntity::Number(int code) const { return std::strtod(Value(code).c_str(), nullptr); }

std::vector<std::pair<int, std::string>> DxfGroups(const std::string& dxf) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < dxf.size()) {
    std::size_t end = dxf.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(dxf.substr(start));
      break;
    }
    lines.push_back(dxf.substr(start, end - start));
    start = end + 2;
  }
  std::vector<std::pair<int, std::string>> groups;
  for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
    groups.emplace_back(std::atoi(lines[i].c_str()), lines[i + 1]);
  }
  return groups;
}

std::vector<DxfEntity> DxfEntities(const std::string& dxf) {
  auto groups = DxfGroups(dxf);
  std::vector<DxfEntity> entities;
  bool inEntities = false;
  for (std::size_t i = 0; i < groups.size(); ++i) {
    const auto& [code, value] = groups[i];
    if (code == 2 && Trimmed(value) == "ENTITIES") {
      inEntities = true;
      continue;
    }
    if (!inEntities) continue;
    if (code == 0) {
      if (Trimmed(value) == "ENDSEC") break;
      entities.push_back({Trimmed(value), {}});
    } else if (!entities.empty()) {
      entities.back().groups.emplace_back(code, value);
    }
  }
  return entities;
}

std::vector<std::string> DxfHeaderVariable(const std::string& dxf, const std::string& name) {
  auto groups = DxfGroups(dxf);
  std::vector<std::string> values;
  for (std::size_t i = 0; i < groups.size(); ++i) {
    if (groups[i].first == 9 && Trimmed(groups[i].second) == name) {
      for (std::size_t j = i + 1; j < groups.size() && groups[j].first != 9 && groups[j].first != 0; ++j) {
        values.push_back(Trimmed(groups[j].second));
      }
      break;
    }
  }
  return values;
}

std::vector<DxfPolyline> DxfPolylines(const std::string& dxf) {
  std::vector<DxfPolyline> lines;
  bool open = false;
  for (const auto& e : DxfEntities(dxf)) {
    if (e.type == "POLYLINE") {
      lines.push_back({e.Value(8), e.Value(62), e.Value(6), e.Value(40), {}});
      open = true;
    } else if (e.type == "VERTEX" && open) {
      lines.back().points.emplace_back(e.Number(10), e.Number(20));
    } else if (e.type == "SEQEND") {
      open = false;
    }
  }
  return lines;
}

}  // namespace skiagraf::testing
