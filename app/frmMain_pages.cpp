// The assistants and pages: which page is in front and what the title row says.
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
}

void frmMain::ShowPanel(Control& page) {
  BringToFront(page.hwnd());
  AnimateWindowEffect(page.hwnd(), kAnimateOpen, kPageEffect, kAnimationDelay, kAnimationSteps);
}

void frmMain::ShowSearchAssistant() {
  SaveList(Lists());
  CurrentMode = kModeSearch;
  ShowPanel(picSearch);
  SetMode();
}

void frmMain::ShowWebAssistant() {
  if (CurrentMode == kModeFolders) SaveList(Lists());
  CurrentMode = kModeWebsites;
  ShowPanel(*lstTitles);
  LoadList(Lists());
  SetMode();
}

void frmMain::ShowFolderAssistant() {
  if (CurrentMode == kModeWebsites) SaveList(Lists());
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
