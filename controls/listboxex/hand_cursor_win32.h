#pragma once
// The list's pointing hand: a 32 x 32 cursor at 96 dpi whose hot spot (4, 0)
// is the tip of the index finger; at another DPI it is as much larger.
#include <windows.h>

namespace oravin {

inline constexpr int kHandCursorSize = 32;
inline constexpr POINT kHandCursorHotSpot{4, 0};

// Made once for each DPI and shared by every list for the life of the program.
HCURSOR HandCursor(int dpi);

}  // namespace oravin
