#include <gtest/gtest.h>

#include "actions/search_query.h"

namespace oravin {
namespace {

TEST(QueryValue, CarriesTheWordsWholeAsUtf8WithBlanksAsPlus) {
  const struct {
    std::wstring words;
    bool inQuotes;
    std::wstring value;
  } cases[] = {
      {L"", false, L""},
      {L"", true, L"%22%22"},
      {L"a  b", false, L"a++b"},
      {L"C++ & \"x\"", false, L"C%2B%2B+%26+%22x%22"},
      {L"AT&T", true, L"%22AT%26T%22"},
      {L"100% #1 %22", false, L"100%25+%231+%2522"},  // typed, not an escape of ours
      {L"a=b?c/d'<>", false, L"a%3Db%3Fc%2Fd%27%3C%3E"},
      {L"Az09-._~", false, L"Az09-._~"},
      {L"天气 北京", false, L"%E5%A4%A9%E6%B0%94+%E5%8C%97%E4%BA%AC"},
      {L"a\tb\u3000c\r\n", false, L"a%09b%E3%80%80c%0D%0A"},
      {L"\U0001F600", false, L"%F0%9F%98%80"},
      {std::wstring(1, wchar_t(0xD800)), false, L"%EF%BF%BD"},  // a surrogate without its partner
  };
  for (const auto& c : cases) EXPECT_EQ(QueryValue(c.words, c.inQuotes), c.value) << c.value;
}

TEST(HasNoWords, BlanksOfEveryKindAreNoWords) {
  for (const wchar_t* none : {L"", L" ", L" \t\r\n", L"\u3000", L"\u00A0 "}) EXPECT_TRUE(HasNoWords(none)) << none;
  for (const wchar_t* some : {L"a", L" 天气 ", L"\u3000.", L"\""}) EXPECT_FALSE(HasNoWords(some)) << some;
}

}  // namespace
}  // namespace oravin
