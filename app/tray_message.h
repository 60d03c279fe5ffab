#pragma once
// The message the main window's notification icon sends it: one of the
// window's own, so that nothing else the window receives can be taken for it.
#include <windows.h>

namespace oravin {

inline constexpr UINT kTrayMessage = WM_APP + 3;

}  // namespace oravin
