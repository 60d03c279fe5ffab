#include "effects/frame_geometry.h"

#include <algorithm>

#include "runtime/rounding.h"

namespace oravin {
namespace {

using Effect = AnimationEffect;

std::optional<int32_t> Fit(int64_t value) {
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(value);
}

FrameRect Normalised(int32_t l, int32_t t, int32_t r, int32_t b) {
  return {std::min(l, r), std::min(t, b), std::max(l, r), std::max(t, b)};
}

// The effects whose close frames show what lies outside the open frame's region.
bool ClosesByComplement(Effect effect) {
  return effect <= Effect::RevealFromBottom || effect >= Effect::HorizontalBlinds;
}

// Any mode but 0 opens the reveals and blinds; any mode but 1 closes the others.
constexpr int32_t kCloseMode = 0;
constexpr int32_t kOpenMode = 1;
bool Opens(Effect effect, int32_t mode) {
  return ClosesByComplement(effect) ? mode != kCloseMode : mode == kOpenMode;
}

// A rectangle whose corners were computed as reals and may not fit.
std::optional<FrameRect> RoundedRect(double l, double t, double r, double b) {
  const auto left = RoundToInt32(l), top = RoundToInt32(t), right = RoundToInt32(r), bottom = RoundToInt32(b);
  if (!left || !top || !right || !bottom) return std::nullopt;
  return Normalised(*left, *top, *right, *bottom);
}

}  // namespace

std::optional<int32_t> Extent(int32_t from, int32_t to) { return Fit(int64_t(to) - from); }

std::optional<FramePlan> FramePlan::Make(int32_t effect, int32_t mode, int32_t width, int32_t height,
                                         int32_t steps) {
  if (steps == 0) return std::nullopt;  // the step sizes divide by the step count
  FramePlan plan;
  plan.effect_ = static_cast<Effect>(effect);
  plan.open_ = Opens(plan.effect_, mode);
  plan.width_ = width;
  plan.height_ = height;
  switch (plan.effect_) {
    case Effect::HorizontalBlinds:
    case Effect::VerticalBlinds: {
      const auto pitch = RoundToInt32(steps / 2.0);
      const auto across = Fit(2 * int64_t(plan.effect_ == Effect::HorizontalBlinds ? height : width));
      if (!pitch || !across) return std::nullopt;
      const auto stripes = RoundToInt32(double(*across) / steps);
      if (!stripes) return std::nullopt;
      plan.pitch_ = *pitch;
      plan.stripeCount_ = *stripes;
      plan.frameCount_ = std::max<int64_t>(0, int64_t(*pitch) + 1);
      return plan;
    }
    case Effect::CentredEvenRectangle:
      // Both directions grow by the same number of pixels, taken from the longer side.
      plan.sx_ = plan.sy_ = double(std::max(width, height)) / steps;
      break;
    default:
      plan.sx_ = double(width) / steps;
      plan.sy_ = double(height) / steps;
      break;
  }
  plan.frameCount_ = std::max<int64_t>(0, int64_t(steps) + 1);
  return plan;
}

std::optional<Frame> FramePlan::At(int64_t i) const {
  const bool complement = !open_ && ClosesByComplement(effect_);
  if (effect_ == Effect::HorizontalBlinds || effect_ == Effect::VerticalBlinds) {
    auto frame = Blinds(i);
    if (frame) frame->complement = complement;
    return frame;
  }
  const auto rect = SingleRect(i);
  if (!rect) return std::nullopt;
  return Frame{{*rect}, complement};
}

std::optional<FrameRect> FramePlan::SingleRect(int64_t i) const {
  const double W = width_, H = height_;
  const double p = double(i) * sx_, q = double(i) * sy_;
  switch (effect_) {
    case Effect::RevealFromLeft:
      return RoundedRect(0, 0, p, H);
    case Effect::RevealFromRight:
      return RoundedRect(W - p, 0, W, H);
    case Effect::RevealFromTop:
      return RoundedRect(0, 0, W, q);
    case Effect::RevealFromBottom:
      return RoundedRect(0, H - q, W, H);
    case Effect::CornerTopLeft:
      return open_ ? RoundedRect(0, 0, p, q) : RoundedRect(0, 0, W - p, H - q);
    case Effect::CornerBottomLeft:
      return open_ ? RoundedRect(0, H - q, p, H) : RoundedRect(0, q, W - p, H);
    case Effect::CornerTopRight:
      return open_ ? RoundedRect(W - p, 0, W, q) : RoundedRect(p, 0, W, H - q);
    case Effect::CornerBottomRight:
      return open_ ? RoundedRect(W - p, H - q, W, H) : RoundedRect(p, q, W, H);
    case Effect::VerticalBand: {
      const auto gap = RoundToInt32(open_ ? W - p : p);
      if (!gap) return std::nullopt;
      return RoundedRect(*gap / 2.0, 0, W - *gap / 2.0, H);
    }
    case Effect::HorizontalBand: {
      const auto band = RoundToInt32(open_ ? q : H - q);
      if (!band) return std::nullopt;
      return RoundedRect(0, H / 2 - *band / 2.0, W, H / 2 + *band / 2.0);
    }
    case Effect::CentredRectangle:
    case Effect::CentredEvenRectangle: {
      const auto w = RoundToInt32(open_ ? p : W - p), h = RoundToInt32(open_ ? q : H - q);
      if (!w || !h) return std::nullopt;
      const auto left = Fit(int64_t(width_) - *w), right = Fit(int64_t(width_) + *w);
      const auto top = Fit(int64_t(height_) - *h), bottom = Fit(int64_t(height_) + *h);
      if (!left || !right || !top || !bottom) return std::nullopt;
      return RoundedRect(*left / 2.0, *top / 2.0, *right / 2.0, *bottom / 2.0);
    }
    case Effect::HorizontalBlinds:
    case Effect::VerticalBlinds:
      break;
  }
  return std::nullopt;
}

// Stripes one pitch apart, each `thickness` pixels thick, across the whole window.
std::optional<Frame> FramePlan::Blinds(int64_t thickness) const {
  const bool horizontal = effect_ == Effect::HorizontalBlinds;
  Frame frame;
  frame.rects.reserve(size_t(std::max<int64_t>(0, stripeCount_) + 1));
  for (int64_t k = 0; k <= stripeCount_; ++k) {
    const auto start = Fit(k * pitch_);
    if (!start) return std::nullopt;
    const auto end = Fit(*start + thickness);
    if (!end) return std::nullopt;
    frame.rects.push_back(horizontal ? Normalised(0, *start, width_, *end) : Normalised(*start, 0, *end, height_));
  }
  return frame;
}

}  // namespace oravin
