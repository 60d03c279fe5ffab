#include "dialogs/entry_text.h"

#include <algorithm>
#include <cwctype>

#include "data/entry.h"
#include "data/mdlGlobal.h"

namespace oravin {
namespace {

bool ContainsIgnoringCase(std::wstring_view text, std::wstring_view part) {
  return std::search(text.begin(), text.end(), part.begin(), part.end(), [](wchar_t a, wchar_t b) {
           return std::towlower(a) == std::towlower(b);
         }) != text.end();
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

std::optional<std::wstring> EntryProblem(std::wstring_view title, std::wstring_view address) {
  // The file has no escaping: either marker would cut the entry elsewhere when it is read back.
  for (const std::wstring_view text : {title, address}) {
    if (text.find(kAddressMarker) != std::wstring_view::npos || text.find(kSplit) != std::wstring_view::npos)
      return L"标题和地址中不能有 \"<Split>\" 或 \" <Address>\".";
  }
  if (!CurrentListCanHold(title) || !CurrentListCanHold(address)) {
    return L"标题或地址中有本系统的文本编码无法保存的字符, 请改用其他字符.";
  }
  return std::nullopt;
}

}  // namespace oravin
