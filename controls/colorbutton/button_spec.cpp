#include "controls/colorbutton/button_spec.h"

namespace oravin {

std::unique_ptr<ColorButton> MakeButton(HWND parent, const ButtonSpec& spec) {
  auto button = std::make_unique<ColorButton>(parent);
  button->SetCaption(spec.caption);
  button->SetBackColor(spec.backColor);
  button->SetBorderColor(spec.borderColor);
  button->SetPicture(spec.picture);
  button->Move(spec.at.left, spec.at.top, spec.at.width, spec.at.height);
  button->SetToolTipText(spec.toolTip);
  return button;
}

}  // namespace oravin
