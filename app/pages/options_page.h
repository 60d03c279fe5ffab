#pragma once
// The options page: animated windows, starting with Windows and the key that
// opens the quick-open box.
#include "runtime/check_box.h"
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

 private:
  Label Label6, lbQuickOpen, lbQuickOpenTaken;
};

}  // namespace oravin
