#pragma once
// Favorites as a bookmarks file for a browser to import: the Netscape bookmark
// HTML that Chrome, Edge and Firefox write when they export, in UTF-8, one
// link a line (some browsers read it line by line).
#include <cstdint>
#include <string>
#include <vector>

#include "data/bookmark_file.h"

namespace oravin {

// addDate: when the links were added, in seconds since 1970 (UTC), as the browsers keep it.
std::string BookmarkFileOf(const std::vector<Favorite>& favorites, int64_t addDate);

}  // namespace oravin
