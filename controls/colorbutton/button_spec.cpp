#include "controls/colorbutton/button_spec.h"

namespace oravin {

std::unique_ptr<ColorButton> MakeButton(HWND parent, const ButtonSpec& spec) {
  auto button = std::make_unique<ColorButton>(parent);
  PropertyBag stored;
  stored.Write<std::wstring>(L"caption", spec.caption, kDefaultCaption);
  stored.Write<int32_t>(L"backcolor", int32_t(spec.backColor), int32_t(kDefaultBackColor));
  stored.Write<int32_t>(L"bordercolor", int32_t(spec.borderColor), int32_t(kDefaultBorderColor));
  stored.Write<PicturePtr>(L"picture", spec.picture, nullptr);
  button->ReadProperties(stored);
  button->Move(spec.at.left, spec.at.top, spec.at.width, spec.at.height);
  button->SetToolTipText(spec.toolTip);
  return button;
}

}  // namespace oravin
