#pragma once
#include <windows.h>

namespace oravin {

// Every button of the main window has this face colour.
inline constexpr COLORREF kButtonBackColor = 0x000080FF;
// The window's own background, around the pages.
inline constexpr COLORREF kFormBackColor = 0x0038BCFF;

}  // namespace oravin
