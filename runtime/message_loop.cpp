#include "runtime/message_loop.h"

namespace oravin {
namespace {

constexpr wchar_t kDialogKeysProperty[] = L"Oravin.DialogKeys";

}  // namespace

void UseDialogKeys(HWND topLevel) { SetPropW(topLevel, kDialogKeysProperty, topLevel); }

void DispatchQueuedMessage(MSG& msg) {
  HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
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
