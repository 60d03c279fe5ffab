#pragma once
// The options page: animated windows, starting with Windows, the key that
// opens the quick-open box, whether it searches the browsers' bookmarks, and
// forgetting what it learned, and where the lists are kept.
#include "runtime/check_box.h"
#include "runtime/push_button.h"
#include "runtime/hotkey_box.h"
#include "runtime/label.h"
#include "runtime/panel.h"

namespace oravin {

class OptionsPage : public Panel {
 public:
  bool Create(HWND parent, const LayoutRect& at);

  // Says so when another program holds the key.
  void ShowQuickOpenKeyTaken(bool taken);
  void ShowDataFolder(const std::wstring& folder);

  CheckBox animateCheck, startWithWindowsCheck;
  HotkeyBox quickOpenKeyBox;
  CheckBox browserBookmarksCheck;
  PushButton forgetPicksButton;
  // Opens the folder picker.
  PushButton dataFolderButton;

 private:
  Label optionsHeader, quickOpenLabel, quickOpenTakenLabel, dataFolderLabel;
};

}  // namespace oravin
