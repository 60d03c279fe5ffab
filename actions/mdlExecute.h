#pragma once
// Opening an address for the user: a web address with the program registered
// for web pages, a folder with the program registered for folders.
#include <string>

#include "actions/shell.h"

namespace oravin {

// newWindow starts the registered program itself with the address, which gives
// a new window; otherwise the shell opens the address with its handler.
void OpenAddress(WindowHandle owner, const std::wstring& address, bool newWindow, bool isFolder);

// The system's temporary folder with its trailing separator.
std::wstring GetTempFolder();

// The fixed home pages: "explorer.exe " + address as a new process, minimised and active.
void OpenHomePage(const std::wstring& address);

}  // namespace oravin
