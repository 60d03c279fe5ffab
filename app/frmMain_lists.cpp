// The list page and the search form: what a click on an entry, the list
// buttons and the search controls do.
#include "actions/baidu_search.h"
#include "actions/mdlExecute.h"
#include "actions/mdlGoogle.h"
#include "app/addresses.h"
#include "app/frmMain.h"
#include "data/entry.h"
#include "data/settings.h"
#include "runtime/message_box.h"

namespace oravin {

std::optional<int32_t> frmMain::SelectedEntry() const {
  const std::optional<ListKind> list = favorites_.CurrentList();
  const int32_t i = lstTitles->ListIndex();
  // An empty list has no selection.
  if (!list || i < 0 || size_t(i) >= favorites_.Entries(*list).size()) return std::nullopt;
  return i;
}

std::wstring frmMain::SelectedEntryText() const {
  const auto i = SelectedEntry();
  return i ? favorites_.Entries(*favorites_.CurrentList())[size_t(*i)] : std::wstring();
}

void frmMain::ShowSelectedAddress() {
  if (SelectedEntry()) lstTitles->SetToolTipText(AddressOf(SelectedEntryText()));
}

void frmMain::OpenSelectedEntry() {
  if (!SelectedEntry()) return;
  const std::wstring entry = SelectedEntryText();
  OpenFavorite({TitleOf(entry), AddressOf(entry)}, AddressesOf(*favorites_.CurrentList()) == AddressKind::Folder);
}

void frmMain::OpenFavorite(const Favorite& favorite, bool isFolder) {
  // Only a damaged file gives an entry without an address: there is nothing to open.
  if (favorite.address.empty()) return;
  Open(favorite.address, isFolder, favorite.title);
}

void frmMain::DeleteSelectedEntry() {
  const auto i = SelectedEntry();
  if (!i || lstTitles->Text().empty()) return;
  favorites_.RemoveEntry(*favorites_.CurrentList(), *i);
}

void frmMain::AddEntry() {
  if (favorites_.CurrentList()) editor_->NewAddress();
}

void frmMain::EditEntry() {
  const auto i = SelectedEntry();
  if (i && !lstTitles->Text().empty()) editor_->EditAddress(*i);
}

SearchRequest frmMain::SearchForm() const {
  const int32_t kind = picSearch.optWeb.Value()     ? kSearchWeb
                       : picSearch.optImage.Value() ? kSearchImages
                       : picSearch.optNews.Value()  ? kSearchNews
                       : picSearch.optGroup.Value() ? kSearchGroups
                                                    : 0;
  return {picSearch.txtFind.Text(), SearchResultCount(picSearch.txtCount.Text()), kind, picSearch.chkExact.Value() != 0};
}

void frmMain::Search() {
  const SearchRequest request = SearchForm();
  Open(BuildSearchUrl(request.words, request.count, request.kind, request.exact), false);
}

// The home page only when there is nothing to search for.
void frmMain::SearchBaidu() {
  const SearchRequest request = SearchForm();
  if (HasNoWords(request.words)) return launcher_.OpenHomePage(kBaiduHome);
  Open(BuildBaiduSearchUrl(request.words, request.count, request.kind, request.exact), false);
}

void frmMain::SearchGoogle() {
  if (HasNoWords(picSearch.txtFind.Text())) return launcher_.OpenHomePage(kGoogleHome);
  Search();
}

void frmMain::AdvancedSearch() {
  Open(BuildAdvancedSearchUrl(picSearch.txtFind.Text()), false);
}

void frmMain::Open(const std::wstring& address, bool isFolder, std::wstring_view title) {
  if (const auto refusal = launcher_.OpenAddress(hwnd(), address, chkOpen.Value() != 0, isFolder, title))
    Tell({*refusal});
}

}  // namespace oravin
