#include "actions/search_requests.h"

namespace oravin {
namespace {

const wchar_t* PathOf(int32_t kind) {
  switch (kind) {
    case kSearchWeb: return L"search";
    case kSearchImages: return L"images";
    case kSearchGroups: return L"groups";
    case kSearchNews: return L"news";
    default: return L"";
  }
}

}  // namespace

// The words go as UTF-8, and the request says so: read as ISO-8859-1, Chinese
// words would reach the service as other letters.
std::wstring BuildSearchUrl(std::wstring_view words, int32_t count, int32_t kind, bool exact) {
  return std::wstring(kSearchServiceBase) + PathOf(kind) + L"?num=" + std::to_wstring(count) +
         L"&hl=en&lr=&ie=UTF-8&as_qdr=all&q=" + QueryValue(words, exact);
}

std::wstring BuildAdvancedSearchUrl(std::wstring_view words) {
  return std::wstring(kSearchServiceBase) + L"advanced_search?q=" + QueryValue(words) + L"&hl=en&lr=&ie=UTF-8";
}

}  // namespace oravin
