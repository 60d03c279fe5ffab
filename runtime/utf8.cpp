#include "runtime/utf8.h"

namespace oravin {
namespace {

bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

void AppendUtf8(std::string& bytes, char32_t c) {
  if (c < 0x80) {
    bytes += static_cast<char>(c);
  } else if (c < 0x800) {
    bytes += static_cast<char>(0xC0 | c >> 6);
    bytes += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    bytes += static_cast<char>(0xE0 | c >> 12);
    bytes += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    bytes += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    bytes += static_cast<char>(0xF0 | c >> 18);
    bytes += static_cast<char>(0x80 | (c >> 12 & 0x3F));
    bytes += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    bytes += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

char32_t NextCodePoint(std::wstring_view text, size_t& i) {
  char32_t c = static_cast<char32_t>(text[i++]);
  if constexpr (sizeof(wchar_t) == 2) {
    if (c >= 0xD800 && c <= 0xDBFF && i < text.size() && text[i] >= 0xDC00 && text[i] <= 0xDFFF)
      c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(text[i++]) - 0xDC00);
  }
  return c;
}

std::string EncodeUtf8(std::wstring_view text, bool* lossy) {
  bool lost = false;
  std::string bytes;
  bytes.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    char32_t c = NextCodePoint(text, i);
    if (IsSurrogate(c) || c > kLastCodePoint) {
      c = kReplacementCharacter;
      lost = true;
    }
    AppendUtf8(bytes, c);
  }
  if (lossy) *lossy = lost;
  return bytes;
}

}  // namespace oravin
