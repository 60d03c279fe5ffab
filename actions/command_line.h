#pragma once
// Quoting one argument so that a program parsing its command line the
// Windows way (CommandLineToArgvW, the C runtime) gets back exactly that text.
#include <string>
#include <string_view>

namespace oravin {

std::wstring QuoteArgument(std::wstring_view argument);

// The command that starts a program file: its path, quoted when it holds a
// blank, so that Windows never first tries a program named by the path's first
// words (C:\Program.exe for a program under C:\Program Files).
std::wstring ProgramCommand(std::wstring_view program);

}  // namespace oravin
