#include "runtime/form.h"

#include "runtime/child_control.h"
#include "runtime/dpi.h"
#include "runtime/label.h"

namespace oravin {

int Form::ClientWidth() const {
  RECT r{};
  GetClientRect(hwnd(), &r);
  return r.right;
}

int Form::ClientHeight() const {
  RECT r{};
  GetClientRect(hwnd(), &r);
  return r.bottom;
}

void Form::SyncImageSize() { image_.EnsureSize(ClientWidth(), ClientHeight(), backColor_); }

HDC Form::ImageDC() {
  SyncImageSize();
  return image_.dc();
}

void Form::ClearImage() {
  SyncImageSize();
  image_.Clear(backColor_);
}

void Form::Refresh() {
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  // Children that let the form show through must repaint with it; the others
  // cover their part whatever the form draws, and repainting them all would
  // cost as much again.
  for (HWND child = GetWindow(hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (ShowsParent(child)) RedrawWindow(child, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
}

SIZE Form::PixelSize() const {
  const int dpi = DpiOf(hwnd());
  return {ScaleToDpi(designSize_.cx, dpi), ScaleToDpi(designSize_.cy, dpi)};
}

// Where the system suggests, at the design size at the new DPI.
void Form::OnDpiChanged(const RECT& suggested) {
  const SIZE size = PixelSize();
  SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  RescaleControls(hwnd());
  Rescaled();
}

void Form::SetBackColor(COLORREF color) {
  backColor_ = color;
  ClearImage();
  Refresh();
}

LRESULT Form::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT reflected = 0;
  if (ReflectToChild(msg, wp, lp, reflected)) return reflected;
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;  // the image covers everything
    case WM_PRINTCLIENT: {
      // A see-through child asks for what lies behind it.
      SyncImageSize();
      const RECT all{0, 0, ClientWidth(), ClientHeight()};
      image_.PaintTo(reinterpret_cast<HDC>(wp), all);
      return 0;
    }
    case WM_SIZE:
      SyncImageSize();
      break;
    case WM_DPICHANGED:
      OnDpiChanged(*reinterpret_cast<const RECT*>(lp));
      return 0;
    case WM_PAINT: {
      SyncImageSize();
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd(), &ps);
      image_.PaintTo(dc, ps.rcPaint);
      EndPaint(hwnd(), &ps);
      return 0;
    }
  }
  return DefaultProc(msg, wp, lp);
}

}  // namespace oravin
