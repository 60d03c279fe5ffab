#include <gtest/gtest.h>

#include "dialogs/entry_text.h"

namespace oravin {
namespace {

TEST(TidyWebAddress, PutsTheMissingPrefixesInFront) {
  EXPECT_EQ(TidyWebAddress(L"example.com"), L"http://www.example.com");
  EXPECT_EQ(TidyWebAddress(L"www.example.com"), L"http://www.example.com");
  EXPECT_EQ(TidyWebAddress(L"WWW.Example.com"), L"http://WWW.Example.com");
  EXPECT_EQ(TidyWebAddress(L"http://www.example.com/a b"), L"http://www.example.com/a b");
  EXPECT_EQ(TidyWebAddress(L"  example.com  "), L"http://www.example.com");
  EXPECT_EQ(TidyWebAddress(L""), L"");
  EXPECT_EQ(TidyWebAddress(L"   "), L"http://www.");  // trimmed to nothing, then both prefixes
}

TEST(TidyWebAddress, LeavesAnAddressThatNamesItsSchemeAlone) {
  EXPECT_EQ(TidyWebAddress(L"http://example.com"), L"http://example.com");
  EXPECT_EQ(TidyWebAddress(L"HTTP://example.com"), L"HTTP://example.com");
  EXPECT_EQ(TidyWebAddress(L"https://example.com"), L"https://example.com");
  EXPECT_EQ(TidyWebAddress(L"ftp://files.example.com"), L"ftp://files.example.com");
}

}  // namespace
}  // namespace oravin
