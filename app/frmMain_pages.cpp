// The assistants and pages: which page is in front and what the title row says.
#include <algorithm>

#include "actions/command_line.h"
#include "app/frmMain.h"
#include "app/images.h"
#include "data/entry.h"
#include "runtime/app.h"
#include "runtime/message_box.h"

namespace oravin {
namespace {

constexpr int32_t kPageEffect = 10;

}  // namespace

void frmMain::SetMode() {
  const MenuEntry* chosen = MenuEntryOf(favorites_.Current());
  if (!chosen) return;
  for (size_t i = 0; i < kAssistantEntryCount; ++i) {
    picModes.Choices()[i].label.SetFontBold(&kMenuEntries[i] == chosen);
  }
  lbTitle.SetCaption(chosen->title);
  const PicturePtr picture = ProgramPicture(chosen->picture);
  imgTitle.SetPicture(picture);
  lstTitles->SetListIcon(picture);
  BringToFront(PageOf(chosen->page).hwnd());
  EnableFrontPageOnly();
}

void frmMain::Choose(const MenuEntry& entry) {
  switch (entry.onChoose) {
    case OnChoose::BecomeAssistant: return ShowAssistant(entry.assistant);
    case OnChoose::TitleOfAssistant: SetMode(); break;
    case OnChoose::KeepTitle: break;
  }
  ShowPanel(PageOf(entry.page));
}

void frmMain::ShowPanel(Control& page, std::function<void()> then) {
  BringToFront(page.hwnd());
  EnableFrontPageOnly();
  Animate(page.hwnd(), kAnimateOpen, kPageEffect, std::move(then));
}

std::array<HWND, kPageCount> frmMain::Pages() const {
  std::array<HWND, kPageCount> pages{};
  std::transform(pages_.begin(), pages_.end(), pages.begin(), [](const Control* page) { return page->hwnd(); });
  return pages;
}

HWND frmMain::FrontPage() const {
  const std::array<HWND, kPageCount> pages = Pages();
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

// The list left is saved (also when it is chosen again: what the file holds
// then is what the page shows), and the page stays empty until the next list
// is in it.
void frmMain::ShowAssistant(Assistant assistant) {
  const MenuEntry* entry = MenuEntryOf(assistant);
  if (!entry) return;
  // A page change still playing puts its list in first, so that list is the one saved.
  animation_.Finish();
  if (const std::optional<ListKind> left = favorites_.CurrentList()) {
    Notices notices;
    favorites_.SaveList(*left, notices);
    Tell(notices);
  }
  lstTitles->Clear();
  favorites_.SetCurrent(assistant);
  ShowPanel(PageOf(entry->page), [this] {
    ShowCurrentList();
    SetMode();
  });
}

void frmMain::ShowCurrentList() {
  const std::optional<ListKind> list = favorites_.CurrentList();
  if (!list) return lstTitles->Clear();
  Notices notices;
  favorites_.LoadList(*list, notices);
  Tell(notices);
  const std::vector<std::wstring>& entries = favorites_.Entries(*list);
  std::vector<std::wstring> titles;
  titles.reserve(entries.size());
  for (const std::wstring& entry : entries) titles.push_back(TitleOf(entry));
  lstTitles->SetItems(std::move(titles));
}

void frmMain::ShowEdit(ListKind list, const ListEdit& edit) {
  if (list != favorites_.CurrentList()) return;
  if (!edit.added) return lstTitles->Remove(edit.index);
  const int32_t count = lstTitles->ListCount();
  lstTitles->AddItem(TitleOf(favorites_.Entries(list)[size_t(edit.index)]), edit.index < count ? edit.index : -1);
}

void frmMain::ShowOptions() { Choose(*MenuEntryOf(Page::Options)); }

void frmMain::ShowAbout() { Choose(*MenuEntryOf(Page::About)); }

void frmMain::ShowMainMenu() {
  ShowPanel(picModes, [this] {
    imgTitle.SetPicture(ProgramPicture(IDI_ABOUT));
    lbTitle.SetCaption(L"Oravin");
  });
}

void frmMain::CheckStartUp() {
  const bool on = picOptions.chkStartUp.Value() == 1;
  startUpEntry_.Set(App().EXEName, ProgramCommand(App().Path + L"\\" + App().EXEName + L".exe"), on ? 1 : 0);
}

}  // namespace oravin
