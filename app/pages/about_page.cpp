#include "app/pages/about_page.h"

#include "app/addresses.h"
#include "app/images.h"
#include "app/pages/page_look.h"

namespace oravin {
namespace {

constexpr wchar_t kWelcome[] =
    L"欢迎使用 Oravin 收藏助手! 它把常用的网址和文件夹收在手边, 双击即可打开. 更多信息请访问我们的网站.";

}  // namespace

bool AboutPage::Create(HWND parent, const LayoutRect& at) {
  if (!Panel::Create(parent, at, kPageBackColor)) return false;
  aboutHeader.Create(hwnd(), kHeaderRect, L"关于", HeaderLook());
  welcomeLabel.Create(hwnd(), {3, 24, 150, 53}, kWelcome, {.font = PageFont(), .wordWrap = true});
  const std::wstring site(kMakerSite);
  makerSiteLink.Create(hwnd(), {20, 200, 112, 13}, site.substr(site.find(L"//") + 2),
                {.font = PageFont(), .foreColor = kLinkColor, .handPointer = true, .tabStop = true});
  return true;
}

}  // namespace oravin
