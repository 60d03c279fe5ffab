#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "effects/form_frame.h"
#include "effects/window_animation.h"
#include "effects/window_shape.h"
#include "effects/tests/test_form.h"
#include "runtime/handles.h"
#include "testing/win32_testing.h"

namespace oravin {
namespace {

using testing::Capture;
using testing::TestForm;

constexpr COLORREF kBackdrop = RGB(0, 200, 0);
constexpr COLORREF kFormBack = RGB(0, 0, 255);
constexpr int kWidth = 300, kHeight = 200;

// Windows are slow to destroy under the test display, so the suite shares one
// form (and something known behind it, to see its cut corners).
class ShapedForm : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    backdrop = std::make_unique<TestForm>();
    form = std::make_unique<TestForm>();
    ASSERT_TRUE(backdrop->Open({60, 60, 460, 360}, kBackdrop));
    ASSERT_TRUE(form->Open({100, 100, 100 + kWidth, 100 + kHeight}, kFormBack));
  }
  static void TearDownTestSuite() {
    form.reset();
    backdrop.reset();
  }
  void SetUp() override {
    SetWindowRgn(form->hwnd(), nullptr, TRUE);
    form->ClearImage();
    form->Refresh();
  }

  // What the screen shows of the form once the frame has been painted.
  static Capture Shown() {
    Capture shot;
    testing::PumpUntil([&] {
      shot = testing::CaptureWindow(form->hwnd());
      return shot.ColorAt(150, 8) == kFrameBandColor && shot.ColorAt(0, 0) == kBackdrop;
    });
    return shot;
  }

  static inline std::unique_ptr<TestForm> backdrop, form;
};

TEST_F(ShapedForm, OutlineIsTheRoundedRectangleOfTheWholeForm) {
  ASSERT_TRUE(ShapeForm(*form));
  UniqueRegion expected(CreateRoundRectRgn(0, 0, kWidth, kHeight, 20, 20));
  UniqueRegion actual(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(form->hwnd(), actual.get()), ERROR);
  // The same points, though not necessarily split into the same rectangles.
  EXPECT_EQ(CombineRgn(actual.get(), actual.get(), expected.get(), RGN_XOR), NULLREGION);
}

TEST_F(ShapedForm, RimBandPanelAndOutlineHaveTheirColoursAndWidths) {
  ASSERT_TRUE(ShapeForm(*form));
  const Capture shot = Shown();
  testing::SaveArtifact(shot, "effects_shaped_form");
  const int midX = kWidth / 2, midY = kHeight / 2;
  // Rounded-rectangle regions stop one pixel short of their right and bottom
  // coordinates: these are the form's last column and row inside its outline.
  const int lastX = kWidth - 2, lastY = kHeight - 2;
  // Down the middle column: rim, 14 rows of band, the panel's outline, the panel.
  EXPECT_EQ(shot.ColorAt(midX, 0), kFrameRimColor);
  for (int y = 1; y <= 14; ++y) EXPECT_EQ(shot.ColorAt(midX, y), kFrameBandColor) << y;
  EXPECT_EQ(shot.ColorAt(midX, 15), kFrameRimColor);
  EXPECT_EQ(shot.ColorAt(midX, 16), kFramePanelColor);
  EXPECT_EQ(shot.ColorAt(midX, midY), kFramePanelColor);
  // The bottom: panel, outline, 4 rows of band, rim, and the form's own last row.
  EXPECT_EQ(shot.ColorAt(midX, lastY - 7), kFramePanelColor);
  EXPECT_EQ(shot.ColorAt(midX, lastY - 6), kFrameRimColor);
  for (int y = lastY - 5; y <= lastY - 2; ++y) EXPECT_EQ(shot.ColorAt(midX, y), kFrameBandColor) << y;
  EXPECT_EQ(shot.ColorAt(midX, lastY - 1), kFrameRimColor);
  EXPECT_EQ(shot.ColorAt(midX, lastY), kFormBack);
  // The sides: 4 columns of band each, and the form's own last column.
  EXPECT_EQ(shot.ColorAt(0, midY), kFrameRimColor);
  for (int x = 1; x <= 4; ++x) EXPECT_EQ(shot.ColorAt(x, midY), kFrameBandColor) << x;
  EXPECT_EQ(shot.ColorAt(5, midY), kFrameRimColor);
  EXPECT_EQ(shot.ColorAt(6, midY), kFramePanelColor);
  EXPECT_EQ(shot.ColorAt(lastX - 7, midY), kFramePanelColor);
  EXPECT_EQ(shot.ColorAt(lastX - 6, midY), kFrameRimColor);
  for (int x = lastX - 5; x <= lastX - 2; ++x) EXPECT_EQ(shot.ColorAt(x, midY), kFrameBandColor) << x;
  EXPECT_EQ(shot.ColorAt(lastX - 1, midY), kFrameRimColor);
  EXPECT_EQ(shot.ColorAt(lastX, midY), kFormBack);
  EXPECT_EQ(shot.ColorAt(lastX + 1, midY), kBackdrop);
}

TEST_F(ShapedForm, CornersAreCutAwayToWhatLiesBehind) {
  ASSERT_TRUE(ShapeForm(*form));
  const Capture shot = Shown();
  for (POINT p : {POINT{0, 0}, POINT{kWidth - 1, 0}, POINT{0, kHeight - 1}, POINT{kWidth - 1, kHeight - 1},
                  POINT{1, 1}, POINT{kWidth - 2, kHeight - 2}}) {
    EXPECT_EQ(shot.ColorAt(p.x, p.y), kBackdrop) << p.x << ", " << p.y;
  }
  // The panel's corners are rounded too: band shows where a square panel would be.
  EXPECT_EQ(shot.ColorAt(6, 16), kFrameBandColor);
  EXPECT_EQ(shot.ColorAt(292, 192), kFrameBandColor);
}

TEST_F(ShapedForm, ShapingTwiceGivesTheSamePictureAndHoldsNoMoreObjects) {
  ASSERT_TRUE(ShapeForm(*form));
  const Capture first = Shown();
  const DWORD objects = testing::GdiObjectCount();
  ASSERT_TRUE(ShapeForm(*form));
  EXPECT_EQ(testing::GdiObjectCount(), objects);
  const Capture second = Shown();
  EXPECT_EQ(first.pixels, second.pixels);
}

TEST_F(ShapedForm, ShapingAfterAnOpeningAnimationRestoresTheRoundedCorners) {
  ASSERT_TRUE(ShapeForm(*form));
  WindowAnimation animation;
  animation.Play({.window = form->hwnd(), .mode = kAnimateOpen, .effect = 9});
  testing::PumpUntil([&] { return !animation.Playing(); });
  testing::PumpUntil([&] { return testing::CaptureWindow(form->hwnd()).ColorAt(0, 0) != kBackdrop; });
  const Capture square = testing::CaptureWindow(form->hwnd());
  EXPECT_NE(square.ColorAt(0, 0), kBackdrop);
  ASSERT_TRUE(ShapeForm(*form));
  EXPECT_EQ(Shown().ColorAt(0, 0), kBackdrop);
}

TEST(ShapeFormFailures, AFormWithoutAWindowIsLeftAlone) {
  TestForm never;
  EXPECT_FALSE(ShapeForm(never));
}

}  // namespace
}  // namespace oravin
