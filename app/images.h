#pragma once
// The pictures and pointers stored with the main window.
#include <windows.h>

#include "runtime/picture.h"

namespace oravin {

// Each picture is loaded once and shared by every control that shows it.
PicturePtr ProgramPicture(int resourceId);
HICON ProgramIcon();           // the window's 16 x 16 icon
HCURSOR LabelPointer();        // the pointing hand of the menu and link labels

}  // namespace oravin
