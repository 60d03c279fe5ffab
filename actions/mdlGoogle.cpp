#include "actions/mdlGoogle.h"

namespace oravin {
namespace {

std::wstring BlanksAsPlus(std::wstring_view words) {
  std::wstring text(words);
  for (wchar_t& c : text) {
    if (c == L' ') c = L'+';
  }
  return text;
}

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

std::wstring BuildSearchUrl(std::wstring_view words, int32_t count, int32_t kind, bool exact) {
  const wchar_t* quote = exact ? L"%22" : L"";
  return std::wstring(kSearchServiceBase) + PathOf(kind) + L"?num=" + std::to_wstring(count) +
         L"&hl=en&lr=&ie=ISO-8859-1&as_qdr=all&q=" + quote + BlanksAsPlus(words) + quote;
}

std::wstring BuildAdvancedSearchUrl(std::wstring_view words) {
  return std::wstring(kSearchServiceBase) + L"advanced_search?q=" + BlanksAsPlus(words) + L"&hl=en&lr=&ie=UTF-8";
}

}  // namespace oravin
