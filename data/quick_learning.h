#pragma once
// What quick open learns from the user: which favorite was opened after which
// query, and how often.
//
// A favorite is known by its list, its title and its address together, so a
// favorite renamed, moved or deleted is simply no longer found, and its
// learning never points at another entry.
//
// Bounded: at most kMostQueries queries, each with the kMostPerQuery
// favorites opened with it most lately; a query or a favorite past that
// bound, the one used least lately, is dropped.
//
// Kept in a small UTF-8 file of its own, one line per query and favorite:
// the query, how often and when last (a running count of the picks) it was
// picked, the list, the title and the address, separated by tabs; a tab, a
// line end or a backslash in a text is written \t, \n, \r or \\. A line that
// does not read so is left out, and a file that is not one of these is no
// learning at all.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace oravin {

struct LearnedFavorite {
  std::wstring list;
  std::wstring title;
  std::wstring address;
  bool operator==(const LearnedFavorite&) const = default;
};

class QuickLearning {
 public:
  static constexpr size_t kMostQueries = 500;
  static constexpr size_t kMostPerQuery = 5;

  // The query as learning keeps it: blanks at either end dropped, runs of
  // them made one, ASCII letters in lowercase; a query of blanks is none.
  static std::wstring KeyOf(std::wstring_view query);

  // The user opened the favorite after typing the query.
  void Opened(std::wstring_view query, const LearnedFavorite& favorite);
  // The favorite opened most often with this very query (of two as often, the
  // later), or nothing.
  const LearnedFavorite* MostOpenedWith(std::wstring_view query) const;
  // Every favorite learned, with how often it was opened whatever the query.
  std::vector<std::pair<LearnedFavorite, uint32_t>> TimesOpened() const;

  void Forget(const LearnedFavorite& favorite);
  void ForgetAll() { queries_.clear(); }
  bool empty() const { return queries_.empty(); }

  // The file's bytes, and the learning they hold.
  std::string FileText() const;
  static QuickLearning FromFile(std::string_view bytes);

 private:
  struct Pick {
    LearnedFavorite favorite;
    uint32_t times;
    uint64_t last;  // the clock when it was last picked
  };
  struct Query {
    std::wstring key;
    std::vector<Pick> picks;
    uint64_t Last() const;
  };
  Query* Find(std::wstring_view key);
  void Add(std::wstring key, Pick pick);
  void KeepBounds();

  std::vector<Query> queries_;
  uint64_t clock_ = 0;
};

}  // namespace oravin
