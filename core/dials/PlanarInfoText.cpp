#include "dials/PlanarInfoText.h"

#include <cmath>

#include "base/NumberFormat.h"
#include "dials/DialText.h"
#include "text/Texts.h"

namespace skiagraf {

namespace {

std::string Deg() { return DialDataLabel(DialLabel::Degrees); }

std::string Trimmed(const std::string& s) {
  const auto first = s.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : s.substr(first);
}

void AppendSiteLines(char dialType, double latitude, double longitude, double wallDeclination,
                     double inclination, std::vector<std::string>& lines) {
  lines.push_back(std::string(DialDataLabel(DialLabel::Latitude)) + FormatReal(latitude, 31, 2) + Deg());
  lines.push_back(std::string(DialDataLabel(DialLabel::Longitude)) + FormatReal(longitude, 31, 2) + Deg());
  if (dialType != 'h') {
    lines.push_back(std::string(DialDataLabel(DialLabel::Declination)) +
                    FormatReal(wallDeclination, 8, 2) + Deg());
    lines.push_back(std::string(DialDataLabel(DialLabel::Inclination)) +
                    FormatReal(inclination, 8, 2) + Deg());
  }
}

std::string ParallelStyleLine() {
  return DialDataLabel(DialLabel::StyleParallel);
}

std::string PerpendicularStyleLine() {
  return DialDataLabel(DialLabel::StyleOrthogonal);
}

std::string SubstyleDirectionLine(const PolarStyleData& d) {
  return std::string(DialDataLabel(DialLabel::SubstyleDirection)) +
         FormatReal(d.SubstyleDirection, 8, 2) + Deg();
}

// Splits a text at its line breaks into list lines.
void AppendSplit(const std::string& text, std::vector<std::string>& lines) {
  size_t start = 0;
  for (;;) {
    const size_t br = text.find("\r\n", start);
    if (br == std::string::npos) {
      lines.push_back(text.substr(start));
      return;
    }
    lines.push_back(text.substr(start, br - start));
    start = br + 2;
  }
}

void AppendDaylightBlock(double latitude, double maxDeclination, std::vector<std::string>& lines) {
  const auto delta = DaylightHourDeclinations(latitude, maxDeclination);
  const std::string hours = DialDataLabel(DialLabel::Hours);
  AppendSplit(std::string("\r\n    ") + DialDataLabel(DialLabel::DaylightHoursHeading),
              lines);
  lines.push_back("    12 " + hours + ": 0.0°;");
  for (int sign : {+1, -1}) {
    std::string line = "   ";
    for (int n = 1; n <= 12; ++n) {
      // Entries that do not exist (0: no day of that length, 999: beyond the
      // solstice) are not listed.
      if (delta[n] > maxDeclination || delta[n] == 0.0) continue;
      line += " " + FormatReal(12 + sign * n, 2, 0) + " " + hours + ": " + FormatReal(sign * delta[n], 6, 2) + "°,";
      if (n % 4 == 0) line += "\r\n   ";
    }
    AppendSplit(line, lines);
  }
}

}  // namespace

std::string PlanarDialTitle(char dialType, bool umbrella) {
  if (umbrella) {
    if (dialType == 'i') return DialDataLabel(DialLabel::IncliningUmbrellaTitle);
    if (dialType == 'v') return DialDataLabel(DialLabel::VerticalUmbrellaTitle);
    return DialDataLabel(DialLabel::HorizontalUmbrellaTitle);
  }
  if (dialType == 'h') return DialDataLabel(DialLabel::HorizontalTitle);
  if (dialType == 'v') return DialDataLabel(DialLabel::VerticalTitle);
  return DialDataLabel(DialLabel::IncliningTitle);
}

PolarStyleData PlanarDialInfoText(const PlanarInfoOptions& options, double latitude, double longitude,
                                  double wallDeclination, double inclination, double gnomonHeight,
                                  PlanarInfoTexts& texts) {
  auto& lines = texts.lines;
  lines.clear();
  const PolarStyleData d = ComputePolarStyle(latitude, wallDeclination, inclination, gnomonHeight);

  lines.push_back(CapitalisedFirst(PlanarDialTitle(options.dialType, options.umbrella)));
  AppendSiteLines(options.dialType, latitude, longitude, wallDeclination, inclination, lines);
  lines.push_back(std::string(DialDataLabel(DialLabel::GnomonHeight)) +
                  FormatReal(gnomonHeight, 8, 3) + DialDataLabel(DialLabel::Millimetres));
  if (d.StyleParallel) {
    lines.push_back(ParallelStyleLine());
  } else {
    lines.push_back(std::string(DialDataLabel(DialLabel::StyleIntersection)) +
                    FormatReal(d.Sx, 6, 3) + "/" + FormatReal(d.Sy, 6, 3) + ")");
  }
  if (d.StylePerpendicular) {
    lines.push_back(PerpendicularStyleLine());
  } else {
    lines.push_back(std::string(DialDataLabel(DialLabel::StyleAngle)) +
                    FormatReal(d.StyleHeight, 8, 2) + Deg());
    // A style parallel to the face has no finite length from S to the tip.
    if (d.HasStyleLength) {
      lines.push_back(std::string(DialDataLabel(DialLabel::StyleLength)) +
                      FormatReal(d.StyleLength, 8, 2) + DialDataLabel(DialLabel::Millimetres));
    }
    lines.push_back(SubstyleDirectionLine(d));
  }
  texts.StyleHeightText = FormatReal(d.StyleHeight, 8, 2);
  texts.SubstyleDirectionText = FormatReal(d.SubstyleDirection, 8, 2);
  texts.SubstyleTimeText = ClockText(d.SubstyleTime);
  lines.push_back(std::string(DialDataLabel(DialLabel::SubstyleShadowTime)) +
                  "  " + texts.SubstyleTimeText + " " + DialDataLabel(DialLabel::OClock));
  if (options.wholeHourDateLines) AppendDaylightBlock(latitude, options.maxDeclination, lines);
  lines.push_back(" ");
  return d;
}

void FaceInfoText(char dialType, double latitude, double longitude, double wallDeclination,
                  double inclination, double gnomonHeight, PlanarInfoTexts& texts) {
  auto& lines = texts.lines;
  const char titleType = dialType == 'v' ? 'v' : (dialType == 'h' ? 'h' : 'i');
  lines.push_back(CapitalisedFirst(PlanarDialTitle(titleType, false)));
  AppendSiteLines(dialType, latitude, longitude, wallDeclination, inclination, lines);
  const PolarStyleData d = ComputePolarStyle(latitude, wallDeclination, inclination, gnomonHeight);
  if (d.StyleParallel) {
    lines.push_back(ParallelStyleLine());
  } else {
    lines.push_back(std::string(DialDataLabel(DialLabel::DirectionToPole)) +
                    " <" + Trimmed(FormatReal(d.Sx, 7, 2)) + "/" + Trimmed(FormatReal(d.Sy, 7, 2)) + ">");
  }
  if (d.StylePerpendicular) lines.push_back(PerpendicularStyleLine());
  else lines.push_back(SubstyleDirectionLine(d));
  texts.SubstyleDirectionText = FormatReal(d.SubstyleDirection, 8, 2);
}

PolarStyleData PlanarDialInfoOfRecord(const DialSettings& s, double gnomonHeight, bool umbrella,
                                      PlanarInfoTexts& texts) {
  const char type = s.DialTypeCode;
  PlanarInfoOptions o;
  o.dialType = type;
  o.umbrella = umbrella;
  o.wholeHourDateLines = s.WholeHourDateLines;
  o.maxDeclination = s.SolsticeDeclination;
  const double D = type == 'h' ? 0.0 : s.WallDeclination;
  const double zeta = type == 'h' ? 0.0 : (type == 'v' ? 90.0 : s.WallInclination);
  return PlanarDialInfoText(o, s.Latitude, s.Longitude, D, zeta, gnomonHeight, texts);
}

}  // namespace skiagraf
