// ListBoxEX input: mouse and keys on rowSurface, the scroll bar, and keeping the selection in view.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "controls/listboxex/list_navigation.h"
#include "controls/listboxex/listboxex.h"

namespace oravin {
namespace {

constexpr int32_t kArrowStep = 1;  // rows per click on a scroll arrow

// Where the thumb was let go: the full 32-bit value, not the 16 bits of the notification.
int32_t ThumbPosition(HWND bar) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_TRACKPOS;
  GetScrollInfo(bar, SB_CTL, &info);
  return info.nTrackPos;
}

}  // namespace

// Any button selects the row under the pointer; below the last row, the last item.
void ListBoxEX::OnMouseDown(const MouseArgs& args) {
  const auto item = ItemAtY(args.y, itemHeight_, topIndex_);
  if (!item) return;
  items_.StoreListIndex(*item);
  DrawItems();
  Raise(SelectionChanged);
}

void ListBoxEX::OnMouseMove(const MouseArgs& args) {
  const bool overRows = HandPointerAt(args.y, itemHeight_, ItemCount(), visibleCount_);
  const HCURSOR cursor = overRows ? LoadCursorW(nullptr, IDC_HAND) : nullptr;
  rowSurface_.SetMouseCursor(cursor);
  SetCursor(cursor ? cursor : LoadCursorW(nullptr, IDC_ARROW));
}

// Every key, also one that moves nothing, lays out, repaints and tells of the selection.
void ListBoxEX::OnKeyDown(int keyCode) {
  items_.StoreListIndex(ListIndexAfterKey(keyCode, items_.StoredListIndex(), ItemCount(), visibleCount_));
  Refresh();
  Raise(SelectionChanged);
}

void ListBoxEX::EnsureSelectionVisible() {
  items_.ClampListIndex();
  if (!followSelection_) return;
  const int32_t top = TopIndexShowing(items_.StoredListIndex(), topIndex_, visibleCount_);
  if (top != topIndex_) SetScrollValue(top);
}

// TopIndex is the scroll bar's value, which stays within 0..maximum.
void ListBoxEX::SetScrollValue(int32_t value) { topIndex_ = std::clamp(value, 0, std::max(scrollMaximum_, 0)); }

// Only finished changes move the rows: while the thumb is dragged they follow on release.
void ListBoxEX::OnVScroll(WPARAM wp) {
  const int32_t pageStep = std::max(visibleCount_, 1);
  int32_t value = topIndex_;
  switch (LOWORD(wp)) {
    case SB_LINEUP: value -= kArrowStep; break;
    case SB_LINEDOWN: value += kArrowStep; break;
    case SB_PAGEUP: value -= pageStep; break;
    case SB_PAGEDOWN: value += pageStep; break;
    case SB_THUMBPOSITION: value = ThumbPosition(vscroll_.get()); break;
    case SB_TOP: value = 0; break;
    case SB_BOTTOM: value = scrollMaximum_; break;
    default: return;
  }
  const int32_t before = topIndex_;
  SetScrollValue(value);
  if (topIndex_ != before) DrawItems();
}

// While the scroll bar has the focus, paints leave the view where the user
// scrolled it; a click on a row takes the focus back.
LRESULT CALLBACK ListBoxEX::ScrollBarProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
  auto* list = reinterpret_cast<ListBoxEX*>(self);
  switch (msg) {
    case WM_LBUTTONDOWN:
      SetFocus(hwnd);  // not every system's scroll bar takes the focus by itself
      break;
    case WM_SETFOCUS:
      list->followSelection_ = false;
      break;
    case WM_KILLFOCUS:
      list->followSelection_ = true;
      break;
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace oravin
