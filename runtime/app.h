#pragma once
// Where the program lives and what it is called.
#include <string>
#include <string_view>

namespace oravin {

struct ProgramLocation {
  std::wstring folder;   // no trailing separator except a drive root ("C:\")
  std::wstring exeName;  // the executable's name without its extension
};

// "C:\Tools\fav.exe" gives "C:\Tools"; "C:\fav.exe" gives "C:\".
std::wstring DirectoryOfModule(std::wstring_view modulePath);
// "C:\Tools\fav.exe" gives "fav".
std::wstring ExeNameOfModule(std::wstring_view modulePath);

}  // namespace oravin
