#pragma once
// Form layouts are written in twips; windows want pixels.
#include "runtime/rounding.h"

namespace oravin {

inline constexpr int kTwipsPerInch = 1440;

inline int TwipsPerPixel(int dotsPerInch) { return R(double(kTwipsPerInch) / dotsPerInch); }

inline int TwipsToPixels(double twips, double twipsPerPixel) { return R(twips / twipsPerPixel); }

}  // namespace oravin
