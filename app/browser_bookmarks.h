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

// What quick open adds to the lists: every web address of the files given,
// each once (the first file's wins) and none already in a list.
struct BrowserBookmarks {
  std::vector<Favorite> favorites;
  std::vector<uint8_t> browsers;  // opposite each, its browser in kBrowsers
};
BrowserBookmarks MergeBookmarks(std::span<const ProfileBookmarks> files, std::span<const std::vector<Favorite>> lists);

}  // namespace oravin
