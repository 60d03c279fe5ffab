#pragma once
// Where a user clicks on the main window, for the programs that drive it from outside.
#include <windows.h>

#include "app/pages/menu_entries.h"

namespace oravin::testing {

// Where the main window's controls are (pixels of its client area at 96 dpi).
inline constexpr POINT kTitle{60, 20};     // titleLabel
inline constexpr POINT kMinimize{140, 8};  // minimizeButton
inline constexpr POINT kPlug{156, 33};     // mainMenuButton: the main menu
inline constexpr POINT kChkOpen{33, 285};  // newWindowCheck
// The middle of a button or label of the main menu (which starts at 16, 48), and of an entry's button.
constexpr POINT MenuPoint(const MenuRect& r) { return {16 + r.left + r.width / 2, 48 + r.top + r.height / 2}; }
constexpr POINT MenuPoint(const MenuEntry* entry) { return MenuPoint(MenuRowOf(MenuIndexOf(*entry)).button); }
inline constexpr POINT kMenuSearch = MenuPoint(MenuEntryOf(Assistant::Search));
inline constexpr POINT kMenuWeb = MenuPoint(MenuEntryOf(Assistant::Websites));
inline constexpr POINT kMenuFolders = MenuPoint(MenuEntryOf(Assistant::Folders));
inline constexpr POINT kMenuOptions = MenuPoint(MenuEntryOf(Page::Options));
inline constexpr POINT kMenuAbout = MenuPoint(MenuEntryOf(Page::About));
// The list's first row and the list buttons.
inline constexpr POINT kFirstRow{40, 48 + 7};
inline constexpr POINT kListMiddle{16 + 80, 48 + 113};
inline constexpr POINT kDelete{40, 313};
inline constexpr POINT kEdit{93, 313};
inline constexpr POINT kAdd{147, 313};
inline constexpr POINT kClose{167, 8};
// The search form, below the home buttons of the search page.
inline constexpr POINT kWords{16 + 60, 48 + 140};
inline constexpr POINT kWeb{16 + 13, 48 + 180};
inline constexpr POINT kImages{16 + 87, 48 + 180};
inline constexpr POINT kNews{16 + 13, 48 + 197};
inline constexpr POINT kGroups{16 + 87, 48 + 197};

}  // namespace oravin::testing
