#include "runtime/image_box.h"

#include "runtime/dpi.h"
#include "runtime/design_scale.h"
#include "runtime/label.h"
#include "runtime/rounding.h"

namespace oravin {

bool ImageBox::Create(HWND parent, const LayoutRect& at) {
  if (!Window::Create({.className = L"Oravin.ImageBox", .style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, .parent = parent})) {
    return false;
  }
  Move(at.left, at.top, at.width, at.height);
  return true;
}

void ImageBox::SetPicture(PicturePtr picture) {
  picture_ = std::move(picture);
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void ImageBox::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd(), &ps);
  PaintParentBackground(hwnd(), dc);
  if (picture_ && picture_->Handle()) {
    const int dpi = DpiOf(hwnd());
    const int w = R(DesignToDpi(picture_->Width(), dpi)), h = R(DesignToDpi(picture_->Height(), dpi));
    picture_->Render(dc, 0, 0, w, h);
  }
  EndPaint(hwnd(), &ps);
}

LRESULT ImageBox::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
  }
  return DefaultProc(msg, wp, lp);
}

}  // namespace oravin
