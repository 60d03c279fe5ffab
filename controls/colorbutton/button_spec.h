#pragma once
// ColorButtons as a form loads them: from the values stored with the form,
// read through the property bag in one go (one repaint, not one per value).
#include <memory>
#include <string>

#include "controls/colorbutton/color_button.h"
#include "runtime/child_control.h"

namespace oravin {

struct ButtonSpec {
  TwipsRect at;
  std::wstring caption;  // as stored, with its trailing blanks
  PicturePtr picture;
  std::wstring toolTip;
  COLORREF backColor = kDefaultBackColor;
  COLORREF borderColor = kDefaultBorderColor;
};

std::unique_ptr<ColorButton> MakeButton(HWND parent, const ButtonSpec& spec);

}  // namespace oravin
