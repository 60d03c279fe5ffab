#pragma once
// The pictures and icons stored with the main window. Each icon
// carries images of 16, 20, 24, 32 and 48 pixels; each place takes the one
// for the size it needs at its DPI.
#include <windows.h>

#include "runtime/picture.h"

namespace oravin {

// Each picture is loaded once and shared by every control that shows it.
PicturePtr ProgramPicture(int resourceId);
// The program's own icon at a size in pixels (the system's small or large icon size).
HICON ProgramIcon(int pixels);

}  // namespace oravin
