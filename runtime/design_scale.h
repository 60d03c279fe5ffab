#pragma once
// Every length of the program is designed at 100% display scale (96 dpi), in
// pixels, and drawn at the DPI of the window it is in. Window-free, so the
// frame geometry can use it too.
#include <cstdint>

namespace oravin {

inline constexpr int kDesignDpi = 96;

// A length designed at 96 dpi, in pixels at the given DPI, rounded as MulDiv
// rounds: to the nearest, halves away from zero.
constexpr int ScaleToDpi(int designPixels, int dpi) {
  const int64_t product = int64_t(designPixels) * dpi;
  const int64_t half = kDesignDpi / 2;
  return int(product >= 0 ? (product + half) / kDesignDpi : -((-product + half) / kDesignDpi));
}

// Not rounded, for drawing that rounds where its own layout says.
constexpr double DesignToDpi(double designPixels, int dpi) { return designPixels * dpi / kDesignDpi; }

// Where a control goes in its parent's client area, in pixels at 96 dpi.
struct LayoutRect {
  int32_t left, top, width, height;
};

}  // namespace oravin
