#include "actions/mdlGoogle.h"

namespace oravin {
namespace {

// The words as one query value: blanks become "+", and the four characters
// that would end the value, start a fragment, read as a blank or start an
// escape are escaped, so "C++", "AT&T", "C#" and "100%" reach the service as
// typed. Everything else is left to the browser.
std::wstring QueryWords(std::wstring_view words) {
  std::wstring text;
  text.reserve(words.size());
  for (const wchar_t c : words) {
    switch (c) {
      case L' ': text += L'+'; break;
      case L'%': text += L"%25"; break;
      case L'&': text += L"%26"; break;
      case L'+': text += L"%2B"; break;
      case L'#': text += L"%23"; break;
      default: text += c; break;
    }
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
         L"&hl=en&lr=&ie=ISO-8859-1&as_qdr=all&q=" + quote + QueryWords(words) + quote;
}

std::wstring BuildAdvancedSearchUrl(std::wstring_view words) {
  return std::wstring(kSearchServiceBase) + L"advanced_search?q=" + QueryWords(words) + L"&hl=en&lr=&ie=UTF-8";
}

}  // namespace oravin
