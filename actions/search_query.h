#pragma once
// What every search request shares: the kinds of search and the words as the
// value of a query parameter.
#include <cstdint>
#include <string>
#include <string_view>

namespace oravin {

// The kinds of search, as the search page's radio buttons choose them.
inline constexpr int32_t kSearchWeb = 1;
inline constexpr int32_t kSearchImages = 2;
inline constexpr int32_t kSearchGroups = 3;
inline constexpr int32_t kSearchNews = 4;

// What the search page's form asks for.
struct SearchRequest {
  std::wstring words;
  int32_t count;
  int32_t kind;
  bool exact;
};

// The words as a browser sends a form's field: UTF-8, every byte but letters,
// digits and "-._~" as %XX, blanks as "+". So "C++ & \"x\"", "100%", "#1" and
// Chinese reach the service whole, and a command line cannot split them.
// inQuotes asks for the exact phrase: the words between quotes.
std::wstring QueryValue(std::wstring_view words, bool inQuotes = false);

// Nothing to search for: no words, or blanks only (tabs, line breaks and
// full-width blanks, as a Chinese input method types them, included).
bool HasNoWords(std::wstring_view words);

}  // namespace oravin
