#include "runtime/panel.h"

#include "runtime/persistent_image.h"

namespace oravin {

bool Panel::Create(HWND parent, const LayoutRect& at, COLORREF backColor) {
  backColor_ = backColor;
  // A container: Tab goes on into the controls it holds.
  if (!Window::Create({.className = L"Oravin.Panel",
                       .style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                       .exStyle = WS_EX_CONTROLPARENT,
                       .parent = parent})) {
    return false;
  }
  Move(at.left, at.top, at.width, at.height);
  return true;
}

void Panel::MoveToFront() { BringToFront(hwnd()); }

void Panel::PaintBackground(HDC dc) {
  RECT r;
  GetClientRect(hwnd(), &r);
  UniqueBrush back(CreateSolidBrush(ResolveColor(backColor_)));
  FillRect(dc, &r, back.get());
}

LRESULT Panel::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT reflected = 0;
  if (ReflectToChild(msg, wp, lp, reflected)) return reflected;
  switch (msg) {
    case WM_ERASEBKGND:
    case WM_PRINTCLIENT:
      PaintBackground(reinterpret_cast<HDC>(wp));
      return 1;
  }
  return DefaultProc(msg, wp, lp);
}

}  // namespace oravin
