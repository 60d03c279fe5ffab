#include "runtime/push_button.h"

namespace oravin {

bool PushButton::Create(HWND parent, const LayoutRect& at, const std::wstring& caption) {
  return CreateChild(L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, parent, at, caption);
}

bool PushButton::OnReflected(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
  if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) {
    if (Click) Click();
    result = 0;
    return true;
  }
  return false;
}

}  // namespace oravin
