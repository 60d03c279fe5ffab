#include "actions/baidu_search.h"

#include <algorithm>
#include <array>

namespace oravin {
namespace {

struct BaiduSearch {
  int32_t kind;
  // Up to the words, which end it.
  std::wstring_view request;
  bool takesCount;
};

// ie=utf-8: without it Baidu reads the words as GB2312.
constexpr std::array<BaiduSearch, 3> kBaiduSearches = {{
    {kSearchWeb, L"https://www.baidu.com/s?ie=utf-8&wd=", true},
    {kSearchImages, L"https://image.baidu.com/search/index?tn=baiduimage&ie=utf-8&word=", false},
    {kSearchNews, L"https://www.baidu.com/s?tn=news&ie=utf-8&word=", false},
}};

const BaiduSearch& SearchFor(int32_t kind) {
  const auto found = std::find_if(kBaiduSearches.begin(), kBaiduSearches.end(),
                                  [kind](const BaiduSearch& search) { return search.kind == kind; });
  return found != kBaiduSearches.end() ? *found : kBaiduSearches.front();
}

}  // namespace

std::wstring BuildBaiduSearchUrl(std::wstring_view words, int32_t count, int32_t kind, bool exact) {
  const BaiduSearch& search = SearchFor(kind);
  std::wstring url = std::wstring(search.request) + QueryValue(words, exact);
  if (search.takesCount && count > kBaiduOwnCount) url += L"&rn=" + std::to_wstring(std::min(count, kBaiduMostResults));
  return url;
}

}  // namespace oravin
