#include "runtime/child_control.h"

#include "runtime/dpi.h"
#include "runtime/font_win32.h"
#include "runtime/persistent_image.h"
#include "runtime/window.h"

namespace oravin {
namespace {

constexpr wchar_t kControlProperty[] = L"Oravin.ChildControl";

}  // namespace

ChildControl::~ChildControl() {
  if (hwnd_) RemovePropW(hwnd_.get(), kControlProperty);
}

bool ChildControl::CreateChild(const wchar_t* windowClass, DWORD style, HWND parent, const LayoutRect& at,
                               const std::wstring& text) {
  hwnd_.reset(CreateWindowExW(0, windowClass, text.c_str(), style | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent,
                              nullptr, GetModuleHandleW(nullptr), nullptr));
  if (!hwnd_) return false;
  SetPropW(hwnd_.get(), kControlProperty, this);
  Move(at.left, at.top, at.width, at.height);
  return true;
}

void ChildControl::SetFont(std::shared_ptr<oravin::Font> font) {
  font_ = std::move(font);
  DpiChanged();
}

void ChildControl::DpiChanged() {
  UniqueFont made = font_ ? CreateGdiFont(*font_, DpiOf(hwnd())) : UniqueFont();
  // The control lets go of the old font before it is deleted.
  SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(made.get()), TRUE);
  gdiFont_ = std::move(made);
}

void ChildControl::MoveToFront() { BringToFront(hwnd()); }

bool ChildControl::OnReflected(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT ChildControl::Colors(HDC dc, COLORREF back, COLORREF fore) {
  const COLORREF resolved = ResolveColor(back);
  if (!backBrush_ || brushColor_ != resolved) {
    backBrush_.reset(CreateSolidBrush(resolved));
    brushColor_ = resolved;
  }
  SetBkColor(dc, resolved);
  SetTextColor(dc, ResolveColor(fore));
  return reinterpret_cast<LRESULT>(backBrush_.get());
}

bool ReflectToChild(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN: {
      auto* control = static_cast<ChildControl*>(GetPropW(reinterpret_cast<HWND>(lp), kControlProperty));
      return control && control->OnReflected(msg, wp, lp, result);
    }
  }
  return false;
}

}  // namespace oravin
