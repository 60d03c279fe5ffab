#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "runtime/control.h"
#include "runtime/form.h"
#include "runtime/picture.h"
#include "runtime/rounding.h"
#include "runtime/surface.h"
#include "runtime/timer.h"
#include "testing/win32_testing.h"

namespace oravin {
namespace {

using testing::CaptureWindow;
using testing::SolidBitmap;
using testing::PumpUntil;

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kWhite = RGB(255, 255, 255);

// A control as a window sees it: a surface placed in pixels at 96 dpi.
class SurfaceControl : public Control {
 public:
  explicit SurfaceControl(HWND parent) { surface.Create(parent, {0, 0, 10, 10}); }
  HWND hwnd() const override { return surface.hwnd(); }
  void Resize() override { ++resizes; }
  Surface surface;
  int resizes = 0;
};

// One host for every test: a top-level window takes Wine seconds to go away.
HWND Host() {
  static testing::HostForm form({100, 100, 400, 300});
  return form.hwnd();
}

// The screen is updated from the message loop, so pixels are awaited, not read at once.
bool ShowsColor(HWND hwnd, int x, int y, COLORREF color) {
  return PumpUntil([&] { return CaptureWindow(hwnd).ColorAt(x, y) == color; }, 2000);
}

void SendClick(HWND hwnd, int x, int y) {
  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// A surface that writes down what it was told.
class RecordingSurface : public Surface {
 public:
  std::vector<std::string> seen;
  MouseArgs down;

 private:
  void OnMouseDown(const MouseArgs& a) override {
    seen.push_back("down " + std::to_string(a.button));
    down = a;
  }
  void OnMouseUp(const MouseArgs&) override { seen.push_back("up"); }
  void OnClick() override { seen.push_back("click"); }
  void OnDoubleClick() override { seen.push_back("dblclick"); }
  void OnKeyDown(int key) override { seen.push_back("key down " + std::to_string(key)); }
  void OnKeyUp(int key) override { seen.push_back("key up " + std::to_string(key)); }
  void OnFocusChanged(bool focused) override { seen.push_back(focused ? "got" : "lost"); }
};

class SurfaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(surface.Create(Host(), {10, 10, 110, 60}));
  }
  RecordingSurface surface;
};

TEST_F(SurfaceTest, ShowsWhatWasDrawnOnlyAfterRefresh) {
  surface.SetBackColor(kBlue);
  surface.Refresh();
  ASSERT_TRUE(ShowsColor(surface.hwnd(), 50, 25, kBlue));
  surface.SetBackColor(kRed);
  EXPECT_EQ(testing::SteadyCapture(surface.hwnd()).ColorAt(50, 25), kBlue);
  surface.Refresh();
  EXPECT_TRUE(ShowsColor(surface.hwnd(), 50, 25, kRed));
}

TEST_F(SurfaceTest, RepaintsFromItsImageWhenUncovered) {
  surface.SetBackColor(kBlue);
  surface.Refresh();
  ASSERT_TRUE(ShowsColor(surface.hwnd(), 5, 5, kBlue));
  // Something else painted over it, then the window is asked to repaint.
  {
    ScopedGetDC dc(surface.hwnd());
    UniqueBrush red(CreateSolidBrush(kRed));
    const RECT all{0, 0, 100, 50};
    FillRect(dc.get(), &all, red.get());
  }
  ASSERT_TRUE(ShowsColor(surface.hwnd(), 5, 5, kRed));
  RedrawWindow(Host(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_TRUE(ShowsColor(surface.hwnd(), 5, 5, kBlue));
}

TEST_F(SurfaceTest, ResolvesSystemColourReferencesForItsBackground) {
  surface.SetBackColor(0x80000000 | COLOR_WINDOW);
  surface.Refresh();
  EXPECT_TRUE(ShowsColor(surface.hwnd(), 5, 5, GetSysColor(COLOR_WINDOW)));
}

TEST_F(SurfaceTest, DrawsTextAndShapesWithItsColours) {
  surface.SetBackColor(kWhite);
  surface.SetForeColor(kBlue);
  surface.SetFillColor(kRed);
  surface.SetFillStyle(Surface::FillStyle::Solid);
  Rectangle(surface.ImageDC(), 0, 0, 20, 20);
  RECT text{30, 0, 100, 50};
  DrawTextW(surface.ImageDC(), L"█", -1, &text, DT_LEFT);
  surface.Refresh();
  ASSERT_TRUE(ShowsColor(surface.hwnd(), 10, 10, kRed));
  const auto shot = CaptureWindow(surface.hwnd());
  EXPECT_EQ(shot.ColorAt(0, 0), kBlue);    // pen
  EXPECT_EQ(shot.ColorAt(10, 10), kRed);   // fill
  EXPECT_EQ(shot.ColorAt(25, 10), kWhite);
  int bluePixels = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 30; x < 50; ++x) bluePixels += shot.ColorAt(x, y) == kBlue;
  EXPECT_GT(bluePixels, 20);
}

TEST_F(SurfaceTest, MeasuresTextInItsOwnFontObject) {
  const int regular = surface.TextWidth(L"ColorButton");
  const int height = surface.TextHeight(L"A");
  EXPECT_GT(height, 8);
  EXPECT_EQ(surface.TextHeight(L"A\r\nB"), 2 * height);
  surface.Font()->Size = 18;  // a change through the shared object reaches the next measuring
  EXPECT_GT(surface.TextHeight(L"A"), height);
  surface.Font()->Size = 9;
  surface.SetFontBold(true);
  EXPECT_GE(surface.TextWidth(L"ColorButton"), regular);
  EXPECT_TRUE(surface.Font()->Bold);
}

TEST_F(SurfaceTest, ClsShowsTheBackgroundPictureAtTheTopLeft) {
  surface.SetBackColor(kWhite);
  surface.SetPicture(SolidBitmap(8, 6, kRed));
  surface.ClearImage();
  surface.Refresh();
  ASSERT_TRUE(ShowsColor(surface.hwnd(), 8, 5, kWhite));
  const auto shot = CaptureWindow(surface.hwnd());
  EXPECT_EQ(shot.ColorAt(7, 5), kRed);
  EXPECT_EQ(shot.ColorAt(8, 5), kWhite);
  EXPECT_EQ(shot.ColorAt(7, 6), kWhite);
}

TEST_F(SurfaceTest, ReportsAClickAsDownUpClickWithButtonAndPosition) {
  SendClick(surface.hwnd(), 7, 9);
  SendMessageW(surface.hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(7, 9));
  SendMessageW(surface.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(7, 9));
  EXPECT_EQ(surface.seen, (std::vector<std::string>{"got", "down 1", "up", "click", "dblclick", "up"}));
  EXPECT_EQ(surface.down.x, 7);
  EXPECT_EQ(surface.down.y, 9);
  EXPECT_EQ(GetFocus(), surface.hwnd());
}

TEST_F(SurfaceTest, RightButtonAndReleasesOutsideDoNotClick) {
  SetFocus(surface.hwnd());
  SendMessageW(surface.hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
  SendMessageW(surface.hwnd(), WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
  SendMessageW(surface.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(surface.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(500, 5));
  EXPECT_EQ(surface.seen, (std::vector<std::string>{"got", "down 2", "up", "down 1", "up"}));
}

TEST_F(SurfaceTest, ReportsKeysAndFocus) {
  SetFocus(surface.hwnd());
  SendMessageW(surface.hwnd(), WM_KEYDOWN, 'A', 0);
  SendMessageW(surface.hwnd(), WM_KEYUP, 'A', 0);
  SetFocus(Host());
  EXPECT_EQ(surface.seen, (std::vector<std::string>{"got", "key down 65", "key up 65", "lost"}));
}

TEST_F(SurfaceTest, ShowsItsOwnPointer) {
  UniqueCursor hand(static_cast<HCURSOR>(CopyImage(LoadCursorW(nullptr, IDC_HAND), IMAGE_CURSOR, 0, 0, 0)));
  surface.SetMouseCursor(hand.get());
  SendMessageW(surface.hwnd(), WM_SETCURSOR, WPARAM(surface.hwnd()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), hand.get());
  surface.SetMouseCursor(nullptr);
  SendMessageW(surface.hwnd(), WM_SETCURSOR, WPARAM(surface.hwnd()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
}

TEST_F(SurfaceTest, DeletesWhatItDrawsWithWhenReplaced) {
  const DWORD before = testing::GdiObjectCount();
  ASSERT_GT(before, 0u);
  for (int i = 0; i < 500; ++i) {
    surface.SetForeColor(RGB(i % 256, 0, 0));
    surface.SetFillColor(RGB(0, i % 256, 0));
    surface.SetFontBold(i % 2 == 0);
    surface.SetBackColor(RGB(0, 0, i % 256));
    surface.ImageDC();
    surface.Refresh();
  }
  EXPECT_LE(testing::GdiObjectCount(), before + 5);
}

TEST(Pictures, KnowTheirSizeAt96DpiAndTheirHandle) {
  auto bitmap = SolidBitmap(16, 32, kRed);
  EXPECT_EQ(bitmap->kind(), Picture::Kind::Bitmap);
  EXPECT_EQ(bitmap->Width(), 16);
  EXPECT_EQ(bitmap->Height(), 32);
  EXPECT_NE(bitmap->Handle(), 0u);
  UniqueIcon shared(CopyIcon(LoadIconW(nullptr, IDI_APPLICATION)));
  auto icon = Picture::FromIcon(shared.release());
  EXPECT_EQ(icon->kind(), Picture::Kind::Icon);
  EXPECT_EQ(icon->Width(), GetSystemMetrics(SM_CXICON));
  const Picture empty;
  EXPECT_EQ(empty.Handle(), 0u);
  EXPECT_EQ(empty.Width(), 0);
  EXPECT_EQ(Picture::LoadBitmapResource(4321), nullptr);
}

TEST(Timers, TickWhileEnabledAndStopWhenDisabled) {
  int ticks = 0, clockTicks = 0;
  Timer timer(Host(), [&] { ++ticks; });
  // Runs all along at the same interval: while it ticks three times, the timer
  // under test would tick too if it ran.
  Timer clock(Host(), [&] { ++clockTicks; });
  const auto threeClockTicks = [&] { return PumpUntil([&, to = clockTicks + 3] { return clockTicks >= to; }, 2000); };
  clock.SetInterval(10);
  clock.SetEnabled(true);
  timer.SetInterval(10);
  ASSERT_TRUE(threeClockTicks());
  EXPECT_EQ(ticks, 0);  // created disabled
  timer.SetEnabled(true);
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }, 2000));
  timer.SetEnabled(false);
  const int stopped = ticks;
  ASSERT_TRUE(threeClockTicks());
  EXPECT_EQ(ticks, stopped);
  timer.SetEnabled(true);
  timer.SetInterval(0);  // no interval, no ticks
  ASSERT_TRUE(threeClockTicks());
  EXPECT_EQ(ticks, stopped);
}

TEST(Controls, ArePlacedInPixelsAt96DpiAndResizedOnlyWhenTheSizeChanges) {
  SurfaceControl control(Host());
  control.Move(10, 20, 49, 41);
  const RECT r = testing::RectInParent(control.hwnd());
  EXPECT_EQ(r.left, 10);
  EXPECT_EQ(r.top, 20);
  EXPECT_EQ(r.right - r.left, 49);
  EXPECT_EQ(r.bottom - r.top, 41);
  EXPECT_EQ(control.Width(), 49);
  EXPECT_EQ(control.resizes, 1);
  control.Move(20, 20, 49, 41);
  EXPECT_EQ(control.resizes, 1);
  control.SetVisible(false);
  EXPECT_FALSE(control.Visible());
  control.SetVisible(true);
  EXPECT_TRUE(control.Visible());
}

// The tooltip window is made only when the pointer first comes over the control.
TEST(Controls, CarryAStandardTooltip) {
  SurfaceControl control(Host());
  control.Move(0, 0, 100, 40);
  EXPECT_EQ(control.tooltipWindow(), nullptr);
  control.SetToolTipText(L"添加一个网址");
  control.SetToolTipText(L"删除");
  EXPECT_EQ(control.tooltipWindow(), nullptr);
  // The pointer resting on the control brings the tooltip up, with the last text set.
  RECT r;
  GetWindowRect(control.hwnd(), &r);
  SetCursorPos(r.left + 20, r.top + 20);
  EXPECT_TRUE(PumpUntil([&] { return control.tooltipWindow() && IsWindowVisible(control.tooltipWindow()); }, 4000));
  HWND tip = control.tooltipWindow();
  ASSERT_NE(tip, nullptr);
  wchar_t className[64] = {};
  GetClassNameW(tip, className, 64);
  EXPECT_STREQ(className, TOOLTIPS_CLASSW);
  EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
  const auto shownText = [&] {
    wchar_t text[64] = {};
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = Host();
    info.uId = reinterpret_cast<UINT_PTR>(control.hwnd());
    info.lpszText = text;
    SendMessageW(tip, TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&info));
    return std::wstring(text);
  };
  EXPECT_EQ(shownText(), L"删除");
  control.SetToolTipText(L"编辑");
  EXPECT_EQ(control.tooltipWindow(), tip);
  EXPECT_EQ(shownText(), L"编辑");
  control.SetToolTipText(L"");
  EXPECT_EQ(control.tooltipWindow(), nullptr);
  EXPECT_FALSE(IsWindow(tip));
}

}  // namespace
}  // namespace oravin
