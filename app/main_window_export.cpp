// The web list taken to a browser as a bookmarks file, and a browser's
// bookmarks file brought in, from the tray menu.
#include <ctime>

#include "app/file_dialogs.h"
#include "app/main_window.h"
#include "data/bookmark_export.h"
#include "data/entry.h"
#include "data/file_errors.h"
#include "runtime/durable_file.h"

namespace oravin {
namespace {

constexpr COMDLG_FILTERSPEC kBookmarkFiles[] = {{L"书签文件 (*.html; *.htm)", L"*.html;*.htm"},
                                                 {L"所有文件 (*.*)", L"*.*"}};

// The path the user chose in a bookmark-file dialog of the kind given; empty when cancelled.
std::wstring ChooseFile(HWND owner, const CLSID& kind, const wchar_t* fileName) {
  return ChoosePath(owner, kind, [&](IFileDialog& dialog) {
    dialog.SetFileTypes(UINT(std::size(kBookmarkFiles)), kBookmarkFiles);
    dialog.SetDefaultExtension(L"html");
    if (fileName) dialog.SetFileName(fileName);
  });
}

}  // namespace

void MainWindow::ExportWebsites() {
  const std::wstring file = ChooseFile(hwnd(), CLSID_FileSaveDialog, L"网址.html");
  if (file.empty()) return;
  Notices notices;
  favorites_.LoadList(ListKind::Websites, notices);
  std::vector<Favorite> favorites;
  for (const std::wstring& entry : favorites_.Entries(ListKind::Websites))
    favorites.push_back({TitleOf(entry), AddressOf(entry)});
  std::error_code error;
  if (!ReplaceFileContents(file, BookmarkFileOf(favorites, std::time(nullptr)), error))
    notices.push_back(FileErrorNotice(error));
  messageBoxes_.Tell(notices);
}

void MainWindow::ImportBookmarks() {
  const std::wstring file = ChooseFile(hwnd(), CLSID_FileOpenDialog, nullptr);
  if (!file.empty()) AddFavoritesFromFiles(ListKind::Websites, {file});
}

}  // namespace oravin
