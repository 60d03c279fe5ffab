#include "data/entry.h"

namespace oravin {

std::vector<std::wstring> SplitText(std::wstring_view text, std::wstring_view separator) {
  std::vector<std::wstring> pieces;
  size_t start = 0;
  for (size_t at; (at = text.find(separator, start)) != std::wstring_view::npos; start = at + separator.size()) {
    pieces.emplace_back(text.substr(start, at - start));
  }
  pieces.emplace_back(text.substr(start));
  return pieces;
}

std::wstring TitleOf(std::wstring_view entry) { return std::wstring(entry.substr(0, entry.find(kAddressMarker))); }

std::wstring AddressOf(std::wstring_view entry) {
  const size_t first = entry.find(kAddressMarker);
  if (first == std::wstring_view::npos) return {};
  const std::wstring_view rest = entry.substr(first + kAddressMarker.size());
  return std::wstring(rest.substr(0, rest.find(kAddressMarker)));
}

}  // namespace oravin
