#pragma once
// Where the main window goes: the bottom-right corner of the screen, 500 twips
// above its bottom edge, whatever the task bar covers.

namespace oravin {

inline constexpr int kMainWidthTwips = 2925;
inline constexpr int kMainHeightTwips = 5310;
inline constexpr int kMainBottomGapTwips = 500;

struct TwipsPoint {
  float left, top;
};

// Single precision, no clamping: on a screen smaller than the window the
// values are negative and used as they are.
inline TwipsPoint MainWindowPosition(float screenWidthTwips, float screenHeightTwips) {
  return {screenWidthTwips - kMainWidthTwips, screenHeightTwips - kMainHeightTwips - kMainBottomGapTwips};
}

}  // namespace oravin
