#include "runtime/app.h"

namespace oravin {

std::wstring DirectoryOfModule(std::wstring_view modulePath) {
  const size_t slash = modulePath.find_last_of(L"\\/");
  if (slash == std::wstring_view::npos) return {};
  std::wstring dir(modulePath.substr(0, slash));
  // A drive root keeps its separator, so "C:" (the drive's current folder) is never meant.
  if (dir.size() == 2 && dir[1] == L':') dir += L'\\';
  return dir;
}

std::wstring ExeNameOfModule(std::wstring_view modulePath) {
  const size_t slash = modulePath.find_last_of(L"\\/");
  std::wstring_view name = slash == std::wstring_view::npos ? modulePath : modulePath.substr(slash + 1);
  const size_t dot = name.find_last_of(L'.');
  if (dot != std::wstring_view::npos) name = name.substr(0, dot);
  return std::wstring(name);
}

}  // namespace oravin
