#pragma once
// How keys, the mouse and the scroll position move the selection and the view
// of the list: arithmetic only, the control applies it.
#include <cstdint>
#include <optional>

namespace oravin {

// Virtual-key codes the list reacts to.
enum ListKey : int {
  kKeyPageUp = 33,
  kKeyPageDown = 34,
  kKeyEnd = 35,
  kKeyHome = 36,
  kKeyUp = 38,
  kKeyDown = 40,
};

// The selection a key asks for, before the paint keeps it within the list
// (End asks for one past the last item). Other keys leave it.
int32_t ListIndexAfterKey(int keyCode, int32_t listIndex, int32_t listCount, int32_t visibleCount);

// The item a mouse press at y selects: the row under it plus the first
// visible item. Nothing while there is no row height.
std::optional<int32_t> ItemAtY(double y, int32_t itemHeight, int32_t topIndex);

// The hand over rows, the arrow below the last one; always the hand when the
// rows fill the surface.
bool HandPointerAt(double y, int32_t itemHeight, int32_t listCount, int32_t visibleCount);

// The first visible item that shows the selection: the view scrolls up to a
// selection above it, then down to one below it; otherwise it stays.
int32_t TopIndexShowing(int32_t listIndex, int32_t topIndex, int32_t visibleCount);

}  // namespace oravin
