#include "tests/e2e/program_under_test.h"

#include <cstdlib>

#include "testing/win32_testing.h"

namespace oravin::testing {
namespace {

std::filesystem::path BuiltProgram() {
  const char* exe = std::getenv("ORAVIN_EXE");
  return exe ? std::filesystem::path(exe) : std::filesystem::path("oravin.exe");
}

}  // namespace

ProgramUnderTest::ProgramUnderTest(const std::filesystem::path& folder) : exe_(folder / "oravin.exe") {
  std::filesystem::create_directories(folder);
  std::filesystem::copy_file(BuiltProgram(), exe_, std::filesystem::copy_options::overwrite_existing);
}

ProgramUnderTest::~ProgramUnderTest() {
  if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.get(), 99);
    WaitForSingleObject(process_.get(), 5000);
  }
}

bool ProgramUnderTest::Start() {
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::wstring command = L"\"" + exe_.wstring() + L"\"";
  const std::wstring dir = exe_.parent_path().wstring();
  if (!CreateProcessW(exe_.wstring().c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(),
                      &si, &pi)) {
    return false;
  }
  CloseHandle(pi.hThread);
  process_.reset(pi.hProcess);
  processId_ = pi.dwProcessId;
  return true;
}

HWND FindMainWindowOf(DWORD processId) {
  struct Search {
    DWORD pid;
    HWND found;
  } search{processId, nullptr};
  EnumWindows(
      [](HWND hwnd, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lp);
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        wchar_t cls[64] = {};
        GetClassNameW(hwnd, cls, 64);
        if (pid == s->pid && std::wstring(cls) == L"Oravin.frmMain") {
          s->found = hwnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND ProgramUnderTest::WaitForMainWindow(int timeoutMs) {
  HWND hwnd = nullptr;
  PumpUntil([&] { return (hwnd = FindMainWindowOf(processId_)) != nullptr && IsWindowVisible(hwnd); }, timeoutMs);
  return hwnd;
}

bool ProgramUnderTest::WaitForExit(int timeoutMs) {
  return process_ && WaitForSingleObject(process_.get(), DWORD(timeoutMs)) == WAIT_OBJECT_0;
}

DWORD ProgramUnderTest::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (process_) GetExitCodeProcess(process_.get(), &code);
  return code;
}

}  // namespace oravin::testing
