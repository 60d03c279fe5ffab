#pragma once
// The main window: a borderless, rounded form at the bottom-right of the
// screen with a title row, a stack of pages (the main menu, the search page,
// the list of the current assistant, the options and the about page), the
// new-window option and the three list buttons.
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "actions/open_address.h"
#include "actions/start_with_windows.h"
#include "actions/tray_icon.h"
#include "actions/search_query.h"
#include "app/browser_bookmark_source.h"
#include "app/browser_stand_in.h"
#include "app/drop_target.h"
#include "app/file_dialogs.h"
#include "app/quick_open_box.h"
#include "app/tray_message.h"
#include "app/pages/about_page.h"
#include "app/pages/modes_page.h"
#include "app/pages/options_page.h"
#include "app/pages/search_page.h"
#include "controls/colorbutton/color_button.h"
#include "controls/listboxex/listboxex.h"
#include "dialogs/entry_editor.h"
#include "data/favorites.h"
#include "data/quick_ranking.h"
#include "data/settings.h"
#include "effects/window_animation.h"
#include "runtime/app.h"
#include "runtime/check_box.h"
#include "runtime/folder_watcher.h"
#include "runtime/form.h"
#include "runtime/image_box.h"
#include "runtime/label.h"

namespace oravin {

// Every animation of the main window: 1 ms after each of 33 steps.
inline constexpr int32_t kAnimationDelay = 1;
inline constexpr int32_t kAnimationSteps = 33;

// What the main window changes outside itself: what it opens, the
// start-with-Windows value, its icon and what it tells the user. Tests pass their own.
struct SystemServices {
  const ProgramLocation& program;
  Shell& shell;
  RegistryCalls& registry;
  NotificationArea& notificationArea;
  FolderPicker& folderPicker;
  MessageBoxSink& messageBoxes;
};

class MainWindow : public Form {
 public:
  explicit MainWindow(const SystemServices& system);
  ~MainWindow() override;


  // Creates the window and runs the start-up; false when Windows refused the window.
  bool Load();
  // Runs the shut-down and ends the program.
  void Unload();

  // Brings the title row and the visible page in line with the current assistant.
  void SetMode();
  // Writes or deletes the start-with-Windows value as startWithWindowsCheck says.
  void CheckStartUp();

  // Page switches, as the main menu's buttons and labels run them.
  void Choose(const MenuEntry& entry);
  void ShowAssistant(Assistant assistant);
  void ShowOptions();
  void ShowAbout();
  void ShowMainMenu();

  // The list page: a click shows the entry's address as the list's tooltip,
  // a double-click opens it, the delete button removes it.
  void ShowSelectedAddress();
  void OpenSelectedEntry();
  void DeleteSelectedEntry();
  // The list buttons that open the editor dialog.
  void AddEntry();
  void EditEntry();
  EntryEditor& Editor() { return *editor_; }
  // Favorites dropped on the window: taken only once the start-up is over.
  bool TakesDrops() const { return dropTarget_ && dropTarget_->Registered(); }

  // The search page's form.
  void Search();
  void AdvancedSearch();
  // The two big buttons: the words searched, or the home page when there are none.
  void SearchBaidu();
  void SearchGoogle();

  // Title row.
  void Minimize();
  void Close();
  // The notification icon's left-button release.
  void RestoreFromTray();
  // The notification icon's menu, on a right-click.
  void ShowTrayMenu();
  // The tray menu's way to a browser and back: the web list written as a
  // browser's bookmarks file, and such a file brought in as a drop is.
  void ExportWebsites();
  void ImportBookmarks();

  // The quick-open box: the global key opens it, and closes it again.
  void ToggleQuickOpen();
  QuickOpenBox& QuickOpen() { return *quickOpen_; }
  // Whether the quick-open key could be registered (another program may hold it).
  bool QuickOpenKeyWorks() const { return quickOpenKeyWorks_; }

  bool MinimizedToTray() const { return minimizedToTray_; }
  // An animation of the window or of a page is playing: the user's input waits for its end.
  bool Animating() const { return animation_.Playing(); }
  // The opening animation has played and the settings and the list are in.
  bool Started() const { return started_; }
  // The lists, and the titles of the current one as the list page shows them.
  Favorites& Store() { return favorites_; }
  ListBoxEX& TitleList() { return *entryList; }

 protected:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void Rescaled() override;

 private:
  // Drops are taken from the message loop, once the source has its answer.
  static constexpr UINT kTakeDrops = WM_APP + 2;
  // WM_APP + 1 restores from the taskbar (main_window.cpp), + 3 is the tray icon's (tray_message.h).
  static constexpr UINT kBrowserBookmarksRead = WM_APP + 4;
  // While the data folder is away, it is looked for this often.
  static constexpr UINT_PTR kDataFolderTimer = 3;
  static constexpr UINT kDataFolderRetryMs = 2000;

  void CreateControls();
  void BindEvents();
  void StackPagesInDesignOrder();
  void OrderTabStops();
  void PlacePagesOnTheList();
  void PlaceAtBottomRight();
  void ApplySettings();
  Options CurrentOptions() const;
  // The rest of the start-up, once the opening animation has played.
  void FinishStartUp();
  void ShutDown();
  // Plays an animation of the window or a page, as the animate option says; then() follows its last frame.
  void Animate(HWND window, int32_t mode, int32_t effect, std::function<void()> then = {});
  void ShowPanel(Control& page, std::function<void()> then = {});
  Control& PageOf(Page page) { return *pages_[size_t(page)]; }
  // Fills the list page with the titles of the current list, read first if need be.
  void ShowCurrentList();
  void ShowEdit(ListKind list, const ListEdit& edit);
  // Lists changed on disk by another program are shown anew (main_window_live.cpp).
  void WatchListFolder();
  void OnListFilesChanged(const FolderChanges& changes);
  void ReloadCurrentList();
  void MergeConflictCopies();
  // Where the lists are kept, and the options page's way to another folder (main_window_data_folder.cpp).
  std::wstring BinFolder() const;
  void OpenDataFolder();
  void LookForDataFolder();
  void ChooseDataFolder();
  // Opens in a new window as newWindowCheck says, and tells the user what kept it from opening.
  void Open(const std::wstring& address, bool isFolder, std::wstring_view title = {});
  SearchRequest SearchForm() const;
  void EnableFrontPageOnly();
  void OnEnterKey();
  void OnTrayMessage(LPARAM lp);
  HICON TrayIconPicture() const;
  void OnTrayIconAdded(bool added);
  // The selected entry's position, or nothing when no entry is selected.
  std::optional<int32_t> SelectedEntry() const;
  std::wstring SelectedEntryText() const;
  // Opens a favorite's address as a double-click does.
  void OpenFavorite(const Favorite& favorite, bool isFolder);
  void CreateQuickOpen();
  std::optional<QuickFallback> BaiduFallback(std::wstring_view query);
  void RegisterQuickOpenKey();
  std::wstring TrayTip() const;
  void IndexFavorites();
  // Reads the browsers' bookmarks, or stops, as the options page says.
  void FollowBrowserBookmarks();
  void OnBrowserBookmarksRead();
  void ShowBrowserBookmarks(IndexedBookmarks indexed);
  std::wstring QuickLearningFile() const;
  void SaveQuickLearning() const;
  std::array<HWND, kPageCount> Pages() const;
  HWND FrontPage() const;
  void RegisterDropTarget();
  DropKind DropKindHere(const DroppedItems& items) const;
  void TakeDrops();
  void AddDroppedFiles(const std::vector<std::wstring>& files);
  void AddFavoritesFromFiles(ListKind list, const std::vector<std::wstring>& files);
  // The tray menu's export and import (main_window_export.cpp).

  ImageBox titleImage;
  Label titleLabel, menuHintLabel;
  std::unique_ptr<ColorButton> minimizeButton, closeButton, mainMenuButton;
  std::unique_ptr<ListBoxEX> entryList;
  ModesPage mainMenuPage;
  SearchPage searchPage;
  OptionsPage optionsPage;
  AboutPage aboutPage;
  BrowserStandIn browserStandIn;
  CheckBox newWindowCheck;
  std::unique_ptr<ColorButton> deleteButton, editButton, addButton;
  // In the order of Page, each on the page area.
  std::array<Control*, kPageCount> pages_{};
  // The pages made from their rows (MenuEntry::madeFromRow).
  std::vector<std::unique_ptr<Control>> pagesFromRows_;
  Favorites favorites_{std::wstring(), SystemCodec()};
  std::unique_ptr<FolderWatch> listFolderWatch_;
  TextEncoding settingsEncoding_ = TextEncoding::CodePage;
  std::unique_ptr<EntryEditor> editor_;
  std::unique_ptr<QuickOpenBox> quickOpen_;
  // What the quick-open box searches: the lists as they were when it opened,
  // each under its place in kListKinds, and the revisions of the store's
  // lists they were indexed at; after them the browsers' bookmarks, indexed
  // as they are read, those a list holds too left out again when a list changed.
  QuickRanking quickRanking_;
  std::array<std::vector<Favorite>, kListKinds.size()> quickFavorites_;
  std::array<std::optional<uint64_t>, kListKinds.size()> quickRevisions_;
  std::unique_ptr<BrowserBookmarkSource> browserBookmarks_;
  BrowserBookmarks quickBookmarks_;
  bool listedBookmarksKnown_ = false;
  bool quickOpenKeyWorks_ = false;
  std::unique_ptr<DropTargetRegistration> dropTarget_;
  // Dropped, and waiting for the message loop.
  std::vector<DroppedItems> drops_;

  const ProgramLocation& program_;
  Launcher launcher_;
  StartUpEntry startUpEntry_;
  NotificationArea& notificationArea_;
  FolderPicker& folderPicker_;
  MessageBoxSink& messageBoxes_;
  // From the end of the start-up until the shut-down.
  std::unique_ptr<TrayIcon> trayIcon_;
  WindowAnimation animation_;
  bool started_ = false;
  bool minimizedToTray_ = false;
  // Without a notification area the window minimises to the taskbar instead.
  bool inTray_ = false;
  bool shutDown_ = false;
};

}  // namespace oravin
