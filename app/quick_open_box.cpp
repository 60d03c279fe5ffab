#include "app/quick_open_box.h"

#include <commctrl.h>
#include <imm.h>

#include <algorithm>

#include "app/main_window_look.h"
#include "app/pages/page_look.h"
#include "effects/window_shape.h"
#include "runtime/dpi.h"
#include "runtime/font_win32.h"
#include "runtime/message_loop.h"

namespace oravin {
namespace {

constexpr wchar_t kClassName[] = L"Oravin.frmQuickOpen";
constexpr wchar_t kCaption[] = L"快速打开";
constexpr size_t kMostResults = 9;

// The main window's look: its background, the pages' colour behind the text,
// the lists' selection bar.
constexpr COLORREF kBackColor = kFormBackColor;
constexpr COLORREF kFieldColor = kPageBackColor;
constexpr COLORREF kTextColor = 0x00000000;
constexpr COLORREF kAddressColor = 0x00707070;
constexpr COLORREF kSelectionColor = 0x00FF8C1A;
constexpr COLORREF kSelectedTextColor = 0x00FFFFFF;
constexpr COLORREF kSelectedAddressColor = 0x00F5E6D2;

// Pixels at 96 dpi, inside the frame that ShapeForm paints (a 15-pixel strip
// along the top, 6 pixels at the sides).
constexpr int kWidth = 420;
constexpr int kMargin = 14;
constexpr int kInner = kWidth - 2 * kMargin;
constexpr int kQueryTop = 22, kQueryHeight = 25;
constexpr int kResultsTop = 53;
constexpr int kRow = 24;
constexpr int kHeight = kResultsTop + int(kMostResults) * kRow + kMargin;
constexpr int kIcon = 16, kGap = 6;

std::shared_ptr<Font> BoxFont() { return std::make_shared<Font>(L"Tahoma", 10, false, 0); }

void DrawTextIn(HDC dc, const std::wstring& text, RECT& r, COLORREF color) {
  SetTextColor(dc, color);
  DrawTextW(dc, text.c_str(), int(text.size()), &r,
            DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX | DT_LEFT);
}

}  // namespace

bool QuickOpenBox::CreateWindowAndControls(HWND owner) {
  if (hwnd()) return true;
  if (!Create({.className = kClassName,
               .style = WS_POPUP | WS_CLIPCHILDREN,
               .exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST,
               .title = kCaption,
               .parent = owner})) {
    return false;
  }
  SetBackColor(kBackColor);
  SetDesignSize(kWidth, kHeight);
  UseDialogKeys(hwnd());
  queryBox.Create(hwnd(), {kMargin, kQueryTop, kInner, kQueryHeight}, L"", kFieldColor);
  queryBox.SetFont(BoxFont());
  queryBox.Changed = [this] { Refine(); };
  SetWindowSubclass(queryBox.hwnd(), QueryKeys, 0, reinterpret_cast<DWORD_PTR>(this));
  fieldBrush_.reset(CreateSolidBrush(kFieldColor));
  results_.reset(CreateWindowExW(0, L"LISTBOX", L"",
                                 WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY |
                                     LBS_NOINTEGRALHEIGHT,
                                 0, 0, 0, 0, hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr));
  LayOutResults();
  return bool(results_);
}

int QuickOpenBox::Px(int designPixels) const { return ScaleToDpi(designPixels, DpiOf(hwnd())); }

// The results are a system list box, which the forms' own layout does not
// know: placed, given their font and row height at the box's DPI here.
void QuickOpenBox::LayOutResults() {
  resultFont_ = CreateGdiFont(*BoxFont(), DpiOf(hwnd()));
  SetWindowPos(results_.get(), nullptr, Px(kMargin), Px(kResultsTop), Px(kInner),
               Px(int(kMostResults) * kRow), SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(results_.get(), LB_SETITEMHEIGHT, 0, Px(kRow));
}

void QuickOpenBox::Rescaled() {
  LayOutResults();
  if (IsOpen()) ShapeForm(*this);
}

void QuickOpenBox::Open(HWND owner) {
  if (!CreateWindowAndControls(owner)) return;
  PlaceUnderThePointer();
  ShowWindow(hwnd(), SW_SHOW);
  ShapeForm(*this);
  // The global key gives the program the right to come to the front.
  SetForegroundWindow(hwnd());
  queryBox.SetText(L"");
  Refine();
  SetFocus(queryBox.hwnd());
  UseLettersFirst();
}

void QuickOpenBox::Close() {
  if (IsOpen()) ShowWindow(hwnd(), SW_HIDE);
}

// In the upper third of the monitor the pointer is on, across its middle.
void QuickOpenBox::PlaceUnderThePointer() {
  POINT pointer{};
  GetCursorPos(&pointer);
  MONITORINFO monitor{.cbSize = sizeof(MONITORINFO)};
  GetMonitorInfoW(MonitorFromPoint(pointer, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  const SIZE size = PixelSize();
  const int w = size.cx, h = size.cy;
  const int x = work.left + (work.right - work.left - w) / 2;
  const int y = work.top + std::max<int>(0, ((work.bottom - work.top) / 3 - h) / 2);
  SetWindowPos(hwnd(), HWND_TOPMOST, x, y, w, h, SWP_NOACTIVATE);
}

// A Chinese input method would turn the letters of "bd" into characters:
// the box starts in its alphanumeric mode, and the user may switch back.
void QuickOpenBox::UseLettersFirst() {
  HIMC context = ImmGetContext(queryBox.hwnd());
  if (!context) return;
  DWORD conversion = 0, sentence = 0;
  if (ImmGetConversionStatus(context, &conversion, &sentence)) {
    ImmSetConversionStatus(context, conversion & ~(IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE), sentence);
  }
  ImmReleaseContext(queryBox.hwnd(), context);
}

void QuickOpenBox::Refine() {
  matches_ = source_.search(queryBox.Text(), kMostResults);
  HWND list = results_.get();
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const QuickMatch& match : matches_) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(source_.favorite(match).title.c_str()));
  }
  fallback_ = matches_.empty() && source_.fallback ? source_.fallback(queryBox.Text()) : std::nullopt;
  if (fallback_) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(fallback_->text.c_str()));
  // The best match, or the fallback, is selected: Enter opens it at once.
  SendMessageW(list, LB_SETCURSEL, 0, 0);
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

void QuickOpenBox::Refresh() {
  if (!IsOpen()) return;
  const LRESULT selected = SendMessageW(results_.get(), LB_GETCURSEL, 0, 0);
  Refine();
  if (selected > 0 && size_t(selected) < matches_.size()) SendMessageW(results_.get(), LB_SETCURSEL, WPARAM(selected), 0);
}

void QuickOpenBox::ForgetSelected() {
  const LRESULT selected = SendMessageW(results_.get(), LB_GETCURSEL, 0, 0);
  if (selected < 0 || size_t(selected) >= matches_.size()) return;
  source_.forget(matches_[size_t(selected)]);
  Refine();
}

void QuickOpenBox::OpenSelected() {
  const LRESULT selected = SendMessageW(results_.get(), LB_GETCURSEL, 0, 0);
  // Out of the way first: a message about the favorite must not sit behind a topmost box.
  if (selected == 0 && fallback_) {
    Close();
    return fallback_->open();
  }
  if (selected < 0 || size_t(selected) >= matches_.size()) return;
  const QuickMatch match = matches_[size_t(selected)];
  Close();
  source_.open(match);
}

void QuickOpenBox::DrawResult(const DRAWITEMSTRUCT& item) {
  if (item.itemID == 0 && fallback_) return DrawRow(item, {fallback_->text, L""}, fallback_->icon);
  if (item.itemID == UINT(-1) || item.itemID >= matches_.size()) return;
  const QuickMatch match = matches_[item.itemID];
  DrawRow(item, source_.favorite(match), source_.icon(match), source_.origin(match));
}

// The icon of the favorite's list, its title and, dimmer, its address and where it comes from.
void QuickOpenBox::DrawRow(const DRAWITEMSTRUCT& item, const Favorite& favorite, const PicturePtr& picture,
                           const std::wstring& origin) {
  const bool selected = item.itemState & ODS_SELECTED;
  HDC dc = item.hDC;
  UniqueBrush back(CreateSolidBrush(selected ? kSelectionColor : kFieldColor));
  FillRect(dc, &item.rcItem, back.get());
  const int icon = Px(kIcon), gap = Px(kGap);
  const int rowHeight = item.rcItem.bottom - item.rcItem.top;
  picture->Render(dc, item.rcItem.left + gap, item.rcItem.top + (rowHeight - icon) / 2, icon, icon);
  ScopedSelect font(dc, resultFont_.get());
  SetBkMode(dc, TRANSPARENT);
  RECT text = item.rcItem;
  text.left += gap + icon + gap;
  text.right -= gap;
  // The title takes what it needs, up to two thirds of the row; the address the rest.
  // Without an address the title has the row.
  RECT measured = text;
  DrawTextW(dc, favorite.title.c_str(), int(favorite.title.size()), &measured, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
  RECT title = text;
  if (!favorite.address.empty()) {
    title.right = std::min<LONG>(measured.right, text.left + (text.right - text.left) * 2 / 3);
  }
  DrawTextIn(dc, favorite.title, title, selected ? kSelectedTextColor : kTextColor);
  RECT address = text;
  address.left = title.right + 2 * gap;
  const COLORREF dimmer = selected ? kSelectedAddressColor : kAddressColor;
  if (!origin.empty()) {
    RECT measuredOrigin = address;
    DrawTextW(dc, origin.c_str(), int(origin.size()), &measuredOrigin, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
    RECT at = address;
    at.left = std::max(address.left, address.right - (measuredOrigin.right - measuredOrigin.left));
    DrawTextIn(dc, origin, at, dimmer);
    address.right = at.left - gap;
  }
  DrawTextIn(dc, favorite.address, address, dimmer);
}

LRESULT CALLBACK QuickOpenBox::QueryKeys(HWND edit, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
  if (msg == WM_KEYDOWN && (wp == VK_UP || wp == VK_DOWN || wp == VK_PRIOR || wp == VK_NEXT)) {
    // The moves of a list: handed to the results, the typing stays in the field.
    SendMessageW(reinterpret_cast<QuickOpenBox*>(self)->results_.get(), msg, wp, lp);
    return 0;
  }
  if (msg == WM_KEYDOWN && wp == VK_DELETE && GetKeyState(VK_SHIFT) < 0) {
    reinterpret_cast<QuickOpenBox*>(self)->ForgetSelected();
    return 0;
  }
  if (msg == WM_NCDESTROY) RemoveWindowSubclass(edit, QueryKeys, 0);
  return DefSubclassProc(edit, msg, wp, lp);
}

LRESULT QuickOpenBox::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_MEASUREITEM:
      reinterpret_cast<MEASUREITEMSTRUCT*>(lp)->itemHeight = UINT(Px(kRow));
      return TRUE;
    case WM_DRAWITEM:
      DrawResult(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
      return TRUE;
    case WM_CTLCOLORLISTBOX:
      return reinterpret_cast<LRESULT>(fieldBrush_.get());
    case WM_ACTIVATE:
      // A click elsewhere closes the box, as it does a menu.
      if (LOWORD(wp) == WA_INACTIVE) Close();
      break;
    case WM_COMMAND:
      if (lp == 0 && LOWORD(wp) == IDOK) {
        OpenSelected();
        return 0;
      }
      if (lp == 0 && LOWORD(wp) == IDCANCEL) {
        Close();
        return 0;
      }
      if (reinterpret_cast<HWND>(lp) == results_.get()) {
        if (HIWORD(wp) == LBN_DBLCLK) OpenSelected();
        // A click chooses; the typing goes on in the field.
        if (HIWORD(wp) == LBN_SELCHANGE && GetFocus() == results_.get()) SetFocus(queryBox.hwnd());
        return 0;
      }
      break;
    case WM_CLOSE:
      Close();
      return 0;
  }
  return Form::OnMessage(msg, wp, lp);
}

}  // namespace oravin
