#pragma once
// The system's file and folder dialogs. The folder picker is passed in, so
// that a test can answer it.
#include <windows.h>
#include <shobjidl.h>

#include <functional>
#include <optional>
#include <string>


namespace oravin {

// Shows a dialog of the kind given (CLSID_FileOpenDialog, CLSID_FileSaveDialog)
// once setUp has set it up; the path the user chose, empty when cancelled.
std::wstring ChoosePath(HWND owner, const CLSID& kind, const std::function<void(IFileDialog&)>& setUp);

class FolderPicker {
 public:
  virtual ~FolderPicker() = default;
  // The folder the user picked, the picker opened at start; nothing when cancelled.
  virtual std::optional<std::wstring> Pick(HWND owner, const std::wstring& start) = 0;
};

// The system's, which asks the user.
FolderPicker& SystemFolderPicker();

}  // namespace oravin
