#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "effects/animate_option.h"
#include "effects/mdlAnimation.h"
#include "effects/tests/test_form.h"
#include "runtime/handles.h"
#include "testing/win32_testing.h"

namespace oravin {
namespace {

using testing::TestForm;

constexpr int32_t kDelay = 1, kSteps = 33;
constexpr COLORREF kWindowColor = RGB(40, 90, 200);
constexpr COLORREF kParentColor = RGB(20, 160, 60);

struct RegionShape {
  int type = ERROR;  // NULLREGION, SIMPLEREGION, COMPLEXREGION, or ERROR for no region
  RECT box{};
  UniqueRegion region;
};

RegionShape WindowRegion(HWND window) {
  RegionShape shape;
  shape.region.reset(CreateRectRgn(0, 0, 0, 0));
  shape.type = GetWindowRgn(window, shape.region.get());
  if (shape.type != ERROR) GetRgnBox(shape.region.get(), &shape.box);
  return shape;
}

::testing::AssertionResult IsRect(const RegionShape& shape, RECT expected) {
  if (shape.type == SIMPLEREGION && EqualRect(&shape.box, &expected)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "region type " << shape.type << " box (" << shape.box.left << ", "
                                       << shape.box.top << ", " << shape.box.right << ", " << shape.box.bottom
                                       << ")";
}

// Records the window's region as each frame shows.
class FrameRecorder {
 public:
  FrameRecorder()
      : observer_([this](HWND window, int64_t frame) {
          EXPECT_EQ(frame, int64_t(frames.size()));
          frames.push_back(WindowRegion(window));
        }) {}
  std::vector<RegionShape> frames;

 private:
  ScopedFrameObserver observer_;
};

// Windows are slow to destroy under the test display, so the suite shares one
// window, made again only when a test destroyed it.
class Animation : public ::testing::Test {
 protected:
  static void TearDownTestSuite() { shared.reset(); }
  void SetUp() override {
    if (!shared || !shared->hwnd()) {
      shared = std::make_unique<TestForm>();
      ASSERT_TRUE(shared->Open({100, 100, 500, 400}, kWindowColor));
    }
    SetWindowRgn(shared->hwnd(), nullptr, TRUE);
    shared->postedSeen = 0;
  }
  static inline std::unique_ptr<TestForm> shared;
  TestForm& form() { return *shared; }
};

TEST_F(Animation, HorizontalBandOpensFromTheCentreLineToTheWholeWindow) {
  FrameRecorder recorder;
  EXPECT_TRUE(AnimateWindowEffect(form().hwnd(), kAnimateOpen, 9, kDelay, kSteps));
  ASSERT_EQ(recorder.frames.size(), 34u);
  EXPECT_EQ(recorder.frames[0].type, NULLREGION);
  EXPECT_TRUE(IsRect(recorder.frames[1], {0, 146, 400, 154}));
  EXPECT_TRUE(IsRect(recorder.frames[33], {0, 0, 400, 300}));
  EXPECT_TRUE(IsRect(WindowRegion(form().hwnd()), {0, 0, 400, 300}));
}

TEST_F(Animation, RevealFromLeftClosesToAnEmptyRegionOnAShownWindow) {
  FrameRecorder recorder;
  EXPECT_TRUE(AnimateWindowEffect(form().hwnd(), kAnimateClose, 0, kDelay, kSteps));
  ASSERT_EQ(recorder.frames.size(), 34u);
  EXPECT_TRUE(IsRect(recorder.frames[0], {0, 0, 400, 300}));
  EXPECT_TRUE(IsRect(recorder.frames[1], {12, 0, 400, 300}));
  EXPECT_EQ(recorder.frames[33].type, NULLREGION);
  EXPECT_TRUE(IsWindowVisible(form().hwnd()));
}

TEST_F(Animation, HideToTheTrayAndComeBackLeavesTheWholeWindow) {
  EXPECT_TRUE(AnimateWindowEffect(form().hwnd(), kAnimateClose, 2, kDelay, kSteps));
  EXPECT_EQ(WindowRegion(form().hwnd()).type, NULLREGION);
  FrameRecorder recorder;
  EXPECT_TRUE(AnimateWindowEffect(form().hwnd(), kAnimateOpen, 3, kDelay, kSteps));
  EXPECT_TRUE(IsRect(recorder.frames[1], {0, 291, 400, 300}));
  EXPECT_TRUE(IsRect(WindowRegion(form().hwnd()), {0, 0, 400, 300}));
}

TEST_F(Animation, HorizontalBlindsCloseByOpeningGapsBetweenStripes) {
  FrameRecorder recorder;
  EXPECT_TRUE(AnimateWindowEffect(form().hwnd(), kAnimateClose, 12, kDelay, kSteps));
  ASSERT_EQ(recorder.frames.size(), 17u);
  const HRGN fifth = recorder.frames[5].region.get();
  EXPECT_EQ(recorder.frames[5].type, COMPLEXREGION);
  EXPECT_FALSE(PtInRegion(fifth, 10, 2));   // inside the first stripe: gone
  EXPECT_TRUE(PtInRegion(fifth, 10, 8));    // between stripes: still shown
  EXPECT_FALSE(PtInRegion(fifth, 10, 17));  // inside the second stripe
}

TEST_F(Animation, TheAnimateOptionOffGivesJustTheFirstAndTheLastFrame) {
  WireAnimateOption([] { return 0; });
  FrameRecorder recorder;
  EXPECT_TRUE(AnimateWindowEffect(form().hwnd(), kAnimateOpen, 9, kDelay, kSteps));
  ASSERT_EQ(recorder.frames.size(), 2u);
  EXPECT_EQ(recorder.frames[0].type, NULLREGION);
  EXPECT_TRUE(IsRect(recorder.frames[1], {0, 0, 400, 300}));
  recorder.frames.clear();
  EXPECT_TRUE(AnimateWindowEffect(form().hwnd(), kAnimateClose, 4, kDelay, kSteps));
  WireAnimateOption({});
  ASSERT_EQ(recorder.frames.size(), 2u);
  EXPECT_TRUE(IsRect(recorder.frames[0], {0, 0, 400, 300}));
  EXPECT_EQ(recorder.frames[1].type, NULLREGION);
}

TEST_F(Animation, ZeroStepsFailAndLeaveTheRegionAsItWas) {
  SetWindowRgn(form().hwnd(), CreateRectRgn(10, 10, 50, 50), TRUE);
  FrameRecorder recorder;
  EXPECT_FALSE(AnimateWindowEffect(form().hwnd(), kAnimateOpen, 9, kDelay, 0));
  EXPECT_TRUE(recorder.frames.empty());
  EXPECT_TRUE(IsRect(WindowRegion(form().hwnd()), {10, 10, 50, 50}));
}

TEST_F(Animation, AnEffectOutsideTheTableSucceedsWithoutTouchingTheWindow) {
  FrameRecorder recorder;
  for (int32_t effect : {14, -1, 1000}) EXPECT_TRUE(AnimateWindowEffect(form().hwnd(), kAnimateOpen, effect, kDelay, kSteps));
  EXPECT_TRUE(recorder.frames.empty());
  EXPECT_EQ(WindowRegion(form().hwnd()).type, ERROR);  // still no region of its own
}

TEST_F(Animation, PendingEventsRunBetweenFrames) {
  PostMessageW(form().hwnd(), TestForm::kPosted, 0, 0);
  int seenAtFirstFrame = -1;
  ScopedFrameObserver observer([&](HWND, int64_t frame) {
    if (frame == 0) seenAtFirstFrame = form().postedSeen;
  });
  EXPECT_TRUE(AnimateWindowEffect(form().hwnd(), kAnimateOpen, 0, kDelay, kSteps));
  EXPECT_EQ(seenAtFirstFrame, 1);
}

TEST_F(Animation, ANegativeDelayDoesNotFreezeTheProgram) {
  const ULONGLONG start = GetTickCount64();
  EXPECT_TRUE(AnimateWindowEffect(form().hwnd(), kAnimateOpen, 0, -1, 4));
  EXPECT_LT(GetTickCount64() - start, 2000u);
}

TEST_F(Animation, AWindowDestroyedBetweenFramesEndsTheRunQuietly) {
  ScopedFrameObserver observer([&](HWND window, int64_t frame) {
    if (frame == 3) DestroyWindow(window);
  });
  EXPECT_TRUE(AnimateWindowEffect(form().hwnd(), kAnimateClose, 8, kDelay, kSteps));
  EXPECT_EQ(form().hwnd(), nullptr);
}

TEST_F(Animation, RepeatedAnimationsHoldNoMoreGraphicsObjects) {
  AnimateWindowEffect(form().hwnd(), kAnimateClose, 12, kDelay, kSteps);
  AnimateWindowEffect(form().hwnd(), kAnimateOpen, 13, kDelay, kSteps);
  const DWORD before = testing::GdiObjectCount();
  for (int32_t effect = 0; effect <= 13; ++effect) {
    AnimateWindowEffect(form().hwnd(), kAnimateClose, effect, 0, kSteps);
    AnimateWindowEffect(form().hwnd(), kAnimateOpen, effect, 0, kSteps);
  }
  EXPECT_EQ(testing::GdiObjectCount(), before);
}

// The main window animates its pages, which are child windows, with effect 10.
class ChildAnimation : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    parentForm = std::make_unique<TestForm>();
    pageForm = std::make_unique<TestForm>();
    ASSERT_TRUE(parentForm->Open({60, 60, 520, 420}, kParentColor));
    ASSERT_TRUE(pageForm->Open({30, 40, 430, 340}, kWindowColor, parentForm->hwnd()));
  }
  static void TearDownTestSuite() {
    pageForm.reset();
    parentForm.reset();
  }
  void SetUp() override { SetWindowRgn(page.hwnd(), nullptr, TRUE); }
  static inline std::unique_ptr<TestForm> parentForm, pageForm;
  TestForm& parent = *parentForm;
  TestForm& page = *pageForm;
};

TEST_F(ChildAnimation, APageGrowsFromItsCentre) {
  FrameRecorder recorder;
  EXPECT_TRUE(AnimateWindowEffect(page.hwnd(), kAnimateOpen, 10, kDelay, kSteps));
  ASSERT_EQ(recorder.frames.size(), 34u);
  EXPECT_TRUE(IsRect(recorder.frames[1], {194, 146, 206, 154}));
  EXPECT_TRUE(IsRect(WindowRegion(page.hwnd()), {0, 0, 400, 300}));
}

TEST_F(ChildAnimation, OnlyTheFramesRegionOfThePageShows) {
  const int32_t kShownFrame = 16;
  testing::Capture middle;
  ScopedFrameObserver observer([&](HWND, int64_t frame) {
    if (frame == kShownFrame || frame == 8 || frame == 24) {
      RedrawWindow(parent.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
      const testing::Capture shot = testing::CaptureWindow(parent.hwnd());
      testing::SaveArtifact(shot, "effects_page_open_effect10_frame" + std::to_string(frame));
      if (frame == kShownFrame) middle = shot;
    }
  });
  EXPECT_TRUE(AnimateWindowEffect(page.hwnd(), kAnimateOpen, 10, kDelay, kSteps));
  ASSERT_EQ(middle.width, 460);
  // Frame 16 of 400 × 300: w = R(193.9) = 194, h = R(145.5) = 145, so columns
  // 103..296 and rows 78..221 of the page show; it sits at (30, 40) in its parent.
  EXPECT_EQ(middle.ColorAt(30 + 200, 40 + 150), kWindowColor);
  EXPECT_EQ(middle.ColorAt(30 + 104, 40 + 78), kWindowColor);
  EXPECT_EQ(middle.ColorAt(30 + 100, 40 + 150), kParentColor);
  EXPECT_EQ(middle.ColorAt(30 + 200, 40 + 70), kParentColor);
}

}  // namespace
}  // namespace oravin
