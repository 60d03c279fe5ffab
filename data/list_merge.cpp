#include "data/list_merge.h"

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <unordered_map>

#include "data/entry.h"

namespace oravin {
namespace {

// Two changes of one entry's count: the same kind of change counts once, the
// larger of the two; opposite ones add up.
long Combined(long here, long there) {
  if (here >= 0 && there >= 0) return std::max(here, there);
  if (here <= 0 && there <= 0) return std::min(here, there);
  return here + there;
}

// What one side changed against the base, as multisets: how often it added
// each entry, and which of the base's places holding an entry it deleted. An
// entry is never both added and deleted.
class Changes {
 public:
  struct Change {
    long added = 0;
    std::vector<size_t> deleted;  // places in the base
    long Count() const { return added - long(deleted.size()); }
  };

  // The base and the side are walked together, as a side mostly keeps the
  // base's order: where both hold the same entry nothing changed. Where they
  // differ, each is first matched against what the other left unmatched so
  // far, so a walk thrown out of step by an addition or a deletion is back in
  // step at the next entry; sides in another order cost a lookup per entry.
  Changes(const std::vector<std::wstring>& base, const std::vector<std::wstring>& side) {
    size_t i = 0, j = 0;
    while (i < base.size() && j < side.size()) {
      if (base[i] == side[j]) {
        ++i, ++j;
      } else if (const auto found = byEntry_.find(side[j]); found != byEntry_.end() && !found->second.deleted.empty()) {
        found->second.deleted.pop_back();
        ++j;
      } else if (const auto found = byEntry_.find(base[i]); found != byEntry_.end() && found->second.added > 0) {
        --found->second.added;
        ++i;
      } else {
        Deleted(base, i++);
        Added(side[j++]);
      }
    }
    for (; i < base.size(); ++i) Deleted(base, i);
    for (; j < side.size(); ++j) Added(side[j]);
  }

  const Change* Of(std::wstring_view entry) const {
    const auto found = byEntry_.find(entry);
    return found == byEntry_.end() ? nullptr : &found->second;
  }
  const std::unordered_map<std::wstring_view, Change>& All() const { return byEntry_; }

 private:
  void Added(std::wstring_view entry) {
    Change& change = byEntry_[entry];
    if (!change.deleted.empty()) return change.deleted.pop_back();
    ++change.added;
  }
  void Deleted(const std::vector<std::wstring>& base, size_t at) {
    Change& change = byEntry_[base[at]];
    if (change.added > 0) return void(--change.added);
    change.deleted.push_back(at);
  }

  std::unordered_map<std::wstring_view, Change> byEntry_;
};

// The entries one side added, by their titles and by their addresses, to
// find the one it put in place of an entry it deleted: of two with the same
// title, the first the lists given hold.
class Edits {
 public:
  Edits(const Changes& side, std::initializer_list<const std::vector<std::wstring>*> lists) {
    for (const std::vector<std::wstring>* list : lists) {
      for (const std::wstring& entry : *list) {
        const Changes::Change* change = side.Of(entry);
        if (!change || change->added <= 0) continue;
        byTitle_.try_emplace(TitleOf(entry), entry);
        byAddress_.try_emplace(AddressOf(entry), entry);
      }
    }
  }
  std::optional<std::wstring_view> EditOf(std::wstring_view original) const {
    if (const auto found = byTitle_.find(TitleOf(original)); found != byTitle_.end()) return found->second;
    if (const auto found = byAddress_.find(AddressOf(original)); found != byAddress_.end()) return found->second;
    return std::nullopt;
  }

 private:
  std::unordered_map<std::wstring, std::wstring_view> byTitle_, byAddress_;
};

}  // namespace

MergedList MergeLists(std::optional<std::vector<std::wstring>> base, const std::vector<std::wstring>& here,
                      const std::vector<std::wstring>& there) {
  std::vector<std::wstring> known = base ? std::move(*base) : std::vector<std::wstring>();
  const Changes changedHere(known, here), changedThere(known, there);

  // The base, less what the two sides' changes take away, and with what they add.
  std::vector<bool> dropped(known.size());
  std::vector<std::wstring_view> added, deletedOnBoth;
  const auto merge = [&](std::wstring_view entry, const Changes::Change* hereChange,
                         const Changes::Change* thereChange) {
    static const Changes::Change kNone;
    const Changes::Change& h = hereChange ? *hereChange : kNone;
    const Changes::Change& t = thereChange ? *thereChange : kNone;
    const long count = Combined(h.Count(), t.Count());
    added.insert(added.end(), size_t(std::max(count, 0L)), entry);
    // Any of the base's places holding the entry will do: they hold the same text.
    long toDrop = -count;
    for (const std::vector<size_t>* places : {&h.deleted, &t.deleted}) {
      for (size_t i = 0; i < places->size() && toDrop > 0; ++i) {
        if (dropped[(*places)[i]]) continue;
        dropped[(*places)[i]] = true;
        --toDrop;
      }
    }
    if (h.Count() < 0 && t.Count() < 0) deletedOnBoth.push_back(entry);
  };
  for (const auto& [entry, change] : changedHere.All()) merge(entry, &change, changedThere.Of(entry));
  for (const auto& [entry, change] : changedThere.All())
    if (!changedHere.Of(entry)) merge(entry, nullptr, &change);

  // Worked out while the changes' texts, some of them the base's, are all there.
  MergedList merged;
  if (!deletedOnBoth.empty()) {
    const Edits editsHere(changedHere, {&here}), editsThere(changedThere, {&here, &there});
    for (const std::wstring_view original : deletedOnBoth) {
      const std::optional<std::wstring_view> editHere = editsHere.EditOf(original);
      const std::optional<std::wstring_view> editThere = editsThere.EditOf(original);
      if (editHere && editThere && *editHere != *editThere) merged.editedOnBothSides.emplace_back(original);
    }
    std::sort(merged.editedOnBothSides.begin(), merged.editedOnBothSides.end());
  }
  merged.entries.reserve(known.size() + added.size());
  merged.entries.assign(added.begin(), added.end());
  // Moved, not copied: most of the result is the base.
  for (size_t i = 0; i < known.size(); ++i)
    if (!dropped[i]) merged.entries.push_back(std::move(known[i]));
  return merged;
}

}  // namespace oravin
