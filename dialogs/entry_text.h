#pragma once
// What the editor dialog does with the texts it is given.
#include <string>
#include <string_view>

namespace oravin {

// The web address tidy-up when the address box loses the focus: blanks at
// both ends go, then "www." and "http://" are put in front where the text
// lacks them (letter case ignored). An address that already names its scheme
// ("https://...", "ftp://...") is left as typed: putting "http://" in front of
// it would break it.
std::wstring TidyWebAddress(std::wstring_view text);

}  // namespace oravin
