#include "runtime/tooltip.h"

#include <commctrl.h>

#include "runtime/common_controls.h"

namespace oravin {
namespace {

constexpr int kMaxTipWidth = 400;  // pixels; longer texts (whole addresses) wrap instead of running off screen

// The version-2 record is understood by every comctl32 from 4.70 on, with or
// without a manifest asking for version 6.
TTTOOLINFOW ToolInfo(HWND tool, std::wstring* text) {
  TTTOOLINFOW info{};
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = GetParent(tool);
  info.uId = reinterpret_cast<UINT_PTR>(tool);
  info.lpszText = text ? text->data() : nullptr;
  return info;
}

}  // namespace

void EnsureCommonControls() {
  static const bool initialised = [] {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    return InitCommonControlsEx(&icc) != FALSE;
  }();
  (void)initialised;
}

void ToolTip::Set(HWND window, const std::wstring& text) {
  if (text.empty() || window != tool_) Remove();
  if (text.empty()) return;
  text_ = text;
  tool_ = window;
  if (tip_) {
    TTTOOLINFOW info = ToolInfo(tool_, &text_);
    SendMessageW(tip_.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
    return;
  }
  if (!watching_) {
    EnsureCommonControls();
    watching_ = SetWindowSubclass(window, &ToolTip::WatchForPointer, reinterpret_cast<UINT_PTR>(this),
                                  reinterpret_cast<DWORD_PTR>(this)) != FALSE;
  }
}

LRESULT CALLBACK ToolTip::WatchForPointer(HWND window, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
  if (msg == WM_MOUSEMOVE) {
    MSG move{};
    move.hwnd = window;
    move.message = msg;
    move.wParam = wp;
    move.lParam = lp;
    move.time = DWORD(GetMessageTime());
    reinterpret_cast<ToolTip*>(self)->Make(move);
  }
  return DefSubclassProc(window, msg, wp, lp);
}

void ToolTip::Make(const MSG& firstMove) {
  StopWatching();
  tip_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                             GetAncestor(tool_, GA_ROOT), nullptr, GetModuleHandleW(nullptr), nullptr));
  if (!tip_) return;
  TTTOOLINFOW info = ToolInfo(tool_, &text_);
  SendMessageW(tip_.get(), TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
  SendMessageW(tip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  // From the next move on the tooltip watches the window itself; this one starts its wait.
  SendMessageW(tip_.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&firstMove));
}

void ToolTip::StopWatching() {
  if (watching_ && IsWindow(tool_))
    RemoveWindowSubclass(tool_, &ToolTip::WatchForPointer, reinterpret_cast<UINT_PTR>(this));
  watching_ = false;
}

void ToolTip::Remove() {
  StopWatching();
  if (tip_ && IsWindow(tip_.get()) && IsWindow(tool_)) {
    // Let the tooltip unhook itself from the window before it goes.
    TTTOOLINFOW info = ToolInfo(tool_, nullptr);
    SendMessageW(tip_.get(), TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&info));
  }
  // The tooltip dies with its top-level owner; only a live one is ours to destroy.
  if (tip_ && !IsWindow(tip_.get())) tip_.release();
  tip_.reset();
  tool_ = nullptr;
  text_.clear();
}

}  // namespace oravin
