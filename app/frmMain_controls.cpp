// The main window's controls, where the window puts them (pixels at 96 dpi).
#include "actions/mdlExecute.h"
#include "app/addresses.h"
#include "app/main_window_look.h"
#include "controls/colorbutton/button_spec.h"
#include "app/frmMain.h"
#include "app/images.h"
#include "app/resource_ids.h"

namespace oravin {
namespace {

constexpr LayoutRect kPageArea{16, 48, 161, 227};

std::shared_ptr<Font> FormFont() { return std::make_shared<Font>(L"宋体", 9); }

// The list's own colours, on a plain background.
std::unique_ptr<ListBoxEX> MakeList(HWND parent) {
  auto list = std::make_unique<ListBoxEX>();
  list->Create({.parent = parent, .at = kPageArea, .font = std::make_shared<Font>(L"Tahoma", 9.75, false, 0)});
  list->SetStyle(1);
  list->SetGradient(0);
  list->SetStartColor(0x00A3E8FC);
  list->SetEndColor(0x0005BAFE);
  return list;
}

}  // namespace

void frmMain::CreateControls() {
  SetBackColor(kFormBackColor);
  imgTitle.Create(hwnd(), {16, 16, 17, 17});
  lbTitle.Create(hwnd(), {40, 16, 70, 13}, L"Oravin",
                 {.font = std::make_shared<Font>(L"宋体", 9.75, true, kGb2312Charset)});
  Label8.Create(hwnd(), {64, 32, 73, 17}, L"点击主菜单→", {.font = FormFont(), .backColor = kFormBackColor});
  clbMinimize = MakeButton(hwnd(), {{128, 1, 25, 15}, L"-", nullptr, L"最小化", kButtonBackColor});
  clbClose = MakeButton(hwnd(), {{152, 1, 25, 15}, L"X", nullptr, L"关闭程序", kButtonBackColor});
  clbPlug = MakeButton(hwnd(), {{136, 22, 41, 25}, L"", ProgramPicture(IDI_MENU), L"主菜单", kButtonBackColor});

  // The store keeps the entries sorted; each title stands at its entry's place.
  lstTitles = MakeList(hwnd());
  lstTitles->SetToolTipText(L"Address List");
  picModes.Create(hwnd(), kPageArea);
  picSearch.Create(hwnd(), kPageArea);
  picOptions.Create(hwnd(), kPageArea);
  picAbout.Create(hwnd(), kPageArea);
  pages_ = {&picModes, &picSearch, lstTitles.get(), &picOptions, &picAbout};
  WebBrowser1.Create(hwnd(), {32, 136, 129, 97});

  chkOpen.Create(hwnd(), {24, 277, 145, 16}, L"新窗口打开(&O)", kFormBackColor);
  chkOpen.SetFont(FormFont());
  clbDelete = MakeButton(hwnd(), {{16, 296, 49, 41}, L"删除  ", nullptr, L"删除", kButtonBackColor});
  cmdEdit = MakeButton(hwnd(), {{72, 296, 49, 41}, L"编辑  ", nullptr, L"编辑", kButtonBackColor});
  clbAdd = MakeButton(hwnd(), {{128, 296, 49, 41}, L"添加  ", nullptr, L"添加", kButtonBackColor});
  editor_ = std::make_unique<frmNew>(favorites_, picOptions.chkAnimate);
  favorites_.OnEdit([this](ListKind list, const ListEdit& edit) { ShowEdit(list, edit); });
  CreateQuickOpen();
}

void frmMain::BindEvents() {
  clbMinimize->Click = [this] { Minimize(); };
  clbClose->Click = [this] { Close(); };
  clbPlug->Click = [this] { ShowMainMenu(); };
  for (size_t i = 0; i < kMenuEntryCount; ++i) {
    ModesPage::Choice& choice = picModes.Choices()[i];
    choice.button->Click = choice.label.Click = [this, i] { Choose(kMenuEntries[i]); };
  }
  lstTitles->Click = [this] { ShowSelectedAddress(); };
  lstTitles->DoubleClick = [this] { OpenSelectedEntry(); };
  clbDelete->Click = [this] { DeleteSelectedEntry(); };
  clbAdd->Click = [this] { AddEntry(); };
  cmdEdit->Click = [this] { EditEntry(); };
  picSearch.clbFind->Click = [this] { Search(); };
  picSearch.lbAdvanced.Click = [this] { AdvancedSearch(); };
  picSearch.Command1.Click = [this] { SearchBaidu(); };
  picSearch.Command2.Click = [this] { SearchGoogle(); };
  picAbout.Label2.Click = [this] { launcher_.OpenHomePage(std::wstring(kMakerSite) + L"/"); };
}

// Front to back: the main menu fills the page area while the window opens.
void frmMain::StackPagesInDesignOrder() {
  BringToFront(WebBrowser1.hwnd());
  for (auto page = kPageStack.rbegin(); page != kPageStack.rend(); ++page) BringToFront(PageOf(*page).hwnd());
  EnableFrontPageOnly();
}

// Tab follows the z-order, and every page switch puts a page on top: after
// the page come the new-window option and the list buttons, then the title
// row's buttons, so Tab runs down the window and round to the top. The title
// row's buttons keep their order among what they overlap (each other, and
// Label8 over clbPlug), so nothing changes on the screen.
void frmMain::OrderTabStops() {
  for (const auto* button : {clbMinimize.get(), clbClose.get(), clbPlug.get()}) {
    SetWindowPos(button->hwnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void frmMain::PlacePagesOnTheList() {
  const ListBoxEX& list = *lstTitles;
  for (Control* page : pages_) page->Move(list.Left(), list.Top(), list.Width(), list.Height());
}

}  // namespace oravin
