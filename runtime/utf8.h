#pragma once
// Wide text as UTF-8: how Notepad saves text and how other systems name files.
#include <cstddef>
#include <string>
#include <string_view>

namespace oravin {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;
inline constexpr char32_t kLastCodePoint = 0x10FFFF;

// The character at text[i], moving i past it. Wide text is UTF-16 on Windows,
// where a pair of surrogates is one character; a surrogate without its partner
// comes back as it is.
char32_t NextCodePoint(std::wstring_view text, size_t& i);

// A surrogate without its partner has no UTF-8 form and becomes U+FFFD;
// *lossy (when given) says whether one did.
std::string EncodeUtf8(std::wstring_view text, bool* lossy = nullptr);

}  // namespace oravin
