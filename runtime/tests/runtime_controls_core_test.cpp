#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "runtime/font.h"
#include "runtime/himetric.h"
#include "runtime/rounding.h"

namespace oravin {
namespace {

TEST(HiMetric, ConvertsToPixelsAtTheScreenResolution) {
  EXPECT_DOUBLE_EQ(HiMetricToPixels(2540, 96), 96);
  EXPECT_DOUBLE_EQ(HiMetricToPixels(423, 96), 423 * 96 / 2540.0);
  // A 16-pixel icon is stored as 423 HiMetric and comes back as 16 pixels.
  EXPECT_EQ(R(PixelsToHiMetric(16, 96)), 423);
  EXPECT_EQ(R(HiMetricToPixels(423, 96)), 16);
  EXPECT_EQ(R(HiMetricToPixels(R(PixelsToHiMetric(32, 120)), 120)), 32);
}

TEST(Font, ComparesLooksNotIdentity) {
  Font a(L"Tahoma", 8.25), b(L"Tahoma", 8.25);
  EXPECT_TRUE(a.SameLook(b));
  b.Bold = true;
  EXPECT_FALSE(a.SameLook(b));
  b = a;
  b.Charset = 0;
  EXPECT_FALSE(a.SameLook(b));
}

}  // namespace
}  // namespace oravin
