#include <gtest/gtest.h>

#include "actions/baidu_search.h"
#include "actions/search_requests.h"

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

TEST(QueryValue, IsTheWordsAsUtf8WithBlanksAsPlusAndAllButLettersDigitsAndFourMarksEscaped) {
  const std::pair<std::wstring, std::wstring> cases[] = {
      {L"C++ & \"x\"  y", L"C%2B%2B+%26+%22x%22++y"},
      {L"100% #1 %22 =?/'<>Az09-._~", L"100%25+%231+%2522+%3D%3F%2F%27%3C%3EAz09-._~"},  // %22 typed, not ours
      {L"天气\t\u3000", L"%E5%A4%A9%E6%B0%94%09%E3%80%80"},
      {L"\U0001F600" + std::wstring(1, wchar_t(0xD800)), L"%F0%9F%98%80%EF%BF%BD"},  // a lone surrogate
  };
  for (const auto& [words, value] : cases) EXPECT_EQ(QueryValue(words), value) << value;
}

TEST(BuildBaiduSearchUrl, EachKindGoesToItsSearchAndOnlyTheWebTakesACountWithinBaidusFifty) {
  const std::wstring web = L"https://www.baidu.com/s?ie=utf-8&wd=C%2B%2B";
  const std::tuple<int32_t, int32_t, bool, std::wstring> cases[] = {  // count, kind, exact phrase, request
      {51, kSearchWeb, false, web + L"&rn=50"},
      {50, kSearchGroups, false, web + L"&rn=50"},
      {1, 0, true, L"https://www.baidu.com/s?ie=utf-8&wd=%22C%2B%2B%22&rn=1"},
      {20, kSearchImages, false, L"https://image.baidu.com/search/index?tn=baiduimage&ie=utf-8&word=C%2B%2B"},
      {20, kSearchNews, true, L"https://www.baidu.com/s?tn=news&ie=utf-8&word=%22C%2B%2B%22"},
  };
  for (const auto& [count, kind, exact, url] : cases) EXPECT_EQ(BuildBaiduSearchUrl(L"C++", count, kind, exact), url);
}

}  // namespace
}  // namespace oravin
