#include "controls/listboxex/hand_cursor_win32.h"

#include <cstdint>
#include <map>
#include <vector>

#include "runtime/design_scale.h"
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

constexpr int kArtRows = int(sizeof kHand / sizeof kHand[0]);

// The picture's character at a pixel of a cursor `size` pixels wide: each
// pixel takes the character it lies on when the picture is stretched to it.
char ArtAt(int x, int y, int size) {
  const int artX = x * kHandCursorSize / size, artY = y * kHandCursorSize / size;
  if (artY >= kArtRows) return '.';
  const char* row = kHand[artY];
  for (int i = 0; i <= artX; ++i) {
    if (row[i] == '\0') return '.';
  }
  return row[artX];
}

UniqueCursor MakeHand(int size) {
  // Monochrome cursor masks, rows padded to whole words: AND 1 keeps the
  // screen; where AND is 0, XOR 0 is black and 1 white.
  const int bytesPerRow = (size + 15) / 16 * 2;
  std::vector<uint8_t> andMask(size_t(bytesPerRow) * size, 0xFF), xorMask(andMask.size(), 0x00);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const char c = ArtAt(x, y, size);
      if (c == '.') continue;
      const uint8_t bit = static_cast<uint8_t>(0x80 >> (x % 8));
      const size_t at = size_t(y) * bytesPerRow + x / 8;
      andMask[at] &= static_cast<uint8_t>(~bit);
      if (c == 'o') xorMask[at] |= bit;
    }
  }
  const int hotX = kHandCursorHotSpot.x * size / kHandCursorSize, hotY = kHandCursorHotSpot.y * size / kHandCursorSize;
  return UniqueCursor(
      CreateCursor(GetModuleHandleW(nullptr), hotX, hotY, size, size, andMask.data(), xorMask.data()));
}

}  // namespace

HCURSOR HandCursor(int dpi) {
  static std::map<int, UniqueCursor> made;
  UniqueCursor& cursor = made[dpi];
  if (!cursor) cursor = MakeHand(ScaleToDpi(kHandCursorSize, dpi));
  return cursor.get();
}

}  // namespace oravin
