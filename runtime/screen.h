#pragma once
// The screen object: size and scale of the primary display.

namespace oravin {

struct Screen {
  static int TwipsPerPixelX();
  static int TwipsPerPixelY();
  static int WidthTwips();
  static int HeightTwips();
};

}  // namespace oravin
