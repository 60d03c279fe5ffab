#include "app/file_dialogs.h"

#include "runtime/com_ptr.h"

namespace oravin {
namespace {

class ShellFolderPicker : public FolderPicker {
 public:
  std::optional<std::wstring> Pick(HWND owner, const std::wstring& start) override {
    const std::wstring folder = ChoosePath(owner, CLSID_FileOpenDialog, [&](IFileDialog& dialog) {
      FILEOPENDIALOGOPTIONS options = 0;
      dialog.GetOptions(&options);
      dialog.SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM);
      dialog.SetTitle(L"选择存放列表的文件夹");
      IShellItem* item = nullptr;
      if (FAILED(SHCreateItemFromParsingName(start.c_str(), nullptr, IID_PPV_ARGS(&item)))) return;
      const ComPtr<IShellItem> at(item);
      dialog.SetFolder(at.get());
    });
    if (folder.empty()) return std::nullopt;
    return folder;
  }
};


}  // namespace

std::wstring ChoosePath(HWND owner, const CLSID& kind, const std::function<void(IFileDialog&)>& setUp) {
  IFileDialog* made = nullptr;
  if (FAILED(CoCreateInstance(kind, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&made)))) return {};
  const ComPtr<IFileDialog> dialog(made);
  setUp(*dialog.get());
  IShellItem* item = nullptr;
  if (FAILED(dialog->Show(owner)) || FAILED(dialog->GetResult(&item))) return {};
  const ComPtr<IShellItem> chosen(item);
  PWSTR path = nullptr;
  if (FAILED(chosen->GetDisplayName(SIGDN_FILESYSPATH, &path))) return {};
  std::wstring result(path);
  CoTaskMemFree(path);
  return result;
}

FolderPicker& SystemFolderPicker() {
  static ShellFolderPicker picker;
  return picker;
}

}  // namespace oravin
