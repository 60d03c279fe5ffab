#pragma once
// Starts the real oravin.exe from a program folder of the test's own.
#include <windows.h>

#include <filesystem>
#include <string>

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
// The deepest visible child of the main window at a point given in twips of its client area.
HWND ControlAt(HWND main, int twipsX, int twipsY);
// A real left click at that point (the pointer moves there).
void ClickAt(HWND main, int twipsX, int twipsY);
std::wstring WindowText(HWND window);
// Waits for a message box of the process with the given title, answers it with
// OK and returns its text ("" when none came).
std::wstring AnswerMessageBox(DWORD processId, const std::wstring& title, int timeoutMs = 10000);

}  // namespace oravin::testing
