#pragma once
// Three-way merge of a list: what the list was when its file was last read or
// written (the base), what it holds here now, and what the file holds now.
//
// An entry is its whole text, the pair of title and address. A list may hold
// the same entry more than once, so entries count as a multiset: each side
// changes an entry's count from the base's, and the result takes both changes.
// The same change on both sides counts once: an entry added on both sides is
// there once more, one deleted on both sides is gone once. An entry added on
// one side and deleted on the other keeps the addition. So nothing either side
// added is ever dropped, and what either side deleted (and the other did not
// add again) is gone.
//
// An edit is an entry deleted and another added on the same side with the same
// title or the same address. An entry edited on one side takes the edit; one
// edited differently on both sides keeps both new versions, and is reported.
#include <optional>
#include <string>
#include <vector>

namespace oravin {

struct MergedList {
  // In no particular order: the list sorts its entries itself.
  std::vector<std::wstring> entries;
  // The base entries edited differently on the two sides (both versions are kept).
  std::vector<std::wstring> editedOnBothSides;
};

// Without a base (the file was never read) nothing can have been deleted: the
// result is the union, each entry as many times as the side holding it more.
// The base is taken, as the result is mostly its entries.
MergedList MergeLists(std::optional<std::vector<std::wstring>> base, const std::vector<std::wstring>& here,
                      const std::vector<std::wstring>& there);

}  // namespace oravin
