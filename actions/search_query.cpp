#include "actions/search_query.h"

#include <algorithm>

#include "runtime/utf8.h"

namespace oravin {
namespace {

constexpr wchar_t kNoBreakSpace = 0x00A0;
constexpr wchar_t kIdeographicSpace = 0x3000;

bool IsUnreserved(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
         c == '_' || c == '~';
}

bool IsBlank(wchar_t c) { return c <= L' ' || c == kNoBreakSpace || c == kIdeographicSpace; }

}  // namespace

std::wstring QueryValue(std::wstring_view words, bool inQuotes) {
  static constexpr wchar_t kHex[] = L"0123456789ABCDEF";
  const std::string bytes = inQuotes ? "\"" + EncodeUtf8(words) + "\"" : EncodeUtf8(words);
  std::wstring value;
  value.reserve(bytes.size() * 3);
  for (const char byte : bytes) {
    const auto c = static_cast<unsigned char>(byte);
    if (c == ' ') {
      value += L'+';
    } else if (IsUnreserved(c)) {
      value += wchar_t(c);
    } else {
      value += L'%';
      value += kHex[c >> 4];
      value += kHex[c & 0xF];
    }
  }
  return value;
}

bool HasNoWords(std::wstring_view words) { return std::all_of(words.begin(), words.end(), IsBlank); }

}  // namespace oravin
