#include "app/browser_bookmarks.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdint>
#include <cwctype>

#include "actions/web_address.h"
#include "data/text_encoding.h"
#include "runtime/case_fold.h"

namespace oravin {
namespace {

// The only version the browsers have written so far; a later one may mean
// anything.
constexpr int64_t kKnownVersion = 1;

// Takes the links as the parser meets them, with no tree of the whole file
// built first: each object's "type", "name" and "url" are kept until it ends,
// and an object of type "url" inside "roots" is a link.
class LinkCollector : public nlohmann::json_sax<nlohmann::json> {
 public:
  std::vector<Favorite> links;
  bool sawRoots = false;
  bool knownVersion = true;

  bool null() override { return Value(); }
  bool boolean(bool) override { return Value(); }
  bool number_integer(number_integer_t value) override { return Number(value); }
  bool number_unsigned(number_unsigned_t value) override { return Number(int64_t(std::min<uint64_t>(value, INT64_MAX))); }
  bool number_float(number_float_t, const string_t&) override { return Number(-1); }
  bool binary(binary_t&) override { return Value(); }
  bool string(string_t& value) override {
    if (objects_.size() == 1 && key_ == "version") knownVersion = false;  // a version, but not as a number
    if (!objects_.empty() && objects_.back().inObject) {
      Node& node = objects_.back();
      if (key_ == "type") node.isLink = value == "url";
      if (key_ == "name") node.name = std::move(value);
      if (key_ == "url") node.url = std::move(value);
    }
    return Value();
  }
  bool start_object(std::size_t) override {
    const bool roots = objects_.size() == 1 && key_ == "roots";
    if (roots) sawRoots = true;
    objects_.push_back({.inRoots = roots || (!objects_.empty() && objects_.back().inRoots), .inObject = true});
    return true;
  }
  bool key(string_t& value) override {
    key_ = std::move(value);
    return true;
  }
  bool end_object() override {
    Node& node = objects_.back();
    if (node.isLink && node.inRoots) {
      links.push_back({DecodeUtf8(node.name), DecodeUtf8(node.url)});
    }
    objects_.pop_back();
    key_.clear();
    return true;
  }
  bool start_array(std::size_t) override {
    objects_.push_back({.inRoots = !objects_.empty() && objects_.back().inRoots, .inObject = false});
    return true;
  }
  bool end_array() override {
    objects_.pop_back();
    return true;
  }
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override { return false; }

 private:
  struct Node {
    bool inRoots = false;
    bool inObject = false;  // an array has no keys
    bool isLink = false;
    std::string name, url;
  };
  bool Value() {
    key_.clear();
    return true;
  }
  bool Number(int64_t value) {
    if (objects_.size() == 1 && key_ == "version" && value != kKnownVersion) knownVersion = false;
    return Value();
  }
  // Open objects and arrays, innermost last.
  std::vector<Node> objects_;
  std::string key_;
};

}  // namespace

std::optional<std::vector<Favorite>> ParseChromiumBookmarks(std::string_view bytes) {
  LinkCollector collector;
  if (!nlohmann::json::sax_parse(bytes, &collector, nlohmann::json::input_format_t::json, /*strict=*/true) ||
      !collector.sawRoots || !collector.knownVersion) {
    return std::nullopt;
  }
  return std::move(collector.links);
}

namespace {

// The same for the addresses SamePlaceKey makes the same (letter case and a
// trailing separator aside), without a string made for each of the many
// addresses of two full lists.
uint64_t SamePlaceHash(std::wstring_view address) {
  if (!address.empty() && (address.back() == L'/' || address.back() == L'\\')) address.remove_suffix(1);
  uint64_t hash = 14695981039346656037u;  // FNV-1a
  for (const wchar_t c : address) {
    // The ideographs have no case; asking the library for each costs more than the rest.
    const bool caseless = c < 0x80 || (c >= 0x3400 && c <= 0x9FFF);
    const wchar_t lower = caseless ? FoldCase(c) : wchar_t(std::towlower(c));
    hash = (hash ^ uint64_t(lower)) * 1099511628211u;
  }
  return hash;
}

}  // namespace

namespace {

// Made 1, so that 0 can mark a free slot.
constexpr uint64_t kFree = 0;
uint64_t Stored(uint64_t hash) { return hash == kFree ? 1 : hash; }

}  // namespace

size_t NumbersByHash::SlotOf(uint64_t hash) const {
  const size_t mask = hashes_.size() - 1;
  size_t slot = size_t(hash) & mask;
  while (hashes_[slot] != kFree && hashes_[slot] != hash) slot = (slot + 1) & mask;
  return slot;
}

bool NumbersByHash::Add(uint64_t hash, uint32_t number) {
  hash = Stored(hash);
  // At most half full, so that a search ends soon at a free slot.
  if (2 * (count_ + 1) > hashes_.size()) {
    NumbersByHash larger;
    larger.hashes_.assign(std::max<size_t>(64, 2 * hashes_.size()), kFree);
    larger.numbers_.resize(larger.hashes_.size());
    for (size_t i = 0; i < hashes_.size(); ++i) {
      if (hashes_[i] != kFree) larger.Add(hashes_[i], numbers_[i]);
    }
    *this = std::move(larger);
  }
  const size_t slot = SlotOf(hash);
  if (hashes_[slot] == hash) return false;
  hashes_[slot] = hash;
  numbers_[slot] = number;
  ++count_;
  return true;
}

std::optional<uint32_t> NumbersByHash::Find(uint64_t hash) const {
  if (hashes_.empty()) return std::nullopt;
  const size_t slot = SlotOf(Stored(hash));
  if (hashes_[slot] == kFree) return std::nullopt;
  return numbers_[slot];
}

BrowserBookmarks MergeBookmarks(std::span<const ProfileBookmarks> files) {
  BrowserBookmarks merged;
  for (const ProfileBookmarks& file : files) {
    for (const Favorite& bookmark : file.bookmarks) {
      if (!WebAddressToOpen(bookmark.address) ||
          !merged.byAddress.Add(SamePlaceHash(bookmark.address), uint32_t(merged.favorites.size()))) {
        continue;
      }
      merged.favorites.push_back(bookmark);
      merged.browsers.push_back(uint8_t(file.browser));
    }
  }
  return merged;
}

std::vector<bool> ListedBookmarks(const BrowserBookmarks& bookmarks, std::span<const std::vector<Favorite>> lists) {
  std::vector<bool> listed(bookmarks.favorites.size());
  if (bookmarks.favorites.empty()) return listed;
  for (const std::vector<Favorite>& list : lists) {
    for (const Favorite& favorite : list) {
      if (const std::optional<uint32_t> number = bookmarks.byAddress.Find(SamePlaceHash(favorite.address)))
        listed[*number] = true;
    }
  }
  return listed;
}

IndexedBookmarks IndexBookmarks(std::span<const ProfileBookmarks> files) {
  IndexedBookmarks indexed{MergeBookmarks(files), {}};
  indexed.index = QuickIndex::List(indexed.bookmarks.favorites);
  return indexed;
}

}  // namespace oravin
