// Where the lists are kept: the folder the choice file names, or Bin. One not
// there at the start (a drive not connected yet) is told once and looked for
// again now and then; meanwhile the lists wait in memory and nothing is
// written anywhere else.
#include "app/file_dialogs.h"
#include "app/main_window.h"
#include "data/data_folder.h"
#include "runtime/file_path.h"

namespace oravin {

std::wstring MainWindow::BinFolder() const { return JoinPath(program_.folder, L"Bin"); }

void MainWindow::OpenDataFolder() {
  const DataFolder folder = FindDataFolder(BinFolder());
  favorites_.SetFolder(folder.path);
  optionsPage.ShowDataFolder(folder.path);
  if (!folder.away) return;
  favorites_.SetAway(BinFolder());
  messageBoxes_.Tell({*folder.away});
  SetTimer(hwnd(), kDataFolderTimer, kDataFolderRetryMs, nullptr);
}

// Back, the lists are read, and what was added meanwhile joins them at the next save.
void MainWindow::LookForDataFolder() {
  const DataFolder folder = FindDataFolder(BinFolder());
  if (folder.away) return;
  KillTimer(hwnd(), kDataFolderTimer);
  favorites_.SetFolder(folder.path);
  favorites_.SetBack();
  optionsPage.ShowDataFolder(folder.path);
  WatchListFolder();
  OnListFilesChanged({.overflowed = true});
}

void MainWindow::ChooseDataFolder() {
  const std::optional<std::wstring> folder = folderPicker_.Pick(hwnd(), favorites_.Folder());
  if (!folder) return;
  Notices notices;
  const auto keepChoice = [&](Notices& failures) { return KeepDataFolderChoice(BinFolder(), *folder, failures); };
  if (favorites_.MoveTo(*folder, keepChoice, notices)) {
    KillTimer(hwnd(), kDataFolderTimer);
    optionsPage.ShowDataFolder(*folder);
    WatchListFolder();
    ShowCurrentList();
  }
  messageBoxes_.Tell(notices);
}

}  // namespace oravin
