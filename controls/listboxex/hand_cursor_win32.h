#pragma once
// The list's pointing hand: a 32 x 32 cursor whose hot spot (4, 0) is the tip of the index finger.
#include <windows.h>

namespace oravin {

inline constexpr int kHandCursorSize = 32;
inline constexpr POINT kHandCursorHotSpot{4, 0};

// Made once and shared by every list for the life of the program.
HCURSOR HandCursor();

}  // namespace oravin
