#include "runtime/surface.h"

#include <windowsx.h>

#include <algorithm>

#include "runtime/dpi.h"
#include "runtime/font_win32.h"
#include "runtime/rounding.h"

namespace oravin {
namespace {

int ButtonsHeld(WPARAM wp) {
  int buttons = 0;
  if (wp & MK_LBUTTON) buttons |= 1;
  if (wp & MK_RBUTTON) buttons |= 2;
  if (wp & MK_MBUTTON) buttons |= 4;
  return buttons;
}

MouseArgs MakeMouseArgs(int button, LPARAM lp) {
  return MouseArgs{button, GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
}

// Every key but Tab is the surface's own, Enter and Escape too: each raises
// its key events. Tab moves on to the next control, as in any dialog.
LRESULT DialogCode(const MSG* key) {
  const bool tab = key && key->message == WM_KEYDOWN && key->wParam == VK_TAB;
  return DLGC_WANTARROWS | DLGC_WANTCHARS | (key && !tab ? DLGC_WANTMESSAGE : 0);
}

}  // namespace

Surface::Surface() : font_(std::make_shared<oravin::Font>()) {}

bool Surface::Create(HWND parent, const RECT& rect, bool tabStop, const wchar_t* className) {
  CreateArgs args{className};
  args.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | (tabStop ? WS_TABSTOP : 0);
  args.rect = rect;
  args.parent = parent;
  args.classStyle = CS_DBLCLKS;
  return Window::Create(args);
}

int Surface::ClientWidth() const {
  RECT r{};
  GetClientRect(hwnd(), &r);
  return r.right;
}

int Surface::ClientHeight() const {
  RECT r{};
  GetClientRect(hwnd(), &r);
  return r.bottom;
}

double Surface::DesignToPixels(double designPixels) { return DesignToDpi(designPixels, DpiOf(hwnd())); }

void Surface::SyncImageSize() { image_.EnsureSize(ClientWidth(), ClientHeight(), backColor_); }

void Surface::SelectDrawingObjects() {
  HDC dc = image_.dc();
  const int dpi = DpiOf(hwnd());
  if (!gdiFont_ || !madeFont_.SameLook(*font_) || madeDpi_ != dpi) {
    UniqueFont made = CreateGdiFont(*font_, dpi);
    SelectObject(dc, made.get());  // the old font must leave the DC before it is deleted
    gdiFont_ = std::move(made);
    madeFont_ = *font_;
    madeDpi_ = dpi;
  }
  if (!pen_ || penColor_ != foreColor_) {
    UniquePen made(CreatePen(PS_SOLID, 1, ResolveColor(foreColor_)));
    SelectObject(dc, made.get());
    pen_ = std::move(made);
    penColor_ = foreColor_;
  }
  if (!brush_ || brushColor_ != fillColor_ || brushStyle_ != fillStyle_) {
    LOGBRUSH lb{fillStyle_ == FillStyle::Solid ? UINT(BS_SOLID) : UINT(BS_NULL), ResolveColor(fillColor_), 0};
    UniqueBrush made(CreateBrushIndirect(&lb));
    SelectObject(dc, made.get());
    brush_ = std::move(made);
    brushColor_ = fillColor_;
    brushStyle_ = fillStyle_;
  }
  // Selecting again is cheap and covers a device context renewed by a resize.
  SelectObject(dc, gdiFont_.get());
  SelectObject(dc, pen_.get());
  SelectObject(dc, brush_.get());
  SetTextColor(dc, ResolveColor(foreColor_));
  SetBkMode(dc, TRANSPARENT);
}

HDC Surface::ImageDC() {
  SyncImageSize();
  SelectDrawingObjects();
  return image_.dc();
}

void Surface::ClearImage() {
  SyncImageSize();
  image_.Clear(backColor_);
  if (picture_) {
    picture_->Render(image_.dc(), 0, 0, R(DesignToPixels(picture_->Width())), R(DesignToPixels(picture_->Height())));
  }
}

void Surface::Refresh() {
  InvalidateRect(hwnd(), nullptr, FALSE);
  UpdateWindow(hwnd());
}

void Surface::SetBackColor(COLORREF color) {
  backColor_ = color;
  ClearImage();
}

void Surface::SetFont(FontPtr font) {
  if (font) font_ = std::move(font);
}

SIZE Surface::MeasureText(std::wstring_view text) {
  HDC dc = ImageDC();
  SIZE total{0, 0};
  size_t start = 0;
  for (;;) {
    const size_t end = std::min(text.find(L'\n', start), text.size());
    std::wstring_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == L'\r') line.remove_suffix(1);
    SIZE size{};
    // An empty line still takes the height of the font.
    GetTextExtentPoint32W(dc, line.empty() ? L" " : line.data(), line.empty() ? 1 : int(line.size()), &size);
    total.cx = std::max(total.cx, line.empty() ? 0L : size.cx);
    total.cy += size.cy;
    if (end == text.size()) break;
    start = end + 1;
  }
  return total;
}

int Surface::TextHeight(std::wstring_view text) { return MeasureText(text).cy; }
int Surface::TextWidth(std::wstring_view text) { return MeasureText(text).cx; }

void Surface::SetPicture(PicturePtr picture) { picture_ = std::move(picture); }

void Surface::DrawPicture(const oravin::Picture& picture, int x, int y, int width, int height) {
  picture.Render(ImageDC(), x, y, width, height);
}

LRESULT Surface::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;  // the image covers everything
    case WM_SIZE:
      SyncImageSize();
      return 0;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_SETCURSOR:
      if (SetPointer(lp)) return TRUE;
      break;
    case WM_MOUSEMOVE:
      OnMouseMove(MakeMouseArgs(ButtonsHeld(wp), lp));
      return 0;
    case WM_LBUTTONDOWN:
      ButtonDown(1, lp);
      return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:  // only the left button double-clicks
      ButtonDown(2, lp);
      return 0;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      ButtonDown(4, lp);
      return 0;
    case WM_LBUTTONDBLCLK:
      LeftDoubleClick();
      return 0;
    case WM_LBUTTONUP:
      ButtonUp(1, wp, lp);
      return 0;
    case WM_RBUTTONUP:
      ButtonUp(2, wp, lp);
      return 0;
    case WM_MBUTTONUP:
      ButtonUp(4, wp, lp);
      return 0;
    case WM_CAPTURECHANGED:
      leftPressed_ = false;
      return 0;
    case WM_GETDLGCODE:
      return DialogCode(reinterpret_cast<const MSG*>(lp));
    case WM_KEYDOWN:
      OnKeyDown(int(wp));
      return 0;
    case WM_KEYUP:
      OnKeyUp(int(wp));
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      OnFocusChanged(msg == WM_SETFOCUS);
      return 0;
  }
  return DefaultProc(msg, wp, lp);
}

void Surface::Paint() {
  SyncImageSize();
  BeforePaint();
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd(), &ps);
  image_.PaintTo(dc, ps.rcPaint);
  EndPaint(hwnd(), &ps);
}

bool Surface::SetPointer(LPARAM lp) {
  if (LOWORD(lp) != HTCLIENT) return false;
  SetCursor(cursor_ ? cursor_ : LoadCursorW(nullptr, IDC_ARROW));
  return true;
}

void Surface::ButtonDown(int button, LPARAM lp) {
  SetFocus(hwnd());
  // Capture, so the release is seen even when it happens outside.
  SetCapture(hwnd());
  if (button == 1) {
    leftPressed_ = true;
    afterDoubleClick_ = false;
  }
  OnMouseDown(MakeMouseArgs(button, lp));
}

void Surface::LeftDoubleClick() {
  SetFocus(hwnd());
  SetCapture(hwnd());
  leftPressed_ = false;
  afterDoubleClick_ = true;
  OnDoubleClick();
}

void Surface::ButtonUp(int button, WPARAM wp, LPARAM lp) {
  const bool clicked = button == 1 && leftPressed_ && !afterDoubleClick_;
  if (button == 1) {
    leftPressed_ = false;
    afterDoubleClick_ = false;
  }
  if (!(wp & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) && GetCapture() == hwnd()) ReleaseCapture();
  OnMouseUp(MakeMouseArgs(button, lp));
  RECT client{};
  GetClientRect(hwnd(), &client);
  const POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  if (clicked && PtInRect(&client, at)) OnClick();
}

}  // namespace oravin
