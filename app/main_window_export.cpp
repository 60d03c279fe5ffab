// The web list taken to a browser as a bookmarks file, and a browser's
// bookmarks file brought in, from the tray menu.
#include <shobjidl.h>

#include <ctime>

#include "app/main_window.h"
#include "data/bookmark_export.h"
#include "data/entry.h"
#include "data/file_errors.h"
#include "runtime/com_ptr.h"
#include "runtime/durable_file.h"

namespace oravin {
namespace {

constexpr COMDLG_FILTERSPEC kBookmarkFiles[] = {{L"书签文件 (*.html; *.htm)", L"*.html;*.htm"},
                                                 {L"所有文件 (*.*)", L"*.*"}};

// The path the user chose in a file dialog of the kind given; empty when cancelled.
std::wstring ChooseFile(HWND owner, const CLSID& kind, const wchar_t* fileName) {
  IFileDialog* made = nullptr;
  if (FAILED(CoCreateInstance(kind, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&made)))) return {};
  const ComPtr<IFileDialog> dialog(made);
  dialog->SetFileTypes(UINT(std::size(kBookmarkFiles)), kBookmarkFiles);
  dialog->SetDefaultExtension(L"html");
  if (fileName) dialog->SetFileName(fileName);
  IShellItem* item = nullptr;
  if (FAILED(dialog->Show(owner)) || FAILED(dialog->GetResult(&item))) return {};
  const ComPtr<IShellItem> chosen(item);
  PWSTR path = nullptr;
  if (FAILED(chosen->GetDisplayName(SIGDN_FILESYSPATH, &path))) return {};
  std::wstring result(path);
  CoTaskMemFree(path);
  return result;
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
  Tell(notices);
}

void MainWindow::ImportBookmarks() {
  const std::wstring file = ChooseFile(hwnd(), CLSID_FileOpenDialog, nullptr);
  if (!file.empty()) AddFavoritesFromFiles(ListKind::Websites, {file});
}

}  // namespace oravin
