#include <gtest/gtest.h>

#include "app/placement.h"

namespace oravin {
namespace {

TEST(MainWindowPosition, SitsAtTheBottomRightAThirdOfAnInchAboveTheEdge) {
  const ScreenPoint at = MainWindowPosition(1024, 768, 96);
  EXPECT_EQ(at.left, 829);
  EXPECT_EQ(at.top, 381);  // 380.67
  // At 150% the window is 293 x 531 pixels and still touches the right edge.
  const ScreenPoint scaled = MainWindowPosition(1536, 1152, 144);
  EXPECT_EQ(scaled.left, 1536 - 293);
  EXPECT_EQ(scaled.top, 1152 - 531 - 50);
}

TEST(MainWindowPosition, GoesNegativeOnAScreenSmallerThanTheWindow) {
  const ScreenPoint at = MainWindowPosition(100, 200, 96);
  EXPECT_LT(at.left, 0);
  EXPECT_EQ(at.top, 200 - 354 - 33);  // -187.33
}

}  // namespace
}  // namespace oravin
