#include "runtime/radio_button.h"

namespace oravin {

bool RadioButton::Create(HWND parent, const LayoutRect& at, const std::wstring& caption, COLORREF backColor,
                          bool firstOfGroup) {
  backColor_ = backColor;
  return CreateChild(L"BUTTON", BS_AUTORADIOBUTTON | (firstOfGroup ? WS_GROUP | WS_TABSTOP : 0), parent, at,
                     caption);
}

void RadioButton::Select() {
  // The group runs from the WS_GROUP button up to the next one.
  HWND first = hwnd();
  while (!(GetWindowLongW(first, GWL_STYLE) & WS_GROUP)) {
    HWND previous = GetWindow(first, GW_HWNDPREV);
    if (!previous) break;
    first = previous;
  }
  for (HWND b = first; b; b = GetWindow(b, GW_HWNDNEXT)) {
    if (b != first && (GetWindowLongW(b, GWL_STYLE) & WS_GROUP)) break;
    SendMessageW(b, BM_SETCHECK, b == hwnd() ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

bool RadioButton::OnReflected(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
  if (msg == WM_CTLCOLORSTATIC || msg == WM_CTLCOLORBTN) {
    result = Colors(reinterpret_cast<HDC>(wp), backColor_, 0x80000012);
    return true;
  }
  return false;
}

}  // namespace oravin
