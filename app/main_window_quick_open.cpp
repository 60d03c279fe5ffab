// The quick-open box, its global key and the notification icon's menu.
#include <iterator>

#include "actions/baidu_search.h"
#include "app/main_window.h"
#include "app/images.h"
#include "data/entry.h"
#include "runtime/durable_file.h"
#include "runtime/file_path.h"

namespace oravin {
namespace {

constexpr int kQuickOpenHotkeyId = 1;

// The notification icon's menu, top to bottom; a row without a text is a separator.
struct TrayMenuItem {
  const wchar_t* text;
  void (MainWindow::*run)();
};
constexpr TrayMenuItem kTrayMenu[] = {
    {L"快速打开", &MainWindow::ToggleQuickOpen},
    {L"显示主窗口", &MainWindow::RestoreFromTray},
    {L"导出网址…", &MainWindow::ExportWebsites},
    {L"导入书签…", &MainWindow::ImportBookmarks},
    {nullptr, nullptr},
    {L"退出", &MainWindow::Close},
};
// Menu commands count from 1, since 0 is what TrackPopupMenu says when nothing was chosen.
constexpr UINT kFirstTrayCommand = 1;
// Where the browsers' bookmarks stand among what quick open searches: after the lists.
constexpr size_t kBrowserBookmarksSlot = kListKinds.size();
// What learning knows them by; the lists go by their files' names.
constexpr wchar_t kBrowserBookmarksName[] = L"Browsers";

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
void MainWindow::RegisterQuickOpenKey() {
  UnregisterHotKey(hwnd(), kQuickOpenHotkeyId);
  const Hotkey key = optionsPage.quickOpenKeyBox.Value();
  quickOpenKeyWorks_ = IsSoundHotkey(key) &&
                       RegisterHotKey(hwnd(), kQuickOpenHotkeyId, HotkeyModifiers(key) | MOD_NOREPEAT, KeyCodeOf(key));
  optionsPage.ShowQuickOpenKeyTaken(key != kNoHotkey && !quickOpenKeyWorks_);
}

std::wstring MainWindow::TrayTip() const {
  static constexpr wchar_t kTip[] = L"Oravin";
  if (!quickOpenKeyWorks_) return kTip;
  return std::wstring(kTip) + L" - 快速打开: " + HotkeyText(optionsPage.quickOpenKeyBox.Value());
}

void MainWindow::ShowTrayMenu() {
  UniqueMenu menu(CreatePopupMenu());
  UINT command = kFirstTrayCommand;
  for (const TrayMenuItem& item : kTrayMenu) {
    std::wstring text = item.text ? item.text : L"";
    // The quick-open row names its key, when the key works.
    if (item.run == &MainWindow::ToggleQuickOpen && quickOpenKeyWorks_)
      text += L"\t" + HotkeyText(optionsPage.quickOpenKeyBox.Value());
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

void MainWindow::CreateQuickOpen() {
  const auto favoriteOf = [this](QuickMatch match) -> const Favorite& {
    return match.list == kBrowserBookmarksSlot ? quickBookmarks_.favorites[match.index]
                                               : quickFavorites_[match.list][match.index];
  };
  // The browsers' bookmarks are web addresses, and go as the web list's do.
  const auto kindOf = [](QuickMatch match) {
    return match.list == kBrowserBookmarksSlot ? ListKind::Websites : kListKinds[match.list];
  };
  quickOpen_ = std::make_unique<QuickOpenBox>(QuickOpenSource{
      .search = [this](std::wstring_view query, size_t limit) { return quickRanking_.Search(query, limit); },
      .favorite = favoriteOf,
      .icon = [kindOf](QuickMatch match) { return ProgramPicture(RowOf(kindOf(match)).picture); },
      .origin =
          [this](QuickMatch match) {
            if (match.list != kBrowserBookmarksSlot) return std::wstring();
            return std::wstring(kBrowsers[quickBookmarks_.browsers[match.index]].name);
          },
      .open =
          [this, favoriteOf, kindOf](QuickMatch match) {
            quickRanking_.Opened(quickOpen_->queryBox.Text(), match);
            SaveQuickLearning();
            // A copy: the bookmarks may be read again while a message about this one is up.
            const Favorite favorite = favoriteOf(match);
            OpenFavorite(favorite, AddressesOf(kindOf(match)) == AddressKind::Folder);
          },
      .forget =
          [this](QuickMatch match) {
            quickRanking_.Forget(match);
            SaveQuickLearning();
          },
      .fallback = [this](std::wstring_view query) { return BaiduFallback(query); },
  });
  optionsPage.quickOpenKeyBox.Changed = [this] {
    RegisterQuickOpenKey();
    if (trayIcon_) trayIcon_->SetTip(TrayTip());
  };
  optionsPage.forgetPicksButton.Click = [this] {
    quickRanking_.SetLearning({});
    SaveQuickLearning();
  };
  // Learning that cannot be read is no learning: quick open works as before it learned.
  std::string bytes;
  std::error_code error;
  if (ReadFileContents(QuickLearningFile(), bytes, error)) quickRanking_.SetLearning(QuickLearning::FromFile(bytes));
}

std::wstring MainWindow::QuickLearningFile() const { return JoinPath(BinFolder(), L"QuickOpenPicks.txt"); }

// Written at each change, as it is small: a program ended by the system keeps it.
void MainWindow::SaveQuickLearning() const {
  std::error_code error;
  ReplaceFileContents(QuickLearningFile(), quickRanking_.Learning().FileText(), error);
}

// What matches no favorite is searched for on the web, as a launcher does.
std::optional<QuickFallback> MainWindow::BaiduFallback(std::wstring_view query) {
  if (HasNoWords(query)) return std::nullopt;
  const std::wstring words(query);
  return QuickFallback{L"在百度搜索 \"" + words + L"\"", ProgramPicture(MenuEntryOf(Assistant::Search)->picture),
                       [this, words] { Open(BuildBaiduSearchUrl(words, kBaiduOwnCount, kSearchWeb, false), false); }};
}

void MainWindow::ToggleQuickOpen() {
  if (quickOpen_->IsOpen()) return quickOpen_->Close();
  FollowBrowserBookmarks();
  IndexFavorites();
  quickOpen_->Open(hwnd());
}

// The list on screen as it is now, changes not yet saved included, and the
// others as their files hold them. A list is indexed again only once it changed.
void MainWindow::IndexFavorites() {
  for (size_t slot = 0; slot < kListKinds.size(); ++slot) {
    const ListKind kind = kListKinds[slot];
    favorites_.ReadQuietly(kind);
    if (quickRevisions_[slot] == favorites_.Revision(kind)) continue;
    quickRevisions_[slot] = favorites_.Revision(kind);
    quickFavorites_[slot] = FavoritesOf(favorites_.Entries(kind));
    quickRanking_.SetList(slot, StemOf(RowOf(kind).fileName), quickFavorites_[slot]);
    // An address now in a list is no longer shown for a browser.
    listedBookmarksKnown_ = false;
  }
  if (listedBookmarksKnown_) return;
  listedBookmarksKnown_ = true;
  quickRanking_.Hide(kBrowserBookmarksSlot, ListedBookmarks(quickBookmarks_, quickFavorites_));
}

void MainWindow::ShowBrowserBookmarks(IndexedBookmarks indexed) {
  quickBookmarks_ = std::move(indexed.bookmarks);
  quickRanking_.SetList(kBrowserBookmarksSlot, kBrowserBookmarksName, quickBookmarks_.favorites,
                        std::move(indexed.index));
  listedBookmarksKnown_ = false;
}

void MainWindow::FollowBrowserBookmarks() {
  const bool wanted = optionsPage.browserBookmarksCheck.Value() == 1;
  if (wanted == bool(browserBookmarks_)) return;
  browserBookmarks_.reset();
  if (wanted) {
    browserBookmarks_ = std::make_unique<BrowserBookmarkSource>(SystemFolderWatcher(), LocalAppDataFolder(), hwnd(),
                                                                kBrowserBookmarksRead);
  } else {
    ShowBrowserBookmarks({});
  }
}

// Made searchable at once, so that the next key finds the box ready; an open
// box shows them at once. They come indexed: the window only leaves out those
// a list holds.
void MainWindow::OnBrowserBookmarksRead() {
  if (!browserBookmarks_) return;
  std::optional<IndexedBookmarks> indexed = browserBookmarks_->Arrived();
  if (!indexed) return;
  ShowBrowserBookmarks(std::move(*indexed));
  IndexFavorites();
  quickOpen_->Refresh();
}

}  // namespace oravin
