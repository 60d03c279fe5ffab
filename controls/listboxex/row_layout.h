#pragma once
// Where the parts of a row go: the text, the shared icon, the selection bar
// and the icon's focus frame, in pixels on the drawing surface.
#include <cstdint>
#include <optional>

namespace oravin {

struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const PixelRect&) const = default;
};

struct RowLayout {
  int textLeft = 0;
  bool hasIcon = false;
  int iconX = 0, iconYOffset = 0;  // from the row's top
  int iconWidth = 0, iconHeight = 0;  // as drawn
};

// iconPixels: the icon's natural size in pixels (unrounded), when there is a valid icon.
struct IconPixels {
  double width = 0, height = 0;
};
RowLayout LayoutRow(int32_t itemHeight, std::optional<IconPixels> icon, bool stretchIcon);

// The selection bar of the row listIndex - topIndex; starts at the text unless fullRowSelect.
PixelRect SelectionBar(const RowLayout& row, int32_t itemHeight, int32_t listIndex, int32_t topIndex, int right,
                       bool fullRowSelect);

// The square framed around the icon of the selected row.
PixelRect IconFocusFrame(const PixelRect& bar, int32_t itemHeight);

// The number of rows a paint draws from topIndex: the whole rows that fit, no more than the items left.
int32_t RowsToDraw(int32_t topIndex, int32_t visibleCount, int32_t listCount);

}  // namespace oravin
