#include "app/pages/options_page.h"

#include "app/pages/page_look.h"

namespace oravin {
namespace {

constexpr COLORREF kTakenColor = 0x000000C0;  // a dark red

}  // namespace

bool OptionsPage::Create(HWND parent, const TwipsRect& at) {
  if (!PictureBox::Create(parent, at, kPageBackColor)) return false;
  Label6.Create(hwnd(), kHeaderRect, L"选项", HeaderLook());
  chkAnimate.Create(hwnd(), {240, 480, 1935, 240}, L"动画窗口", kPageBackColor);
  chkStartUp.Create(hwnd(), {240, 840, 1935, 240}, L"随系统一起启动", kPageBackColor);
  chkAnimate.SetFont(PageFont());
  chkStartUp.SetFont(PageFont());
  chkAnimate.SetValue(1);
  chkStartUp.SetValue(1);
  lbQuickOpen.Create(hwnd(), {240, 1200, 1935, 195}, L"快速打开:", {.font = PageFont()});
  hotQuickOpen.Create(hwnd(), {240, 1440, 1935, 285});
  hotQuickOpen.SetFont(PageFont());
  lbQuickOpenTaken.Create(hwnd(), {240, 1800, 1935, 195}, L"已被其他程序占用", {.font = PageFont(), .foreColor = kTakenColor});
  ShowQuickOpenKeyTaken(false);
  chkBrowserBookmarks.Create(hwnd(), {240, 2160, 1935, 240}, L"搜索浏览器书签", kPageBackColor);
  chkBrowserBookmarks.SetFont(PageFont());
  chkBrowserBookmarks.SetValue(1);
  cmdForgetPicks.Create(hwnd(), {240, 2520, 1935, 345}, L"清除快速打开的记忆");
  cmdForgetPicks.SetFont(PageFont());
  return true;
}

void OptionsPage::ShowQuickOpenKeyTaken(bool taken) { ShowWindow(lbQuickOpenTaken.hwnd(), taken ? SW_SHOWNA : SW_HIDE); }

}  // namespace oravin
