#pragma once
// The main menu's entries and the pages they show, described once: the
// window's pages, the menu's buttons and labels and where they lie, what a
// click on them does, the layout walk and the points the end-to-end tests
// click all come from kMenuEntries. The assistants come first (the search,
// then one for each list kind), then, below a line, the other pages.
#include <algorithm>
#include <array>
#include <cstddef>
#include <memory>
#include <string_view>

#include "app/resource_ids.h"
#include "data/list_kinds.h"

namespace oravin {

class Control;
class Window;

// The pages of the main window; Menu is the main menu itself.
enum class Page : size_t { Menu, Search, List, Options, About };

// A page that needs nothing of the window but a place on it comes from its
// row alone (MenuEntry::madeFromRow): its own file defines MakePage for it,
// which only the window calls, and the window lays it on the page area.
template <Page page>
std::unique_ptr<Control> MakePage(Window& window);
// Each such page declares its MakePage here, beside the template, so that the
// file that makes the pages sees it; a build's own rows do so in their header.
ORAVIN_EXTRA_PAGE_MAKERS

// What choosing an entry does, besides bringing its page forward.
enum class OnChoose {
  BecomeAssistant,  // the entry's assistant becomes the current one, with its title and icon
  TitleOfAssistant,  // the title row shows the current assistant again
  KeepTitle,  // the title row stays as it was
};

struct MenuEntry {
  const wchar_t* tip;  // the button's tooltip
  int picture;
  const wchar_t* title;  // the label beside the button, and the title row's caption for an assistant
  Page page;
  OnChoose onChoose;
  Assistant assistant;  // for BecomeAssistant
  // In the names of pictures of the page; a list's is "list" and its number.
  const char* name;
  bool madeFromRow = false;  // by MakePage<page>
};

inline constexpr MenuEntry kSearchEntry{L"搜索功能", IDI_SEARCH, L"搜索助手", Page::Search, OnChoose::BecomeAssistant,
                                        Assistant::Search, "search"};
// Below the line; a build may add rows of its own (data/list_kinds.h).
inline constexpr MenuEntry kOtherEntries[] = {
    {L"选项", IDI_OPTIONS, L"选项", Page::Options, OnChoose::TitleOfAssistant, Assistant::Search, "options"},
    {L"关于", IDI_ABOUT, L"关于", Page::About, OnChoose::KeepTitle, Assistant::Search, "about"},
    ORAVIN_EXTRA_MENU_ENTRY_ROWS
};

inline constexpr size_t kAssistantEntryCount = 1 + kListKindCount;
inline constexpr size_t kMenuEntryCount = kAssistantEntryCount + std::size(kOtherEntries);

inline constexpr std::array<MenuEntry, kMenuEntryCount> kMenuEntries = [] {
  std::array<MenuEntry, kMenuEntryCount> entries{};
  entries[0] = kSearchEntry;
  for (const ListKindRow& list : kListKindRows) {
    entries[1 + size_t(list.kind)] = {list.tip, list.picture, list.title, Page::List, OnChoose::BecomeAssistant,
                                      AssistantOf(list.kind), nullptr};
  }
  std::copy(std::begin(kOtherEntries), std::end(kOtherEntries), entries.begin() + kAssistantEntryCount);
  return entries;
}();

// Every page once, the main menu first, then the others as the menu's last
// entry shows them first: front to back as the window first stacks them.
inline constexpr size_t kPageCount = [] {
  size_t count = 1;
  for (size_t i = 0; i < kMenuEntryCount; ++i) {
    if (std::none_of(kMenuEntries.begin(), kMenuEntries.begin() + i,
                     [&](const MenuEntry& e) { return e.page == kMenuEntries[i].page; }))
      ++count;
  }
  return count;
}();
inline constexpr std::array<Page, kPageCount> kPageStack = [] {
  std::array<Page, kPageCount> stack{Page::Menu};
  size_t count = 1;
  for (auto entry = kMenuEntries.rbegin(); entry != kMenuEntries.rend(); ++entry) {
    if (std::find(stack.begin(), stack.begin() + count, entry->page) == stack.begin() + count) {
      stack[count++] = entry->page;
    }
  }
  return stack;
}();

// The menu's layout, in pixels at 96 dpi inside the page: a row for each
// entry, a picture button with its label beside it, and the line between the
// assistants and the rest.
struct MenuRect {
  int left, top, width, height;
  friend constexpr bool operator==(const MenuRect&, const MenuRect&) = default;
};
struct MenuRow {
  MenuRect button, label;
};

inline constexpr int kMenuPageHeight = 227;
inline constexpr int kMenuFirstTop = 24;
inline constexpr int kMenuButtonLeft = 8;
inline constexpr int kMenuButtonSize = 25;
inline constexpr int kMenuLabelLeft = 32;
inline constexpr int kMenuLabelHeight = 12;
inline constexpr int kMenuLabelDrop = 8;
inline constexpr int kMenuLineWidth = 160;
// The menu's font (宋体 9 pt) draws a half-width character 6 pixels wide and a full-width one 12.
inline constexpr int kMenuHalfWidthPixels = 6;

// The caption beside a button: two blanks, then the title.
inline constexpr std::wstring_view kMenuLabelIndent = L"  ";

constexpr int MenuLabelWidth(std::wstring_view title) {
  int cells = int(kMenuLabelIndent.size());
  for (const wchar_t c : title) cells += c < 0x80 ? 1 : 2;
  return cells * kMenuHalfWidthPixels;
}

// The rows of a menu of so many entries, the assistants first.
struct MenuLayout {
  size_t assistants, entries;

  // Rows 32 pixels apart with a row's room around the line while they fit
  // the page; more entries lie closer, with half a row's room around it.
  constexpr bool Roomy() const { return kMenuFirstTop + 32 * int(entries) + kMenuButtonSize <= kMenuPageHeight; }
  constexpr int RowPitch() const {
    return Roomy() ? 32 : 2 * (kMenuPageHeight - kMenuFirstTop - kMenuButtonSize) / (2 * int(entries) - 1);
  }
  constexpr int LineRoom() const { return Roomy() ? RowPitch() : RowPitch() / 2; }
  constexpr int LineTop() const { return kMenuFirstTop + RowPitch() * int(assistants) + LineRoom() / 2; }
  constexpr MenuRow Row(size_t entry, std::wstring_view title) const {
    const int below = entry < assistants ? 0 : LineRoom();
    const int top = kMenuFirstTop + RowPitch() * int(entry) + below;
    // The first label has always sat a pixel higher than the others.
    const int drop = entry == 0 ? kMenuLabelDrop - 1 : kMenuLabelDrop;
    return {{kMenuButtonLeft, top, kMenuButtonSize, kMenuButtonSize},
            {kMenuLabelLeft, top + drop, MenuLabelWidth(title), kMenuLabelHeight}};
  }
};

inline constexpr MenuLayout kMenuLayout{kAssistantEntryCount, kMenuEntryCount};
// Two pixels between buttons at 96 dpi, which no display scale's rounding closes.
static_assert(kMenuLayout.RowPitch() >= kMenuButtonSize + 2, "more entries than the main menu holds");

constexpr MenuRow MenuRowOf(size_t entry) { return kMenuLayout.Row(entry, kMenuEntries[entry].title); }

// The entry that offers an assistant or a page, if any.
constexpr const MenuEntry* MenuEntryOf(Assistant assistant) {
  for (const MenuEntry& entry : kMenuEntries) {
    if (entry.onChoose == OnChoose::BecomeAssistant && entry.assistant == assistant) return &entry;
  }
  return nullptr;
}
constexpr const MenuEntry* MenuEntryOf(Page page) {
  for (const MenuEntry& entry : kMenuEntries) {
    if (entry.page == page) return &entry;
  }
  return nullptr;
}
constexpr size_t MenuIndexOf(const MenuEntry& entry) { return size_t(&entry - kMenuEntries.data()); }

}  // namespace oravin
