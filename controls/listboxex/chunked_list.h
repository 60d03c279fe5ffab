#pragma once
// A sequence with cheap insertion anywhere: items live in blocks of bounded
// size, so an insert or erase moves at most one block's items and the block
// table, never the whole list. Adding 32,767 entries in random order to a
// plain vector moves hundreds of millions of strings; here it moves a few
// million. Access by index finds the block by binary search.
#include <algorithm>
#include <cstddef>
#include <tuple>
#include <utility>
#include <vector>

namespace oravin {

template <typename T>
class ChunkedList {
 public:
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }

  // i < size().
  const T& operator[](std::size_t i) const {
    const auto [block, offset] = Locate(i);
    return blocks_[block][offset];
  }
  T& operator[](std::size_t i) {
    const auto [block, offset] = Locate(i);
    return blocks_[block][offset];
  }

  // Inserts in front of index i; i == size() appends.
  void insert(std::size_t i, T value) {
    if (blocks_.empty()) {
      blocks_.emplace_back();
      starts_.push_back(0);
    }
    std::size_t block = blocks_.size() - 1;
    std::size_t offset = blocks_[block].size();
    if (i < size_) std::tie(block, offset) = Locate(i);
    auto& items = blocks_[block];
    items.insert(items.begin() + offset, std::move(value));
    ++size_;
    if (items.size() >= kSplitAt) Split(block);
    RecountFrom(block + 1);
  }

  void erase(std::size_t i) {
    const auto [block, offset] = Locate(i);
    auto& items = blocks_[block];
    items.erase(items.begin() + offset);
    --size_;
    if (items.empty()) {
      blocks_.erase(blocks_.begin() + block);
      starts_.erase(starts_.begin() + block);
    }
    RecountFrom(block);
  }

  void clear() {
    blocks_.clear();
    starts_.clear();
    size_ = 0;
  }

  // Replaces the contents with the given items, in their order.
  void assign(std::vector<T> items) {
    clear();
    for (std::size_t first = 0; first < items.size(); first += kFillTo) {
      const std::size_t last = std::min(items.size(), first + kFillTo);
      starts_.push_back(first);
      blocks_.emplace_back(std::make_move_iterator(items.begin() + first),
                           std::make_move_iterator(items.begin() + last));
    }
    size_ = items.size();
  }

  template <typename F>
  void for_each(F&& f) {
    for (auto& block : blocks_)
      for (auto& item : block) f(item);
  }

 private:
  // Blocks are filled to half their limit, so a block takes many inserts
  // before it splits again.
  static constexpr std::size_t kSplitAt = 512;
  static constexpr std::size_t kFillTo = kSplitAt / 2;

  std::pair<std::size_t, std::size_t> Locate(std::size_t i) const {
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), i);
    const std::size_t block = static_cast<std::size_t>(after - starts_.begin()) - 1;
    return {block, i - starts_[block]};
  }

  void Split(std::size_t block) {
    auto& full = blocks_[block];
    std::vector<T> upper(std::make_move_iterator(full.begin() + kFillTo), std::make_move_iterator(full.end()));
    full.erase(full.begin() + kFillTo, full.end());
    blocks_.insert(blocks_.begin() + block + 1, std::move(upper));
    starts_.insert(starts_.begin() + block + 1, 0);
  }

  void RecountFrom(std::size_t block) {
    if (block == 0 && !starts_.empty()) starts_[0] = 0;
    for (std::size_t b = std::max<std::size_t>(block, 1); b < blocks_.size(); ++b)
      starts_[b] = starts_[b - 1] + blocks_[b - 1].size();
  }

  std::vector<std::vector<T>> blocks_;
  std::vector<std::size_t> starts_;  // index of each block's first item
  std::size_t size_ = 0;
};

}  // namespace oravin
