#pragma once

#include <string>
#include <vector>

#include "dials/PlanarGeometry.h"
#include "model/DialSettings.h"

namespace skiagraf {

// The bilingual dial-data text of a planar dial, as the style-information panel, the
// angles table and the coordinate list show it.
struct PlanarInfoOptions {
  char dialType = 'v';              // 'h', 'v', anything else: inclining
  bool umbrella = false;
  bool wholeHourDateLines = false;  // append the block of days with integer daylight hours
  double maxDeclination = 23.44;    // the solstice declination of the reference year
};

// The shared text list and the three texts kept beside it.
struct PlanarInfoTexts {
  std::vector<std::string> lines;
  std::string StyleHeightText;
  std::string SubstyleDirectionText;
  std::string SubstyleTimeText;
};

// Title of the dial as line 1 of the dial-data text shows it (not capitalised).
std::string PlanarDialTitle(char dialType, bool umbrella);

// Clears `texts.lines` and fills it for latitude phi, longitude lambda, wall
// declination D, inclination zeta and gnomon height g (mm, as drawn); sets the
// three texts. Returns the polar-style data it computed.
PolarStyleData PlanarDialInfoText(const PlanarInfoOptions& options, double latitude, double longitude,
                                  double wallDeclination, double inclination, double gnomonHeight,
                                  PlanarInfoTexts& texts);

// PlanarDialInfoText for the record's planar dial: type 'h' without declination and
// inclination, 'v' with inclination 90, the others with the wall's inclination;
// `gnomonHeight` as drawn (gnomon height x zoom, rounded to 0.01).
PolarStyleData PlanarDialInfoOfRecord(const DialSettings& s, double gnomonHeight, bool umbrella,
                                      PlanarInfoTexts& texts);

// The short variant for one face of a dial made of planar faces: appends to
// `texts.lines` without clearing and sets only SubstyleDirectionText.
void FaceInfoText(char dialType, double latitude, double longitude, double wallDeclination,
                  double inclination, double gnomonHeight, PlanarInfoTexts& texts);

}  // namespace skiagraf
