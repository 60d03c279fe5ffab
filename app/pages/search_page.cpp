#include "app/pages/search_page.h"

#include "app/main_window_look.h"
#include "controls/colorbutton/button_spec.h"
#include "app/images.h"
#include "app/pages/page_look.h"

namespace oravin {
namespace {

constexpr wchar_t kBaiduTip[] =
    L"有搜索内容时: 在百度搜索, 按所选的网站, 图像或新闻 (聚合搜网站), 网站每页 \"计数\" 条结果, 最多 50\r\n"
    L"搜索内容为空时: 打开百度首页";
constexpr wchar_t kGoogleTip[] = L"有搜索内容时: 在 Google 搜索, 与 Go 相同\r\n搜索内容为空时: 打开 Google 首页";

}  // namespace

bool SearchPage::Create(HWND parent, const LayoutRect& at) {
  if (!Panel::Create(parent, at, kPageBackColor)) return false;
  const auto font = PageFont();
  const Label::Look text{.font = font};
  // Created in reading order, which is also the order Tab follows.
  header_.Create(hwnd(), kHeaderRect, L"搜索引擎", HeaderLook());
  baiduButton.Create(hwnd(), {16, 24, 121, 41}, L"百度搜索");
  googleButton.Create(hwnd(), {16, 88, 121, 41}, L"Google 搜索");
  baiduButton.SetToolTipText(kBaiduTip);
  googleButton.SetToolTipText(kGoogleTip);
  // The search form fills the page below googleButton, one row after another:
  // the words with their label and "Go"; the count and the exact phrase; the
  // four kinds in two rows; the advanced search. Labels sit level with the
  // text in the box beside them.
  wordsLabel.Create(hwnd(), {3, 134, 48, 12}, L"搜索内容", text);
  searchWordsBox.Create(hwnd(), {53, 132, 80, 19}, L"");
  goButton = MakeButton(hwnd(), {{135, 132, 25, 19}, L"Go", nullptr, L"执行搜索", kButtonBackColor});
  countLabel.Create(hwnd(), {3, 156, 24, 13}, L"计数", text);
  resultCountBox.Create(hwnd(), {28, 154, 24, 19}, L"100", kPageBackColor);
  exactPhraseCheck.Create(hwnd(), {53, 155, 89, 17}, L"精确描述", kPageBackColor);
  webOption.Create(hwnd(), {3, 176, 73, 16}, L"网站", kPageBackColor, true);
  imageOption.Create(hwnd(), {80, 176, 65, 16}, L"图像", kPageBackColor, false);
  newsOption.Create(hwnd(), {3, 193, 65, 16}, L"新闻", kPageBackColor, false);
  groupOption.Create(hwnd(), {80, 193, 73, 16}, L"聚合", kPageBackColor, false);
  advancedSearchLink.Create(hwnd(), {3, 212, 48, 13}, L"高级搜索",
                    {.font = font, .foreColor = kLinkColor, .handPointer = true, .tabStop = true});
  for (ChildControl* c : std::initializer_list<ChildControl*>{&baiduButton, &googleButton, &searchWordsBox, &resultCountBox, &webOption,
                                                               &imageOption, &newsOption, &groupOption, &exactPhraseCheck}) {
    c->SetFont(font);
  }
  webOption.Select();
  return true;
}

}  // namespace oravin
