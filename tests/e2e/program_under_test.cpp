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
  // A second copy started from the same folder uses the program already there.
  if (!std::filesystem::exists(exe_)) std::filesystem::copy_file(BuiltProgram(), exe_);
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

namespace {

struct MainWindowSearch {
  DWORD pid;
  HWND found;
};

BOOL CALLBACK FindMainWindow(HWND hwnd, LPARAM lp) {
  auto* s = reinterpret_cast<MainWindowSearch*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  wchar_t cls[64] = {};
  GetClassNameW(hwnd, cls, 64);
  if (pid == s->pid && std::wstring(cls) == L"Oravin.frmMain") {
    s->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND FindMainWindowOf(DWORD processId) {
  MainWindowSearch search{processId, nullptr};
  EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND ProgramUnderTest::WaitForMainWindow(int timeoutMs) {
  HWND hwnd = nullptr;
  PumpUntil([&] { return (hwnd = FindMainWindowOf(processId_)) != nullptr && IsWindowVisible(hwnd); }, timeoutMs);
  return hwnd;
}

HWND ControlAt(HWND main, int twipsX, int twipsY) {
  POINT at{twipsX / 15, twipsY / 15};
  HWND window = main;
  for (;;) {
    HWND child = ChildWindowFromPointEx(window, at, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (!child || child == window) return window;
    MapWindowPoints(window, child, &at, 1);
    window = child;
  }
}

void ClickAt(HWND main, int twipsX, int twipsY) {
  // Real input: a posted press and release would race with the capture the
  // control takes, which Windows drops when no button is really down. The
  // position travels with each button event, so the click cannot land where
  // the pointer was before.
  POINT at{twipsX / 15, twipsY / 15};
  ClientToScreen(main, &at);
  SetCursorPos(at.x, at.y);
  INPUT clicks[2] = {};
  for (INPUT& click : clicks) {
    click.type = INPUT_MOUSE;
    click.mi.dx = (at.x * 65536 + GetSystemMetrics(SM_CXSCREEN) / 2) / GetSystemMetrics(SM_CXSCREEN);
    click.mi.dy = (at.y * 65536 + GetSystemMetrics(SM_CYSCREEN) / 2) / GetSystemMetrics(SM_CYSCREEN);
  }
  clicks[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTDOWN;
  clicks[1].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTUP;
  SendInput(2, clicks, sizeof(INPUT));
}

std::wstring WindowText(HWND window) {
  wchar_t text[512] = {};
  // For another process's window this reads the text Windows keeps for it,
  // without waiting on that process.
  GetWindowTextW(window, text, 512);
  return text;
}

namespace {

// The message of a message box: its static control with text.
std::wstring MessageOf(HWND box) {
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t cls[32] = {};
    GetClassNameW(child, cls, 32);
    if (std::wstring(cls) == L"Static" && !WindowText(child).empty()) return WindowText(child);
  }
  return {};
}

}  // namespace

std::wstring AnswerMessageBox(DWORD processId, const std::wstring& title, int timeoutMs) {
  HWND box = nullptr;
  std::wstring text;
  // The box's window comes first and its controls a moment later: wait for the text.
  PumpUntil(
      [&] {
        box = FindWindowW(L"#32770", title.c_str());
        DWORD pid = 0;
        if (box) GetWindowThreadProcessId(box, &pid);
        if (!box || pid != processId) return false;
        text = MessageOf(box);
        return !text.empty();
      },
      timeoutMs);
  if (box) PostMessageW(box, WM_COMMAND, IDOK, 0);
  return text;
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
