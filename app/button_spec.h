#pragma once
// The ColorButtons of the forms, made as a form loads them: from the values
// stored with the form, read through the property bag in one go.
#include <memory>
#include <string>

#include "controls/colorbutton/color_button.h"
#include "runtime/child_control.h"

namespace oravin {

// Every button of the main window has this face colour.
inline constexpr COLORREF kButtonBackColor = 0x000080FF;

struct ButtonSpec {
  TwipsRect at;
  std::wstring caption;  // as stored, with its trailing blanks
  PicturePtr picture;
  std::wstring toolTip;
};

std::unique_ptr<ColorButton> MakeButton(HWND parent, const ButtonSpec& spec);

}  // namespace oravin
