#pragma once
// Quoting one argument so that a program parsing its command line the
// Windows way (CommandLineToArgvW, the C runtime) gets back exactly that text.
#include <string>
#include <string_view>

namespace oravin {

std::wstring QuoteArgument(std::wstring_view argument);

}  // namespace oravin
