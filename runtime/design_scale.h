#pragma once
// Every length of the program is designed at 100% display scale (96 dpi) and
// drawn at the DPI of the window it is in.
#include "runtime/rounding.h"

namespace oravin {

inline constexpr int kDesignDpi = 96;

// A length designed at 96 dpi, in pixels at the given DPI.
inline int ScaleToDpi(double designPixels, int dpi) { return R(designPixels * dpi / kDesignDpi); }

}  // namespace oravin
