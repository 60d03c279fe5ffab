#include "app/pages/modes_page.h"

#include <algorithm>

#include "app/main_window_look.h"
#include "controls/colorbutton/button_spec.h"
#include "app/images.h"
#include "app/pages/page_look.h"
#include "app/resource_ids.h"

namespace oravin {
namespace {

constexpr int32_t kButtonSize = 25;
constexpr int32_t kLabelHeight = 12;
constexpr COLORREF kLineColor = 0x0097D1FD;

}  // namespace

bool ModesPage::Create(HWND parent, const LayoutRect& at) {
  if (!PictureBox::Create(parent, at, kPageBackColor)) return false;
  header_.Create(hwnd(), kHeaderRect, L"主菜单", HeaderLook());
  const auto button = [&](int32_t top, int picture, const wchar_t* tip) {
    return MakeButton(hwnd(),
                      {{8, top, kButtonSize, kButtonSize}, L"", ProgramPicture(picture), tip, kButtonBackColor});
  };
  clbSearch = button(24, IDI_SEARCH, L"搜索功能");
  clbWAssistant = button(56, IDI_WEB, L"网址列表");
  clbFolderAssis = button(88, IDI_FOLDER, L"文件夹列表");
  clbOptions = button(152, IDI_OPTIONS, L"选项");
  clbAbout = button(184, IDI_ABOUT, L"关于");
  const Label::Look look{.font = std::make_shared<Font>(L"宋体", 9), .handPointer = true};
  lbSearch.Create(hwnd(), {32, 31, 60, kLabelHeight}, L"  搜索助手", look);
  lbWeb.Create(hwnd(), {32, 64, 60, kLabelHeight}, L"  网址助手", look);
  lbFolder.Create(hwnd(), {32, 96, 72, kLabelHeight}, L"  文件夹助手", look);
  lbOptions.Create(hwnd(), {32, 160, 36, kLabelHeight}, L"  选项", look);
  Label5.Create(hwnd(), {32, 192, 36, kLabelHeight}, L"  关于", look);
  // The line between the assistants and the rest: one pixel high.
  line_.Create(hwnd(), {0, 136, 160, 1}, L"", {.backColor = kLineColor});
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
