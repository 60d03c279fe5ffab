#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "controls/listboxex/list_model.h"

namespace oravin {
namespace {

using ::testing::ElementsAre;

TEST(UserLocaleComparison, IgnoresLetterCaseAlsoBeyondAscii) {
  EXPECT_EQ(CompareUserLocale(L"abc", L"ABC"), 0);
  EXPECT_EQ(CompareUserLocale(L"\u00c9cole", L"\u00e9cole"), 0);
  EXPECT_EQ(CompareUserLocale(L"\u0391\u0392", L"\u03b1\u03b2"), 0);  // Greek
}

TEST(UserLocaleComparison, OrdersAlphabeticallyAndAnswersMinusOneZeroOrOne) {
  EXPECT_EQ(CompareUserLocale(L"b", L"A"), 1);
  EXPECT_EQ(CompareUserLocale(L"A", L"b"), -1);
  EXPECT_EQ(CompareUserLocale(L"Apple", L"apples"), -1);
  EXPECT_EQ(CompareUserLocale(L"", L"a"), -1);
}

TEST(UserLocaleComparison, TextsStopAtTheirLengthNotAtANul) {
  const std::wstring withNul(L"a\0b", 3);
  EXPECT_NE(CompareUserLocale(withNul, L"a"), 0);
}

TEST(UserLocaleComparison, SortsAListOfTitlesByDefault) {
  ListModel list;
  list.SetSortOrder(-1);
  for (const wchar_t* title : {L"\u767e\u5ea6", L"zeta", L"Alpha", L"beta", L"ALPHA"}) list.AddItem(title);
  std::vector<std::wstring> items;
  for (int32_t i = 0; i < list.ItemCount(); ++i) items.push_back(list.ItemText(i));
  EXPECT_THAT(std::vector<std::wstring>(items.begin(), items.begin() + 4),
              ElementsAre(L"Alpha", L"ALPHA", L"beta", L"zeta"));
  EXPECT_EQ(items[4], L"\u767e\u5ea6");  // Latin letters sort before Chinese characters
}

// As the program saves a list: in order, so every entry goes after the last.
TEST(UserLocaleComparison, KeepsAFullListOfSortedEntriesInTheirOrder) {
  std::vector<std::wstring> entries;
  for (int i = 0; i < 32767; ++i) entries.push_back(L"Site " + std::to_wstring(100000 + i) + L" <Address>http://x/");
  ListModel list;
  list.SetSortOrder(-1);
  for (const auto& entry : entries) list.AddItem(entry);
  ASSERT_EQ(list.ItemCount(), 32767);
  for (int32_t i = 0; i < list.ItemCount(); ++i) ASSERT_EQ(list.ItemText(i), entries[i]) << "entry " << i;
}

}  // namespace
}  // namespace oravin
