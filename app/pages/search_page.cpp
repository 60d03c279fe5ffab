#include "app/pages/search_page.h"

#include "app/main_window_look.h"
#include "controls/colorbutton/button_spec.h"
#include "app/images.h"
#include "app/pages/page_look.h"

namespace oravin {

bool SearchPage::Create(HWND parent, const TwipsRect& at) {
  if (!PictureBox::Create(parent, at, kPageBackColor)) return false;
  const auto font = PageFont();
  const Label::Look text{.font = font};
  header_.Create(hwnd(), kHeaderRect, L"搜索引擎", HeaderLook());
  // The search form lies within Command1's rectangle; Command1 stays behind
  // it, so every control of the form can be reached.
  Command1.Create(hwnd(), {240, 360, 1815, 615}, L"百度搜索");
  Command2.Create(hwnd(), {240, 1320, 1815, 615}, L"Google 搜索");
  Label4.Create(hwnd(), {600, 480, 720, 180}, L"搜索内容", text);
  txtFind.Create(hwnd(), {600, 480, 1200, 285}, L"");
  Label9.Create(hwnd(), {1320, 480, 360, 195}, L"计数", text);
  txtCount.Create(hwnd(), {1440, 480, 360, 285}, L"100", kPageBackColor);
  optWeb.Create(hwnd(), {720, 360, 1095, 240}, L"网站", kPageBackColor, true);
  optImage.Create(hwnd(), {1080, 360, 975, 240}, L"图像", kPageBackColor, false);
  optNews.Create(hwnd(), {840, 600, 975, 240}, L"新闻", kPageBackColor, false);
  optGroup.Create(hwnd(), {600, 600, 1095, 240}, L"聚合", kPageBackColor, false);
  chkExact.Create(hwnd(), {600, 480, 1335, 255}, L"精确描述", kPageBackColor);
  clbFind = MakeButton(hwnd(), {{1440, 360, 375, 285}, L"Go", nullptr, L"执行搜索", kButtonBackColor});
  lbAdvanced.Create(hwnd(), {720, 480, 720, 195}, L"高级搜索",
                    {.font = font, .foreColor = kLinkColor, .cursor = LabelPointer()});
  for (ChildControl* c : std::initializer_list<ChildControl*>{&Command1, &Command2, &txtFind, &txtCount, &optWeb,
                                                               &optImage, &optNews, &optGroup, &chkExact}) {
    c->SetFont(font);
  }
  optWeb.Select();
  // Later controls lie on top of earlier ones, as listed.
  for (HWND w : {Command1.hwnd(), Command2.hwnd(), Label4.hwnd(), txtFind.hwnd(), Label9.hwnd(), txtCount.hwnd(),
                 optWeb.hwnd(), optImage.hwnd(), optNews.hwnd(), optGroup.hwnd(), chkExact.hwnd(), clbFind->hwnd(),
                 lbAdvanced.hwnd(), header_.hwnd()}) {
    BringToFront(w);
  }
  return true;
}

}  // namespace oravin
