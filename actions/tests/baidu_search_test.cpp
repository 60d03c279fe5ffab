#include <gtest/gtest.h>

#include "actions/baidu_search.h"

namespace oravin {
namespace {

const std::wstring kWeb = L"https://www.baidu.com/s?ie=utf-8&wd=";
const std::wstring kImages = L"https://image.baidu.com/search/index?tn=baiduimage&ie=utf-8&word=";
const std::wstring kNews = L"https://www.baidu.com/s?tn=news&ie=utf-8&word=";

TEST(BuildBaiduSearchUrl, EachKindGoesToItsSearchAndOnlyTheWebTakesACountWithinBaidusLimit) {
  const struct {
    int32_t count, kind;
    bool exact;
    std::wstring url;
  } cases[] = {
      {100, kSearchWeb, false, kWeb + L"C%2B%2B+%26+%22x%22&rn=50"},
      {51, kSearchWeb, false, kWeb + L"C%2B%2B+%26+%22x%22&rn=50"},
      {50, kSearchWeb, false, kWeb + L"C%2B%2B+%26+%22x%22&rn=50"},
      {1, kSearchWeb, true, kWeb + L"%22C%2B%2B+%26+%22x%22%22&rn=1"},
      {0, kSearchWeb, false, kWeb + L"C%2B%2B+%26+%22x%22"},
      {-5, kSearchWeb, false, kWeb + L"C%2B%2B+%26+%22x%22"},
      {INT32_MAX, kSearchGroups, false, kWeb + L"C%2B%2B+%26+%22x%22&rn=50"},
      {20, 0, false, kWeb + L"C%2B%2B+%26+%22x%22&rn=20"},
      {20, kSearchImages, false, kImages + L"C%2B%2B+%26+%22x%22"},
      {20, kSearchNews, true, kNews + L"%22C%2B%2B+%26+%22x%22%22"},
  };
  for (const auto& c : cases) EXPECT_EQ(BuildBaiduSearchUrl(L"C++ & \"x\"", c.count, c.kind, c.exact), c.url) << c.url;
  EXPECT_EQ(BuildBaiduSearchUrl(L"天气 北京", 10, kSearchWeb, false),
            kWeb + L"%E5%A4%A9%E6%B0%94+%E5%8C%97%E4%BA%AC&rn=10");
}

}  // namespace
}  // namespace oravin
