#pragma once
// Search requests for the search service: a result page from the user's
// words and an advanced-search page prefilled with them.
#include <cstdint>
#include <string>
#include <string_view>

namespace oravin {

inline constexpr wchar_t kSearchServiceBase[] = L"http://www.google.com/";

// The kinds of search, as the search page's option buttons choose them.
inline constexpr int32_t kSearchWeb = 1;
inline constexpr int32_t kSearchImages = 2;
inline constexpr int32_t kSearchGroups = 3;
inline constexpr int32_t kSearchNews = 4;

// In the words, blanks become "+" and "%", "&", "+" and "#" are escaped; the
// browser decides about everything else (letters outside ASCII, tabs).
std::wstring BuildSearchUrl(std::wstring_view words, int32_t count, int32_t kind, bool exact);
std::wstring BuildAdvancedSearchUrl(std::wstring_view words);

}  // namespace oravin
