#include "data/list_merge.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "data/entry.h"

namespace oravin {
namespace {

struct Counts {
  long base = 0, here = 0, there = 0;
};

// Two changes of one entry's count: the same kind of change counts once, the
// larger of the two; opposite ones add up.
long Combined(long here, long there) {
  if (here >= 0 && there >= 0) return std::max(here, there);
  if (here <= 0 && there <= 0) return std::min(here, there);
  return here + there;
}

// The entries one side added, by their titles and by their addresses, to
// find the one it put in place of an entry it deleted.
class Additions {
 public:
  void Add(const std::wstring& entry) {
    byTitle_.try_emplace(TitleOf(entry), &entry);
    byAddress_.try_emplace(AddressOf(entry), &entry);
  }
  const std::wstring* EditOf(std::wstring_view original) const {
    if (const auto found = byTitle_.find(TitleOf(original)); found != byTitle_.end()) return found->second;
    if (const auto found = byAddress_.find(AddressOf(original)); found != byAddress_.end()) return found->second;
    return nullptr;
  }

 private:
  std::unordered_map<std::wstring, const std::wstring*> byTitle_, byAddress_;
};

}  // namespace

MergedList MergeLists(const std::optional<std::vector<std::wstring>>& base, const std::vector<std::wstring>& here,
                      const std::vector<std::wstring>& there) {
  std::unordered_map<std::wstring_view, Counts> counts;
  counts.reserve(here.size() + there.size());
  if (base)
    for (const std::wstring& entry : *base) ++counts[entry].base;
  for (const std::wstring& entry : here) ++counts[entry].here;
  for (const std::wstring& entry : there) ++counts[entry].there;

  MergedList merged;
  merged.entries.reserve(std::max(here.size(), there.size()));
  std::vector<std::wstring_view> deletedOnBoth;
  for (const auto& [entry, c] : counts)
    if (c.base > 0 && c.here < c.base && c.there < c.base) deletedOnBoth.push_back(entry);
  Additions addedHere, addedThere;
  // Walks both sides in their order, each entry once, where it first comes.
  const auto take = [&](const std::vector<std::wstring>& side) {
    for (const std::wstring& entry : side) {
      Counts& c = counts[entry];
      if (c.base < 0) continue;
      const long wanted = base ? c.base + Combined(c.here - c.base, c.there - c.base) : std::max(c.here, c.there);
      merged.entries.insert(merged.entries.end(), size_t(wanted), entry);
      if (c.here > c.base) addedHere.Add(entry);
      if (c.there > c.base) addedThere.Add(entry);
      c.base = -1;
    }
  };
  take(here);
  take(there);

  for (const std::wstring_view original : deletedOnBoth) {
    const std::wstring* editHere = addedHere.EditOf(original);
    const std::wstring* editThere = addedThere.EditOf(original);
    if (editHere && editThere && *editHere != *editThere) merged.editedOnBothSides.emplace_back(original);
  }
  std::sort(merged.editedOnBothSides.begin(), merged.editedOnBothSides.end());
  return merged;
}

}  // namespace oravin
