#pragma once
// Form layouts are written in twips; windows want pixels.
#include "runtime/rounding.h"

namespace oravin {

inline constexpr int kTwipsPerInch = 1440;

// The exact scale of a window at its DPI: 15 at 96 dpi, 10 at 144, 7.5 at 192.
inline double TwipsPerPixelAt(int dotsPerInch) { return double(kTwipsPerInch) / dotsPerInch; }
inline int TwipsToPixelsAtDpi(double twips, int dotsPerInch) { return R(twips * dotsPerInch / kTwipsPerInch); }

}  // namespace oravin
