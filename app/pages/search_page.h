#pragma once
// The search page: two buttons for the search services' home pages and a
// small form that builds search requests.
#include <memory>

#include "controls/colorbutton/color_button.h"
#include "runtime/check_box.h"
#include "runtime/command_button.h"
#include "runtime/label.h"
#include "runtime/option_button.h"
#include "runtime/picture_box.h"
#include "runtime/text_box.h"

namespace oravin {

class SearchPage : public PictureBox {
 public:
  bool Create(HWND parent, const LayoutRect& at);

  CommandButton Command1, Command2;
  Label Label4, Label9, lbAdvanced;
  TextBox txtFind, txtCount;
  OptionButton optWeb, optImage, optNews, optGroup;
  CheckBox chkExact;
  std::unique_ptr<ColorButton> clbFind;

 private:
  Label header_;
};

}  // namespace oravin
