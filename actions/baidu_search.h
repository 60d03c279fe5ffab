#pragma once
// Search requests for Baidu, which users in mainland China can reach.
#include <cstdint>
#include <string>
#include <string_view>

#include "actions/search_query.h"

namespace oravin {

// Baidu shows at most this many web results on a page.
inline constexpr int32_t kBaiduMostResults = 50;
// A count that leaves the number of results on a page to Baidu (10).
inline constexpr int32_t kBaiduOwnCount = 0;

// Baidu's web search for web (and groups, of which Baidu has none), its image
// and its news search for those kinds. The words travel as QueryValue gives
// them, in quotes for the exact phrase. Only the web search takes a count:
// above kBaiduMostResults it is kBaiduMostResults, at 0 or below Baidu's own.
std::wstring BuildBaiduSearchUrl(std::wstring_view words, int32_t count, int32_t kind, bool exact);

}  // namespace oravin
