#include "app/pages/modes_page.h"

#include <algorithm>

#include "app/main_window_look.h"
#include "controls/colorbutton/button_spec.h"
#include "app/images.h"
#include "app/pages/page_look.h"
#include "app/resource_ids.h"

namespace oravin {
namespace {

constexpr int32_t kButtonSize = 375;
constexpr int32_t kLabelHeight = 180;
constexpr COLORREF kLineColor = 0x0097D1FD;

}  // namespace

bool ModesPage::Create(HWND parent, const TwipsRect& at) {
  if (!PictureBox::Create(parent, at, kPageBackColor)) return false;
  header_.Create(hwnd(), kHeaderRect, L"主菜单", HeaderLook());
  const auto button = [&](int32_t top, int picture, const wchar_t* tip) {
    return MakeButton(hwnd(),
                      {{120, top, kButtonSize, kButtonSize}, L"", ProgramPicture(picture), tip, kButtonBackColor});
  };
  clbSearch = button(360, IDI_SEARCH, L"搜索功能");
  clbWAssistant = button(840, IDI_WEB, L"网址列表");
  clbFolderAssis = button(1320, IDI_FOLDER, L"文件夹列表");
  clbOptions = button(2280, IDI_OPTIONS, L"选项");
  clbAbout = button(2760, IDI_ABOUT, L"关于");
  const Label::Look look{.font = std::make_shared<Font>(L"宋体", 9), .handPointer = true};
  lbSearch.Create(hwnd(), {480, 465, 900, kLabelHeight}, L"  搜索助手", look);
  lbWeb.Create(hwnd(), {480, 960, 900, kLabelHeight}, L"  网址助手", look);
  lbFolder.Create(hwnd(), {480, 1440, 1080, kLabelHeight}, L"  文件夹助手", look);
  lbOptions.Create(hwnd(), {480, 2400, 540, kLabelHeight}, L"  选项", look);
  Label5.Create(hwnd(), {480, 2880, 540, kLabelHeight}, L"  关于", look);
  // The line between the assistants and the rest: one pixel high.
  line_.Create(hwnd(), {0, 2040, 2400, 15}, L"", {.backColor = kLineColor});
  assistants_ = {
      {Assistant::Search, clbSearch.get(), &lbSearch, L"搜索助手"},
      {Assistant::Websites, clbWAssistant.get(), &lbWeb, L"网址助手"},
      {Assistant::Folders, clbFolderAssis.get(), &lbFolder, L"文件夹助手"},
  };
  return true;
}

const AssistantChoice* ModesPage::ChoiceOf(Assistant assistant) const {
  const auto choice = std::find_if(assistants_.begin(), assistants_.end(),
                                   [&](const AssistantChoice& c) { return c.assistant == assistant; });
  return choice == assistants_.end() ? nullptr : &*choice;
}

}  // namespace oravin
