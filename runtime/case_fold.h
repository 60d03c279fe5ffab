#pragma once
// Letter case in what machines read: schemes, host names, file extensions,
// INI keys and HTML tags are ASCII and match whatever their case. Letters
// beyond ASCII are left alone, as those formats do; titles people read are
// compared by the user's locale instead (text_compare.h).
#include <algorithm>
#include <string>
#include <string_view>

namespace oravin {

template <typename Char>
constexpr Char FoldCase(Char c) {
  return c >= Char('A') && c <= Char('Z') ? Char(c - Char('A') + Char('a')) : c;
}

template <typename Char>
std::basic_string<Char> FoldCase(std::basic_string<Char> text) {
  for (Char& c : text) c = FoldCase(c);
  return text;
}

template <typename Char>
bool EqualsIgnoringCase(std::basic_string_view<Char> a, std::basic_string_view<Char> b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](Char x, Char y) { return FoldCase(x) == FoldCase(y); });
}
inline bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b) { return EqualsIgnoringCase<wchar_t>(a, b); }
inline bool EqualsIgnoringCase(std::string_view a, std::string_view b) { return EqualsIgnoringCase<char>(a, b); }

// Where part first occurs in text, or npos.
template <typename Char>
size_t FindIgnoringCase(std::basic_string_view<Char> text, std::basic_string_view<Char> part) {
  const auto at = std::search(text.begin(), text.end(), part.begin(), part.end(),
                              [](Char x, Char y) { return FoldCase(x) == FoldCase(y); });
  return at == text.end() && !part.empty() ? std::basic_string_view<Char>::npos : size_t(at - text.begin());
}
inline size_t FindIgnoringCase(std::wstring_view text, std::wstring_view part) {
  return FindIgnoringCase<wchar_t>(text, part);
}
inline size_t FindIgnoringCase(std::string_view text, std::string_view part) { return FindIgnoringCase<char>(text, part); }

}  // namespace oravin
