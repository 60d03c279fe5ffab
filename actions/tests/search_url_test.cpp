#include <gtest/gtest.h>

#include "actions/mdlGoogle.h"

namespace oravin {
namespace {

const std::wstring kBase = kSearchServiceBase;

TEST(BuildSearchUrl, JoinsBaseKindCountAndWordsWithBlanksAsPlus) {
  EXPECT_EQ(BuildSearchUrl(L"a b c", 100, kSearchWeb, true),
            kBase + L"search?num=100&hl=en&lr=&ie=UTF-8&as_qdr=all&q=%22a+b+c%22");
  EXPECT_EQ(BuildSearchUrl(L"x", 10, kSearchImages, false), kBase + L"images?num=10&hl=en&lr=&ie=UTF-8&as_qdr=all&q=x");
  EXPECT_EQ(BuildSearchUrl(L"x", 10, kSearchGroups, false).substr(kBase.size(), 7), L"groups?");
  EXPECT_EQ(BuildSearchUrl(L"x", 10, kSearchNews, false).substr(kBase.size(), 5), L"news?");
}

TEST(BuildSearchUrl, EdgesOfWordsCountsAndKinds) {
  EXPECT_EQ(BuildSearchUrl(L"", 0, kSearchWeb, false), kBase + L"search?num=0&hl=en&lr=&ie=UTF-8&as_qdr=all&q=");
  EXPECT_EQ(BuildSearchUrl(L"", 1, kSearchWeb, true).substr(BuildSearchUrl(L"", 1, kSearchWeb, true).size() - 8),
            L"q=%22%22");
  EXPECT_NE(BuildSearchUrl(L"", -5, kSearchWeb, false).find(L"?num=-5&"), std::wstring::npos);
  EXPECT_EQ(BuildSearchUrl(L"", 1, 0, false).substr(0, kBase.size() + 5), kBase + L"?num=");
  EXPECT_EQ(BuildSearchUrl(L"", 1, 5, false).substr(0, kBase.size() + 5), kBase + L"?num=");
}

TEST(BuildAdvancedSearchUrl, PrefillsTheWords) {
  EXPECT_EQ(BuildAdvancedSearchUrl(L"a b"), kBase + L"advanced_search?q=a+b&hl=en&lr=&ie=UTF-8");
  EXPECT_EQ(BuildAdvancedSearchUrl(L""), kBase + L"advanced_search?q=&hl=en&lr=&ie=UTF-8");
}

}  // namespace
}  // namespace oravin
