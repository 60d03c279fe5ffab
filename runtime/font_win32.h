#pragma once
#include <windows.h>

#include "runtime/font.h"
#include "runtime/handles.h"

namespace oravin {

// The GDI font for a font description on a device context of the given vertical resolution.
UniqueFont CreateGdiFont(const Font& font, int dotsPerInchY);

}  // namespace oravin
