#pragma once
// The bookmarks file the browsers export and import (Chrome, Edge, Firefox
// and their forerunners): Netscape's bookmark HTML, a <DL> list of <DT><A>
// links and <DT><H3> folders with a <DL> list of their own.
#include <string>
#include <string_view>
#include <vector>

#include "runtime/ansi_codec.h"

namespace oravin {

// A favorite brought in from outside the program.
struct Favorite {
  std::wstring title;
  std::wstring address;
};

struct BookmarkFile {
  // Every link in file order, folders flattened: its text as the title
  // (entities decoded, runs of blanks and line ends made one blank), its HREF
  // as the address (entities decoded, blanks at either end dropped). Links of
  // every kind are given, javascript: and place: too; which of them a list
  // takes is for the list to say.
  std::vector<Favorite> links;
  // Why the file was refused, for the user; empty when it was read. A refused
  // file gives no links at all.
  std::wstring problem;
};

// A byte order mark decides the encoding, else the charset the file declares
// in a <META> (UTF-8 as the browsers write it, or any code page the system
// has), else the encoding the bytes read as (UTF-8 or the system code page).
BookmarkFile ParseBookmarkFile(const AnsiCodec& systemCodePage, std::string_view bytes);

}  // namespace oravin
