#pragma once
// The favorites lists between their files and the main window's two lists.
#include <cstdint>
#include <filesystem>
#include <string>

#include "controls/listboxex/item_list.h"

namespace oravin {

// Which assistant is current: 0 search (no list), 1 web addresses, 2 folders.
inline int32_t CurrentMode = 0;

inline constexpr int32_t kModeSearch = 0;
inline constexpr int32_t kModeWebsites = 1;
inline constexpr int32_t kModeFolders = 2;

// The visible titles and, at the same positions, the whole entries.
struct FavoriteLists {
  ItemList& lstTitles;
  ItemList& lstAddress;
};

// The list file of a mode under the program's folder; empty for modes without a list.
std::filesystem::path ListFileOf(int32_t mode);

// Adds an entry's whole text and its title opposite each other.
void AddEntry(FavoriteLists lists, const std::wstring& entry);

// Fills both lists from the file of CurrentMode (empties them for other modes).
// A list whose last save failed comes back as it was then, not from the file.
void LoadList(FavoriteLists lists);
// Writes the lists to the file of CurrentMode (nothing for other modes) and
// empties them. A failed write is told to the user and tried again at the next save.
void SaveList(FavoriteLists lists);

}  // namespace oravin
