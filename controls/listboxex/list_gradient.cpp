#include "controls/listboxex/list_gradient.h"

#include <algorithm>

#include "runtime/rounding.h"

namespace oravin {
namespace {

constexpr int32_t kWhite = 0xFFFFFF;

uint32_t PenComponent(double value) { return static_cast<uint32_t>(std::clamp(R(value), 0, 255)); }

}  // namespace

ColorParts SplitColor(int32_t rgb) {
  return {static_cast<double>(rgb % 256), static_cast<double>((rgb & 0xFF00) / 256),
          static_cast<double>((rgb & 0xFF0000) / 65536)};
}

GradientEnds ChooseGradientEnds(ListColors colors, bool rightLeft, int32_t startColor, int32_t endColor,
                                int32_t menuColor) {
  const int32_t a = colors == ListColors::Own ? startColor : menuColor;
  const int32_t b = colors == ListColors::Own ? endColor : kWhite;
  return rightLeft ? GradientEnds{a, b} : GradientEnds{b, a};
}

GradientSteps::GradientSteps(int32_t from, int32_t to, int extent) : current_(SplitColor(from)) {
  const ColorParts target = SplitColor(to);
  step_ = {(target.red - current_.red) / extent, (target.green - current_.green) / extent,
           (target.blue - current_.blue) / extent};
}

uint32_t GradientSteps::Next() {
  current_.red += step_.red;
  current_.green += step_.green;
  current_.blue += step_.blue;
  return PenComponent(current_.red) | PenComponent(current_.green) << 8 | PenComponent(current_.blue) << 16;
}

}  // namespace oravin
