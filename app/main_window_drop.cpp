// Favorites dropped on the window: a link opens the editor filled in, files
// and folders go straight into the list in front.
#include "app/add_favorites.h"
#include "app/main_window.h"
#include "runtime/message_box.h"

namespace oravin {
namespace {

// Explorer shows a drive by its label; a drive without one by its letter.
std::wstring VolumeLabel(const std::wstring& root) {
  wchar_t label[MAX_PATH + 1] = {};
  if (!GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0)) return {};
  return label;
}

}  // namespace

void MainWindow::RegisterDropTarget() {
  dropTarget_ = std::make_unique<DropTargetRegistration>(
      hwnd(),
      DropHandlers{.accepts = [this](const DroppedItems& items) { return DropKindHere(items) != DropKind::None; },
                   .take =
                       [this](DroppedItems items) {
                         drops_.push_back(std::move(items));
                         PostMessageW(hwnd(), kTakeDrops, 0, 0);
                       }});
}

// Only a list in front takes drops, and only what fits it.
DropKind MainWindow::DropKindHere(const DroppedItems& items) const {
  return KindOfDrop(FrontPage() == entryList->hwnd() ? favorites_.CurrentList() : std::nullopt, items);
}

void MainWindow::TakeDrops() {
  // A message box below lets further drops in; they wait for their own turn.
  const std::vector<DroppedItems> drops = std::exchange(drops_, {});
  for (const DroppedItems& items : drops) {
    // The page may have changed since the drop.
    switch (DropKindHere(items)) {
      case DropKind::Link:
        if (const auto link = DroppedLink(items)) editor_->NewAddress(link->title, link->address);
        break;
      case DropKind::Files:
        AddDroppedFiles(items.files);
        break;
      case DropKind::None:
        break;
    }
  }
}

void MainWindow::AddDroppedFiles(const std::vector<std::wstring>& files) {
  if (const std::optional<ListKind> list = favorites_.CurrentList()) AddFavoritesFromFiles(*list, files);
}

void MainWindow::AddFavoritesFromFiles(ListKind list, const std::vector<std::wstring>& files) {
  const FilesFavorites found = FavoritesFromFiles(SystemCodec(), list, files, VolumeLabel);
  AddedCounts counts = AddFavorites(favorites_, list, found.favorites);
  counts.refused += found.refused;
  std::wstring message = AddedSummary(counts);
  for (const std::wstring& problem : found.problems) message += L"\r\n\r\n" + problem;
  messageBoxes_.Show({message, L"提示", found.problems.empty() ? MsgIcon::Information : MsgIcon::Exclamation});
}

}  // namespace oravin
