#pragma once
// Conversions of computed real numbers to integers: nearest, halves to even.
#include <cmath>
#include <cstdint>
#include <optional>

namespace oravin {

inline double RoundHalfEven(double x) {
  return std::nearbyint(x);  // the default floating-point mode is round-half-even
}

// Rounds into a signed 32-bit value; nothing when the result does not fit.
inline std::optional<int32_t> RoundToInt32(double x) {
  const double r = RoundHalfEven(x);
  if (!(r >= INT32_MIN && r <= INT32_MAX)) return std::nullopt;
  return static_cast<int32_t>(r);
}

inline std::optional<int16_t> RoundToInt16(double x) {
  const double r = RoundHalfEven(x);
  if (!(r >= INT16_MIN && r <= INT16_MAX)) return std::nullopt;
  return static_cast<int16_t>(r);
}

// For pixel coordinates, which always fit.
inline int R(double x) { return static_cast<int>(RoundHalfEven(x)); }

}  // namespace oravin
