#pragma once
// Quick open: finds a favorite of any of the lists it is given by its title,
// its address or the pinyin of its title, as the user types.
//
// Letter case (of ASCII and Latin-1 letters) and full-width forms are ignored
// throughout: ＱＱ is qq, the ideographic space a blank. The query is split at blanks; a query of blanks
// only finds nothing. Every word must match the entry's title or its address.
//
// A word matches a title when the title contains it, or when it spells the
// title's consecutive characters from one of them on: an ideograph by one of
// its readings (data/pinyin.h), whole or by its initial (its first letter, or
// zh, ch, sh), and the last one also by any beginning of a reading, so that
// the results narrow as a word is typed ("b", "ba", "bai", "baid" find 百度;
// "cq" and "zq" 重庆). Every character also stands for itself, so a Latin run
// is spelled letter by letter ("qqyy" finds QQ音乐, "百du" 百度), never by its
// initial alone. A spelling starts at the start of a word or character (see
// below), punctuation included, and skips nothing: a blank or punctuation in
// the title is typed ("-bai" finds x-百度, "(bd" (百度)), or the query split
// there. Words longer than 63 characters match as text only.
//
// A word matches an address when the address contains it; the address's
// scheme ("https://") and "www." are left out, and so are they from a word
// that begins with them or with a scheme still being typed ("http:",
// "http:/"; a drive such as "c:" is none). So that the results never empty
// while an address is typed, a word of nothing but a scheme and "www."
// narrows nothing, and one that ends inside them ("ww", "htt", "http://ww")
// matches the addresses that begin so.
//
// Order: each word earns a place: it begins the title (as text or pinyin), it
// matches at the start of a word or character of the title, elsewhere in the
// title, or in the address only. An entry ranks at the lowest place its words
// earn, where only the first word has to begin the title: the others count as
// beginning it when they match at the start of a word or character. Within a
// place the shorter title comes first, then the lists in their order, then
// each list's own order.
//
// The start of a word or character is the title's start, or where either the
// character or the one before it is not an ASCII letter or digit (an
// ideograph, a blank, punctuation).
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/bookmark_file.h"

namespace oravin {

struct QuickMatch {
  size_t list;   // the number the list was given under
  size_t index;  // in the entries the list was given
  bool operator==(const QuickMatch&) const = default;
};

// A match with what orders it: compared, the better match is the smaller.
struct RankedMatch {
  uint8_t place;  // where its words matched: the lower, the better
  uint32_t titleLength;
  size_t list;
  uint32_t index;
  auto operator<=>(const RankedMatch&) const = default;
  QuickMatch match() const { return {list, index}; }
};

// Built once per list, rebuilt when the list changes; a search reads every
// entry of every list, with no other work per keystroke.
class QuickIndex {
 public:
  // What the index holds of one list. Built from the favorites alone, so it
  // can be built away from the window's thread and set when done.
  class List {
   public:
    List() = default;
    explicit List(std::span<const Favorite> favorites);

   private:
    friend class QuickIndex;
    struct Entry {
      uint32_t title;  // where the entry's folded title starts in text, its address right after it
      uint32_t titleLength;
      uint32_t addressLength;
      uint32_t scheme : 31;  // how long the address's "scheme://" is
      uint32_t www : 1;      // and whether a "www." follows it
      // A bit for every character a word could need to match (CharBit in the
      // .cpp): the title's, the letters of its readings; the address's.
      uint64_t titleChars;
      uint64_t addressChars;
    };
    std::u16string text;
    std::vector<Entry> entries;
    // Opposite each entry, whether it is never found; empty when none is.
    std::vector<bool> hidden;
  };

  // Replaces what the index holds of one list, numbered from 0; a list not
  // given yet holds nothing.
  void SetList(size_t list, std::span<const Favorite> favorites) { SetList(list, List(favorites)); }
  void SetList(size_t list, List indexed);
  // The entries marked are left out of every search until the list is set
  // again: they are shown by another list.
  void Hide(size_t list, std::vector<bool> hidden);
  // The best `limit` matches of the query, best first.
  std::vector<QuickMatch> Search(std::wstring_view query, size_t limit) const;
  // Calls `found` with every match of the query, in no order.
  void EachMatch(std::wstring_view query, const std::function<void(const RankedMatch&)>& found) const;

 private:
  std::vector<List> lists_;
};

}  // namespace oravin
