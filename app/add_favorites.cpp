#include "app/add_favorites.h"

#include <cwctype>
#include <optional>
#include <unordered_set>

#include "actions/web_address.h"
#include "app/dropped_items.h"
#include "data/entry.h"
#include "dialogs/entry_text.h"

namespace oravin {
namespace {

// What the list would open for the address: web addresses as the launcher
// takes them; nothing for one it would not open.
std::optional<std::wstring> AddressToStore(const std::wstring& address) {
  if (CurrentMode == kModeWebsites) return WebAddressToOpen(address);
  if (address.empty()) return std::nullopt;
  return address;
}

// Two addresses lead to the same place when they differ only in letter case
// and a trailing separator.
std::wstring SamePlaceKey(std::wstring address) {
  for (wchar_t& c : address) c = wchar_t(std::towlower(c));
  if (!address.empty() && (address.back() == L'/' || address.back() == L'\\')) address.pop_back();
  return address;
}

}  // namespace

AddedCounts AddFavorites(FavoriteLists lists, const std::vector<Favorite>& favorites) {
  // Looked up once per favorite: a set, not a scan of the list each time.
  std::unordered_set<std::wstring> present;
  const int32_t count = lists.lstAddress.ListCount();
  present.reserve(size_t(count) + favorites.size());
  for (int32_t i = 0; i < count; ++i) {
    const std::wstring address = AddressOf(lists.lstAddress.ListItems(i));
    present.insert(SamePlaceKey(AddressToStore(address).value_or(address)));
  }
  AddedCounts counts;
  for (const Favorite& favorite : favorites) {
    const std::optional<std::wstring> address = AddressToStore(favorite.address);
    if (!address) {
      ++counts.refused;
      continue;
    }
    std::wstring key = SamePlaceKey(*address);
    if (present.count(key)) {
      ++counts.present;
      continue;
    }
    const std::wstring title = favorite.title.empty() ? HostOf(*address) : favorite.title;
    if (EntryProblem(title, *address)) {
      ++counts.refused;
      continue;
    }
    AddEntry(lists, title + std::wstring(kAddressMarker) + *address);
    present.insert(std::move(key));
    ++counts.added;
  }
  return counts;
}

std::wstring AddedSummary(const AddedCounts& counts) {
  return L"已添加 " + std::to_wstring(counts.added) + L" 项, " + std::to_wstring(counts.present) + L" 项已存在, " +
         std::to_wstring(counts.refused) + L" 项无法保存";
}

}  // namespace oravin
