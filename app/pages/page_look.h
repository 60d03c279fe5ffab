#pragma once
// What the pages of the main window have in common.
#include <memory>

#include "runtime/font.h"
#include "runtime/label.h"

namespace oravin {

inline constexpr COLORREF kPageBackColor = 0x00A3E8FC;
inline constexpr COLORREF kHeaderBackColor = 0x001A9BFB;
inline constexpr COLORREF kLinkColor = 0x00FF0000;
inline constexpr LayoutRect kHeaderRect{0, 0, 159, 17};

std::shared_ptr<Font> PageFont();  // Tahoma 8.25 pt

// The header label across the top of a page.
Label::Look HeaderLook();

}  // namespace oravin
