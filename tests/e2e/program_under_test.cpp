#include "tests/e2e/program_under_test.h"

#include <cstdlib>
#include <iterator>
#include <vector>

#include "runtime/dpi.h"
#include "testing/scratch_dir.h"
#include "testing/win32_testing.h"
#include "tests/e2e/main_window_points.h"

namespace oravin::testing {
namespace {

// A page switch ends with its animation, 34 frames, which a busy machine may stretch.
constexpr int kPageSwitchTimeoutMs = 30000;

// The test points are pixels at 96 dpi; in pixels at the window's DPI.
POINT PixelsOf(HWND main, int x, int y) {
  const int dpi = DpiOf(main);
  return {ScaleToDpi(x, dpi), ScaleToDpi(y, dpi)};
}

// The page in front: the main window's child under the middle of the page area.
HWND FrontPage(HWND main) {
  return ChildWindowFromPointEx(main, PixelsOf(main, kListMiddle.x, kListMiddle.y), CWP_SKIPINVISIBLE);
}

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

HWND ControlAt(HWND main, int x, int y) {
  POINT at = PixelsOf(main, x, y);
  HWND window = main;
  for (;;) {
    HWND child = ChildWindowFromPointEx(window, at, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (!child || child == window) return window;
    MapWindowPoints(window, child, &at, 1);
    window = child;
  }
}

void ClickAt(HWND main, int x, int y) {
  // Real input: a posted press and release would race with the capture the
  // control takes, which Windows drops when no button is really down. The
  // position travels with each button event, so the click cannot land where
  // the pointer was before.
  POINT at = PixelsOf(main, x, y);
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

void PressKey(WORD key, std::initializer_list<WORD> held) {
  std::vector<INPUT> keys;
  const auto add = [&](WORD vk, DWORD flags) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = flags;
    keys.push_back(in);
  };
  for (WORD h : held) add(h, 0);
  add(key, 0);
  add(key, KEYEVENTF_KEYUP);
  for (auto h = std::rbegin(held); h != std::rend(held); ++h) add(*h, KEYEVENTF_KEYUP);
  SendInput(UINT(keys.size()), keys.data(), sizeof(INPUT));
}

void TypeText(const std::wstring& text) {
  std::vector<INPUT> keys;
  for (const wchar_t c : text) {
    for (const DWORD up : {DWORD(0), DWORD(KEYEVENTF_KEYUP)}) {
      INPUT in{};
      in.type = INPUT_KEYBOARD;
      in.ki.wScan = c;
      in.ki.dwFlags = KEYEVENTF_UNICODE | up;
      keys.push_back(in);
    }
  }
  SendInput(UINT(keys.size()), keys.data(), sizeof(INPUT));
}

bool BringToKeyboard(HWND main) {
  SetForegroundWindow(main);
  return PumpUntil([&] { return GetForegroundWindow() == main; });
}

HWND FocusOf(HWND main) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info) ? info.hwndFocus : nullptr;
}

std::wstring WindowText(HWND window) {
  wchar_t text[512] = {};
  // For another process's window this reads the text Windows keeps for it,
  // without waiting on that process.
  GetWindowTextW(window, text, 512);
  return text;
}

bool WaitForPageSwitch(HWND main, HWND left) {
  const auto shownWhole = [&] {
    const HWND page = FrontPage(main);
    RECT shown{}, whole{};
    GetWindowRect(page, &whole);
    OffsetRect(&whole, -whole.left, -whole.top);
    // A page that never played an animation has no region, and shows whole too.
    const int region = GetWindowRgnBox(page, &shown);
    return page != left && (region == ERROR || (region == SIMPLEREGION && EqualRect(&shown, &whole)));
  };
  DWORD_PTR answer = 0;
  // Another thread's message is answered only where the program waits for messages.
  return PumpUntil(shownWhole, kPageSwitchTimeoutMs) &&
         SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, kPageSwitchTimeoutMs, &answer);
}

bool ClickToPage(HWND main, POINT at) {
  const HWND left = FrontPage(main);
  ClickAt(main, at.x, at.y);
  return WaitForPageSwitch(main, left);
}

bool WaitForTitle(HWND main, const std::wstring& title) {
  return PumpUntil([&] { return WindowText(ControlAt(main, kTitle.x, kTitle.y)) == title; }, kPageSwitchTimeoutMs) &&
         WaitForPageSwitch(main);
}

bool ChooseFromMainMenu(HWND main, POINT menuItem, const std::wstring& title) {
  ClickAt(main, kPlug.x, kPlug.y);
  if (!WaitForTitle(main, L"Oravin")) return false;
  ClickAt(main, menuItem.x, menuItem.y);
  return WaitForTitle(main, title);
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

namespace {

void SetClassDefault(const std::wstring& key, const std::wstring& value) {
  HKEY h = nullptr;
  const LONG created = RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &h, nullptr);
  if (created != ERROR_SUCCESS) return;
  RegSetValueExW(h, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 DWORD((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(h);
}

// Wine reads file types from HKEY_CLASSES_ROOT only, not from the user's classes.
constexpr const wchar_t* kRegisteredKeys[] = {L".html", L"OravinTest.Page", L"http"};

}  // namespace

RegisteredFakeBrowser::RegisteredFakeBrowser(const std::filesystem::path& log) : log_(log) {
  const char* stand_in = std::getenv("ORAVIN_FAKE_BROWSER");
  const std::wstring command = L"\"" + std::filesystem::absolute(stand_in ? stand_in : "").wstring() + L"\" \"%1\"";
  SetClassDefault(L".html", L"OravinTest.Page");
  SetClassDefault(L"OravinTest.Page\\shell\\open\\command", command);
  SetClassDefault(L"http\\shell\\open\\command", command);
  SetEnvironmentVariableW(L"ORAVIN_FAKE_BROWSER_LOG", log_.wstring().c_str());
}

RegisteredFakeBrowser::~RegisteredFakeBrowser() {
  for (const wchar_t* key : kRegisteredKeys) RegDeleteTreeW(HKEY_CLASSES_ROOT, key);
  SetEnvironmentVariableW(L"ORAVIN_FAKE_BROWSER_LOG", nullptr);
}

std::string RegisteredFakeBrowser::TakeAddress(int timeoutMs) {
  // The stand-in's record: its raw command line, then each argument. Read
  // until the first argument is there: the file may be seen before it can be read.
  std::string record;
  size_t first = std::string::npos, second = std::string::npos;
  const bool whole = PumpUntil(
      [&] {
        record = ReadBytes(log_);
        first = record.find('\n');
        second = first == std::string::npos ? first : record.find('\n', first + 1);
        return second != std::string::npos;
      },
      timeoutMs);
  if (!whole) return {};
  std::filesystem::remove(log_);
  return record.substr(first + 1, second - first - 1);
}

// The texts of a list box of another process.
std::vector<std::wstring> ListTexts(HWND list) {
  std::vector<std::wstring> texts;
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::wstring text(size_t(SendMessageW(list, LB_GETTEXTLEN, WPARAM(i), 0)) + 1, L'\0');
    text.resize(size_t(SendMessageW(list, LB_GETTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text.data()))));
    texts.push_back(text);
  }
  return texts;
}

}  // namespace oravin::testing
