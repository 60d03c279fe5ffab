#include <windows.h>
#include <shellapi.h>

#include "actions/shell.h"
#include "runtime/handles.h"

namespace oravin {
namespace {

const wchar_t* OrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

class WindowsShell : public Shell {
 public:
  std::wstring TempPath() override {
    wchar_t buffer[MAX_PATH + 1];
    const DWORD n = GetTempPathW(MAX_PATH + 1, buffer);
    return n > 0 && n <= MAX_PATH ? std::wstring(buffer, n) : std::wstring();
  }

  FoundExecutable FindProgramFor(const std::wstring& file, const std::wstring& directory) override {
    wchar_t program[MAX_PATH] = {};
    const auto code = reinterpret_cast<intptr_t>(FindExecutableW(file.c_str(), directory.c_str(), program));
    return {code, code > 32 ? std::wstring(program) : std::wstring()};
  }

  void Execute(WindowHandle owner, const std::wstring& verb, const std::wstring& file, const std::wstring& parameters,
               const std::wstring& directory, int show) override {
    ShellExecuteW(static_cast<HWND>(owner), OrNull(verb), file.c_str(), OrNull(parameters), OrNull(directory), show);
  }

  void StartProcess(const std::wstring& commandLine, int show) override {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = WORD(show);
    PROCESS_INFORMATION pi{};
    std::wstring writable = commandLine;  // CreateProcessW may write into it
    if (CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
      // Not waited for: the handles are only closed.
      UniqueKernelHandle process(pi.hProcess), thread(pi.hThread);
    }
  }
};

}  // namespace

Shell& PlatformShell() {
  static WindowsShell shell;
  return shell;
}

}  // namespace oravin
