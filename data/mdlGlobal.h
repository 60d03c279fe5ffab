#pragma once
// The favorites lists between their files and the main window's two lists.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/listboxex/item_list.h"

namespace oravin {

// Which assistant is current: 0 search (no list), 1 web addresses, 2 folders.
inline int32_t CurrentMode = 0;

inline constexpr int32_t kModeSearch = 0;
inline constexpr int32_t kModeWebsites = 1;
inline constexpr int32_t kModeFolders = 2;

// The whole entries, sorted, and at the same positions their titles. lstTitles
// keeps the order it is given (SortOrder 0): each title is put at its entry's
// index, so item i of one is the title of item i of the other whatever the
// comparison makes of the titles alone ("coop" and "co-op" sort as neighbours
// that are not equal, so sorted on their own they could change places).
struct FavoriteLists {
  ItemList& lstTitles;
  ItemList& lstAddress;
};

// The list file of a mode under the program's folder; empty for modes without a list.
std::wstring ListFileOf(int32_t mode);

// The entries of a list file's text: each piece before a "<Split>", and the
// piece after the last one too when more than line ends is left of it (a file
// written by hand may lack the final separator; the program's own end with one).
std::vector<std::wstring> EntriesOf(std::wstring_view contents);

// The entries the list file of a mode holds now, read without a word to the
// user: nothing when it cannot be read.
std::vector<std::wstring> EntriesInFile(int32_t mode);

// Adds an entry's whole text and its title opposite each other.
void AddEntry(FavoriteLists lists, const std::wstring& entry);
// Removes the entry at index i and its title.
void RemoveEntry(FavoriteLists lists, int32_t i);
// Where the entry stands now: at `near` when it is still there, else where it
// first occurs; nothing once it is gone. Reads every entry in the worst case,
// so a caller with many entries to look up builds a set of them once instead.
std::optional<int32_t> FindEntry(FavoriteLists lists, const std::wstring& entry, int32_t near);

// Whether the file of CurrentMode's list can hold the text: any text when it
// was read as UTF-8 or UTF-16, else what the code page has characters for.
bool CurrentListCanHold(std::wstring_view text);

// Fills both lists from the file of CurrentMode (empties them for other modes).
// A list whose last save failed comes back as it was then, not from the file.
// While the file cannot be read, the list shows only what was added since,
// which joins the file's own entries once it can be read again.
void LoadList(FavoriteLists lists);
// Writes the lists to the file of CurrentMode (nothing for other modes) and
// empties them. A failed write is told to the user and the list is kept to be
// tried again at the next save. A file that could not be read at the load is
// never replaced by what the lists hold: it is left alone when nothing was
// added, and gets the additions after its own entries once it can be read.
void SaveList(FavoriteLists lists);
// The shut-down's save: the lists as SaveList does, then every list still kept
// from another mode. A list that still cannot be written goes into a file
// beside its own (Websites.unsaved.txt), and the user is told where.
void SaveListsAtExit(FavoriteLists lists);

}  // namespace oravin
