// The assistants and pages: which page is in front and what the title row says.
#include <algorithm>

#include "actions/command_line.h"
#include "app/main_window.h"
#include "app/images.h"
#include "data/entry.h"
#include "runtime/file_path.h"
#include "runtime/message_box.h"

namespace oravin {
namespace {

constexpr int32_t kPageEffect = 10;

}  // namespace

void MainWindow::SetMode() {
  const MenuEntry* chosen = MenuEntryOf(favorites_.Current());
  if (!chosen) return;
  for (size_t i = 0; i < kAssistantEntryCount; ++i) {
    mainMenuPage.Choices()[i].label.SetFontBold(&kMenuEntries[i] == chosen);
  }
  titleLabel.SetCaption(chosen->title);
  const PicturePtr picture = ProgramPicture(chosen->picture);
  titleImage.SetPicture(picture);
  entryList->SetListIcon(picture);
  BringToFront(PageOf(chosen->page).hwnd());
  EnableFrontPageOnly();
}

void MainWindow::Choose(const MenuEntry& entry) {
  switch (entry.onChoose) {
    case OnChoose::BecomeAssistant: return ShowAssistant(entry.assistant);
    case OnChoose::TitleOfAssistant: SetMode(); break;
    case OnChoose::KeepTitle: break;
  }
  ShowPanel(PageOf(entry.page));
}

void MainWindow::ShowPanel(Control& page, std::function<void()> then) {
  BringToFront(page.hwnd());
  EnableFrontPageOnly();
  Animate(page.hwnd(), kAnimateOpen, kPageEffect, std::move(then));
}

std::array<HWND, kPageCount> MainWindow::Pages() const {
  std::array<HWND, kPageCount> pages{};
  std::transform(pages_.begin(), pages_.end(), pages.begin(), [](const Control* page) { return page->hwnd(); });
  return pages;
}

HWND MainWindow::FrontPage() const {
  const std::array<HWND, kPageCount> pages = Pages();
  for (HWND w = GetWindow(hwnd(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
    if (std::find(pages.begin(), pages.end(), w) != pages.end()) return w;
  }
  return nullptr;
}

// The pages lie stacked and all shown, since an animation uncovers the page
// behind. Only the page in front may take part in Tab and the access keys, so
// the others are disabled, which leaves their look as it is.
void MainWindow::EnableFrontPageOnly() {
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
void MainWindow::ShowAssistant(Assistant assistant) {
  const MenuEntry* entry = MenuEntryOf(assistant);
  if (!entry) return;
  // A page change still playing puts its list in first, so that list is the one saved.
  animation_.Finish();
  if (const std::optional<ListKind> left = favorites_.CurrentList()) {
    Notices notices;
    favorites_.SaveList(*left, notices);
    messageBoxes_.Tell(notices);
  }
  entryList->Clear();
  favorites_.SetCurrent(assistant);
  ShowPanel(PageOf(entry->page), [this] {
    ShowCurrentList();
    SetMode();
  });
}

void MainWindow::ShowCurrentList() {
  const std::optional<ListKind> list = favorites_.CurrentList();
  if (!list) return entryList->Clear();
  Notices notices;
  favorites_.LoadList(*list, notices);
  messageBoxes_.Tell(notices);
  entryList->SetItems(favorites_.Titles(*list));
}

void MainWindow::ShowEdit(ListKind list, const ListEdit& edit) {
  if (list != favorites_.CurrentList()) return;
  if (!edit.added) return entryList->Remove(edit.index);
  const int32_t count = entryList->ItemCount();
  entryList->AddItem(TitleOf(favorites_.Entries(list)[size_t(edit.index)]), edit.index < count ? edit.index : -1);
}

void MainWindow::ShowOptions() { Choose(*MenuEntryOf(Page::Options)); }

void MainWindow::ShowAbout() { Choose(*MenuEntryOf(Page::About)); }

void MainWindow::ShowMainMenu() {
  ShowPanel(mainMenuPage, [this] {
    titleImage.SetPicture(ProgramPicture(IDI_ABOUT));
    titleLabel.SetCaption(L"Oravin");
  });
}

void MainWindow::CheckStartUp() {
  const bool on = optionsPage.startWithWindowsCheck.Value() == 1;
  startUpEntry_.Set(program_.exeName, ProgramCommand(JoinPath(program_.folder, program_.exeName + L".exe")), on ? 1 : 0);
}

}  // namespace oravin
