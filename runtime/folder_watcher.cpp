#include "runtime/folder_watcher.h"

#include <algorithm>
#include <cwctype>

namespace oravin {
namespace {

bool SameFileName(std::wstring_view a, std::wstring_view b) {
  const auto folded = [](wchar_t c) { return c == L'/' ? L'\\' : wchar_t(std::towlower(std::wint_t(c))); };
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [&](wchar_t x, wchar_t y) { return folded(x) == folded(y); });
}

}  // namespace

bool FolderChanges::Touches(std::wstring_view name) const {
  return overflowed ||
         std::any_of(names.begin(), names.end(), [&](const std::wstring& changed) { return SameFileName(changed, name); });
}

}  // namespace oravin
