#pragma once
// A ColorButton as a window declares it: place, caption, picture, tooltip and
// colours in one struct. Drawn once, when it first shows.
#include <memory>
#include <string>

#include "controls/colorbutton/color_button.h"
#include "runtime/child_control.h"

namespace oravin {

struct ButtonSpec {
  LayoutRect at;
  std::wstring caption;  // as stored, with its trailing blanks
  PicturePtr picture;
  std::wstring toolTip;
  COLORREF backColor = kDefaultBackColor;
  COLORREF borderColor = kDefaultBorderColor;
};

std::unique_ptr<ColorButton> MakeButton(HWND parent, const ButtonSpec& spec);

}  // namespace oravin
