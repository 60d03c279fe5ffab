#pragma once
#include <windows.h>

namespace oravin {

// Every button of the main window has this face colour.
inline constexpr COLORREF kButtonBackColor = 0x000080FF;

}  // namespace oravin
