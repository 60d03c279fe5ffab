#include "app/add_favorites.h"

#include <optional>
#include <unordered_set>

#include "actions/web_address.h"
#include "data/entry.h"

namespace oravin {
namespace {

// What the list would open for the address: web addresses as the launcher
// takes them; nothing for one it would not open.
std::optional<std::wstring> AddressToStore(ListKind list, const std::wstring& address) {
  if (AddressesOf(list) == AddressKind::Web) return WebAddressToOpen(address);
  if (address.empty()) return std::nullopt;
  return address;
}

}  // namespace

AddedCounts AddFavorites(Favorites& favorites, ListKind list, const std::vector<Favorite>& found) {
  // Looked up once per favorite: a set, not a scan of the list each time.
  std::unordered_set<std::wstring> present;
  const std::vector<std::wstring>& entries = favorites.Entries(list);
  present.reserve(entries.size() + found.size());
  for (const std::wstring& entry : entries) {
    const std::wstring address = AddressOf(entry);
    present.insert(SamePlaceKey(AddressToStore(list, address).value_or(address)));
  }
  AddedCounts counts;
  for (const Favorite& favorite : found) {
    const std::optional<std::wstring> address = AddressToStore(list, favorite.address);
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
    if (favorites.EntryProblem(list, title, *address)) {
      ++counts.refused;
      continue;
    }
    favorites.AddEntry(list, title + std::wstring(kAddressMarker) + *address);
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
