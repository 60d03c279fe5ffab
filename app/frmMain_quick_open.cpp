// The quick-open box, its global key and the notification icon's menu.
#include "actions/mdlTray.h"
#include "app/frmMain.h"
#include "data/entry.h"

namespace oravin {
namespace {

constexpr int kQuickOpenHotkeyId = 1;

enum TrayCommand : UINT { kTrayQuickOpen = 1, kTrayShowWindow, kTrayExit };

// The hotkey control's modifiers (HOTKEYF_*) as RegisterHotKey takes them (MOD_*).
UINT HotkeyModifiers(Hotkey key) {
  return ((key & kHotkeyShift) ? MOD_SHIFT : 0) | ((key & kHotkeyControl) ? MOD_CONTROL : 0) |
         ((key & kHotkeyAlt) ? MOD_ALT : 0);
}

std::vector<Favorite> FavoritesOf(const std::vector<std::wstring>& entries) {
  std::vector<Favorite> favorites;
  favorites.reserve(entries.size());
  for (const std::wstring& entry : entries) favorites.push_back({TitleOf(entry), AddressOf(entry)});
  return favorites;
}

}  // namespace

// A key another program holds is told on the options page, once, and the
// tray's tip names only a key that works.
void frmMain::RegisterQuickOpenKey() {
  UnregisterHotKey(hwnd(), kQuickOpenHotkeyId);
  const Hotkey key = picOptions.hotQuickOpen.Value();
  quickOpenKeyWorks_ = IsSoundHotkey(key) &&
                       RegisterHotKey(hwnd(), kQuickOpenHotkeyId, HotkeyModifiers(key) | MOD_NOREPEAT, KeyCodeOf(key));
  picOptions.ShowQuickOpenKeyTaken(key != kNoHotkey && !quickOpenKeyWorks_);
}

std::wstring frmMain::TrayTip() const {
  static constexpr wchar_t kTip[] = L"Oravin";
  if (!quickOpenKeyWorks_) return kTip;
  return std::wstring(kTip) + L" - 快速打开: " + HotkeyText(picOptions.hotQuickOpen.Value());
}

void frmMain::ShowTrayMenu() {
  UniqueMenu menu(CreatePopupMenu());
  std::wstring quickOpen = L"快速打开";
  if (quickOpenKeyWorks_) quickOpen += L"\t" + HotkeyText(picOptions.hotQuickOpen.Value());
  AppendMenuW(menu.get(), MF_STRING, kTrayQuickOpen, quickOpen.c_str());
  AppendMenuW(menu.get(), MF_STRING, kTrayShowWindow, L"显示主窗口");
  AddBookmarkMenuItems(menu.get());
  AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu.get(), MF_STRING, kTrayExit, L"退出");
  POINT at{};
  GetCursorPos(&at);
  // In front first, or the menu stays open when the user clicks elsewhere.
  SetForegroundWindow(hwnd());
  const UINT command = UINT(TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0,
                                           hwnd(), nullptr));
  // And a message after it, so that the menu goes at the next click away.
  PostMessageW(hwnd(), WM_NULL, 0, 0);
  if (RunBookmarkCommand(command)) return;
  switch (command) {
    case kTrayQuickOpen: return ToggleQuickOpen();
    case kTrayShowWindow: return RestoreFromTray();
    case kTrayExit: return Close();
  }
}

void frmMain::CreateQuickOpen() {
  quickOpen_ = std::make_unique<frmQuickOpen>(QuickOpenSource{
      .search = [this](std::wstring_view query, size_t limit) { return quickIndex_.Search(query, limit); },
      .favorite = [this](QuickMatch match) { return quickFavorites_[match.list][match.index]; },
      .icon =
          [this](QuickMatch match) {
            return picModes.ChoiceOf(AssistantOf(kListKinds[match.list]))->button->Picture();
          },
      .open =
          [this](QuickMatch match) {
            const bool isFolder = AddressesOf(kListKinds[match.list]) == AddressKind::Folder;
            OpenFavorite(quickFavorites_[match.list][match.index], isFolder);
          },
  });
  picOptions.hotQuickOpen.Changed = [this] {
    RegisterQuickOpenKey();
    SetTrayTip(TrayTip());
  };
}

void frmMain::ToggleQuickOpen() {
  if (quickOpen_->IsOpen()) return quickOpen_->Close();
  IndexFavorites();
  quickOpen_->Open(hwnd());
}

// The list on screen as it is now, changes not yet saved included, and the
// others as their files hold them. A list is indexed again only once it changed.
void frmMain::IndexFavorites() {
  for (size_t slot = 0; slot < kListKinds.size(); ++slot) {
    const ListKind kind = kListKinds[slot];
    favorites_.ReadQuietly(kind);
    if (quickRevisions_[slot] == favorites_.Revision(kind)) continue;
    quickRevisions_[slot] = favorites_.Revision(kind);
    quickFavorites_[slot] = FavoritesOf(favorites_.Entries(kind));
    quickIndex_.SetList(slot, quickFavorites_[slot]);
  }
}

}  // namespace oravin
