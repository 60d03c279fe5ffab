#pragma once
// What is dropped on the main window and what it means on the page in front:
// a link to put in the editor, or files whose favorites go straight into the list.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "data/bookmark_file.h"
#include "data/favorites.h"

namespace oravin {

// The formats the window takes from a drag, as read from it.
struct DroppedItems {
  std::vector<std::wstring> files;  // files and folders from Explorer
  std::wstring url;                 // a link from a browser
  std::wstring description;         // the link's title, when the browser gives one
  std::wstring text;                // plain text, which counts when it is one web address
};

enum class DropKind {
  None,   // nothing that fits: the pointer shows that it cannot drop here
  Link,   // a web address for the editor
  Files,  // favorites to add at once: shortcuts and bookmark files, or folders
};

// What the items are on the list in front (none: no list is).
DropKind KindOfDrop(std::optional<ListKind> list, const DroppedItems& items);

// The link of a drop of kind Link as the editor gets it: the address the
// launcher would open, titled by the description or else by the address's host.
std::optional<Favorite> DroppedLink(const DroppedItems& items);

// The favorites that dropped files hold for the list: the web
// list takes Internet Shortcuts (titled by their file names) and bookmark
// files, the folder list takes folders (titled by their names, a drive by its
// label). Whatever else was dropped is counted as refused; a file that could
// not be read as what its name says is named in a problem for the user.
struct FilesFavorites {
  std::vector<Favorite> favorites;
  int refused = 0;
  std::vector<std::wstring> problems;
};
using DriveLabel = std::function<std::wstring(const std::wstring& root)>;
FilesFavorites FavoritesFromFiles(const AnsiCodec& codePage, ListKind list, const std::vector<std::wstring>& files,
                                  const DriveLabel& driveLabel);

}  // namespace oravin
