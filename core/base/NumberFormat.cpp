#include "base/NumberFormat.h"

#include <charconv>
#include <cmath>

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
  // Room for the largest double (309 digits), sign, point and decimals: a large
  // number is written in full, never cut off.
  std::string text(320 + static_cast<size_t>(decimals), '\0');
  const auto result =
      std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, decimals);
  text.resize(static_cast<size_t>(result.ptr - text.data()));
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
