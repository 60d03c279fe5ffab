#pragma once
// The main menu: the three assistants, the options and the about page, each a
// picture button with a label beside it that does the same.
#include <memory>

#include "controls/colorbutton/color_button.h"
#include "runtime/label.h"
#include "runtime/picture_box.h"

namespace oravin {

class ModesPage : public PictureBox {
 public:
  bool Create(HWND parent, const TwipsRect& at);

  std::unique_ptr<ColorButton> clbSearch, clbWAssistant, clbFolderAssis, clbOptions, clbAbout;
  Label lbSearch, lbWeb, lbFolder, lbOptions, Label5;

 private:
  Label header_, line_;
};

}  // namespace oravin
