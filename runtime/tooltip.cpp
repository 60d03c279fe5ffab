#include "runtime/tooltip.h"

#include <commctrl.h>

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

void EnsureCommonControls() {
  static const bool initialised = [] {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    return InitCommonControlsEx(&icc) != FALSE;
  }();
  (void)initialised;
}

}  // namespace

void ToolTip::Set(HWND window, const std::wstring& text) {
  if (text.empty() || window != tool_) Remove();
  if (text.empty()) return;
  text_ = text;
  TTTOOLINFOW info = ToolInfo(window, &text_);
  if (tip_) {
    SendMessageW(tip_.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
    return;
  }
  EnsureCommonControls();
  tip_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                             GetAncestor(window, GA_ROOT), nullptr, GetModuleHandleW(nullptr), nullptr));
  if (!tip_) return;
  SendMessageW(tip_.get(), TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
  SendMessageW(tip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  tool_ = window;
}

void ToolTip::Remove() {
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
