#pragma once
// The options page: animated windows, starting with Windows, the key that
// opens the quick-open box, whether it searches the browsers' bookmarks, and
// forgetting what it learned.
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

  CheckBox chkAnimate, chkStartUp;
  HotkeyBox hotQuickOpen;
  CheckBox chkBrowserBookmarks;
  CommandButton cmdForgetPicks;

 private:
  Label Label6, lbQuickOpen, lbQuickOpenTaken;
};

}  // namespace oravin
