// The assistants and pages: which page is in front and what the title row says.
#include <algorithm>

#include "actions/command_line.h"
#include "actions/mdlRegistry.h"
#include "app/frmMain.h"
#include "effects/mdlAnimation.h"
#include "runtime/app.h"

namespace oravin {
namespace {

constexpr int32_t kPageEffect = 10;

}  // namespace

void frmMain::SetMode() {
  struct ModeLook {
    Label& label;
    const wchar_t* title;
    ColorButton& button;
    HWND page;
  };
  const ModeLook looks[] = {
      {picModes.lbSearch, L"搜索助手", *picModes.clbSearch, picSearch.hwnd()},
      {picModes.lbWeb, L"网址助手", *picModes.clbWAssistant, lstTitles->hwnd()},
      {picModes.lbFolder, L"文件夹助手", *picModes.clbFolderAssis, lstTitles->hwnd()},
  };
  if (CurrentMode < kModeSearch || CurrentMode > kModeFolders) return;
  const ModeLook& look = looks[CurrentMode];
  for (const ModeLook& other : looks) other.label.SetFontBold(&other == &look);
  lbTitle.SetCaption(look.title);
  imgTitle.SetPicture(look.button.Picture());
  lstTitles->SetListIcon(look.button.Picture());
  BringToFront(look.page);
  EnableFrontPageOnly();
}

void frmMain::ShowPanel(Control& page) {
  BringToFront(page.hwnd());
  EnableFrontPageOnly();
  AnimateWindowEffect(page.hwnd(), kAnimateOpen, kPageEffect, kAnimationDelay, kAnimationSteps);
}

std::array<HWND, 6> frmMain::Pages() const {
  return {picModes.hwnd(), picSearch.hwnd(), picOptions.hwnd(), picAbout.hwnd(), lstTitles->hwnd(), lstAddress->hwnd()};
}

HWND frmMain::FrontPage() const {
  const std::array<HWND, 6> pages = Pages();
  for (HWND w = GetWindow(hwnd(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
    if (std::find(pages.begin(), pages.end(), w) != pages.end()) return w;
  }
  return nullptr;
}

// The pages lie stacked and all shown, since an animation uncovers the page
// behind. Only the page in front may take part in Tab and the access keys, so
// the others are disabled, which leaves their look as it is.
void frmMain::EnableFrontPageOnly() {
  const HWND front = FrontPage();
  HWND focus = GetFocus();
  bool focusBehind = false;
  for (HWND page : Pages()) {
    if (page != front && (focus == page || IsChild(page, focus))) focusBehind = true;
    EnableWindow(page, page == front);
  }
  // The focus may not stay on a page behind (Wine leaves it there, Windows
  // gives it to nobody, where Tab cannot start from): the window takes it,
  // and the next Tab goes to the first control of the page in front.
  if ((focusBehind || !GetFocus()) && GetActiveWindow() == hwnd()) SetFocus(hwnd());
}

void frmMain::ShowSearchAssistant() {
  SaveList(Lists());
  CurrentMode = kModeSearch;
  ShowPanel(picSearch);
  SetMode();
}

// The list shown is always what was saved: choosing the current assistant
// again saves it too, rather than reading the file back over the user's changes.
void frmMain::ShowWebAssistant() {
  if (CurrentMode != kModeSearch) SaveList(Lists());
  CurrentMode = kModeWebsites;
  ShowPanel(*lstTitles);
  LoadList(Lists());
  SetMode();
}

void frmMain::ShowFolderAssistant() {
  if (CurrentMode != kModeSearch) SaveList(Lists());
  CurrentMode = kModeFolders;
  ShowPanel(*lstTitles);
  LoadList(Lists());
  SetMode();
}

void frmMain::ShowOptions() {
  SetMode();
  ShowPanel(picOptions);
}

void frmMain::ShowAbout() { ShowPanel(picAbout); }

void frmMain::ShowMainMenu() {
  ShowPanel(picModes);
  imgTitle.SetPicture(picModes.clbAbout->Picture());
  lbTitle.SetCaption(L"Oravin");
}

void frmMain::CheckStartUp() {
  const bool on = picOptions.chkStartUp.Value() == 1;
  SetStartWithWindows(App().EXEName, ProgramCommand(App().Path + L"\\" + App().EXEName + L".exe"), on ? 1 : 0);
}

}  // namespace oravin
