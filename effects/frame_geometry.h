#pragma once
// Where each frame of a window animation lets the window show through: the
// rectangles of one frame, relative to the window's top-left corner, with
// exclusive right and bottom edges. No window is needed to work them out.
#include <cstdint>
#include <optional>
#include <vector>

namespace oravin {

enum class AnimationEffect : int32_t {
  RevealFromLeft = 0,
  RevealFromRight = 1,
  RevealFromTop = 2,
  RevealFromBottom = 3,
  CornerTopLeft = 4,
  CornerBottomLeft = 5,
  CornerTopRight = 6,
  CornerBottomRight = 7,
  VerticalBand = 8,
  HorizontalBand = 9,
  CentredRectangle = 10,
  CentredEvenRectangle = 11,
  HorizontalBlinds = 12,
  VerticalBlinds = 13,
};

constexpr int32_t kFirstEffect = 0;
constexpr int32_t kLastEffect = 13;
constexpr bool IsEffect(int32_t effect) { return effect >= kFirstEffect && effect <= kLastEffect; }

// Unanimated windows (the animate option off) still pass through a first and a last frame.
constexpr int32_t kUnanimatedSteps = 1;
constexpr int32_t EffectiveSteps(int32_t requestedSteps, bool animated) {
  return animated ? requestedSteps : kUnanimatedSteps;
}

struct FrameRect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const FrameRect&) const = default;
};

struct Frame {
  // Their union is the frame's region.
  std::vector<FrameRect> rects;
  // The window shows the rest of itself instead: the region is the whole
  // window rectangle combined with the union by exclusive-or.
  bool complement = false;
};

// The size of a window from its edges; nothing when it does not fit 32 bits.
std::optional<int32_t> Extent(int32_t from, int32_t to);

// One animation of one window: what is worked out once before the first frame.
class FramePlan {
 public:
  // Nothing when the step count makes the step sizes fail (zero steps) or an
  // intermediate value overflows. The effect must be one of IsEffect's.
  static std::optional<FramePlan> Make(int32_t effect, int32_t mode, int32_t width, int32_t height, int32_t steps);

  // steps + 1, or pitch + 1 for the blinds; never negative.
  int64_t FrameCount() const { return frameCount_; }

  // Frame i (0 <= i < FrameCount()); nothing when its arithmetic overflows.
  std::optional<Frame> At(int64_t i) const;

 private:
  FramePlan() = default;
  std::optional<FrameRect> SingleRect(int64_t i) const;
  std::optional<Frame> Blinds(int64_t thickness) const;

  AnimationEffect effect_{};
  bool open_ = false;
  int32_t width_ = 0, height_ = 0;
  double sx_ = 0, sy_ = 0;
  int32_t pitch_ = 0, stripeCount_ = 0;
  int64_t frameCount_ = 0;
};

}  // namespace oravin
