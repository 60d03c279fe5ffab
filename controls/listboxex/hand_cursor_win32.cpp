#include "controls/listboxex/hand_cursor_win32.h"

#include <array>
#include <cstdint>

#include "runtime/handles.h"

namespace oravin {
namespace {

// The picture itself: '#' black, 'o' white, '.' (and everything outside) transparent.
constexpr const char* kHand[] = {
    "....##..........",  //
    "...#oo#.........",  //
    "...#oo#.........",  //
    "...#oo#.........",  //
    "...#oo#.........",  //
    "...#oo###.......",  //
    "...#oo#oo###....",  //
    "...#oo#oo#oo##..",  //
    "##.#oo#oo#oo#o#.",  //
    "#o##oo#oo#oo#oo#",  //
    "#oo#ooooooooooo#",  //
    ".#o#ooooooooooo#",  //
    ".#ooooooooooooo#",  //
    "..#oooooooooooo#",  //
    "..#oooooooooooo#",  //
    "...#ooooooooooo#",  //
    "...#oooooooooo#.",  //
    "....#ooooooooo#.",  //
    "....#ooooooooo#.",  //
    "....###########.",  //
};

constexpr int kBytesPerRow = kHandCursorSize / 8;
using Mask = std::array<uint8_t, kBytesPerRow * kHandCursorSize>;

// Monochrome cursor masks: AND 1 keeps the screen; where AND is 0, XOR 0 is black and 1 white.
void BuildMasks(Mask& andMask, Mask& xorMask) {
  andMask.fill(0xFF);
  xorMask.fill(0x00);
  int y = 0;
  for (const char* row : kHand) {
    for (int x = 0; row[x] != '\0'; ++x) {
      const uint8_t bit = static_cast<uint8_t>(0x80 >> (x % 8));
      const size_t at = static_cast<size_t>(y * kBytesPerRow + x / 8);
      if (row[x] == '.') continue;
      andMask[at] &= static_cast<uint8_t>(~bit);
      if (row[x] == 'o') xorMask[at] |= bit;
    }
    ++y;
  }
}

}  // namespace

HCURSOR HandCursor() {
  static const UniqueCursor cursor = [] {
    Mask andMask, xorMask;
    BuildMasks(andMask, xorMask);
    return UniqueCursor(CreateCursor(GetModuleHandleW(nullptr), kHandCursorHotSpot.x, kHandCursorHotSpot.y,
                                     kHandCursorSize, kHandCursorSize, andMask.data(), xorMask.data()));
  }();
  return cursor.get();
}

}  // namespace oravin
