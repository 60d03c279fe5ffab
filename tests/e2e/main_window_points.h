#pragma once
// Where a user clicks on the main window, for the programs that drive it from outside.
#include <windows.h>

#include "app/pages/menu_entries.h"

namespace oravin::testing {

// Where the main window's controls are (twips of its client area).
inline constexpr POINT kTitle{900, 300};        // titleLabel
inline constexpr POINT kMinimize{2100, 120};    // minimizeButton
inline constexpr POINT kPlug{2340, 500};        // mainMenuButton: the main menu
inline constexpr POINT kChkOpen{500, 4270};     // newWindowCheck
// The middle of a button or label of the main menu (which starts at 240, 720), and of an entry's button.
constexpr POINT MenuPoint(const MenuRect& r) {
  return {240 + 15 * (r.left + r.width / 2), 720 + 15 * (r.top + r.height / 2)};
}
constexpr POINT MenuPoint(const MenuEntry* entry) { return MenuPoint(MenuRowOf(MenuIndexOf(*entry)).button); }
inline constexpr POINT kMenuSearch = MenuPoint(MenuEntryOf(Assistant::Search));
inline constexpr POINT kMenuWeb = MenuPoint(MenuEntryOf(Assistant::Websites));
inline constexpr POINT kMenuFolders = MenuPoint(MenuEntryOf(Assistant::Folders));
inline constexpr POINT kMenuOptions = MenuPoint(MenuEntryOf(Page::Options));
inline constexpr POINT kMenuAbout = MenuPoint(MenuEntryOf(Page::About));
// The list's first row and the list buttons.
inline constexpr POINT kFirstRow{600, 720 + 100};
inline constexpr POINT kListMiddle{240 + 1200, 720 + 1700};
inline constexpr POINT kDelete{600, 4700};
inline constexpr POINT kEdit{1400, 4700};
inline constexpr POINT kAdd{2200, 4700};
inline constexpr POINT kClose{2500, 120};
// The search form, below the home buttons of the search page.
inline constexpr POINT kWords{240 + 900, 720 + 2100};
inline constexpr POINT kWeb{240 + 200, 720 + 2700};
inline constexpr POINT kImages{240 + 1300, 720 + 2700};
inline constexpr POINT kNews{240 + 200, 720 + 2950};
inline constexpr POINT kGroups{240 + 1300, 720 + 2950};

}  // namespace oravin::testing
