#pragma once
// The rounded outline and the painted frame of a borderless form, worked out
// from the form's interior size in pixels.
#include <array>
#include <cstdint>

namespace oravin {

// The corners of a rounded rectangle (right and bottom exclusive) and the
// width and height of its corner ellipse.
struct RoundRect {
  int left = 0, top = 0, right = 0, bottom = 0, ellipse = 0;
  bool operator==(const RoundRect&) const = default;
};

// A colour as the drawing calls take it: red in the low byte, then green, then blue.
constexpr uint32_t Rgb(uint8_t red, uint8_t green, uint8_t blue) {
  return uint32_t(red) | uint32_t(green) << 8 | uint32_t(blue) << 16;
}

constexpr uint32_t kFrameRimColor = Rgb(255, 175, 1);
constexpr uint32_t kFrameBandColor = Rgb(255, 128, 64);
constexpr uint32_t kFramePanelColor = Rgb(255, 185, 0);

struct FrameLayer {
  RoundRect shape;
  uint32_t color = 0;
};

// The window region: everything outside it is cut away. The corners, rim,
// band and panel are designed at 96 dpi and scale with the window's DPI.
RoundRect FormOutline(int scaleWidth, int scaleHeight, int dpi = 96);

// Painted in this order, each over the ones before: the rim, the band, the
// panel's outline and the panel.
std::array<FrameLayer, 4> FrameLayers(int scaleWidth, int scaleHeight, int dpi = 96);

}  // namespace oravin
