#pragma once
// Where the main window goes: the bottom-right corner of the screen, a third
// of an inch above its bottom edge, whatever the task bar covers.
#include "runtime/design_scale.h"
#include "runtime/rounding.h"

namespace oravin {

inline constexpr int kMainWidth = 195;
inline constexpr int kMainHeight = 354;
inline constexpr double kMainBottomGap = 500 / 15.0;  // 500 twips of the old design

// In pixels at the DPI, from the screen's size in pixels. No clamping: on a
// screen smaller than the window the values are negative and used as they are.
struct ScreenPoint {
  int left, top;
};

inline ScreenPoint MainWindowPosition(int screenWidth, int screenHeight, int dpi) {
  return {screenWidth - ScaleToDpi(kMainWidth, dpi),
          R(screenHeight - DesignToDpi(kMainHeight + kMainBottomGap, dpi))};
}

}  // namespace oravin
