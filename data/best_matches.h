#pragma once
// The best few of many matches, kept as they come: a search's answer without
// every match of a short query stored and sorted first.
#include <algorithm>
#include <cstddef>
#include <vector>

namespace oravin {

// Compared, the better match is the smaller.
template <class Match>
class BestMatches {
 public:
  explicit BestMatches(size_t limit) : limit_(limit) {}

  void Offer(const Match& match) {
    if (kept_.size() < limit_) {
      kept_.push_back(match);
      std::push_heap(kept_.begin(), kept_.end());
    } else if (limit_ > 0 && match < kept_.front()) {
      // The worst kept goes, at the heap's top.
      std::pop_heap(kept_.begin(), kept_.end());
      kept_.back() = match;
      std::push_heap(kept_.begin(), kept_.end());
    }
  }

  std::vector<Match> BestFirst() && {
    std::sort_heap(kept_.begin(), kept_.end());
    return std::move(kept_);
  }

 private:
  size_t limit_;
  std::vector<Match> kept_;  // a heap, the worst on top
};

}  // namespace oravin
