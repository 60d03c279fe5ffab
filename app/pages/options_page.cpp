#include "app/pages/options_page.h"

#include "app/pages/page_look.h"

namespace oravin {

bool OptionsPage::Create(HWND parent, const TwipsRect& at) {
  if (!PictureBox::Create(parent, at, kPageBackColor)) return false;
  Label6.Create(hwnd(), kHeaderRect, L"选项", HeaderLook());
  chkAnimate.Create(hwnd(), {240, 480, 1935, 240}, L"动画窗口", kPageBackColor);
  chkStartUp.Create(hwnd(), {240, 840, 1935, 240}, L"随系统一起启动", kPageBackColor);
  chkAnimate.SetFont(PageFont());
  chkStartUp.SetFont(PageFont());
  chkAnimate.SetValue(1);
  chkStartUp.SetValue(1);
  return true;
}

}  // namespace oravin
