#include "runtime/message_loop.h"

namespace oravin {
namespace {

constexpr wchar_t kDialogKeysProperty[] = L"Oravin.DialogKeys";
constexpr wchar_t kInputHeldProperty[] = L"Oravin.InputHeld";

bool IsUserInput(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
         (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK) || message == WM_HOTKEY;
}

}  // namespace

void UseDialogKeys(HWND topLevel) { SetPropW(topLevel, kDialogKeysProperty, topLevel); }

void HoldInput(HWND topLevel, bool held) {
  if (held) {
    SetPropW(topLevel, kInputHeldProperty, topLevel);
  } else {
    RemovePropW(topLevel, kInputHeldProperty);
  }
}

void DispatchQueuedMessage(MSG& msg) {
  HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  if (root && IsUserInput(msg.message) && GetPropW(root, kInputHeldProperty)) return;
  // IsDialogMessage translates and dispatches whatever it does not use itself.
  if (root && GetPropW(root, kDialogKeysProperty) && IsDialogMessageW(root, &msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

int RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchQueuedMessage(msg);
  return int(msg.wParam);
}

}  // namespace oravin
