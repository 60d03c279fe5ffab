#include "actions/command_line.h"

namespace oravin {

std::wstring QuoteArgument(std::wstring_view argument) {
  // Always quoted, so no blank or tab splits it; backslashes double only where
  // a quote follows them (inside the text or the closing one).
  std::wstring quoted = L"\"";
  size_t backslashes = 0;
  for (wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    if (c == L'"') {
      quoted.append(backslashes * 2 + 1, L'\\');
    } else {
      quoted.append(backslashes, L'\\');
    }
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, L'\\');
  quoted += L'"';
  return quoted;
}

std::wstring ProgramCommand(std::wstring_view program) {
  return program.find(L' ') == std::wstring_view::npos ? std::wstring(program) : QuoteArgument(program);
}

}  // namespace oravin
