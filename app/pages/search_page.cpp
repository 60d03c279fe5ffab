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
  // Created in reading order, which is also the order Tab follows.
  header_.Create(hwnd(), kHeaderRect, L"搜索引擎", HeaderLook());
  Command1.Create(hwnd(), {240, 360, 1815, 615}, L"百度搜索");
  Command2.Create(hwnd(), {240, 1320, 1815, 615}, L"Google 搜索");
  // The search form fills the page below Command2, one row after another:
  // the words with their label and "Go"; the count and the exact phrase; the
  // four kinds in two rows; the advanced search. Labels sit level with the
  // text in the box beside them.
  Label4.Create(hwnd(), {45, 2010, 720, 180}, L"搜索内容", text);
  txtFind.Create(hwnd(), {795, 1980, 1200, 285}, L"");
  clbFind = MakeButton(hwnd(), {{2025, 1980, 375, 285}, L"Go", nullptr, L"执行搜索", kButtonBackColor});
  Label9.Create(hwnd(), {45, 2340, 360, 195}, L"计数", text);
  txtCount.Create(hwnd(), {420, 2310, 360, 285}, L"100", kPageBackColor);
  chkExact.Create(hwnd(), {795, 2325, 1335, 255}, L"精确描述", kPageBackColor);
  optWeb.Create(hwnd(), {45, 2640, 1095, 240}, L"网站", kPageBackColor, true);
  optImage.Create(hwnd(), {1200, 2640, 975, 240}, L"图像", kPageBackColor, false);
  optNews.Create(hwnd(), {45, 2895, 975, 240}, L"新闻", kPageBackColor, false);
  optGroup.Create(hwnd(), {1200, 2895, 1095, 240}, L"聚合", kPageBackColor, false);
  lbAdvanced.Create(hwnd(), {45, 3180, 720, 195}, L"高级搜索",
                    {.font = font, .foreColor = kLinkColor, .handPointer = true, .tabStop = true});
  for (ChildControl* c : std::initializer_list<ChildControl*>{&Command1, &Command2, &txtFind, &txtCount, &optWeb,
                                                               &optImage, &optNews, &optGroup, &chkExact}) {
    c->SetFont(font);
  }
  optWeb.Select();
  return true;
}

}  // namespace oravin
