// The main window's controls, where the form puts them (twips).
#include "app/addresses.h"
#include "app/main_window_look.h"
#include "controls/colorbutton/button_spec.h"
#include "app/frmMain.h"
#include "app/images.h"
#include "app/resource_ids.h"

namespace oravin {
namespace {

constexpr TwipsRect kPageArea{240, 720, 2415, 3405};

std::shared_ptr<Font> FormFont() { return std::make_shared<Font>(L"宋体", 9); }

// The look both lists are stored with.
PropertyBag ListLook() {
  PropertyBag bag;
  bag.Write<int32_t>(L"style", 1, 0);
  bag.Write<int32_t>(L"gradient", 0, 1);
  bag.Write<int32_t>(L"startcolor", 0x00A3E8FC, 0x00FFD6AC);
  bag.Write<int32_t>(L"endcolor", 0x0005BAFE, 0x00FFFFFF);
  bag.Write<FontPtr>(L"font", std::make_shared<Font>(L"Tahoma", 9.75, false, 0), nullptr);
  return bag;
}

std::unique_ptr<ListBoxEX> MakeList(HWND parent) {
  auto list = std::make_unique<ListBoxEX>();
  const PropertyBag look = ListLook();
  list->Create({.parent = parent, .at = kPageArea, .ambientFont = FormFont(), .saved = &look});
  return list;
}

}  // namespace

void frmMain::CreateControls() {
  SetBackColor(kFormBackColor);
  imgTitle.Create(hwnd(), {240, 240, 255, 255});
  lbTitle.Create(hwnd(), {600, 240, 1050, 195}, L"Oravin",
                 {.font = std::make_shared<Font>(L"宋体", 9.75, true, kGb2312Charset)});
  Label8.Create(hwnd(), {960, 480, 1095, 255}, L"点击主菜单→", {.font = FormFont(), .backColor = kFormBackColor});
  clbMinimize = MakeButton(hwnd(), {{1920, 15, 375, 225}, L"-", nullptr, L"最小化", kButtonBackColor});
  clbClose = MakeButton(hwnd(), {{2280, 15, 375, 225}, L"X", nullptr, L"关闭程序", kButtonBackColor});
  clbPlug = MakeButton(hwnd(), {{2040, 330, 615, 375}, L"", ProgramPicture(IDI_MENU), L"主菜单", kButtonBackColor});

  // The store keeps the entries sorted; each title stands at its entry's place.
  lstTitles = MakeList(hwnd());
  lstTitles->SetToolTipText(L"Address List");
  picModes.Create(hwnd(), kPageArea);
  picSearch.Create(hwnd(), kPageArea);
  picOptions.Create(hwnd(), kPageArea);
  picAbout.Create(hwnd(), kPageArea);
  pages_ = {&picModes, &picSearch, lstTitles.get(), &picOptions, &picAbout};
  WebBrowser1.Create(hwnd(), {480, 2040, 1935, 1455});

  chkOpen.Create(hwnd(), {360, 4155, 2175, 240}, L"新窗口打开(&O)", kFormBackColor);
  chkOpen.SetFont(FormFont());
  clbDelete = MakeButton(hwnd(), {{240, 4440, 735, 615}, L"删除  ", nullptr, L"删除", kButtonBackColor});
  cmdEdit = MakeButton(hwnd(), {{1080, 4440, 735, 615}, L"编辑  ", nullptr, L"编辑", kButtonBackColor});
  clbAdd = MakeButton(hwnd(), {{1920, 4440, 735, 615}, L"添加  ", nullptr, L"添加", kButtonBackColor});
  editor_ = std::make_unique<frmNew>(favorites_, picOptions.chkAnimate);
  favorites_.OnEdit([this](ListKind list, const ListEdit& edit) { ShowEdit(list, edit); });
  CreateQuickOpen();
}

void frmMain::BindEvents() {
  clbMinimize->Events.Click = [this] { Minimize(); };
  clbClose->Events.Click = [this] { Close(); };
  clbPlug->Events.Click = [this] { ShowMainMenu(); };
  for (size_t i = 0; i < kMenuEntryCount; ++i) {
    ModesPage::Choice& choice = picModes.Choices()[i];
    choice.button->Events.Click = choice.label.Click = [this, i] { Choose(kMenuEntries[i]); };
  }
  lstTitles->Events.MouseClick = [this] { ShowSelectedAddress(); };
  lstTitles->Events.DbClick = [this] { OpenSelectedEntry(); };
  clbDelete->Events.Click = [this] { DeleteSelectedEntry(); };
  clbAdd->Events.Click = [this] { AddEntry(); };
  cmdEdit->Events.Click = [this] { EditEntry(); };
  picSearch.clbFind->Events.Click = [this] { Search(); };
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
