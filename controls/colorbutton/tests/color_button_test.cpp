#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <string>

#include "controls/colorbutton/color_button.h"
#include "runtime/form.h"
#include "testing/win32_testing.h"

namespace oravin {
namespace {

using testing::Capture;
using testing::CaptureWindow;
using testing::PumpUntil;
using testing::SteadyCapture;

constexpr COLORREF kFace = RGB(40, 90, 200), kRim = RGB(0, 160, 0), kText = RGB(255, 255, 0);
constexpr COLORREF kPicture = RGB(255, 0, 255), kHost = RGB(255, 255, 255);

// One host for every test: a top-level window takes Wine seconds to go away.
HWND Host() {
  static testing::HostForm form({200, 200, 520, 460}, kHost);
  return form.hwnd();
}

// A button of the given pixel size at (x, y) on the host, in the test colours.
std::unique_ptr<ColorButton> MakeButton(int x, int y, int width, int height, const std::wstring& caption) {
  auto button = std::make_unique<ColorButton>(Host());
  button->Move(x, y, width, height);
  button->SetBackColor(kFace);
  button->SetBorderColor(kRim);
  button->SetForeColor(kText);
  button->SetCaption(caption);
  return button;
}

// What the screen shows once the button's last paint has reached it.
Capture Settled(const ColorButton& button) {
  PumpUntil([&] {
    const Capture shot = CaptureWindow(button.hwnd());
    return shot.ColorAt(2, shot.height / 2) == kFace;
  }, 2000);
  return SteadyCapture(button.hwnd());
}

// The caption's ink: what is neither face, rim, picture nor host (text is smoothed, so not only kText).
struct TextPixels {
  int count = 0, left = INT_MAX, right = -1, top = INT_MAX, bottom = -1;
};
TextPixels FindText(const Capture& shot) {
  TextPixels t;
  for (int y = 0; y < shot.height; ++y)
    for (int x = 0; x < shot.width; ++x)
      if (const COLORREF c = shot.ColorAt(x, y); c != kFace && c != kRim && c != kPicture && c != kHost) {
        ++t.count;
        t.left = std::min(t.left, x);
        t.right = std::max(t.right, x);
        t.top = std::min(t.top, y);
        t.bottom = std::max(t.bottom, y);
      }
  return t;
}

void MoveCursorAway() { SetCursorPos(5, 5); }

class ColorButtonTest : public ::testing::Test {
 protected:
  void SetUp() override { MoveCursorAway(); }
};

TEST_F(ColorButtonTest, StartsRedWithAWhiteCaptionOnBlack) {
  ColorButton button(Host());
  EXPECT_EQ(button.Caption(), L"ColorButton");
  EXPECT_EQ(button.BackColor(), 255u);
  EXPECT_EQ(button.ForeColor(), 0xFFFFFFu);
  EXPECT_EQ(button.BorderColor(), 0u);
  EXPECT_EQ(button.Picture(), nullptr);
}

TEST_F(ColorButtonTest, DrawsARimFaceCutCornersAndCaption) {
  auto button = MakeButton(10, 10, 49, 41, L"X");
  const Capture shot = Settled(*button);
  SaveArtifact(shot, "colorbutton_caption_only");
  // A rounded-rectangle region leaves out the right column and the bottom row.
  EXPECT_EQ(shot.ColorAt(24, 0), kRim);   // top edge
  EXPECT_EQ(shot.ColorAt(0, 20), kRim);   // left edge
  EXPECT_EQ(shot.ColorAt(47, 20), kRim);  // right edge
  EXPECT_EQ(shot.ColorAt(24, 39), kRim);  // bottom edge
  EXPECT_EQ(shot.ColorAt(1, 20), kFace);
  EXPECT_EQ(shot.ColorAt(24, 1), kFace);
  EXPECT_EQ(shot.ColorAt(46, 20), kFace);
  EXPECT_EQ(shot.ColorAt(48, 20), kHost);
  // The corners are cut away: the host shows through.
  EXPECT_EQ(shot.ColorAt(0, 0), kHost);
  EXPECT_EQ(shot.ColorAt(1, 1), kHost);
  EXPECT_EQ(shot.ColorAt(47, 39), kHost);
  const TextPixels text = FindText(shot);
  EXPECT_GT(text.count, 5);
  EXPECT_NEAR((text.left + text.right) / 2.0, 24, 1.5);
  int exactlyForeColor = 0;
  for (int x = text.left; x <= text.right; ++x)
    for (int y = text.top; y <= text.bottom; ++y) exactlyForeColor += shot.ColorAt(x, y) == kText;
  EXPECT_GT(exactlyForeColor, 0);
}

TEST_F(ColorButtonTest, CentresAChineseCaptionWithoutItsTrailingBlanks) {
  auto button = MakeButton(10, 60, 60, 25, L"添加  ");
  const Capture shot = Settled(*button);
  SaveArtifact(shot, "colorbutton_chinese_caption");
  const TextPixels text = FindText(shot);
  ASSERT_GT(text.count, 10);
  EXPECT_NEAR((text.left + text.right) / 2.0, 29.5, 2);
  EXPECT_EQ(button->Caption(), L"添加  ");  // the stored caption keeps them
}

TEST_F(ColorButtonTest, CentresPictureAndCaptionAsOneBlock) {
  auto button = MakeButton(80, 10, 60, 50, L"Go");
  button->SetPicture(testing::SolidBitmap(16, 16, kPicture));
  const Capture shot = Settled(*button);
  SaveArtifact(shot, "colorbutton_picture_and_caption");
  const int top = [&] {
    for (int y = 0; y < shot.height; ++y)
      if (shot.ColorAt(30, y) == kPicture) return y;
    return -1;
  }();
  const TextPixels text = FindText(shot);
  ASSERT_GT(text.count, 0);
  // The caption starts right under the picture, and the whole block is centred.
  EXPECT_GE(text.top, top + 16);
  const int blockBottom = top + 16 + (text.bottom - top - 16) + 1;
  EXPECT_NEAR(top, shot.height - blockBottom, 4);
  EXPECT_EQ(shot.ColorAt(22, top), kPicture);  // left = (60 - 16) / 2
  EXPECT_EQ(shot.ColorAt(21, top), kFace);
}

TEST_F(ColorButtonTest, CentresAPictureAloneBothWays) {
  auto button = MakeButton(150, 10, 49, 41, L"");
  button->SetPicture(testing::SolidBitmap(16, 16, kPicture));
  const Capture shot = Settled(*button);
  SaveArtifact(shot, "colorbutton_picture_only");
  EXPECT_EQ(shot.ColorAt(16, 12), kPicture);
  EXPECT_EQ(shot.ColorAt(31, 27), kPicture);
  EXPECT_EQ(shot.ColorAt(15, 12), kFace);
  EXPECT_EQ(shot.ColorAt(16, 11), kFace);
  EXPECT_EQ(FindText(shot).count, 0);
}

TEST_F(ColorButtonTest, ShowsOnlyFaceAndRimWithNothingToDraw) {
  auto button = MakeButton(210, 10, 49, 41, L"");
  button->SetPicture(std::make_shared<Picture>());  // no handle: not a picture to draw
  const Capture shot = Settled(*button);
  SaveArtifact(shot, "colorbutton_no_picture_no_caption");
  for (int y = 1; y < 39; ++y)
    for (int x = 5; x < 43; ++x) ASSERT_EQ(shot.ColorAt(x, y), kFace) << x << "," << y;
}

TEST_F(ColorButtonTest, RepaintsOnEverySetEvenOfTheSameValue) {
  auto button = MakeButton(10, 100, 49, 41, L"X");
  Settled(*button);
  {
    ScopedGetDC dc(button->hwnd());
    UniqueBrush black(CreateSolidBrush(0));
    const RECT all{0, 0, 49, 41};
    FillRect(dc.get(), &all, black.get());
  }
  ASSERT_TRUE(PumpUntil([&] { return CaptureWindow(button->hwnd()).ColorAt(2, 20) == 0; }, 2000));
  button->SetCaption(L"X");
  EXPECT_TRUE(PumpUntil([&] { return CaptureWindow(button->hwnd()).ColorAt(2, 20) == kFace; }, 2000));
}

TEST_F(ColorButtonTest, TurnsBoldWhileThePointerIsOverItAndBackWhenItLeaves) {
  auto button = MakeButton(10, 150, 100, 30, L"Hover");
  const TextPixels regular = FindText(Settled(*button));
  RECT r;
  GetWindowRect(button->hwnd(), &r);
  SetCursorPos(r.left + 50, r.top + 15);
  ASSERT_TRUE(PumpUntil([&] { return FindText(CaptureWindow(button->hwnd())).count > regular.count; }, 3000));
  EXPECT_TRUE(button->Hovered());
  SaveArtifact(CaptureWindow(button->hwnd()), "colorbutton_hovered");
  MoveCursorAway();
  ASSERT_TRUE(PumpUntil([&] { return !button->Hovered(); }, 3000));
  EXPECT_TRUE(PumpUntil([&] { return FindText(CaptureWindow(button->hwnd())).count == regular.count; }, 3000));
}

TEST_F(ColorButtonTest, AClickChangesNothingOnScreenAndTakesTheFocusADoubleClickClicksOnce) {
  auto button = MakeButton(10, 190, 60, 25, L"Go");
  int clicks = 0;
  button->Click = [&] { ++clicks; };
  const Capture before = Settled(*button);
  SendMessageW(button->hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 10));
  EXPECT_EQ(SteadyCapture(button->hwnd()).pixels, before.pixels);
  SendMessageW(button->hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(20, 10));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(GetFocus(), button->hwnd());
  SendMessageW(button->hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 10));
  SendMessageW(button->hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(20, 10));
  SendMessageW(button->hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 10));
  SendMessageW(button->hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(20, 10));
  EXPECT_EQ(clicks, 2);
}

TEST_F(ColorButtonTest, SpaceOrEnterPressedAndReleasedOnItClicksIt) {
  auto button = MakeButton(80, 190, 60, 25, L"Go");
  int clicks = 0;
  button->Click = [&] { ++clicks; };
  SetFocus(button->hwnd());
  const auto press = [&](WPARAM key) {
    SendMessageW(button->hwnd(), WM_KEYDOWN, key, 0);
    SendMessageW(button->hwnd(), WM_KEYUP, key, 0);
  };
  press(VK_SPACE);
  press(VK_RETURN);
  press('A');
  EXPECT_EQ(clicks, 2);
  // A release without its press here (the key went down elsewhere) clicks nothing.
  SendMessageW(button->hwnd(), WM_KEYUP, VK_RETURN, 0);
  EXPECT_EQ(clicks, 2);
}

TEST_F(ColorButtonTest, HoldsNoMoreGdiObjectsAfterAThousandRepaints) {
  auto button = MakeButton(150, 190, 60, 25, L"添加  ");
  button->SetPicture(testing::SolidBitmap(8, 8, kPicture));
  button->Refresh();
  const DWORD before = testing::GdiObjectCount();
  ASSERT_GT(before, 0u);
  for (int i = 0; i < 1000; ++i) button->Refresh();
  EXPECT_LE(testing::GdiObjectCount(), before + 2);
}

TEST_F(ColorButtonTest, CarriesATooltip) {
  auto button = MakeButton(220, 190, 60, 25, L"Go");
  button->SetToolTipText(L"搜索");
  RECT r;
  GetWindowRect(button->hwnd(), &r);
  SetCursorPos(r.left + 10, r.top + 10);
  EXPECT_TRUE(PumpUntil([&] { return button->tooltipWindow() && IsWindowVisible(button->tooltipWindow()); }, 4000));
}

}  // namespace
}  // namespace oravin
