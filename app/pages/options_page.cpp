#include "app/pages/options_page.h"

#include "app/pages/page_look.h"

namespace oravin {
namespace {

constexpr COLORREF kTakenColor = 0x000000C0;  // a dark red

}  // namespace

bool OptionsPage::Create(HWND parent, const LayoutRect& at) {
  if (!PictureBox::Create(parent, at, kPageBackColor)) return false;
  Label6.Create(hwnd(), kHeaderRect, L"选项", HeaderLook());
  chkAnimate.Create(hwnd(), {16, 32, 129, 16}, L"动画窗口", kPageBackColor);
  chkStartUp.Create(hwnd(), {16, 56, 129, 16}, L"随系统一起启动", kPageBackColor);
  chkAnimate.SetFont(PageFont());
  chkStartUp.SetFont(PageFont());
  chkAnimate.SetValue(1);
  chkStartUp.SetValue(1);
  lbQuickOpen.Create(hwnd(), {16, 80, 129, 13}, L"快速打开:", {.font = PageFont()});
  hotQuickOpen.Create(hwnd(), {16, 96, 129, 19});
  hotQuickOpen.SetFont(PageFont());
  lbQuickOpenTaken.Create(hwnd(), {16, 120, 129, 13}, L"已被其他程序占用", {.font = PageFont(), .foreColor = kTakenColor});
  ShowQuickOpenKeyTaken(false);
  chkBrowserBookmarks.Create(hwnd(), {16, 144, 129, 16}, L"搜索浏览器书签", kPageBackColor);
  chkBrowserBookmarks.SetFont(PageFont());
  chkBrowserBookmarks.SetValue(1);
  cmdForgetPicks.Create(hwnd(), {16, 168, 129, 23}, L"清除快速打开的记忆");
  cmdForgetPicks.SetFont(PageFont());
  return true;
}

void OptionsPage::ShowQuickOpenKeyTaken(bool taken) { ShowWindow(lbQuickOpenTaken.hwnd(), taken ? SW_SHOWNA : SW_HIDE); }

}  // namespace oravin
