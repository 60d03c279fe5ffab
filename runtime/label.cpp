#include "runtime/label.h"

#include <windowsx.h>

#include "runtime/font_win32.h"
#include "runtime/persistent_image.h"

namespace oravin {

void PaintParentBackground(HWND child, HDC dc) {
  HWND parent = GetParent(child);
  POINT origin{0, 0};
  MapWindowPoints(child, parent, &origin, 1);
  POINT old;
  OffsetViewportOrgEx(dc, -origin.x, -origin.y, &old);
  SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

bool Label::Create(HWND parent, const TwipsRect& at, const std::wstring& caption, const Look& look) {
  caption_ = caption;
  look_ = look;
  // The caption is also the window's text, for screen readers and other programs.
  if (!Window::Create({.className = L"Oravin.Label", .style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, .title = caption.c_str(),
                       .parent = parent})) {
    return false;
  }
  Changed();
  Move(at.left, at.top, at.width, at.height);
  return true;
}

void Label::SetCaption(const std::wstring& caption) {
  caption_ = caption;
  SetWindowTextW(hwnd(), caption.c_str());
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void Label::SetFontBold(bool bold) {
  // The font object is the label's own, so this changes no other control.
  if (!look_.font) look_.font = std::make_shared<oravin::Font>();
  look_.font = std::make_shared<oravin::Font>(*look_.font);
  look_.font->Bold = bold;
  Changed();
}

void Label::Changed() {
  if (look_.font) {
    ScopedGetDC screen(nullptr);
    gdiFont_ = CreateGdiFont(*look_.font, GetDeviceCaps(screen.get(), LOGPIXELSY));
  }
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void Label::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd(), &ps);
  RECT r;
  GetClientRect(hwnd(), &r);
  if (look_.backColor == kTransparent) {
    PaintParentBackground(hwnd(), dc);
  } else {
    UniqueBrush back(CreateSolidBrush(ResolveColor(look_.backColor)));
    FillRect(dc, &r, back.get());
  }
  if (!caption_.empty()) {
    ScopedSelect font(dc, gdiFont_ ? static_cast<HGDIOBJ>(gdiFont_.get()) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ResolveColor(look_.foreColor));
    DrawTextW(dc, caption_.c_str(), int(caption_.size()), &r,
              DT_LEFT | (look_.wordWrap ? DT_WORDBREAK : DT_SINGLELINE));  // "&A" underlines the A
  }
  EndPaint(hwnd(), &ps);
}

LRESULT Label::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SETCURSOR:
      if (look_.cursor && LOWORD(lp) == HTCLIENT) {
        SetCursor(look_.cursor);
        return TRUE;
      }
      break;
    case WM_LBUTTONDOWN:
      pressed_ = true;
      SetCapture(hwnd());
      return 0;
    case WM_LBUTTONUP: {
      const bool wasPressed = pressed_;
      pressed_ = false;
      ReleaseCapture();
      RECT r;
      GetClientRect(hwnd(), &r);
      const POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      if (wasPressed && PtInRect(&r, at) && Click) Click();
      return 0;
    }
  }
  return DefaultProc(msg, wp, lp);
}

}  // namespace oravin
