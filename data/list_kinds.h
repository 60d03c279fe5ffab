#pragma once
// The lists, described once: the store, the main menu, quick open and the
// packages all come from kListKindRows. A new list is a new row (and a name
// for it in ListKind); scripts/lib/make-package reads the file names from the
// rows below, so each row stays on one line.
//
// A build may add rows of its own to the tables of lists and pages, in the
// header the compiler is told as ORAVIN_EXTRA_ROWS: the tests build the
// program with one list and one page more (tests/extra_rows) to check that a
// new row is all they need. The program adds none.
#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>

#include "app/resource_ids.h"

#ifdef ORAVIN_EXTRA_ROWS
#include ORAVIN_EXTRA_ROWS
#else
#define ORAVIN_EXTRA_LIST_KIND_ROWS
#define ORAVIN_EXTRA_MENU_ENTRY_ROWS
#define ORAVIN_EXTRA_PAGE_MAKERS
#endif

namespace oravin {

// The lists, in the order of the rows.
enum class ListKind : size_t { Websites, Folders };

// What a list's addresses are, which decides how they are typed, dropped and opened.
enum class AddressKind { Web, Folder };

struct ListKindRow {
  ListKind kind;
  // In the Bin folder; written and read under this spelling, so a
  // case-sensitive disk finds it too.
  const wchar_t* fileName;
  AddressKind addresses;
  // The menu button's picture, which is also the icon of the list's rows.
  int picture;
  // The assistant's, in the main menu and the title row.
  const wchar_t* title;
  // The menu button's tooltip.
  const wchar_t* tip;
};

inline constexpr ListKindRow kListKindRows[] = {
    {ListKind::Websites, L"Websites.txt", AddressKind::Web, IDI_WEB, L"网址助手", L"网址列表"},
    {ListKind::Folders, L"FolderList.txt", AddressKind::Folder, IDI_FOLDER, L"文件夹助手", L"文件夹列表"},
    ORAVIN_EXTRA_LIST_KIND_ROWS
};

inline constexpr size_t kListKindCount = std::size(kListKindRows);

inline constexpr std::array<ListKind, kListKindCount> kListKinds = [] {
  std::array<ListKind, kListKindCount> kinds{};
  for (size_t i = 0; i < kListKindCount; ++i) kinds[i] = kListKindRows[i].kind;
  return kinds;
}();

constexpr bool RowsInTheOrderOfTheirKinds() {
  for (size_t i = 0; i < kListKindCount; ++i) {
    if (kListKinds[i] != ListKind(i)) return false;
  }
  return true;
}
static_assert(RowsInTheOrderOfTheirKinds(), "kListKindRows lists the kinds in the order of ListKind");

constexpr const ListKindRow& RowOf(ListKind list) { return kListKindRows[size_t(list)]; }
constexpr AddressKind AddressesOf(ListKind list) { return RowOf(list).addresses; }

// The assistants, by the number the settings file keeps: the search, then
// one for each list, in the order of the lists. A damaged settings file can
// give any other number: that names no assistant and shows no list.
enum class Assistant : int32_t { Search = 0, Websites = 1, Folders = 2 };

// The list an assistant shows, if any, and the assistant that shows a list.
constexpr std::optional<ListKind> ListOf(Assistant assistant) {
  const auto n = static_cast<int32_t>(assistant);
  if (n < 1 || n > int32_t(kListKindCount)) return std::nullopt;
  return ListKind(n - 1);
}
constexpr Assistant AssistantOf(ListKind list) { return Assistant(int32_t(list) + 1); }

}  // namespace oravin
