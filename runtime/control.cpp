#include "runtime/control.h"

#include "runtime/screen.h"
#include "runtime/twips.h"

namespace oravin {

void Control::Move(int32_t left, int32_t top, int32_t width, int32_t height) {
  const bool resized = width != width_ || height != height_;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  const double x = Screen::TwipsPerPixelX(), y = Screen::TwipsPerPixelY();
  SetWindowPos(hwnd(), nullptr, TwipsToPixels(left, x), TwipsToPixels(top, y), TwipsToPixels(width, x),
               TwipsToPixels(height, y), SWP_NOZORDER | SWP_NOACTIVATE);
  if (resized) Resize();
}

bool Control::Visible() const { return (GetWindowLongW(hwnd(), GWL_STYLE) & WS_VISIBLE) != 0; }

void Control::SetVisible(bool visible) { ShowWindow(hwnd(), visible ? SW_SHOWNA : SW_HIDE); }

void Control::SetToolTipText(const std::wstring& text) {
  toolTipText_ = text;
  toolTip_.Set(ToolTipWindow(), text);
}

}  // namespace oravin
