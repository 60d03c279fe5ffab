#pragma once
// Many favorites added to a list at once (a bookmarks file, a handful of
// shortcuts or folders), through the editor's own checks.
#include <string>
#include <vector>

#include "data/bookmark_file.h"
#include "data/favorites.h"

namespace oravin {

struct AddedCounts {
  int added = 0;
  int present = 0;  // the address is in the list already (or came twice)
  int refused = 0;  // the list cannot take it, or its file could not hold it
};

// Adds each favorite to the list and leaves out one whose address the list
// has already (letter case and a trailing "/" or "\" aside). The web list
// takes only what the launcher would open, stored as the launcher opens it;
// an empty title becomes the address's host. Like the editor, it refuses what
// the file could not give back as it is. Nothing is written: the list is
// saved as usual.
AddedCounts AddFavorites(Favorites& favorites, ListKind list, const std::vector<Favorite>& found);

// "已添加 12 项, 3 项已存在, 1 项无法保存".
std::wstring AddedSummary(const AddedCounts& counts);

}  // namespace oravin
