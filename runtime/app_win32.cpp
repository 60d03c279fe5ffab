#include <windows.h>

#include <string>

#include "runtime/app.h"
#include "runtime/app_win32.h"

namespace oravin {

ProgramLocation ThisProgram() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);  // long paths: the name was cut, try a larger buffer
  }
  return {DirectoryOfModule(path), ExeNameOfModule(path)};
}

}  // namespace oravin
