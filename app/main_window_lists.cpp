// The list page and the search form: what a click on an entry, the list
// buttons and the search controls do.
#include "actions/baidu_search.h"
#include "actions/open_address.h"
#include "actions/search_requests.h"
#include "app/addresses.h"
#include "app/main_window.h"
#include "data/entry.h"
#include "data/settings.h"
#include "runtime/message_box.h"

namespace oravin {

std::optional<int32_t> MainWindow::SelectedEntry() const {
  const std::optional<ListKind> list = favorites_.CurrentList();
  const int32_t i = entryList->SelectedIndex();
  // An empty list has no selection.
  if (!list || i < 0 || size_t(i) >= favorites_.Entries(*list).size()) return std::nullopt;
  return i;
}

std::wstring MainWindow::SelectedEntryText() const {
  const auto i = SelectedEntry();
  return i ? favorites_.Entries(*favorites_.CurrentList())[size_t(*i)] : std::wstring();
}

void MainWindow::ShowSelectedAddress() {
  if (SelectedEntry()) entryList->SetToolTipText(AddressOf(SelectedEntryText()));
}

void MainWindow::OpenSelectedEntry() {
  if (!SelectedEntry()) return;
  const std::wstring entry = SelectedEntryText();
  OpenFavorite({TitleOf(entry), AddressOf(entry)}, AddressesOf(*favorites_.CurrentList()) == AddressKind::Folder);
}

void MainWindow::OpenFavorite(const Favorite& favorite, bool isFolder) {
  // Only a damaged file gives an entry without an address: there is nothing to open.
  if (favorite.address.empty()) return;
  Open(favorite.address, isFolder, favorite.title);
}

void MainWindow::DeleteSelectedEntry() {
  const auto i = SelectedEntry();
  if (!i || entryList->Text().empty()) return;
  favorites_.RemoveEntry(*favorites_.CurrentList(), *i);
}

void MainWindow::AddEntry() {
  if (favorites_.CurrentList()) editor_->NewAddress();
}

void MainWindow::EditEntry() {
  const auto i = SelectedEntry();
  if (i && !entryList->Text().empty()) editor_->EditAddress(*i);
}

SearchRequest MainWindow::SearchForm() const {
  const int32_t kind = searchPage.webOption.Value()     ? kSearchWeb
                       : searchPage.imageOption.Value() ? kSearchImages
                       : searchPage.newsOption.Value()  ? kSearchNews
                       : searchPage.groupOption.Value() ? kSearchGroups
                                                    : 0;
  return {searchPage.searchWordsBox.Text(), SearchResultCount(searchPage.resultCountBox.Text()), kind, searchPage.exactPhraseCheck.Value() != 0};
}

void MainWindow::Search() {
  const SearchRequest request = SearchForm();
  Open(BuildSearchUrl(request.words, request.count, request.kind, request.exact), false);
}

// The home page only when there is nothing to search for.
void MainWindow::SearchBaidu() {
  const SearchRequest request = SearchForm();
  if (HasNoWords(request.words)) return launcher_.OpenHomePage(kBaiduHome);
  Open(BuildBaiduSearchUrl(request.words, request.count, request.kind, request.exact), false);
}

void MainWindow::SearchGoogle() {
  if (HasNoWords(searchPage.searchWordsBox.Text())) return launcher_.OpenHomePage(kGoogleHome);
  Search();
}

void MainWindow::AdvancedSearch() {
  Open(BuildAdvancedSearchUrl(searchPage.searchWordsBox.Text()), false);
}

void MainWindow::Open(const std::wstring& address, bool isFolder, std::wstring_view title) {
  if (const auto refusal = launcher_.OpenAddress(hwnd(), address, newWindowCheck.Value() != 0, isFolder, title))
    messageBoxes_.Tell({*refusal});
}

}  // namespace oravin
