#pragma once

#include <cmath>

namespace skiagraf {

// Trigonometry in degrees, used throughout the dial constructions.
constexpr double kRad = 0.017453292519943295;

inline double SinD(double a) { return std::sin(a * kRad); }
inline double CosD(double a) { return std::cos(a * kRad); }
inline double TanD(double a) { return std::tan(a * kRad); }
inline double AtanD(double v) { return std::atan(v) / kRad; }
inline double AsinD(double v) { return std::asin(v) / kRad; }
inline double AcosD(double v) { return std::acos(v < -1 ? -1 : (v > 1 ? 1 : v)) / kRad; }
inline double Sgn(double v) { return v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0); }

}  // namespace skiagraf
