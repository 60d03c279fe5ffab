#include "data/quick_ranking.h"

#include <algorithm>
#include <unordered_map>

#include "data/best_matches.h"

namespace oravin {
namespace {

// Title and address as one key: no title holds a NUL.
std::wstring KeyOf(std::wstring_view title, std::wstring_view address) {
  std::wstring key(title);
  key += L'\0';
  key += address;
  return key;
}

}  // namespace

void QuickRanking::SetList(size_t which, std::wstring name, std::span<const Favorite> favorites) {
  SetList(which, std::move(name), favorites, QuickIndex::List(favorites));
}

void QuickRanking::SetList(size_t which, std::wstring name, std::span<const Favorite> favorites,
                           QuickIndex::List indexed) {
  index_.SetList(which, std::move(indexed));
  if (which >= lists_.size()) lists_.resize(which + 1);
  List& list = lists_[which];
  list.name = std::move(name);
  list.favorites = favorites;
  CountOpenings(list);
}

void QuickRanking::CountOpenings(List& list) const {
  list.timesOpened.clear();
  std::unordered_map<std::wstring, uint32_t> times;
  for (const auto& [favorite, count] : learning_.TimesOpened()) {
    if (favorite.list == list.name) times[KeyOf(favorite.title, favorite.address)] += count;
  }
  if (times.empty()) return;
  list.timesOpened.reserve(list.favorites.size());
  for (const Favorite& favorite : list.favorites) {
    const auto found = times.find(KeyOf(favorite.title, favorite.address));
    list.timesOpened.push_back(found == times.end() ? 0 : found->second);
  }
}

void QuickRanking::CountOpenings() {
  for (List& list : lists_) CountOpenings(list);
}

bool QuickRanking::Is(QuickMatch match, const LearnedFavorite& learned) const {
  const List& list = lists_[match.list];
  const Favorite& favorite = list.favorites[match.index];
  return favorite.address == learned.address && favorite.title == learned.title && list.name == learned.list;
}

LearnedFavorite QuickRanking::LearnedOf(QuickMatch match) const {
  const List& list = lists_.at(match.list);
  const Favorite& favorite = list.favorites[match.index];
  return {list.name, favorite.title, favorite.address};
}

std::vector<QuickMatch> QuickRanking::Search(std::wstring_view query, size_t limit) const {
  const LearnedFavorite* learned = learning_.MostOpenedWith(query);
  struct Ordered {
    bool notLearned;
    uint8_t place;
    uint32_t fewerOpenings;
    RankedMatch ranked;
    auto operator<=>(const Ordered&) const = default;
  };
  BestMatches<Ordered> best(limit);
  if (limit > 0) {
    index_.EachMatch(query, [&](const RankedMatch& ranked) {
      const std::vector<uint32_t>& times = lists_[ranked.list].timesOpened;
      const uint32_t opened = times.empty() ? 0 : times[ranked.index];
      best.Offer({!(learned && Is(ranked.match(), *learned)), ranked.place, ~opened, ranked});
    });
  }
  std::vector<QuickMatch> matches;
  for (const Ordered& ordered : std::move(best).BestFirst()) matches.push_back(ordered.ranked.match());
  return matches;
}

void QuickRanking::Opened(std::wstring_view query, QuickMatch match) {
  learning_.Opened(query, LearnedOf(match));
  // Keeping within bounds may have dropped what other lists learned.
  CountOpenings();
}

void QuickRanking::Forget(QuickMatch match) {
  learning_.Forget(LearnedOf(match));
  CountOpenings(lists_[match.list]);
}

void QuickRanking::SetLearning(QuickLearning learning) {
  learning_ = std::move(learning);
  CountOpenings();
}

}  // namespace oravin
