#pragma once
// The program's message loop, and the dialog keys it gives the top-level
// windows that ask for them.
#include <windows.h>

namespace oravin {

// Tab and Shift+Tab, access keys and the arrows within an option group work
// in the window as in a dialog box. Enter and Escape reach the window as
// WM_COMMAND IDOK and IDCANCEL from no control, unless the control with the
// focus asks for them in WM_GETDLGCODE.
void UseDialogKeys(HWND topLevel);

// While held, what the user types or clicks in the top-level window and its
// children, and the global keys it registered, are dropped from the queue
// unhandled. Not counted: one hold per window.
void HoldInput(HWND topLevel, bool held);

// Hands one message taken from the queue to its window.
void DispatchQueuedMessage(MSG& msg);

// Runs until WM_QUIT and returns its exit code.
int RunMessageLoop();

}  // namespace oravin
