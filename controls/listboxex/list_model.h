#pragma once
// The items and the selection of a ListBoxEX, without a window: the list
// control paints it, and the favorites logic can run against it alone.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>

#include "controls/listboxex/chunked_list.h"
#include "controls/listboxex/item_list.h"
#include "runtime/message_box.h"
#include "runtime/text_compare.h"

namespace oravin {

// What changed, so that the list control knows how much to redo.
enum class ListChange {
  Items,      // an item was added or removed: re-lay out and repaint
  Cleared,    // every item was removed: clear the surface, re-lay out and repaint
  Order,      // SortOrder was written: repaint
  Selection,  // SelectedIndex was written: bring the selection into view and repaint
  Text,       // an item's text was replaced: repaint
};

class ListModel : public ItemList {
 public:
  static constexpr int32_t kAscending = -1;
  static constexpr int32_t kDescending = 1;
  static constexpr int32_t kUnsorted = 0;

  explicit ListModel(TextComparison compare = CompareUserLocale);

  int32_t AddItem(const std::wstring& itemText, int32_t atIndex = -1, const std::wstring& itemKey = L"Null") override;
  void Remove(int32_t atIndex = -1) override;
  void Clear() override;
  void SetItems(std::vector<std::wstring> texts) override;
  int32_t ItemCount() const override { return static_cast<int32_t>(items_.size()); }
  int32_t SelectedIndex() const override { return items_.empty() ? -1 : listIndex_; }
  // Stores the value as it is; the next paint keeps it within the items.
  void SetSelectedIndex(int32_t value) override;
  std::wstring Text() const override;
  std::wstring ItemText(int32_t atIndex) const override;

  // Replaces the text at atIndex in place, keeping its key and not re-sorting
  // (the next re-sort puts it in its place). Throws std::out_of_range for an
  // index that names no item.
  void SetItemText(int32_t atIndex, const std::wstring& text);

  int32_t SortOrder() const { return sortOrder_; }
  // Stores the value and re-sorts at once.
  void SetSortOrder(int32_t value);
  // Stores the value only (a list restoring its settings); the next change re-sorts.
  void StoreSortOrder(int32_t value) { sortOrder_ = value; }
  // Orders the items by SortOrder; equal items keep their relative order and
  // every key is dropped. SortOrder 0 leaves everything as it is.
  void SortItems();

  // The selection as stored, also while the list is empty.
  int32_t StoredListIndex() const { return listIndex_; }
  // Stores a selection without telling anyone (mouse and keys of the control).
  void StoreListIndex(int32_t value) { listIndex_ = value; }
  // Keeps the stored selection within 0..ItemCount-1 (0 while empty).
  void ClampListIndex();

  // Whether an item carries the key (keys are only remembered, never looked up by the list).
  bool HasKey(const std::wstring& key) const { return keys_.count(key) != 0; }

  // Called after every change that went through (a refused AddItem is none).
  void OnChange(std::function<void(ListChange)> handler) { onChange_ = std::move(handler); }
  // Told why an AddItem was refused, for the owner to show.
  void OnRefusal(std::function<void(const Notice&)> handler) { onRefusal_ = std::move(handler); }

 private:
  struct Entry {
    std::wstring text;
    std::unique_ptr<std::wstring> key;  // rare, so it costs a pointer, not a string, per item
  };

  std::optional<std::wstring> RefusalFor(int32_t atIndex, const std::wstring& itemKey) const;
  std::size_t Insert(const std::wstring& itemText, int32_t atIndex, const std::wstring& itemKey);
  std::size_t SortedPosition(const std::wstring& text, int32_t atIndex) const;
  bool SortsBefore(const std::wstring& a, const std::wstring& b) const;
  bool KeepsSorted() const { return sortOrder_ == kAscending || sortOrder_ == kDescending; }
  // Both return where the item at `follow` ends up.
  std::size_t SortFollowing(std::size_t follow);
  std::size_t SortAll(std::size_t follow);
  void DropKeys();
  std::size_t CheckedIndex(int32_t atIndex) const;
  void Changed(ListChange change);
  void Refused(const std::wstring& description);

  TextComparison compare_;
  ChunkedList<Entry> items_;
  std::unordered_set<std::wstring> keys_;
  int32_t listIndex_ = 0;
  int32_t sortOrder_ = kUnsorted;
  // The order the items are known to be in (kUnsorted: not known), so that
  // adding to a sorted list is one search and one insert.
  int32_t sortedBy_ = kUnsorted;
  std::function<void(ListChange)> onChange_;
  std::function<void(const Notice&)> onRefusal_;
};

}  // namespace oravin
