#pragma once
// One favorite is stored as one text: title + " <Address>" + address; a file
// holds every entry followed by "<Split>".
#include <string>
#include <string_view>
#include <vector>

namespace oravin {

inline constexpr std::wstring_view kAddressMarker = L" <Address>";
inline constexpr std::wstring_view kSplit = L"<Split>";

// Splits at every occurrence of the separator (exact match); n separators give n + 1 pieces.
std::vector<std::wstring> SplitText(std::wstring_view text, std::wstring_view separator);

// The text before the first marker (the whole text when there is none).
std::wstring TitleOf(std::wstring_view entry);

// The text after the first marker, up to a second one if there is one; "" without a marker.
std::wstring AddressOf(std::wstring_view entry);

}  // namespace oravin
