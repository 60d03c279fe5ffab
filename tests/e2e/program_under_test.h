#pragma once
// Starts the real oravin.exe from a program folder of the test's own.
#include <windows.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "runtime/handles.h"

namespace oravin::testing {

class ProgramUnderTest {
 public:
  // Copies the program into folder (which the test prepares, Bin files and all),
  // unless it is there already.
  explicit ProgramUnderTest(const std::filesystem::path& folder);
  ~ProgramUnderTest();  // ends the process if the test left it running

  bool Start();
  // The main window, once it is there.
  HWND WaitForMainWindow(int timeoutMs = 15000);
  // Whether the process ended within the time.
  bool WaitForExit(int timeoutMs = 15000);
  DWORD ExitCode() const;
  DWORD ProcessId() const { return processId_; }
  const std::filesystem::path& exe() const { return exe_; }

 private:
  std::filesystem::path exe_;
  UniqueKernelHandle process_;
  DWORD processId_ = 0;
};

// Top-level windows of the main window's class that belong to a process.
HWND FindMainWindowOf(DWORD processId);

// Driving the program from outside, as a user would.
// The deepest visible child of the main window at a point of its client area,
// given in pixels at 96 dpi.
HWND ControlAt(HWND main, int x, int y);
// A real left click at that point (the pointer moves there).
void ClickAt(HWND main, int x, int y);
std::wstring WindowText(HWND window);
// The texts of a list box of another process.
std::vector<std::wstring> ListTexts(HWND list);
// Waits until a page other than `left` is in front, its animation has ended on
// its whole rectangle and the program is back in its message loop: a click
// sooner can be lost under Wine, which no person's click is.
bool WaitForPageSwitch(HWND main, HWND left = nullptr);
// A click that brings another page to the front, and the end of that switch.
bool ClickToPage(HWND main, POINT at);
// Waits until the title row shows the title, as it does when a page switch
// ends, and for the end of that switch.
bool WaitForTitle(HWND main, const std::wstring& title);
// Through the main menu to the page whose title is given.
bool ChooseFromMainMenu(HWND main, POINT menuItem, const std::wstring& title);
// Real key input to the window in front: PressKey(VK_TAB, {VK_SHIFT}) is Shift+Tab.
void PressKey(WORD key, std::initializer_list<WORD> held = {});
// Types characters as such, whatever the keyboard layout.
void TypeText(const std::wstring& text);
// Makes the main window the one the keyboard types into; false when it would not come.
bool BringToKeyboard(HWND main);
// The window of the main window's thread that has the keyboard focus.
HWND FocusOf(HWND main);
// Waits for a message box of the process with the given title, answers it with
// OK and returns its text ("" when none came).
std::wstring AnswerMessageBox(DWORD processId, const std::wstring& title, int timeoutMs = 10000);

// A recording stand-in (ORAVIN_FAKE_BROWSER) registered as the program for
// web pages and for http while the object lives. The program under test
// inherits the test's environment, and with it where the stand-in writes.
class RegisteredFakeBrowser {
 public:
  explicit RegisteredFakeBrowser(const std::filesystem::path& log);
  ~RegisteredFakeBrowser();
  RegisteredFakeBrowser(const RegisteredFakeBrowser&) = delete;
  RegisteredFakeBrowser& operator=(const RegisteredFakeBrowser&) = delete;

  // The address the stand-in was started with (UTF-8), once it has been
  // started; "" when it was not. The next start is awaited afresh.
  std::string TakeAddress(int timeoutMs = 10000);

 private:
  std::filesystem::path log_;
};

}  // namespace oravin::testing
