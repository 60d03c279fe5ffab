#include "runtime/label.h"

#include <windowsx.h>

#include "runtime/dpi.h"
#include "runtime/font_win32.h"
#include "runtime/persistent_image.h"

namespace oravin {
namespace {

constexpr wchar_t kShowsParentProperty[] = L"Oravin.ShowsParent";

}  // namespace

void PaintParentBackground(HWND child, HDC dc) {
  SetPropW(child, kShowsParentProperty, child);
  HWND parent = GetParent(child);
  POINT origin{0, 0};
  MapWindowPoints(child, parent, &origin, 1);
  POINT old;
  OffsetViewportOrgEx(dc, -origin.x, -origin.y, &old);
  SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

bool ShowsParent(HWND child) { return GetPropW(child, kShowsParentProperty) != nullptr; }

bool Label::Create(HWND parent, const LayoutRect& at, const std::wstring& caption, const Look& look) {
  caption_ = caption;
  look_ = look;
  // The caption is also the window's text, for screen readers and other programs.
  // A link is a control of its own, not part of the option group before it.
  const DWORD tabStop = look.tabStop ? WS_TABSTOP | WS_GROUP : 0;
  const DWORD ellipsis = look.pathEllipsis ? SS_PATHELLIPSIS : 0;
  if (!Window::Create({.className = L"Oravin.Label",
                       .style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | tabStop | ellipsis,
                       .title = caption.c_str(),
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
  const int dpi = DpiOf(hwnd());
  if (look_.font) {
    gdiFont_ = CreateGdiFont(*look_.font, dpi);
  } else if (dpi != SystemDpi()) {
    // The system's font is made for the system's DPI; on a monitor of another
    // scale the label takes the same font at its own.
    LOGFONTW system{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof system, &system);
    system.lfHeight = MulDiv(system.lfHeight, dpi, SystemDpi());
    gdiFont_.reset(CreateFontIndirectW(&system));
  } else {
    gdiFont_.reset();
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
    ScopedSelect font(dc, DrawingFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ResolveColor(look_.foreColor));
    DrawTextW(dc, caption_.c_str(), int(caption_.size()), &r, TextFormat());  // "&A" underlines the A
    if (GetFocus() == hwnd()) DrawFocus(dc, r);  // only the keyboard gives a label the focus
  }
  EndPaint(hwnd(), &ps);
}

// Around the text, as far as the label reaches.
void Label::DrawFocus(HDC dc, const RECT& client) {
  RECT text = client;
  DrawTextW(dc, caption_.c_str(), int(caption_.size()), &text, DT_CALCRECT | TextFormat());
  IntersectRect(&text, &text, &client);
  DrawFocusRect(dc, &text);
}

UINT Label::TextFormat() const {
  return DT_LEFT | (look_.wordWrap ? DT_WORDBREAK : DT_SINGLELINE) | (look_.pathEllipsis ? DT_PATH_ELLIPSIS : 0);
}

HFONT Label::DrawingFont() const {
  return gdiFont_ ? gdiFont_.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void Label::OnKeyDown(WPARAM key, LPARAM flags) {
  const bool repeated = (flags & (1 << 30)) != 0;
  if ((key == VK_RETURN || key == VK_SPACE) && !repeated && Click) Click();
}

LRESULT Label::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SETCURSOR:
      if (look_.handPointer && LOWORD(lp) == HTCLIENT) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(DrawingFont());
    case WM_GETDLGCODE: {
      // Enter clicks a focused link instead of reaching the window.
      const auto* key = reinterpret_cast<const MSG*>(lp);
      if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) return DLGC_WANTMESSAGE;
      break;
    }
    case WM_KEYDOWN:
      OnKeyDown(wp, lp);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(hwnd(), nullptr, FALSE);
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
