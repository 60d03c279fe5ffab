#include <gtest/gtest.h>

#include "app/placement.h"
#include "runtime/twips.h"

namespace oravin {
namespace {

TEST(MainWindowPosition, SitsAtTheBottomRightFiveHundredTwipsAboveTheEdge) {
  const TwipsPoint at = MainWindowPosition(1024 * 15, 768 * 15);
  EXPECT_EQ(TwipsToPixelsAtDpi(at.left, 96), 829);
  EXPECT_EQ(TwipsToPixelsAtDpi(at.top, 96), 381);  // 380.67
  // At 150%: the screen has 10 twips to a pixel, the window 292 x 531 pixels.
  const TwipsPoint scaled = MainWindowPosition(1536 * 10, 1152 * 10);
  EXPECT_EQ(TwipsToPixelsAtDpi(scaled.left, 144), 1536 - 292);  // 1243.5
  EXPECT_EQ(TwipsToPixelsAtDpi(scaled.top, 144), 1152 - 531 - 50);
}

TEST(MainWindowPosition, GoesNegativeOnAScreenSmallerThanTheWindow) {
  const TwipsPoint at = MainWindowPosition(100 * 15, 200 * 15);
  EXPECT_LT(at.left, 0);
  EXPECT_EQ(TwipsToPixelsAtDpi(at.top, 96), 200 - 354 - 33);  // -187.33
}

}  // namespace
}  // namespace oravin
