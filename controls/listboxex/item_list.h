#pragma once
// What the owner of a list needs from it: the items and the selection. The
// window-free item model and the list control both offer it, so the favorites
// logic runs the same against either.
#include <cstdint>
#include <string>
#include <vector>

namespace oravin {

class ItemList {
 public:
  virtual ~ItemList() = default;

  // atIndex -1 appends; itemKey "Null" (exactly) means no key. Returns the index
  // the item got (a sorted list puts it in its place), or -1 when it failed:
  // the list control tells the user why.
  virtual int32_t AddItem(const std::wstring& itemText, int32_t atIndex = -1, const std::wstring& itemKey = L"Null") = 0;
  // atIndex -1 removes the selected item. An index that names no item throws std::out_of_range.
  virtual void Remove(int32_t atIndex = -1) = 0;
  virtual void Clear() = 0;
  // Replaces every item at once, leaving them as Clear and an AddItem of each
  // text in turn would (a sorted list sorts them), with one repaint.
  virtual void SetItems(std::vector<std::wstring> texts) = 0;
  virtual int32_t ItemCount() const = 0;
  // -1 while the list is empty.
  virtual int32_t SelectedIndex() const = 0;
  virtual void SetSelectedIndex(int32_t value) = 0;
  // The selected item's text; "" while the list is empty.
  virtual std::wstring Text() const = 0;
  // An index that names no item throws std::out_of_range.
  virtual std::wstring ItemText(int32_t atIndex) const = 0;
};

}  // namespace oravin
