#include "runtime/control.h"

#include "runtime/dpi.h"

namespace oravin {
namespace {

// Names the control of a window, so a form can find its controls when the DPI changes.
constexpr wchar_t kControlProperty[] = L"Oravin.Control";

BOOL CALLBACK RescaleOne(HWND child, LPARAM) {
  if (auto* control = static_cast<Control*>(GetPropW(child, kControlProperty))) control->Rescale();
  return TRUE;
}

}  // namespace

Control::~Control() {
  if (placed_ && GetPropW(placed_, kControlProperty) == this) RemovePropW(placed_, kControlProperty);
}

void Control::Move(int32_t left, int32_t top, int32_t width, int32_t height) {
  const bool resized = width != width_ || height != height_;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Place();
  if (resized) Resize();
}

void Control::Rescale() {
  DpiChanged();
  Place();
  Resize();
}

void Control::Place() {
  placed_ = hwnd();
  SetPropW(placed_, kControlProperty, this);
  const int dpi = DpiOf(placed_);
  SetWindowPos(placed_, nullptr, ScaleToDpi(left_, dpi), ScaleToDpi(top_, dpi), ScaleToDpi(width_, dpi),
               ScaleToDpi(height_, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Control::Visible() const { return (GetWindowLongW(hwnd(), GWL_STYLE) & WS_VISIBLE) != 0; }

void Control::SetVisible(bool visible) { ShowWindow(hwnd(), visible ? SW_SHOWNA : SW_HIDE); }

void Control::SetToolTipText(const std::wstring& text) {
  toolTipText_ = text;
  toolTip_.Set(ToolTipWindow(), text);
}

void RescaleControls(HWND window) { EnumChildWindows(window, &RescaleOne, 0); }

}  // namespace oravin
