#pragma once

#include <string>

namespace skiagraf {

// Every number shown on screen, in a table or in a file goes through these.

// `value` with `decimals` decimals, "." as decimal point, right-aligned in `width`
// characters with leading blanks (a wider number is written in full). A width smaller
// than the decimals shows message 25 as a warning and yields "". Never "-0.00".
std::string FormatReal(double value, int width, int decimals);

// An integer right-aligned in `width` characters.
std::string FormatInt(long long value, int width);

// Coordinates written as integers are rounded to the nearest integer and clamped
// to +-217,000,000, the range a plotter file may hold.
constexpr double kCoordinateLimit = 217000000.0;
long long ClampedCoordinate(double value);
std::string CoordinateText(double value, int width = 0);

}  // namespace skiagraf
