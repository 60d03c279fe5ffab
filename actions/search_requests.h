#pragma once
// Search requests for the search service: a result page from the user's
// words and an advanced-search page prefilled with them.
#include <cstdint>
#include <string>
#include <string_view>

#include "actions/search_query.h"

namespace oravin {

inline constexpr wchar_t kSearchServiceBase[] = L"http://www.google.com/";

// The words travel as QueryValue gives them; the exact phrase adds quotes around them.
std::wstring BuildSearchUrl(std::wstring_view words, int32_t count, int32_t kind, bool exact);
std::wstring BuildAdvancedSearchUrl(std::wstring_view words);

}  // namespace oravin
