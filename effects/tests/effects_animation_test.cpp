#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "effects/window_animation.h"
#include "effects/tests/test_form.h"
#include "runtime/handles.h"
#include "testing/win32_testing.h"

namespace oravin {
namespace {

using testing::TestForm;

constexpr int32_t kDelay = 1, kSteps = 33;
constexpr COLORREF kWindowColor = RGB(40, 90, 200);
constexpr COLORREF kParentColor = RGB(20, 160, 60);
constexpr UINT kNeverPosted = WM_APP + 0x3FFF;

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

// Records the window's region as each frame of the animation shows.
class FrameRecorder {
 public:
  explicit FrameRecorder(WindowAnimation& animation) {
    animation.frameShown = [this](HWND window, int64_t frame) {
      numbers.push_back(frame);
      frames.push_back(WindowRegion(window));
    };
  }
  std::vector<int64_t> numbers;
  std::vector<RegionShape> frames;
};

// Plays the animation to its end, as the program's loop would; Play's result.
bool PlayToTheEnd(WindowAnimation& animation, const AnimationRequest& request) {
  const bool played = animation.Play(request);
  EXPECT_TRUE(testing::PumpUntil([&] { return !animation.Playing(); }));
  return played;
}

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
  bool Play(int32_t mode, int32_t effect, int32_t steps = kSteps, bool animated = true) {
    recorder.numbers.clear();
    recorder.frames.clear();
    return PlayToTheEnd(animation, {form().hwnd(), mode, effect, kDelay, steps, animated});
  }
  WindowAnimation animation;
  FrameRecorder recorder{animation};
};

TEST_F(Animation, HorizontalBandOpensFromTheCentreLineToTheWholeWindow) {
  EXPECT_TRUE(Play(kAnimateOpen, 9));
  ASSERT_EQ(recorder.frames.size(), 34u);
  EXPECT_EQ(recorder.numbers.back(), 33);
  EXPECT_EQ(recorder.frames[0].type, NULLREGION);
  EXPECT_TRUE(IsRect(recorder.frames[1], {0, 146, 400, 154}));
  EXPECT_TRUE(IsRect(recorder.frames[33], {0, 0, 400, 300}));
  EXPECT_TRUE(IsRect(WindowRegion(form().hwnd()), {0, 0, 400, 300}));
}

TEST_F(Animation, RevealFromLeftClosesToAnEmptyRegionOnAShownWindow) {
  EXPECT_TRUE(Play(kAnimateClose, 0));
  ASSERT_EQ(recorder.frames.size(), 34u);
  EXPECT_TRUE(IsRect(recorder.frames[0], {0, 0, 400, 300}));
  EXPECT_TRUE(IsRect(recorder.frames[1], {12, 0, 400, 300}));
  EXPECT_EQ(recorder.frames[33].type, NULLREGION);
  EXPECT_TRUE(IsWindowVisible(form().hwnd()));
}

TEST_F(Animation, HideToTheTrayAndComeBackLeavesTheWholeWindow) {
  EXPECT_TRUE(Play(kAnimateClose, 2));
  EXPECT_EQ(WindowRegion(form().hwnd()).type, NULLREGION);
  EXPECT_TRUE(Play(kAnimateOpen, 3));
  EXPECT_TRUE(IsRect(recorder.frames[1], {0, 291, 400, 300}));
  EXPECT_TRUE(IsRect(WindowRegion(form().hwnd()), {0, 0, 400, 300}));
}

TEST_F(Animation, HorizontalBlindsCloseByOpeningGapsBetweenStripes) {
  EXPECT_TRUE(Play(kAnimateClose, 12));
  ASSERT_EQ(recorder.frames.size(), 17u);
  const HRGN fifth = recorder.frames[5].region.get();
  EXPECT_EQ(recorder.frames[5].type, COMPLEXREGION);
  EXPECT_FALSE(PtInRegion(fifth, 10, 2));   // inside the first stripe: gone
  EXPECT_TRUE(PtInRegion(fifth, 10, 8));    // between stripes: still shown
  EXPECT_FALSE(PtInRegion(fifth, 10, 17));  // inside the second stripe
}

TEST_F(Animation, TheAnimateOptionOffGivesJustTheFirstAndTheLastFrame) {
  EXPECT_TRUE(Play(kAnimateOpen, 9, kSteps, false));
  ASSERT_EQ(recorder.frames.size(), 2u);
  EXPECT_EQ(recorder.frames[0].type, NULLREGION);
  EXPECT_TRUE(IsRect(recorder.frames[1], {0, 0, 400, 300}));
  EXPECT_TRUE(Play(kAnimateClose, 4, kSteps, false));
  ASSERT_EQ(recorder.frames.size(), 2u);
  EXPECT_TRUE(IsRect(recorder.frames[0], {0, 0, 400, 300}));
  EXPECT_EQ(recorder.frames[1].type, NULLREGION);
}

TEST_F(Animation, ZeroStepsFailAndLeaveTheRegionAsItWasButWhatFollowsStillRuns) {
  SetWindowRgn(form().hwnd(), CreateRectRgn(10, 10, 50, 50), TRUE);
  bool followed = false;
  EXPECT_FALSE(animation.Play({.window = form().hwnd(), .effect = 9, .steps = 0}, [&] { followed = true; }));
  EXPECT_TRUE(followed);
  EXPECT_FALSE(animation.Playing());
  EXPECT_TRUE(recorder.frames.empty());
  EXPECT_TRUE(IsRect(WindowRegion(form().hwnd()), {10, 10, 50, 50}));
}

TEST_F(Animation, AnEffectOutsideTheTableSucceedsWithoutTouchingTheWindow) {
  for (int32_t effect : {14, -1, 1000}) EXPECT_TRUE(Play(kAnimateOpen, effect));
  EXPECT_TRUE(recorder.frames.empty());
  EXPECT_EQ(WindowRegion(form().hwnd()).type, ERROR);  // still no region of its own
}

// One frame a tick of the window's timer: the first at once, what the queue
// holds runs before the next, and what follows the last runs after it.
TEST_F(Animation, FramesStepOnTheWindowsTimerAndWhatFollowsRunsAfterTheLast) {
  PostMessageW(form().hwnd(), TestForm::kPosted, 0, 0);
  int seenAtSecondFrame = -1;
  size_t framesWhenFollowed = 0;
  animation.frameShown = [&](HWND, int64_t frame) {
    if (frame == 1) seenAtSecondFrame = form().postedSeen;
  };
  EXPECT_TRUE(animation.Play({.window = form().hwnd(), .effect = 0, .steps = 4}, [&] { framesWhenFollowed = 5; }));
  EXPECT_TRUE(animation.Playing());
  EXPECT_EQ(form().postedSeen, 0);
  EXPECT_TRUE(testing::PumpUntil([&] { return !animation.Playing(); }));
  EXPECT_EQ(seenAtSecondFrame, 1);
  EXPECT_EQ(framesWhenFollowed, 5u);
}

TEST_F(Animation, ANegativeDelayPlaysEveryFrame) {
  EXPECT_TRUE(PlayToTheEnd(animation, {form().hwnd(), kAnimateOpen, 0, -1, 4}));
  EXPECT_EQ(recorder.frames.size(), 5u);
}

TEST_F(Animation, FinishShowsTheLastFrameAtOnceAndRunsWhatFollows) {
  bool followed = false;
  animation.Play({.window = form().hwnd(), .mode = kAnimateClose, .effect = 0}, [&] { followed = true; });
  animation.Finish();
  EXPECT_TRUE(followed);
  EXPECT_FALSE(animation.Playing());
  EXPECT_EQ(WindowRegion(form().hwnd()).type, NULLREGION);
  EXPECT_EQ(recorder.numbers, (std::vector<int64_t>{0, 33}));
}

// The user's clicks and keys while a window animates are dropped, not run in
// the middle of it; what the program posts itself still runs.
TEST_F(Animation, AWindowDestroyedBetweenFramesEndsTheRunQuietly) {
  bool followed = false;
  animation.frameShown = [&](HWND window, int64_t frame) {
    if (frame == 3) DestroyWindow(window);
  };
  EXPECT_TRUE(animation.Play({.window = form().hwnd(), .mode = kAnimateClose, .effect = 8}, [&] { followed = true; }));
  EXPECT_TRUE(testing::PumpUntil([&] { return !animation.Playing(); }));
  EXPECT_EQ(form().hwnd(), nullptr);
  EXPECT_FALSE(followed);
}

TEST_F(Animation, RepeatedAnimationsHoldNoMoreGraphicsObjects) {
  Play(kAnimateClose, 12);
  Play(kAnimateOpen, 13);
  const DWORD before = testing::GdiObjectCount();
  for (int32_t effect = 0; effect <= 13; ++effect) {
    Play(kAnimateClose, effect);
    Play(kAnimateOpen, effect);
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
  WindowAnimation animation;
  static inline std::unique_ptr<TestForm> parentForm, pageForm;
  TestForm& parent = *parentForm;
  TestForm& page = *pageForm;
};

TEST_F(ChildAnimation, APageGrowsFromItsCentre) {
  FrameRecorder recorder(animation);
  EXPECT_TRUE(PlayToTheEnd(animation, {.window = page.hwnd(), .effect = 10}));
  ASSERT_EQ(recorder.frames.size(), 34u);
  EXPECT_TRUE(IsRect(recorder.frames[1], {194, 146, 206, 154}));
  EXPECT_TRUE(IsRect(WindowRegion(page.hwnd()), {0, 0, 400, 300}));
}

TEST_F(ChildAnimation, OnlyTheFramesRegionOfThePageShows) {
  const int32_t kShownFrame = 16;
  testing::Capture middle;
  animation.frameShown = [&](HWND, int64_t frame) {
    if (frame == kShownFrame || frame == 8 || frame == 24) {
      RedrawWindow(parent.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
      // Wine puts what was drawn on the screen when the thread finds its queue
      // empty; asked for a message that never comes, it finds it so.
      MSG none;
      PeekMessageW(&none, nullptr, kNeverPosted, kNeverPosted, PM_NOREMOVE);
      const testing::Capture shot = testing::CaptureWindow(parent.hwnd());
      testing::SaveArtifact(shot, "effects_page_open_effect10_frame" + std::to_string(frame));
      if (frame == kShownFrame) middle = shot;
    }
  };
  EXPECT_TRUE(PlayToTheEnd(animation, {.window = page.hwnd(), .effect = 10}));
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
