#include "dialogs/entry_text.h"

#include <algorithm>

#include "runtime/case_fold.h"

namespace oravin {
namespace {

bool ContainsIgnoringCase(std::wstring_view text, std::wstring_view part) {
  return FindIgnoringCase(text, part) != std::wstring_view::npos;
}

}  // namespace

std::wstring TidyWebAddress(std::wstring_view text) {
  if (text.empty()) return {};
  const size_t first = text.find_first_not_of(L' ');
  const size_t last = text.find_last_not_of(L' ');
  std::wstring address = first == std::wstring_view::npos ? std::wstring() : std::wstring(text.substr(first, last - first + 1));
  if (address.find(L"://") != std::wstring::npos && !ContainsIgnoringCase(address, L"http://")) return address;
  if (!ContainsIgnoringCase(address, L"www.") && !ContainsIgnoringCase(address, L"http://")) address = L"www." + address;
  if (!ContainsIgnoringCase(address, L"http://")) address = L"http://" + address;
  return address;
}

}  // namespace oravin
