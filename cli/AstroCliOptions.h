#pragma once

// Option handling shared by the "sun" and "table" commands: numbers, the site,
// the twilight kind and the language, each checked against the ranges the
// sun-position and tables windows accept.

#include <optional>
#include <ostream>
#include <string>

#include "astro/RiseSet.h"
#include "astro/SunPosition.h"
#include "cli/Cli.h"
#include "text/Language.h"

namespace skiagraf::cli {

// A real number ("." or "," as decimal point) filling the whole text.
std::optional<double> ParseRealText(const std::string& text);
// An integer filling the whole text.
std::optional<long> ParseIntText(const std::string& text);

struct AstroSite {
  Site Place;
  Language Lang = Language::German;
  int Year = 2020;        // the reference year of the settings file, or the default one
  bool FromFile = false;  // --settings was given
};

// The site, year and language: those of --settings FILE (or the program's defaults),
// then --lat, --lon, --zone and --lang over them. On a refused value or file writes
// "<command>: <reason>" to `err` and returns nothing.
std::optional<AstroSite> ReadAstroSite(const Options& options, const std::string& command, std::ostream& err);

// --twilight civil|nautical|astronomical (default civil).
std::optional<TwilightKind> ReadTwilight(const Options& options, const std::string& command, std::ostream& err);

// The help text of the site options, shared by both commands.
std::string AstroSiteHelp();

}  // namespace skiagraf::cli
