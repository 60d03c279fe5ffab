#pragma once
// Quick open's order once it has learned from the user (data/quick_learning.h)
// on top of the matcher's own (data/quick_match.h).
//
// For a query the user opened a favorite with before, the favorite opened
// most often with exactly that query comes first, wherever the matcher placed
// it. The others keep the matcher's places: learning never lifts a match
// above a better place, so a title that begins with the query stays above
// one that only contains it. Within a place the favorite opened more often,
// whatever the query, comes first, then the matcher's order.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/bookmark_file.h"
#include "data/quick_learning.h"
#include "data/quick_match.h"

namespace oravin {

class QuickRanking {
 public:
  // Replaces a list, as QuickIndex::SetList does. Learning knows its entries
  // by the list's name; the entries are read from where they are given until
  // the list is set again.
  void SetList(size_t list, std::wstring name, std::span<const Favorite> favorites);
  // The same with the favorites indexed already (QuickIndex::List).
  void SetList(size_t list, std::wstring name, std::span<const Favorite> favorites, QuickIndex::List indexed);
  // Leaves the marked entries of a list out, as QuickIndex::Hide does.
  void Hide(size_t list, std::vector<bool> hidden) { index_.Hide(list, std::move(hidden)); }
  std::vector<QuickMatch> Search(std::wstring_view query, size_t limit) const;

  // The user opened the match after typing the query.
  void Opened(std::wstring_view query, QuickMatch match);
  // Everything learned of the match's favorite, whatever the query.
  void Forget(QuickMatch match);
  void SetLearning(QuickLearning learning);
  const QuickLearning& Learning() const { return learning_; }

 private:
  struct List {
    std::wstring name;
    std::span<const Favorite> favorites;
    // How often each entry was opened; empty while none of them was.
    std::vector<uint32_t> timesOpened;
  };
  bool Is(QuickMatch match, const LearnedFavorite& favorite) const;
  LearnedFavorite LearnedOf(QuickMatch match) const;
  void CountOpenings(List& list) const;
  void CountOpenings();

  QuickIndex index_;
  QuickLearning learning_;
  std::vector<List> lists_;
};

}  // namespace oravin
