#include "effects/form_frame.h"

#include "runtime/design_scale.h"

namespace oravin {
namespace {

constexpr int kOuterCorner = 20;
constexpr int kPanelCorner = 15;

}  // namespace

RoundRect FormOutline(int sw, int sh, int dpi) { return {0, 0, sw, sh, ScaleToDpi(kOuterCorner, dpi)}; }

// Each layer is one pixel smaller than its right and bottom neighbour's edge,
// so the last row and column inside the outline keep the form's background.
// The title strip comes from the panel starting 14 rows below the band's top.
std::array<FrameLayer, 4> FrameLayers(int sw, int sh, int dpi) {
  const auto s = [dpi](int designPixels) { return ScaleToDpi(designPixels, dpi); };
  const int outer = s(kOuterCorner), panel = s(kPanelCorner);
  return {{
      {{0, 0, sw - s(1), sh - s(1), outer}, kFrameRimColor},
      {{s(1), s(1), sw - s(2), sh - s(2), outer}, kFrameBandColor},
      {{s(5), s(15), sw - s(6), sh - s(6), panel}, kFrameRimColor},
      {{s(6), s(16), sw - s(7), sh - s(7), panel}, kFramePanelColor},
  }};
}

}  // namespace oravin
