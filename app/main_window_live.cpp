// Lists changed on disk by another program (Notepad, a sync client) while the
// program runs: the list shown is read again and shown, the others are read
// ahead as they are at start-up. What is unsaved here is merged, not replaced.
#include "app/main_window.h"
#include "runtime/file_path.h"

namespace oravin {

void MainWindow::WatchListFolder() {
  // A folder not there yet (no Bin) is not watched: the lists are then only
  // what the program itself writes.
  listFolderWatch_ = SystemFolderWatcher().Watch(favorites_.Folder(), false,
                                                 [this](const FolderChanges& changes) { OnListFilesChanged(changes); });
  MergeConflictCopies();
}

// Sync clients leave their copies at any time, under names of their own.
void MainWindow::MergeConflictCopies() {
  Notices notices;
  favorites_.MergeConflictCopies(notices);
  messageBoxes_.Tell(notices);
}

void MainWindow::OnListFilesChanged(const FolderChanges& changes) {
  MergeConflictCopies();
  for (const ListKind kind : kListKinds) {
    if (!changes.Touches(FileNameOf(favorites_.FileOf(kind)))) continue;
    if (kind == favorites_.CurrentList()) ReloadCurrentList();
    else favorites_.ReadQuietly(kind);
  }
}

// The selection stays on its entry while the entry is still there.
void MainWindow::ReloadCurrentList() {
  const ListKind list = *favorites_.CurrentList();
  const uint64_t before = favorites_.Revision(list);
  const int32_t selected = entryList->SelectedIndex();
  const std::vector<std::wstring>& entries = favorites_.Entries(list);
  const std::wstring selectedEntry =
      selected >= 0 && size_t(selected) < entries.size() ? entries[size_t(selected)] : std::wstring();
  Notices notices;
  favorites_.LoadList(list, notices);
  if (favorites_.Revision(list) != before) {
    entryList->SetItems(favorites_.Titles(list));
    if (const std::optional<int32_t> at = favorites_.FindEntry(list, selectedEntry, selected);
        at && !selectedEntry.empty())
      entryList->SetSelectedIndex(*at);
  }
  messageBoxes_.Tell(notices);
}

}  // namespace oravin
