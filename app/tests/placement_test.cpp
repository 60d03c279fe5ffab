#include <gtest/gtest.h>

#include "app/placement.h"
#include "runtime/twips.h"

namespace oravin {
namespace {

TEST(MainWindowPosition, SitsAtTheBottomRightFiveHundredTwipsAboveTheEdge) {
  const TwipsPoint at = MainWindowPosition(1024 * 15, 768 * 15);
  EXPECT_EQ(TwipsToPixels(at.left, 15), 829);
  EXPECT_EQ(TwipsToPixels(at.top, 15), 381);  // 380.67
}

TEST(MainWindowPosition, GoesNegativeOnAScreenSmallerThanTheWindow) {
  const TwipsPoint at = MainWindowPosition(100 * 15, 200 * 15);
  EXPECT_LT(at.left, 0);
  EXPECT_EQ(TwipsToPixels(at.top, 15), 200 - 354 - 33);  // -187.33
}

}  // namespace
}  // namespace oravin
