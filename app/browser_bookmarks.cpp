#include "app/browser_bookmarks.h"

#include <nlohmann/json.hpp>
#include <unordered_set>

#include "actions/web_address.h"
#include "data/text_encoding.h"

namespace oravin {
namespace {

// The only version the browsers have written so far; a later one may mean
// anything.
constexpr int kKnownVersion = 1;

std::wstring Text(const nlohmann::json& node, const char* key) {
  const auto found = node.find(key);
  if (found == node.end() || !found->is_string()) return {};
  return DecodeText(found->get_ref<const std::string&>(), TextEncoding::Utf8);
}

}  // namespace

std::optional<std::vector<Favorite>> ParseChromiumBookmarks(std::string_view bytes) {
  const nlohmann::json file = nlohmann::json::parse(bytes, nullptr, /*allow_exceptions=*/false);
  if (!file.is_object()) return std::nullopt;
  const auto version = file.find("version");
  if (version != file.end() && (!version->is_number_integer() || version->get<int>() != kKnownVersion)) {
    return std::nullopt;
  }
  const auto roots = file.find("roots");
  if (roots == file.end() || !roots->is_object()) return std::nullopt;
  std::vector<Favorite> links;
  // Folders are walked with a stack of their own: a file nested deeper than
  // the thread's stack could hold must not end the program.
  std::vector<const nlohmann::json*> folders;
  for (auto root = roots->rbegin(); root != roots->rend(); ++root) folders.push_back(&*root);
  while (!folders.empty()) {
    const nlohmann::json& node = *folders.back();
    folders.pop_back();
    if (!node.is_object()) continue;
    const std::wstring type = Text(node, "type");
    if (type == L"url") {
      links.push_back({Text(node, "name"), Text(node, "url")});
      continue;
    }
    const auto children = node.find("children");
    if (children == node.end() || !children->is_array()) continue;
    for (auto child = children->rbegin(); child != children->rend(); ++child) folders.push_back(&*child);
  }
  return links;
}

BrowserBookmarks MergeBookmarks(std::span<const ProfileBookmarks> files, std::span<const std::vector<Favorite>> lists) {
  std::unordered_set<std::wstring> seen;
  for (const std::vector<Favorite>& list : lists) {
    for (const Favorite& favorite : list) seen.insert(SamePlaceKey(favorite.address));
  }
  BrowserBookmarks merged;
  for (const ProfileBookmarks& file : files) {
    for (const Favorite& bookmark : file.bookmarks) {
      if (!WebAddressToOpen(bookmark.address) || !seen.insert(SamePlaceKey(bookmark.address)).second) continue;
      merged.favorites.push_back(bookmark);
      merged.browsers.push_back(uint8_t(file.browser));
    }
  }
  return merged;
}

}  // namespace oravin
