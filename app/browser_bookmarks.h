#pragma once
// The bookmarks the Chromium-family browsers keep for each of their profiles,
// as quick open searches them beside the lists.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "data/bookmark_file.h"
#include "data/quick_match.h"

namespace oravin {

struct Browser {
  std::wstring_view name;  // as the rows show it
  // Its profiles' folder under %LOCALAPPDATA%: each profile ("Default",
  // "Profile 1", ...) a folder in it.
  std::wstring_view profiles;
};

inline constexpr std::array<Browser, 5> kBrowsers{{
    {L"Chrome", L"Google\\Chrome\\User Data"},
    {L"Edge", L"Microsoft\\Edge\\User Data"},
    {L"Chromium", L"Chromium\\User Data"},
    {L"Brave", L"BraveSoftware\\Brave-Browser\\User Data"},
    {L"Vivaldi", L"Vivaldi\\User Data"},
}};

// A profile's bookmarks on this computer, and those its account keeps in the browser's cloud.
inline constexpr std::array<std::wstring_view, 2> kBookmarkFiles{L"Bookmarks", L"AccountBookmarks"};

// The links of a bookmarks file, in the order of its roots (the bookmarks
// bar, the other bookmarks, those synced from a phone) and of their folders,
// folders flattened; nothing when the bytes are not such a file: not JSON,
// cut short, without "roots", or of a version this reader does not know.
std::optional<std::vector<Favorite>> ParseChromiumBookmarks(std::string_view bytes);

struct ProfileBookmarks {
  size_t browser;  // in kBrowsers
  std::vector<Favorite> bookmarks;
};

// Numbers by a hash of an address: an open table, as it is asked once for
// every entry of every list, where a tree or a chain of nodes would cost a
// cache miss or more at each.
class NumbersByHash {
 public:
  // Numbers the hash unless it has a number already; false when it had.
  bool Add(uint64_t hash, uint32_t number);
  std::optional<uint32_t> Find(uint64_t hash) const;

 private:
  size_t SlotOf(uint64_t hash) const;
  std::vector<uint64_t> hashes_;  // kFree where there is none
  std::vector<uint32_t> numbers_;
  size_t count_ = 0;
};

// What quick open adds to the lists: every web address of the files given,
// each once (the first file's wins).
struct BrowserBookmarks {
  std::vector<Favorite> favorites;
  std::vector<uint8_t> browsers;  // opposite each, its browser in kBrowsers
  // Each one's number by its address, letter case and a trailing separator
  // aside, to find those a list holds too.
  NumbersByHash byAddress;
};
BrowserBookmarks MergeBookmarks(std::span<const ProfileBookmarks> files);

// Opposite each bookmark, whether a list holds its address too: it is shown
// once, as the list's entry.
std::vector<bool> ListedBookmarks(const BrowserBookmarks& bookmarks, std::span<const std::vector<Favorite>> lists);

// The bookmarks merged and indexed for quick open, all made away from the window.
struct IndexedBookmarks {
  BrowserBookmarks bookmarks;
  QuickIndex::List index;
};
IndexedBookmarks IndexBookmarks(std::span<const ProfileBookmarks> files);

}  // namespace oravin
