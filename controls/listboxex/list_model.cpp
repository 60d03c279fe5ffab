#include "controls/listboxex/list_model.h"

#include <algorithm>
#include <exception>
#include <stdexcept>
#include <vector>

namespace oravin {
namespace {

const wchar_t kNoKey[] = L"Null";  // compared exactly: "null" is a real key
const wchar_t kAddFailedTitle[] = L"Error, Item could not be added!";

int Sign(int value) { return (value > 0) - (value < 0); }

// The first index in [0, n) where pred turns false; pred must hold on a prefix.
template <typename Pred>
std::size_t PartitionPoint(std::size_t n, Pred pred) {
  std::size_t first = 0;
  while (n > 0) {
    const std::size_t half = n / 2;
    if (pred(first + half)) {
      first += half + 1;
      n -= half + 1;
    } else {
      n = half;
    }
  }
  return first;
}

// The descriptions of the standard exceptions are plain ASCII.
std::wstring Describe(const std::exception& e) {
  const std::string what = e.what();
  return std::wstring(what.begin(), what.end());
}

}  // namespace

ListModel::ListModel(TextComparison compare) : compare_(std::move(compare)) {}

int32_t ListModel::AddItem(const std::wstring& itemText, int32_t atIndex, const std::wstring& itemKey) {
  if (const auto refusal = RefusalFor(atIndex, itemKey)) {
    Refused(*refusal);
    return -1;
  }
  std::size_t at = 0;
  try {
    at = Insert(itemText, atIndex, itemKey);
  } catch (const std::exception& e) {
    Refused(Describe(e));
    return -1;
  }
  ClampListIndex();
  Changed(ListChange::Items);
  return static_cast<int32_t>(at);
}

std::optional<std::wstring> ListModel::RefusalFor(int32_t atIndex, const std::wstring& itemKey) const {
  if (atIndex != -1 && (atIndex < 0 || atIndex >= ItemCount()))
    return L"Invalid index " + std::to_wstring(atIndex) + L": the list has " + std::to_wstring(ItemCount()) +
           L" items (-1 adds at the end).";
  if (itemKey != kNoKey && HasKey(itemKey)) return L"The key \"" + itemKey + L"\" is already used by another item.";
  return std::nullopt;
}

// Everything that can fail (comparing) happens before the list changes, or is
// undone, so a failed add leaves the list as it was. Returns where the item went.
std::size_t ListModel::Insert(const std::wstring& itemText, int32_t atIndex, const std::wstring& itemKey) {
  const bool searchable = KeepsSorted() && sortedBy_ == sortOrder_;
  const std::size_t position = searchable    ? SortedPosition(itemText, atIndex)
                               : atIndex < 0 ? items_.size()
                                            : static_cast<std::size_t>(atIndex);
  Entry entry{itemText, nullptr};
  if (itemKey != kNoKey) entry.key = std::make_unique<std::wstring>(itemKey);
  items_.insert(position, std::move(entry));
  if (itemKey != kNoKey) keys_.insert(itemKey);
  if (!searchable) sortedBy_ = kUnsorted;
  try {
    return SortFollowing(position);
  } catch (...) {
    keys_.erase(itemKey);
    items_.erase(position);
    throw;
  }
}

// Where re-sorting would leave a new item: after its equals when appended;
// when inserted at atIndex, at atIndex if that lies among its equals, else at the
// nearer end of them (the stable re-sort moves it only past unequal items).
// Lists are saved in order, so a load appends each item after the last: that
// is checked first, with one comparison instead of a search.
std::size_t ListModel::SortedPosition(const std::wstring& text, int32_t atIndex) const {
  const std::size_t count = items_.size();
  const bool afterLast = count == 0 || !SortsBefore(text, items_[count - 1].text);
  const std::size_t after =
      afterLast ? count : PartitionPoint(count - 1, [&](std::size_t i) { return !SortsBefore(text, items_[i].text); });
  if (atIndex < 0) return after;
  const std::size_t before = PartitionPoint(after, [&](std::size_t i) { return SortsBefore(items_[i].text, text); });
  return std::clamp(static_cast<std::size_t>(atIndex), before, after);
}

void ListModel::Remove(int32_t atIndex) {
  const std::size_t index = CheckedIndex(atIndex == -1 ? listIndex_ : atIndex);
  if (const auto& key = items_[index].key) keys_.erase(*key);
  items_.erase(index);
  SortItems();
  ClampListIndex();
  Changed(ListChange::Items);
}

void ListModel::Clear() {
  items_.clear();
  keys_.clear();
  sortedBy_ = sortOrder_;
  ClampListIndex();
  Changed(ListChange::Cleared);
}

// A list file comes in the order it was saved in, so checking the order costs
// one comparison per item and sorting is rarely needed; the texts are sorted by
// index, so a comparison that fails leaves them whole for adding one by one.
void ListModel::SetItems(std::vector<std::wstring> texts) {
  // Only a sorted list needs an order of its own; the others keep the texts'.
  std::vector<std::size_t> order;
  if (KeepsSorted()) {
    order.resize(texts.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    try {
      const auto before = [&](std::size_t a, std::size_t b) { return SortsBefore(texts[a], texts[b]); };
      if (!std::is_sorted(order.begin(), order.end(), before)) std::stable_sort(order.begin(), order.end(), before);
    } catch (const std::exception&) {
      Clear();
      for (const std::wstring& text : texts) AddItem(text);
      return;
    }
  }
  std::vector<Entry> entries;
  entries.reserve(texts.size());
  if (order.empty()) {
    for (std::wstring& text : texts) entries.push_back({std::move(text), nullptr});
  } else {
    for (const std::size_t i : order) entries.push_back({std::move(texts[i]), nullptr});
  }
  items_.assign(std::move(entries));
  keys_.clear();
  sortedBy_ = sortOrder_;
  ClampListIndex();
  Changed(ListChange::Cleared);
}

void ListModel::SetSelectedIndex(int32_t value) {
  listIndex_ = value;
  ClampListIndex();
  Changed(ListChange::Selection);
}

std::wstring ListModel::Text() const { return items_.empty() ? std::wstring() : ItemText(listIndex_); }

std::wstring ListModel::ItemText(int32_t atIndex) const { return items_[CheckedIndex(atIndex)].text; }

void ListModel::SetItemText(int32_t atIndex, const std::wstring& text) {
  items_[CheckedIndex(atIndex)].text = text;
  sortedBy_ = kUnsorted;
  Changed(ListChange::Text);
}

void ListModel::SetSortOrder(int32_t value) {
  sortOrder_ = value;
  SortItems();
  Changed(ListChange::Order);
}

void ListModel::SortItems() { SortFollowing(0); }

std::size_t ListModel::SortFollowing(std::size_t follow) {
  if (sortOrder_ == kUnsorted) return follow;
  if (KeepsSorted() && sortedBy_ != sortOrder_) follow = SortAll(follow);
  DropKeys();
  return follow;
}

// Sorts pointers first, so a comparison that fails leaves the items untouched.
std::size_t ListModel::SortAll(std::size_t follow) {
  std::vector<Entry*> order;
  order.reserve(items_.size());
  items_.for_each([&](Entry& entry) { order.push_back(&entry); });
  const Entry* followed = follow < order.size() ? order[follow] : nullptr;
  std::stable_sort(order.begin(), order.end(),
                   [&](const Entry* a, const Entry* b) { return SortsBefore(a->text, b->text); });
  std::vector<Entry> sorted;
  sorted.reserve(order.size());
  for (Entry* entry : order) {
    if (entry == followed) follow = sorted.size();
    sorted.push_back(std::move(*entry));
  }
  items_.assign(std::move(sorted));
  sortedBy_ = sortOrder_;
  return follow;
}

bool ListModel::SortsBefore(const std::wstring& a, const std::wstring& b) const {
  return Sign(compare_(a, b)) == sortOrder_;
}

void ListModel::DropKeys() {
  if (keys_.empty()) return;
  items_.for_each([](Entry& entry) { entry.key.reset(); });
  keys_.clear();
}

void ListModel::ClampListIndex() {
  if (listIndex_ > ItemCount() - 1) listIndex_ = ItemCount() - 1;
  if (listIndex_ < 0) listIndex_ = 0;
}

std::size_t ListModel::CheckedIndex(int32_t atIndex) const {
  if (atIndex < 0 || atIndex >= ItemCount())
    throw std::out_of_range("list index " + std::to_string(atIndex) + " names no item (the list has " +
                            std::to_string(ItemCount()) + ")");
  return static_cast<std::size_t>(atIndex);
}

void ListModel::Refused(const std::wstring& description) {
  if (onRefusal_) onRefusal_({description, kAddFailedTitle, MsgIcon::Critical});
}

void ListModel::Changed(ListChange change) {
  if (onChange_) onChange_(change);
}

}  // namespace oravin
