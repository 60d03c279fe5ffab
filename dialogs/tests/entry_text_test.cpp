#include <gtest/gtest.h>

#include "dialogs/entry_text.h"
#include "testing/latin1_codec.h"

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

TEST(EntryProblem, RefusesWhatTheListFileCouldNotGiveBack) {
  testing::WithLatin1CodePage codePage;
  EXPECT_FALSE(EntryProblem(L"News", L"http://www.example.com/"));
  EXPECT_FALSE(EntryProblem(L"", L""));
  EXPECT_FALSE(EntryProblem(L"a<Address>b", L"x"));  // the marker begins with a blank
  EXPECT_TRUE(EntryProblem(L"a <Address>b", L"x"));
  EXPECT_TRUE(EntryProblem(L"a<Split>b", L"x"));
  EXPECT_TRUE(EntryProblem(L"a", L"x<Split>y"));
  EXPECT_FALSE(EntryProblem(L"a", L"x <Address>y"));  // only the first marker splits an entry
  EXPECT_TRUE(EntryProblem(L"\u0915", L"x"));
  EXPECT_TRUE(EntryProblem(L"a", L"\u20AC"));
}

}  // namespace
}  // namespace oravin
