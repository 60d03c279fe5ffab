// The quick-open box, its global key and the notification icon's menu.
#include <iterator>

#include "actions/baidu_search.h"
#include "app/frmMain.h"
#include "app/images.h"
#include "data/entry.h"

namespace oravin {
namespace {

constexpr int kQuickOpenHotkeyId = 1;

// The notification icon's menu, top to bottom; a row without a text is a separator.
struct TrayMenuItem {
  const wchar_t* text;
  void (frmMain::*run)();
};
constexpr TrayMenuItem kTrayMenu[] = {
    {L"快速打开", &frmMain::ToggleQuickOpen},
    {L"显示主窗口", &frmMain::RestoreFromTray},
    {nullptr, nullptr},
    {L"退出", &frmMain::Close},
};
// Menu commands count from 1, since 0 is what TrackPopupMenu says when nothing was chosen.
constexpr UINT kFirstTrayCommand = 1;

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
  UINT command = kFirstTrayCommand;
  for (const TrayMenuItem& item : kTrayMenu) {
    std::wstring text = item.text ? item.text : L"";
    // The quick-open row names its key, when the key works.
    if (item.run == &frmMain::ToggleQuickOpen && quickOpenKeyWorks_)
      text += L"\t" + HotkeyText(picOptions.hotQuickOpen.Value());
    AppendMenuW(menu.get(), item.text ? MF_STRING : MF_SEPARATOR, item.text ? command : 0, text.c_str());
    ++command;
  }
  POINT at{};
  GetCursorPos(&at);
  // In front first, or the menu stays open when the user clicks elsewhere.
  SetForegroundWindow(hwnd());
  const UINT chosen = UINT(TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0,
                                          hwnd(), nullptr));
  // And a message after it, so that the menu goes at the next click away.
  PostMessageW(hwnd(), WM_NULL, 0, 0);
  if (chosen < kFirstTrayCommand || chosen - kFirstTrayCommand >= std::size(kTrayMenu)) return;
  (this->*kTrayMenu[chosen - kFirstTrayCommand].run)();
}

void frmMain::CreateQuickOpen() {
  quickOpen_ = std::make_unique<frmQuickOpen>(QuickOpenSource{
      .search = [this](std::wstring_view query, size_t limit) { return quickIndex_.Search(query, limit); },
      .favorite = [this](QuickMatch match) { return quickFavorites_[match.list][match.index]; },
      .icon = [](QuickMatch match) { return ProgramPicture(RowOf(kListKinds[match.list]).picture); },
      .open =
          [this](QuickMatch match) {
            const bool isFolder = AddressesOf(kListKinds[match.list]) == AddressKind::Folder;
            OpenFavorite(quickFavorites_[match.list][match.index], isFolder);
          },
      .fallback = [this](std::wstring_view query) { return BaiduFallback(query); },
  });
  picOptions.hotQuickOpen.Changed = [this] {
    RegisterQuickOpenKey();
    if (trayIcon_) trayIcon_->SetTip(TrayTip());
  };
}

// What matches no favorite is searched for on the web, as a launcher does.
std::optional<QuickFallback> frmMain::BaiduFallback(std::wstring_view query) {
  if (HasNoWords(query)) return std::nullopt;
  const std::wstring words(query);
  return QuickFallback{L"在百度搜索 \"" + words + L"\"", picModes.ChoiceOf(Assistant::Search)->button->Picture(),
                       [this, words] { Open(BuildBaiduSearchUrl(words, kBaiduOwnCount, kSearchWeb, false), false); }};
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
