#include "runtime/check_box.h"

namespace oravin {

namespace {
constexpr COLORREF kButtonText = 0x80000012;
}

bool CheckBox::Create(HWND parent, const LayoutRect& at, const std::wstring& caption, COLORREF backColor) {
  backColor_ = backColor;
  // Three states, so a greyed value read from the settings shows as such; a
  // click only ever ticks or clears.
  return CreateChild(L"BUTTON", BS_3STATE | WS_TABSTOP, parent, at, caption);
}

int16_t CheckBox::Value() const {
  switch (SendMessageW(hwnd(), BM_GETCHECK, 0, 0)) {
    case BST_CHECKED: return 1;
    case BST_INDETERMINATE: return 2;
    default: return 0;
  }
}

bool CheckBox::SetValue(int16_t value) {
  static const WPARAM states[] = {BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE};
  if (value < 0 || value > 2) return false;
  SendMessageW(hwnd(), BM_SETCHECK, states[value], 0);
  return true;
}

bool CheckBox::OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg == WM_CTLCOLORSTATIC || msg == WM_CTLCOLORBTN) {
    result = Colors(reinterpret_cast<HDC>(wp), backColor_, kButtonText);
    return true;
  }
  if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) {
    SetValue(Value() == 1 ? 0 : 1);
    result = 0;
    return true;
  }
  (void)lp;
  return false;
}

}  // namespace oravin
