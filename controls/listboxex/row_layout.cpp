#include "controls/listboxex/row_layout.h"

#include <algorithm>

#include "runtime/rounding.h"

namespace oravin {
namespace {

constexpr int kTextMargin = 3;      // between the icon square (or the edge) and the text
constexpr int kStretchedInset = 1;  // a stretched icon leaves one pixel above and at the left

}  // namespace

RowLayout LayoutRow(int32_t itemHeight, std::optional<IconPixels> icon, bool stretchIcon) {
  RowLayout row;
  row.textLeft = kTextMargin;
  if (!icon) return row;
  row.hasIcon = true;
  row.textLeft = itemHeight + kTextMargin;
  if (stretchIcon) {
    row.iconX = row.iconYOffset = kStretchedInset;
    row.iconWidth = row.iconHeight = itemHeight - 1;
  } else {
    row.iconX = R(itemHeight / 2.0 - icon->width / 2);
    row.iconYOffset = R(itemHeight / 2.0 - icon->height / 2);
    row.iconWidth = R(icon->width);
    row.iconHeight = R(icon->height);
  }
  return row;
}

PixelRect SelectionBar(const RowLayout& row, int32_t itemHeight, int32_t listIndex, int32_t topIndex, int right,
                       bool fullRowSelect) {
  const int top = (listIndex - topIndex) * itemHeight;
  return {fullRowSelect ? 0 : row.textLeft, top, right, top + itemHeight};
}

PixelRect IconFocusFrame(const PixelRect& bar, int32_t itemHeight) {
  return {1, bar.top, itemHeight + 1, bar.bottom};
}

int32_t RowsToDraw(int32_t topIndex, int32_t visibleCount, int32_t listCount) {
  return std::max(0, std::min(topIndex + visibleCount, listCount) - topIndex);
}

}  // namespace oravin
