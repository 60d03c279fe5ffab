// The list page and the search form: what a click on an entry, the list
// buttons and the search controls do.
#include <limits>

#include "actions/mdlExecute.h"
#include "actions/mdlGoogle.h"
#include "app/frmMain.h"
#include "data/entry.h"
#include "runtime/leading_number.h"
#include "runtime/rounding.h"

namespace oravin {
namespace {

// A count beyond what a number of results can be is taken at its limit.
int32_t ResultCount(const std::wstring& text) {
  const double n = LeadingNumber(text);
  if (const std::optional<int32_t> count = RoundToInt32(n)) return *count;
  return n < 0 ? std::numeric_limits<int32_t>::min() : std::numeric_limits<int32_t>::max();
}

}  // namespace

std::optional<int32_t> frmMain::SelectedEntry() const {
  const int32_t i = lstTitles->ListIndex();
  // An empty list has no selection; a damaged file could leave the lists unequal.
  if (i < 0 || i >= lstAddress->ListCount()) return std::nullopt;
  return i;
}

void frmMain::ShowSelectedAddress() {
  if (const auto i = SelectedEntry()) lstTitles->SetToolTipText(AddressOf(lstAddress->ListItems(*i)));
}

void frmMain::OpenSelectedEntry() {
  const auto i = SelectedEntry();
  if (!i) return;
  const std::wstring entry = lstAddress->ListItems(*i);
  OpenFavorite({TitleOf(entry), AddressOf(entry)}, CurrentMode == kModeFolders);
}

void frmMain::OpenFavorite(const Favorite& favorite, bool isFolder) {
  // Only a damaged file gives an entry without an address: there is nothing to open.
  if (favorite.address.empty()) return;
  OpenAddress(hwnd(), favorite.address, chkOpen.Value() != 0, isFolder, favorite.title);
}

void frmMain::DeleteSelectedEntry() {
  if (CurrentMode == kModeSearch || lstTitles->Text().empty()) return;
  const auto i = SelectedEntry();
  if (!i) return;
  RemoveEntry(Lists(), *i);
}

void frmMain::AddEntry() {
  if (CurrentMode != kModeSearch) editor_->NewAddress();
}

void frmMain::EditEntry() {
  if (CurrentMode != kModeSearch && !lstTitles->Text().empty()) editor_->EditAddress();
}

void frmMain::Search() {
  const int32_t kind = picSearch.optWeb.Value()     ? kSearchWeb
                       : picSearch.optImage.Value() ? kSearchImages
                       : picSearch.optNews.Value()  ? kSearchNews
                       : picSearch.optGroup.Value() ? kSearchGroups
                                                    : 0;
  const std::wstring url = BuildSearchUrl(picSearch.txtFind.Text(), ResultCount(picSearch.txtCount.Text()), kind,
                                          picSearch.chkExact.Value() != 0);
  OpenAddress(hwnd(), url, chkOpen.Value() != 0, false);
}

void frmMain::AdvancedSearch() {
  OpenAddress(hwnd(), BuildAdvancedSearchUrl(picSearch.txtFind.Text()), chkOpen.Value() != 0, false);
}

}  // namespace oravin
