#include "runtime/leading_number.h"

#include <cstdlib>
#include <string>

namespace oravin {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

}  // namespace

double LeadingNumber(std::wstring_view text) {
  // Blanks may stand anywhere inside the number ("1 2" reads as 12), as the
  // classic runtime's number reading allowed; letters end it.
  std::string digits;
  size_t i = 0;
  auto skip = [&] { while (i < text.size() && IsBlank(text[i])) ++i; };
  skip();
  if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) {
    if (text[i] == L'-') digits += '-';
    ++i;
  }
  bool any = false, point = false;
  for (;; ++i) {
    skip();
    if (i >= text.size()) break;
    const wchar_t c = text[i];
    if (IsDigit(c)) {
      digits += char(c);
      any = true;
    } else if (c == L'.' && !point) {
      digits += '.';
      point = true;
    } else {
      break;
    }
  }
  if (!any) return 0.0;
  // An exponent counts only when digits follow it.
  if (i < text.size() && (text[i] == L'e' || text[i] == L'E')) {
    size_t j = i + 1;
    std::string exponent = "e";
    if (j < text.size() && (text[j] == L'-' || text[j] == L'+')) exponent += char(text[j++]);
    size_t start = j;
    while (j < text.size() && IsDigit(text[j])) exponent += char(text[j++]);
    if (j > start) digits += exponent;
  }
  return std::strtod(digits.c_str(), nullptr);
}

}  // namespace oravin
