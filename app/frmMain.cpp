#include "app/frmMain.h"

#include "app/placement.h"
#include "runtime/screen.h"
#include "runtime/twips.h"

namespace oravin {
namespace {

constexpr wchar_t kClassName[] = L"Oravin.frmMain";
constexpr wchar_t kCaption[] = L"Oravin 1.0";
constexpr COLORREF kBackColor = 0x0038BCFF;

}  // namespace

bool frmMain::Load() {
  static HBRUSH background = CreateSolidBrush(kBackColor);
  if (!Create({.className = kClassName,
               .style = WS_POPUP | WS_CLIPCHILDREN | WS_MINIMIZEBOX | WS_SYSMENU,
               .title = kCaption})) {
    return false;
  }
  SetClassLongPtrW(hwnd(), GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(background));
  PlaceAtBottomRight();
  ShowWindow(hwnd(), SW_SHOW);
  return true;
}

void frmMain::PlaceAtBottomRight() {
  const int tx = Screen::TwipsPerPixelX(), ty = Screen::TwipsPerPixelY();
  const TwipsPoint at = MainWindowPosition(float(Screen::WidthTwips()), float(Screen::HeightTwips()));
  SetWindowPos(hwnd(), nullptr, TwipsToPixels(at.left, tx), TwipsToPixels(at.top, ty),
               TwipsToPixels(kMainWidthTwips, tx), TwipsToPixels(kMainHeightTwips, ty),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT frmMain::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefaultProc(msg, wp, lp);
}

}  // namespace oravin
