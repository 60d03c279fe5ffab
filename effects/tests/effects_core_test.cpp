#include <gtest/gtest.h>

#include <climits>

#include "effects/form_frame.h"
#include "effects/frame_geometry.h"

namespace oravin {
namespace {

constexpr int32_t kOpen = 1, kClose = 0;
constexpr int32_t kSteps = 33;

FramePlan Plan(int32_t effect, int32_t mode, int32_t width = 400, int32_t height = 300, int32_t steps = kSteps) {
  auto plan = FramePlan::Make(effect, mode, width, height, steps);
  EXPECT_TRUE(plan.has_value());
  return *plan;
}

FrameRect OnlyRect(const FramePlan& plan, int64_t i) {
  const auto frame = plan.At(i);
  EXPECT_TRUE(frame.has_value());
  EXPECT_EQ(frame->rects.size(), 1u);
  return frame->rects.front();
}

bool IsEmpty(const FrameRect& r) { return r.left == r.right || r.top == r.bottom; }

// What the window shows of itself in a frame of a single-rectangle effect.
bool ShowsNothing(const Frame& frame, int32_t width, int32_t height) {
  const FrameRect& r = frame.rects.front();
  return frame.complement ? r == FrameRect{0, 0, width, height} : IsEmpty(r);
}
bool ShowsEverything(const Frame& frame, int32_t width, int32_t height) {
  const FrameRect& r = frame.rects.front();
  return frame.complement ? IsEmpty(r) : r == FrameRect{0, 0, width, height};
}

TEST(FrameGeometryWorkedExamples, HorizontalBandOpeningRoundsItsHalvesToEven) {
  const FramePlan plan = Plan(9, kOpen);
  EXPECT_EQ(plan.FrameCount(), 34);
  EXPECT_EQ(OnlyRect(plan, 1), (FrameRect{0, 146, 400, 154}));
  EXPECT_EQ(OnlyRect(plan, 33), (FrameRect{0, 0, 400, 300}));
}

TEST(FrameGeometryWorkedExamples, RevealFromLeftOpensFromNothingToTheWholeWindow) {
  const FramePlan plan = Plan(0, kOpen);
  EXPECT_EQ(OnlyRect(plan, 0), (FrameRect{0, 0, 0, 300}));
  EXPECT_EQ(OnlyRect(plan, 1), (FrameRect{0, 0, 12, 300}));
  EXPECT_EQ(OnlyRect(plan, 33), (FrameRect{0, 0, 400, 300}));
  EXPECT_FALSE(plan.At(1)->complement);
}

TEST(FrameGeometryWorkedExamples, RevealFromLeftClosesByShowingTheRest) {
  const FramePlan plan = Plan(0, kClose);
  const Frame first = *plan.At(0), second = *plan.At(1), last = *plan.At(33);
  EXPECT_TRUE(first.complement);
  EXPECT_TRUE(ShowsEverything(first, 400, 300));
  EXPECT_EQ(second.rects.front(), (FrameRect{0, 0, 12, 300}));  // the left 12 columns are gone
  EXPECT_TRUE(ShowsNothing(last, 400, 300));
}

TEST(FrameGeometryWorkedExamples, VerticalBandClosingOnAnOddWidth) {
  EXPECT_EQ(OnlyRect(Plan(8, kClose, 401, 300), 1), (FrameRect{6, 0, 395, 300}));
}

TEST(FrameGeometryWorkedExamples, HorizontalBlindsHaveTheirOwnPitchAndFrameCount) {
  const FramePlan plan = Plan(12, kOpen);
  EXPECT_EQ(plan.FrameCount(), 17);  // P = R(16.5) = 16
  const Frame frame = *plan.At(5);
  ASSERT_EQ(frame.rects.size(), 19u);  // stripes k = 0 .. R(600 / 33) = 18
  EXPECT_EQ(frame.rects[0], (FrameRect{0, 0, 400, 5}));
  EXPECT_EQ(frame.rects[1], (FrameRect{0, 16, 400, 21}));
  EXPECT_EQ(frame.rects[18], (FrameRect{0, 288, 400, 293}));
  EXPECT_TRUE(IsEmpty(plan.At(0)->rects[3]));
}

TEST(FrameGeometryWorkedExamples, VerticalBlindsCloseByComplement) {
  const FramePlan plan = Plan(13, kClose);
  const Frame frame = *plan.At(16);
  ASSERT_EQ(frame.rects.size(), 25u);  // stripes k = 0 .. R(800 / 33) = 24
  EXPECT_EQ(frame.rects[2], (FrameRect{32, 0, 48, 300}));
  EXPECT_TRUE(frame.complement);
}

TEST(FrameGeometryEffects, CornerRectanglesGrowFromTheirCorner) {
  EXPECT_EQ(OnlyRect(Plan(4, kOpen), 1), (FrameRect{0, 0, 12, 9}));
  EXPECT_EQ(OnlyRect(Plan(5, kOpen), 1), (FrameRect{0, 291, 12, 300}));
  EXPECT_EQ(OnlyRect(Plan(6, kOpen), 1), (FrameRect{388, 0, 400, 9}));
  EXPECT_EQ(OnlyRect(Plan(7, kOpen), 1), (FrameRect{388, 291, 400, 300}));
}

TEST(FrameGeometryEffects, CornerRectanglesShrinkIntoTheirCorner) {
  EXPECT_EQ(OnlyRect(Plan(4, kClose), 1), (FrameRect{0, 0, 388, 291}));
  EXPECT_EQ(OnlyRect(Plan(5, kClose), 1), (FrameRect{0, 9, 388, 300}));
  EXPECT_EQ(OnlyRect(Plan(6, kClose), 1), (FrameRect{12, 0, 400, 291}));
  EXPECT_EQ(OnlyRect(Plan(7, kClose), 1), (FrameRect{12, 9, 400, 300}));
}

TEST(FrameGeometryEffects, RevealsFromTheOtherEdges) {
  EXPECT_EQ(OnlyRect(Plan(1, kOpen), 1), (FrameRect{388, 0, 400, 300}));
  EXPECT_EQ(OnlyRect(Plan(2, kOpen), 1), (FrameRect{0, 0, 400, 9}));
  EXPECT_EQ(OnlyRect(Plan(3, kOpen), 1), (FrameRect{0, 291, 400, 300}));
}

TEST(FrameGeometryEffects, CentredRectangleGrowsFromTheCentre) {
  EXPECT_EQ(OnlyRect(Plan(10, kOpen), 1), (FrameRect{194, 146, 206, 154}));
  EXPECT_EQ(OnlyRect(Plan(10, kClose), 32), (FrameRect{194, 146, 206, 154}));
}

TEST(FrameGeometryEffects, EvenRectangleStepsBothSidesByTheLongerSide) {
  EXPECT_EQ(OnlyRect(Plan(11, kOpen), 1), (FrameRect{194, 144, 206, 156}));
  // The shorter side runs negative near the end of a close: the rectangle is
  // normalised and a band shows again.
  EXPECT_EQ(OnlyRect(Plan(11, kClose), 32), (FrameRect{194, 106, 206, 194}));
}

TEST(FrameGeometryEndStates, EveryRectangleEffectOpensToTheWholeWindowAndClosesToNothing) {
  for (int32_t effect = 0; effect <= 11; ++effect) {
    SCOPED_TRACE(effect);
    const FramePlan open = Plan(effect, kOpen), close = Plan(effect, kClose);
    if (effect <= 9) {
      EXPECT_TRUE(ShowsNothing(*open.At(0), 400, 300));
      EXPECT_TRUE(ShowsEverything(*close.At(0), 400, 300));
    }
    if (effect == 11) continue;  // below
    EXPECT_TRUE(ShowsEverything(*open.At(kSteps), 400, 300));
    EXPECT_TRUE(ShowsNothing(*close.At(kSteps), 400, 300));
  }
  // Grown by the longer side, the last rectangle reaches past the shorter one.
  EXPECT_EQ(OnlyRect(Plan(11, kOpen), kSteps), (FrameRect{0, -50, 400, 350}));
  EXPECT_EQ(OnlyRect(Plan(11, kClose), kSteps), (FrameRect{200, 100, 200, 200}));
}

TEST(FrameGeometryModes, RevealsOpenOnAnyModeButZeroAndTheOthersCloseOnAnyModeButOne) {
  EXPECT_FALSE(Plan(0, 2).At(1)->complement);
  EXPECT_EQ(OnlyRect(Plan(4, 2), 1), (FrameRect{0, 0, 388, 291}));
  EXPECT_EQ(OnlyRect(Plan(4, -1), 1), (FrameRect{0, 0, 388, 291}));
}

TEST(FrameGeometryUnanimated, OneStepGivesAFirstAndALastFrame) {
  EXPECT_EQ(EffectiveSteps(kSteps, false), 1);
  EXPECT_EQ(EffectiveSteps(kSteps, true), kSteps);
  EXPECT_EQ(EffectiveSteps(0, false), 1);
  const FramePlan open = Plan(9, kOpen, 400, 300, EffectiveSteps(kSteps, false));
  ASSERT_EQ(open.FrameCount(), 2);
  EXPECT_TRUE(IsEmpty(OnlyRect(open, 0)));
  EXPECT_EQ(OnlyRect(open, 1), (FrameRect{0, 0, 400, 300}));
}

TEST(FrameGeometryUnanimated, BlindsWithOneStepHaveASingleEmptyFrame) {
  const FramePlan plan = Plan(12, kOpen, 400, 300, 1);
  ASSERT_EQ(plan.FrameCount(), 1);  // the pitch R(0.5) is 0
  const Frame frame = *plan.At(0);
  EXPECT_EQ(frame.rects.size(), 601u);  // R(600 / 1) + 1 stripes, none of them thick
  for (const FrameRect& r : frame.rects) EXPECT_TRUE(IsEmpty(r));
}

TEST(FrameGeometryFailures, ZeroStepsFailBeforeAnyFrameForEveryEffect) {
  for (int32_t effect = 0; effect <= 13; ++effect) {
    EXPECT_FALSE(FramePlan::Make(effect, kOpen, 400, 300, 0).has_value()) << effect;
  }
}

TEST(FrameGeometryFailures, NegativeStepsGiveNoFrames) {
  EXPECT_EQ(Plan(0, kOpen, 400, 300, -5).FrameCount(), 0);
  EXPECT_EQ(Plan(13, kOpen, 400, 300, -5).FrameCount(), 0);
}

TEST(FrameGeometryFailures, AWindowSizeBeyond32BitsIsAnOverflow) {
  EXPECT_EQ(Extent(-10, 390), 400);
  EXPECT_FALSE(Extent(INT32_MIN, INT32_MAX).has_value());
  EXPECT_FALSE(Extent(INT32_MAX, INT32_MIN).has_value());
}

TEST(FrameGeometryFailures, OverflowingSumsStopAtTheFrameThatOverflows) {
  const FramePlan plan = Plan(10, kOpen, INT32_MAX, 300);
  EXPECT_TRUE(plan.At(0).has_value());
  EXPECT_FALSE(plan.At(kSteps).has_value());  // W + w no longer fits
  EXPECT_FALSE(FramePlan::Make(12, kOpen, 400, INT32_MAX, kSteps).has_value());  // 2 × H
  EXPECT_FALSE(FramePlan::Make(13, kOpen, INT32_MAX / 2 + 1, 300, kSteps).has_value());  // 2 × W
}

TEST(FormFrame, OutlineAndLayersOfA300By200Form) {
  EXPECT_EQ(FormOutline(300, 200), (RoundRect{0, 0, 300, 200, 20}));
  const auto layers = FrameLayers(300, 200);
  EXPECT_EQ(layers[0].shape, (RoundRect{0, 0, 299, 199, 20}));
  EXPECT_EQ(layers[1].shape, (RoundRect{1, 1, 298, 198, 20}));
  EXPECT_EQ(layers[2].shape, (RoundRect{5, 15, 294, 194, 15}));
  EXPECT_EQ(layers[3].shape, (RoundRect{6, 16, 293, 193, 15}));
}

// At 150% the rim, band, panel and corners are half as wide again, halves rounded up.
TEST(FormFrame, OutlineAndLayersScaleWithTheDpi) {
  EXPECT_EQ(FormOutline(293, 531, 144), (RoundRect{0, 0, 293, 531, 30}));
  const auto layers = FrameLayers(293, 531, 144);
  EXPECT_EQ(layers[0].shape, (RoundRect{0, 0, 291, 529, 30}));  // 1.5 rounds to 2
  EXPECT_EQ(layers[1].shape, (RoundRect{2, 2, 290, 528, 30}));
  EXPECT_EQ(layers[2].shape, (RoundRect{8, 23, 284, 522, 23}));  // 22.5 rounds to 23
  EXPECT_EQ(layers[3].shape, (RoundRect{9, 24, 282, 520, 23}));  // 10.5 rounds to 11
}

TEST(FormFrame, LayersAreRimBandOutlineAndPanelInThatOrder) {
  const auto layers = FrameLayers(195, 354);
  EXPECT_EQ(layers[0].color, 0x0001AFFFu);
  EXPECT_EQ(layers[1].color, 0x004080FFu);
  EXPECT_EQ(layers[2].color, 0x0001AFFFu);
  EXPECT_EQ(layers[3].color, 0x0000B9FFu);
}

}  // namespace
}  // namespace oravin
