#include "runtime/text_box.h"

namespace oravin {

bool TextBox::Create(HWND parent, const LayoutRect& at, const std::wstring& text, COLORREF backColor) {
  backColor_ = backColor;
  return CreateChild(L"EDIT", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, parent, at, text);
}

std::wstring TextBox::Text() const {
  std::wstring text(size_t(GetWindowTextLengthW(hwnd())) + 1, L'\0');
  text.resize(size_t(GetWindowTextW(hwnd(), text.data(), int(text.size()))));
  return text;
}

void TextBox::SetText(const std::wstring& text) { SetWindowTextW(hwnd(), text.c_str()); }

bool TextBox::OnReflected(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
  if (msg == WM_CTLCOLOREDIT) {
    result = Colors(reinterpret_cast<HDC>(wp), backColor_, 0x80000008);
    return true;
  }
  const std::function<void()>* handler = msg != WM_COMMAND          ? nullptr
                                          : HIWORD(wp) == EN_KILLFOCUS ? &LostFocus
                                          : HIWORD(wp) == EN_CHANGE    ? &Changed
                                                                       : nullptr;
  if (!handler || !*handler) return false;
  (*handler)();
  result = 0;
  return true;
}

}  // namespace oravin
