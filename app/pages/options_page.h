#pragma once
// The options page: animated windows, starting with Windows, the key that
// opens the quick-open box, whether it searches the browsers' bookmarks, and
// forgetting what it learned, and where the lists are kept.
#include "runtime/check_box.h"
#include "runtime/command_button.h"
#include "runtime/hotkey_box.h"
#include "runtime/label.h"
#include "runtime/picture_box.h"

namespace oravin {

class OptionsPage : public PictureBox {
 public:
  bool Create(HWND parent, const LayoutRect& at);

  // Says so when another program holds the key.
  void ShowQuickOpenKeyTaken(bool taken);
  void ShowDataFolder(const std::wstring& folder);

  CheckBox animateCheck, startWithWindowsCheck;
  HotkeyBox quickOpenKeyBox;
  CheckBox browserBookmarksCheck;
  CommandButton forgetPicksButton;
  // Opens the folder picker.
  CommandButton dataFolderButton;

 private:
  Label optionsHeader, quickOpenLabel, quickOpenTakenLabel, dataFolderLabel;
};

}  // namespace oravin
