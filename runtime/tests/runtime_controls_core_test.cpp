#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "runtime/font.h"

namespace oravin {
namespace {

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
