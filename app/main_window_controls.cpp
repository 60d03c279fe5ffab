// The main window's controls, where the window puts them (pixels at 96 dpi).
#include <utility>

#include "actions/open_address.h"
#include "app/addresses.h"
#include "app/main_window_look.h"
#include "controls/colorbutton/button_spec.h"
#include "app/main_window.h"
#include "app/images.h"
#include "app/resource_ids.h"

namespace oravin {
namespace {

constexpr LayoutRect kPageArea{16, 48, 161, 227};

std::shared_ptr<Font> FormFont() { return std::make_shared<Font>(L"宋体", 9); }

// The list's own colours, on a plain background.
std::unique_ptr<ListBoxEX> MakeList(HWND parent, MessageBoxSink& messageBoxes) {
  auto list = std::make_unique<ListBoxEX>(messageBoxes);
  list->Create({.parent = parent, .at = kPageArea, .font = std::make_shared<Font>(L"Tahoma", 9.75, false, 0)});
  list->SetColors(ListColors::Own);
  list->SetGradient(GradientDirection::None);
  list->SetStartColor(0x00A3E8FC);
  list->SetEndColor(0x0005BAFE);
  return list;
}

// Only the rows that say so name their page's MakePage, so that what uses
// the table without the window needs none of the pages' code.
template <size_t... entry>
void MakePagesFromRows(Window& window, std::index_sequence<entry...>, std::array<Control*, kPageCount>& pages,
                       std::vector<std::unique_ptr<Control>>& made) {
  const auto make = [&]<size_t i>(std::integral_constant<size_t, i>) {
    constexpr MenuEntry row = kMenuEntries[i];
    if constexpr (row.madeFromRow) pages[size_t(row.page)] = made.emplace_back(MakePage<row.page>(window)).get();
  };
  (make(std::integral_constant<size_t, entry>()), ...);
}

}  // namespace

void MainWindow::CreateControls() {
  SetBackColor(kFormBackColor);
  titleImage.Create(hwnd(), {16, 16, 17, 17});
  titleLabel.Create(hwnd(), {40, 16, 70, 13}, L"Oravin",
                 {.font = std::make_shared<Font>(L"宋体", 9.75, true, kGb2312Charset)});
  menuHintLabel.Create(hwnd(), {64, 32, 73, 17}, L"点击主菜单→", {.font = FormFont(), .backColor = kFormBackColor});
  minimizeButton = MakeButton(hwnd(), {{128, 1, 25, 15}, L"-", nullptr, L"最小化", kButtonBackColor});
  closeButton = MakeButton(hwnd(), {{152, 1, 25, 15}, L"X", nullptr, L"关闭程序", kButtonBackColor});
  mainMenuButton = MakeButton(hwnd(), {{136, 22, 41, 25}, L"", ProgramPicture(IDI_MENU), L"主菜单", kButtonBackColor});

  // The store keeps the entries sorted; each title stands at its entry's place.
  entryList = MakeList(hwnd(), messageBoxes_);
  entryList->SetToolTipText(L"Address List");
  mainMenuPage.Create(hwnd(), kPageArea);
  searchPage.Create(hwnd(), kPageArea);
  optionsPage.Create(hwnd(), kPageArea);
  aboutPage.Create(hwnd(), kPageArea);
  pages_ = {&mainMenuPage, &searchPage, entryList.get(), &optionsPage, &aboutPage};
  MakePagesFromRows(*this, std::make_index_sequence<kMenuEntryCount>(), pages_, pagesFromRows_);
  browserStandIn.Create(hwnd(), {32, 136, 129, 97});

  newWindowCheck.Create(hwnd(), {24, 277, 145, 16}, L"新窗口打开(&O)", kFormBackColor);
  newWindowCheck.SetFont(FormFont());
  deleteButton = MakeButton(hwnd(), {{16, 296, 49, 41}, L"删除  ", nullptr, L"删除", kButtonBackColor});
  editButton = MakeButton(hwnd(), {{72, 296, 49, 41}, L"编辑  ", nullptr, L"编辑", kButtonBackColor});
  addButton = MakeButton(hwnd(), {{128, 296, 49, 41}, L"添加  ", nullptr, L"添加", kButtonBackColor});
  editor_ = std::make_unique<EntryEditor>(favorites_, optionsPage.animateCheck, messageBoxes_);
  favorites_.OnEdit([this](ListKind list, const ListEdit& edit) { ShowEdit(list, edit); });
  CreateQuickOpen();
}

void MainWindow::BindEvents() {
  minimizeButton->Click = [this] { Minimize(); };
  closeButton->Click = [this] { Close(); };
  mainMenuButton->Click = [this] { ShowMainMenu(); };
  for (size_t i = 0; i < kMenuEntryCount; ++i) {
    ModesPage::Choice& choice = mainMenuPage.Choices()[i];
    choice.button->Click = choice.label.Click = [this, i] { Choose(kMenuEntries[i]); };
  }
  entryList->Click = [this] { ShowSelectedAddress(); };
  entryList->DoubleClick = [this] { OpenSelectedEntry(); };
  deleteButton->Click = [this] { DeleteSelectedEntry(); };
  addButton->Click = [this] { AddEntry(); };
  editButton->Click = [this] { EditEntry(); };
  searchPage.goButton->Click = [this] { Search(); };
  searchPage.advancedSearchLink.Click = [this] { AdvancedSearch(); };
  searchPage.baiduButton.Click = [this] { SearchBaidu(); };
  searchPage.googleButton.Click = [this] { SearchGoogle(); };
  optionsPage.dataFolderButton.Click = [this] { ChooseDataFolder(); };
  aboutPage.makerSiteLink.Click = [this] { launcher_.OpenHomePage(std::wstring(kMakerSite) + L"/"); };
}

// Front to back: the main menu fills the page area while the window opens.
void MainWindow::StackPagesInDesignOrder() {
  BringToFront(browserStandIn.hwnd());
  for (auto page = kPageStack.rbegin(); page != kPageStack.rend(); ++page) BringToFront(PageOf(*page).hwnd());
  EnableFrontPageOnly();
}

// Tab follows the z-order, and every page switch puts a page on top: after
// the page come the new-window option and the list buttons, then the title
// row's buttons, so Tab runs down the window and round to the top. The title
// row's buttons keep their order among what they overlap (each other, and
// menuHintLabel over mainMenuButton), so nothing changes on the screen.
void MainWindow::OrderTabStops() {
  for (const auto* button : {minimizeButton.get(), closeButton.get(), mainMenuButton.get()}) {
    SetWindowPos(button->hwnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void MainWindow::PlacePagesOnTheList() {
  const ListBoxEX& list = *entryList;
  for (Control* page : pages_) page->Move(list.Left(), list.Top(), list.Width(), list.Height());
}

}  // namespace oravin
