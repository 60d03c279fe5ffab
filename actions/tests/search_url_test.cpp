#include <gtest/gtest.h>

#include "actions/mdlGoogle.h"

namespace oravin {
namespace {

const std::wstring kBase = kSearchServiceBase;

TEST(BuildSearchUrl, JoinsBaseKindCountAndWordsWithBlanksAsPlus) {
  EXPECT_EQ(BuildSearchUrl(L"a b c", 100, kSearchWeb, true),
            kBase + L"search?num=100&hl=en&lr=&ie=ISO-8859-1&as_qdr=all&q=%22a+b+c%22");
  EXPECT_EQ(BuildSearchUrl(L"x", 10, kSearchImages, false), kBase + L"images?num=10&hl=en&lr=&ie=ISO-8859-1&as_qdr=all&q=x");
  EXPECT_EQ(BuildSearchUrl(L"x", 10, kSearchGroups, false).substr(kBase.size(), 7), L"groups?");
  EXPECT_EQ(BuildSearchUrl(L"x", 10, kSearchNews, false).substr(kBase.size(), 5), L"news?");
}

TEST(BuildSearchUrl, EdgesOfWordsCountsAndKinds) {
  EXPECT_EQ(BuildSearchUrl(L"", 0, kSearchWeb, false), kBase + L"search?num=0&hl=en&lr=&ie=ISO-8859-1&as_qdr=all&q=");
  EXPECT_EQ(BuildSearchUrl(L"", 1, kSearchWeb, true).substr(BuildSearchUrl(L"", 1, kSearchWeb, true).size() - 8),
            L"q=%22%22");
  EXPECT_NE(BuildSearchUrl(L"", -5, kSearchWeb, false).find(L"?num=-5&"), std::wstring::npos);
  EXPECT_EQ(BuildSearchUrl(L"", 1, 0, false).substr(0, kBase.size() + 5), kBase + L"?num=");
  EXPECT_EQ(BuildSearchUrl(L"", 1, 5, false).substr(0, kBase.size() + 5), kBase + L"?num=");
  // Several blanks become as many plus signs; tabs, full-width blanks and letters outside ASCII stay as typed.
  const std::wstring url = BuildSearchUrl(L"a  b\tc\u3000d 中文", 1, kSearchWeb, false);
  EXPECT_EQ(url.substr(url.find(L"q=") + 2), L"a++b\tc\u3000d+中文");
}

// What the words hold reaches the service as the value of q, whole.
TEST(SearchWords, EscapePercentAmpersandPlusAndHashInOnePass) {
  const auto q = [](const wchar_t* words, bool exact = false) {
    const std::wstring url = BuildSearchUrl(words, 100, kSearchWeb, exact);
    return url.substr(url.find(L"&q=") + 3);
  };
  EXPECT_EQ(q(L"C++ & C#"), L"C%2B%2B+%26+C%23");
  EXPECT_EQ(q(L"100%"), L"100%25");
  EXPECT_EQ(q(L"%22"), L"%2522");  // typed, not an escape of ours
  EXPECT_EQ(q(L"AT&T", true), L"%22AT%26T%22");
  EXPECT_EQ(q(L"\"a\"'<>?=/"), L"\"a\"'<>?=/");
  EXPECT_EQ(BuildAdvancedSearchUrl(L"C++ 100% #1 &"),
            kBase + L"advanced_search?q=C%2B%2B+100%25+%231+%26&hl=en&lr=&ie=UTF-8");
}

TEST(BuildAdvancedSearchUrl, PrefillsTheWords) {
  EXPECT_EQ(BuildAdvancedSearchUrl(L"a b"), kBase + L"advanced_search?q=a+b&hl=en&lr=&ie=UTF-8");
  EXPECT_EQ(BuildAdvancedSearchUrl(L""), kBase + L"advanced_search?q=&hl=en&lr=&ie=UTF-8");
}

}  // namespace
}  // namespace oravin
