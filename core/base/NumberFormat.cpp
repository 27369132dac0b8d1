#include "base/NumberFormat.h"

#include <cmath>
#include <cstdio>

#include "base/UserInterface.h"

namespace skiagraf {

namespace {

std::string PadLeft(std::string text, int width) {
  if (width > 0 && static_cast<int>(text.size()) < width) text.insert(0, static_cast<size_t>(width) - text.size(), ' ');
  return text;
}

}  // namespace

std::string FormatReal(double value, int width, int decimals) {
  if (width < decimals || decimals < 0) {
    Ui().ShowTableMessage(CaptionKind::Warning, 25, MessageIcon::Warning);
    return {};
  }
  if (!std::isfinite(value)) return PadLeft(std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF"), width);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  std::string text = buffer;
  // A negative value that rounds to zero is written without its sign.
  if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return PadLeft(text, width);
}

std::string FormatInt(long long value, int width) { return PadLeft(std::to_string(value), width); }

long long ClampedCoordinate(double value) {
  if (std::isnan(value)) return 0;
  if (value > kCoordinateLimit) value = kCoordinateLimit;
  if (value < -kCoordinateLimit) value = -kCoordinateLimit;
  return static_cast<long long>(std::nearbyint(value));  // ties to even in the default rounding mode
}

std::string CoordinateText(double value, int width) { return FormatInt(ClampedCoordinate(value), width); }

}  // namespace skiagraf
