#pragma once
// The options page: animated windows and starting with Windows.
#include "runtime/check_box.h"
#include "runtime/label.h"
#include "runtime/picture_box.h"

namespace oravin {

class OptionsPage : public PictureBox {
 public:
  bool Create(HWND parent, const TwipsRect& at);

  CheckBox chkAnimate, chkStartUp;

 private:
  Label Label6;
};

}  // namespace oravin
