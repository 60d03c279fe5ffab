#pragma once
// Pixels come from the DPI of the window they are drawn in: the monitor's it
// is on, where Windows tells each window its own (Windows 10 1607 and later),
// the screen's before that.
#include <windows.h>

#include "runtime/design_scale.h"

namespace oravin {

int DpiOf(HWND window);
// The DPI the system started with (the primary monitor's at sign-in).
int SystemDpi();

// A system metric (scroll bar width, icon size) at the given DPI.
int SystemMetricForDpi(int index, int dpi);

}  // namespace oravin
