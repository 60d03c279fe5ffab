#include "effects/form_frame.h"

namespace oravin {
namespace {

constexpr int kOuterCorner = 20;
constexpr int kPanelCorner = 15;

}  // namespace

RoundRect FormOutline(int sw, int sh) { return {0, 0, sw, sh, kOuterCorner}; }

// Each layer is one pixel smaller than its right and bottom neighbour's edge,
// so the last row and column inside the outline keep the form's background.
// The title strip comes from the panel starting 14 rows below the band's top.
std::array<FrameLayer, 4> FrameLayers(int sw, int sh) {
  return {{
      {{0, 0, sw - 1, sh - 1, kOuterCorner}, kFrameRimColor},
      {{1, 1, sw - 2, sh - 2, kOuterCorner}, kFrameBandColor},
      {{5, 15, sw - 6, sh - 6, kPanelCorner}, kFrameRimColor},
      {{6, 16, sw - 7, sh - 7, kPanelCorner}, kFramePanelColor},
  }};
}

}  // namespace oravin
