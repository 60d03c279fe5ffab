#include "runtime/hotkey_box.h"

#include <commctrl.h>

#include "runtime/common_controls.h"

namespace oravin {

bool HotkeyBox::Create(HWND parent, const LayoutRect& at) {
  EnsureCommonControls();
  if (!CreateChild(HOTKEY_CLASSW, WS_BORDER | WS_TABSTOP, parent, at, L"")) return false;
  // Neither no modifier nor Shift alone: a key every other program needs.
  SendMessageW(hwnd(), HKM_SETRULES, HKCOMB_NONE | HKCOMB_S, MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_ALT, 0));
  return true;
}

uint16_t HotkeyBox::Value() const { return uint16_t(SendMessageW(hwnd(), HKM_GETHOTKEY, 0, 0)); }

void HotkeyBox::SetValue(uint16_t value) { SendMessageW(hwnd(), HKM_SETHOTKEY, value, 0); }

bool HotkeyBox::OnReflected(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
  if (msg != WM_COMMAND || HIWORD(wp) != EN_CHANGE || !Changed) return false;
  Changed();
  result = 0;
  return true;
}

}  // namespace oravin
