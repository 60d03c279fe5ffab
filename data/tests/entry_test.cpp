#include <gtest/gtest.h>

#include "data/entry.h"

namespace oravin {
namespace {

using Pieces = std::vector<std::wstring>;

TEST(SplitText, GivesOneMorePieceThanSeparators) {
  EXPECT_EQ(SplitText(L"a<Split>b<Split>", L"<Split>"), (Pieces{L"a", L"b", L""}));
  EXPECT_EQ(SplitText(L"", L"<Split>"), (Pieces{L""}));
  EXPECT_EQ(SplitText(L"<Split><Split>", L"<Split>"), (Pieces{L"", L"", L""}));
  EXPECT_EQ(SplitText(L"a<split>b", L"<Split>"), (Pieces{L"a<split>b"}));  // exact match only
}

TEST(Entry, TitleIsTheTextBeforeTheFirstMarker) {
  EXPECT_EQ(TitleOf(L"新闻 <Address>http://news.example.com/"), L"新闻");
  EXPECT_EQ(TitleOf(L"a <Address>b <Address>c"), L"a");
  EXPECT_EQ(TitleOf(L"no marker"), L"no marker");
  EXPECT_EQ(TitleOf(L" <Address>x"), L"");
  EXPECT_EQ(TitleOf(L"x<Address>y"), L"x<Address>y");  // the marker begins with a blank
}

TEST(Entry, AddressIsTheTextBetweenTheFirstAndSecondMarker) {
  EXPECT_EQ(AddressOf(L"新闻 <Address>http://news.example.com/"), L"http://news.example.com/");
  EXPECT_EQ(AddressOf(L"a <Address>b <Address>c"), L"b");
  EXPECT_EQ(AddressOf(L"no marker"), L"");
  EXPECT_EQ(AddressOf(L"D <Address>C:\\Program Files\\应用"), L"C:\\Program Files\\应用");
}

}  // namespace
}  // namespace oravin
