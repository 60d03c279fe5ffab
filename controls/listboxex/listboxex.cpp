#include "controls/listboxex/listboxex.h"

#include <commctrl.h>

#include <algorithm>

#include "runtime/dpi.h"

namespace oravin {
namespace {

constexpr wchar_t kClassName[] = L"OravinListBoxEX";
constexpr UINT_PTR kScrollBarSubclass = 1;
constexpr UINT kPaintMessage = WM_USER + 1;  // posted by RequestPaint

// A colour value naming a system colour, resolved by the surface when it draws.
constexpr COLORREF SystemColor(int index) { return 0x80000000u | static_cast<COLORREF>(index); }

}  // namespace

// The item model says why an item could not be added; the control, as the
// window in front of the user, tells it.
ListBoxEX::ListBoxEX(MessageBoxSink& messageBoxes) {
  items_.OnRefusal([&messageBoxes](const Notice& refusal) { messageBoxes.Tell({refusal}); });
}

ListBoxEX::~ListBoxEX() {
  // Nothing may call back into a half-destroyed control.
  items_.OnChange(nullptr);
  if (vscroll_) RemoveWindowSubclass(vscroll_.get(), &ListBoxEX::ScrollBarProc, kScrollBarSubclass);
  vscroll_.reset();
  items_.Clear();
}

void ListBoxEX::RequestPaint() {
  if (paintPending_ || !hwnd()) return;
  paintPending_ = PostMessageW(hwnd(), kPaintMessage, 0, 0) != FALSE;
}

bool ListBoxEX::Create(const ListBoxEXArgs& args) {
  font_ = args.font ? args.font : std::make_shared<oravin::Font>();
  CreateArgs window{kClassName};
  // Tab stops at the control as a whole; the focus then goes on to the rows.
  window.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_TABSTOP;
  window.parent = args.parent;
  if (!Window::Create(window) || !CreateChildren()) return false;
  items_.OnChange([this](ListChange change) { OnItemsChanged(change); });
  ApplyFrame();
  Move(args.at.left, args.at.top, args.at.width, args.at.height);
  return true;
}

bool ListBoxEX::CreateChildren() {
  if (!rowSurface_.Create(hwnd(), RECT{})) return false;
  rowSurface_.SetBackColor(SystemColor(COLOR_WINDOW));
  rowSurface_.SetForeColor(SystemColor(COLOR_WINDOWTEXT));
  rowSurface_.SetMouseCursor(LoadCursorW(nullptr, IDC_HAND));
  vscroll_.reset(CreateWindowExW(0, L"SCROLLBAR", nullptr, WS_CHILD | SBS_VERT, 0, 0, 0, 0, hwnd(), nullptr,
                                 GetModuleHandleW(nullptr), nullptr));
  if (!vscroll_) return false;
  SetWindowSubclass(vscroll_.get(), &ListBoxEX::ScrollBarProc, kScrollBarSubclass, reinterpret_cast<DWORD_PTR>(this));
  return true;
}

LRESULT ListBoxEX::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_VSCROLL:
      OnVScroll(wp);
      return 0;
    case kPaintMessage:
      paintPending_ = false;
      Paint();
      return 0;
    case WM_SETFOCUS:
      // The control itself takes no keys: they belong to the rows.
      SetFocus(rowSurface_.hwnd());
      return 0;
  }
  return DefaultProc(msg, wp, lp);
}

void ListBoxEX::OnItemsChanged(ListChange change) {
  switch (change) {
    case ListChange::Items:
      Refresh();
      break;
    case ListChange::Cleared:
      rowSurface_.ClearImage();
      Refresh();
      break;
    case ListChange::Order:
    case ListChange::Selection:
    case ListChange::Text:
      DrawItems();
      break;
  }
}

int32_t ListBoxEX::AddItem(const std::wstring& itemText, int32_t atIndex, const std::wstring& itemKey) {
  return items_.AddItem(itemText, atIndex, itemKey);
}

void ListBoxEX::Remove(int32_t atIndex) { items_.Remove(atIndex); }

void ListBoxEX::Clear() { items_.Clear(); }

void ListBoxEX::SetItems(std::vector<std::wstring> texts) { items_.SetItems(std::move(texts)); }

void ListBoxEX::Refresh() {
  Layout();
  DrawItems();
}

void ListBoxEX::Layout() {
  rowSurface_.SetFont(font_);
  itemHeight_ = rowSurface_.TextHeight(L"A");
  RECT client{};
  GetClientRect(hwnd(), &client);
  // Without a row height the number of rows cannot change.
  if (itemHeight_ != 0) visibleCount_ = client.bottom / itemHeight_;
  const bool allFit = visibleCount_ >= ItemCount();
  const int barWidth = allFit ? 0 : SystemMetricForDpi(SM_CXVSCROLL, DpiOf(hwnd()));
  if (allFit) {
    SetScrollValue(0);
  } else {
    SetScrollMaximum(ItemCount() - visibleCount_);
  }
  Place(vscroll_.get(), RECT{client.right - barWidth, 0, client.right, client.bottom}, !allFit);
  Place(rowSurface_.hwnd(), RECT{0, 0, client.right - barWidth, client.bottom}, true);
}

// Moving or showing a window costs a round trip to the display: only what changed is touched.
void ListBoxEX::Place(HWND child, const RECT& rect, bool visible) {
  RECT now{};
  GetWindowRect(child, &now);
  MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&now), 2);
  if (!EqualRect(&now, &rect))
    SetWindowPos(child, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  if ((IsWindowVisible(child) != FALSE) != visible) ShowWindow(child, visible ? SW_SHOWNA : SW_HIDE);
}

// The view is clamped at once; the scroll bar itself is updated with the next
// paint, since every call on it costs as much as a paint under some systems.
void ListBoxEX::SetScrollMaximum(int32_t maximum) {
  scrollMaximum_ = maximum;
  SetScrollValue(topIndex_);
}

// The thumb's size shows the share of rows in view; positions run 0..maximum.
void ListBoxEX::SyncScrollBar() {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nPage = static_cast<UINT>(std::max(visibleCount_, 1));
  info.nMax = std::max(scrollMaximum_, 0) + static_cast<int>(info.nPage) - 1;
  info.nPos = topIndex_;
  if (info.nMax == shownScroll_.nMax && info.nPage == shownScroll_.nPage && info.nPos == shownScroll_.nPos) return;
  shownScroll_ = info;
  SetScrollInfo(vscroll_.get(), SB_CTL, &info, TRUE);
}

HWND ListBoxEX::ToolTipWindow() const { return rowSurface_.hwnd(); }

void ListBoxEX::ApplyFrame() {
  LONG style = GetWindowLongW(hwnd(), GWL_STYLE) & ~WS_BORDER;
  LONG exStyle = GetWindowLongW(hwnd(), GWL_EXSTYLE) & ~WS_EX_CLIENTEDGE;
  if (frame_ == ListFrame::Sunken) exStyle |= WS_EX_CLIENTEDGE;
  if (frame_ == ListFrame::Line) style |= WS_BORDER;
  SetWindowLongW(hwnd(), GWL_STYLE, style);
  SetWindowLongW(hwnd(), GWL_EXSTYLE, exStyle);
  SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace oravin
