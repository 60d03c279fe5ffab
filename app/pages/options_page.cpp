#include "app/pages/options_page.h"

#include "app/pages/page_look.h"

namespace oravin {
namespace {

constexpr COLORREF kTakenColor = 0x000000C0;  // a dark red

}  // namespace

bool OptionsPage::Create(HWND parent, const LayoutRect& at) {
  if (!Panel::Create(parent, at, kPageBackColor)) return false;
  optionsHeader.Create(hwnd(), kHeaderRect, L"选项", HeaderLook());
  animateCheck.Create(hwnd(), {16, 32, 129, 16}, L"动画窗口", kPageBackColor);
  startWithWindowsCheck.Create(hwnd(), {16, 56, 129, 16}, L"随系统一起启动", kPageBackColor);
  animateCheck.SetFont(PageFont());
  startWithWindowsCheck.SetFont(PageFont());
  animateCheck.SetValue(1);
  startWithWindowsCheck.SetValue(1);
  quickOpenLabel.Create(hwnd(), {16, 80, 129, 13}, L"快速打开:", {.font = PageFont()});
  quickOpenKeyBox.Create(hwnd(), {16, 96, 129, 19});
  quickOpenKeyBox.SetFont(PageFont());
  quickOpenTakenLabel.Create(hwnd(), {16, 120, 129, 13}, L"已被其他程序占用", {.font = PageFont(), .foreColor = kTakenColor});
  ShowQuickOpenKeyTaken(false);
  browserBookmarksCheck.Create(hwnd(), {16, 144, 129, 16}, L"搜索浏览器书签", kPageBackColor);
  browserBookmarksCheck.SetFont(PageFont());
  browserBookmarksCheck.SetValue(1);
  forgetPicksButton.Create(hwnd(), {16, 168, 129, 23}, L"清除快速打开的记忆");
  forgetPicksButton.SetFont(PageFont());
  dataFolderLabel.Create(hwnd(), {16, 202, 85, 13}, {}, {.font = PageFont(), .pathEllipsis = true});
  dataFolderButton.Create(hwnd(), {104, 197, 41, 23}, L"更改…");
  dataFolderButton.SetFont(PageFont());
  return true;
}

void OptionsPage::ShowDataFolder(const std::wstring& folder) { dataFolderLabel.SetCaption(L"列表: " + folder); }

void OptionsPage::ShowQuickOpenKeyTaken(bool taken) { ShowWindow(quickOpenTakenLabel.hwnd(), taken ? SW_SHOWNA : SW_HIDE); }

}  // namespace oravin
