#include <windows.h>
#include <shellapi.h>
#include <shlwapi.h>

#include "actions/shell.h"
#include "runtime/handles.h"

namespace oravin {
namespace {

const wchar_t* OrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

class WindowsShell : public Shell {
 public:
  FoundExecutable FindProgramFor(const std::wstring& file, const std::wstring& directory) override {
    wchar_t program[MAX_PATH] = {};
    const auto code = reinterpret_cast<intptr_t>(FindExecutableW(file.c_str(), directory.c_str(), program));
    return {code, code > 32 ? std::wstring(program) : std::wstring()};
  }

  // Asking the association, rather than the shell about a file of that type,
  // honours the default browser the user picked in Settings (Windows 10 and
  // later keep that choice apart from the file type's own handler).
  FoundExecutable FindProgramForType(const std::wstring& extension) override {
    DWORD size = 0;
    if (AssocQueryStringW(ASSOCF_NONE, ASSOCSTR_EXECUTABLE, extension.c_str(), L"open", nullptr, &size) != S_FALSE ||
        size == 0) {
      return {kNoAssociation, {}};
    }
    std::wstring program(size, L'\0');
    if (FAILED(AssocQueryStringW(ASSOCF_NONE, ASSOCSTR_EXECUTABLE, extension.c_str(), L"open", program.data(), &size)))
      return {kNoAssociation, {}};
    program.resize(size > 0 ? size - 1 : 0);  // the count includes the terminating zero
    return {kFound, program};
  }

 private:
  // What FindExecutable answers: SE_ERR_NOASSOC, or any value above 32.
  static constexpr intptr_t kNoAssociation = SE_ERR_NOASSOC;
  static constexpr intptr_t kFound = 33;

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

Shell& SystemShell() {
  static WindowsShell shell;
  return shell;
}

}  // namespace oravin
