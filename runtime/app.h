#pragma once
// The application object: where the program lives and what it is called.
#include <string>
#include <string_view>

namespace oravin {

struct Application {
  std::wstring Path;     // the program's directory; no trailing separator except a drive root ("C:\")
  std::wstring EXEName;  // the executable's name without its extension
};

// The program's own; the Windows start-up fills it from the module path,
// tests fill it with a scratch folder.
Application& App();

// "C:\Tools\fav.exe" gives "C:\Tools"; "C:\fav.exe" gives "C:\".
std::wstring DirectoryOfModule(std::wstring_view modulePath);
// "C:\Tools\fav.exe" gives "fav".
std::wstring ExeNameOfModule(std::wstring_view modulePath);

}  // namespace oravin
