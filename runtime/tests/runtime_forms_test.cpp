#include <windows.h>

#include <gtest/gtest.h>

#include "runtime/check_box.h"
#include "runtime/push_button.h"
#include "runtime/form.h"
#include "runtime/handles.h"
#include "runtime/image_box.h"
#include "runtime/label.h"
#include "runtime/radio_button.h"
#include "runtime/panel.h"
#include "runtime/text_box.h"
#include "testing/win32_testing.h"

namespace oravin {
namespace {

constexpr COLORREF kFormColor = RGB(10, 200, 30);
constexpr COLORREF kPageColor = RGB(252, 232, 163);

// One form for all cases: top-level windows are slow to close under Wine.
class FormControls : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    form = new testing::HostForm({100, 100, 400, 300}, kFormColor);
    ASSERT_TRUE(form->hwnd());
  }
  static void TearDownTestSuite() { delete form; }
  HWND host() const { return form->hwnd(); }
  static testing::HostForm* form;
};
testing::HostForm* FormControls::form = nullptr;

void ClickClient(HWND window, int x, int y) {
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

TEST_F(FormControls, ACheckBoxHoldsZeroOneOrTwoAndAClickTogglesTicked) {
  CheckBox box;
  ASSERT_TRUE(box.Create(host(), {0, 0, 100, 16}, L"动画窗口", kFormColor));
  EXPECT_EQ(box.Value(), 0);
  EXPECT_TRUE(box.SetValue(2));
  EXPECT_EQ(box.Value(), 2);
  EXPECT_FALSE(box.SetValue(3));
  EXPECT_FALSE(box.SetValue(-1));
  EXPECT_EQ(box.Value(), 2);
  SendMessageW(host(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(box.hwnd()));
  EXPECT_EQ(box.Value(), 1);
  SendMessageW(host(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(box.hwnd()));
  EXPECT_EQ(box.Value(), 0);
}

TEST_F(FormControls, ChildControlsArePlacedInPixelsAt96DpiAndPaintTheirOwnBackground) {
  CheckBox box;
  ASSERT_TRUE(box.Create(host(), {24, 20, 145, 16}, L"新窗口打开(&O)", RGB(255, 0, 255)));
  const RECT r = testing::RectInParent(box.hwnd());
  EXPECT_EQ(r.left, 24);
  EXPECT_EQ(r.top, 20);
  EXPECT_EQ(r.right - r.left, 145);
  EXPECT_EQ(r.bottom - r.top, 16);
  UpdateWindow(box.hwnd());
  const testing::Capture shot = testing::SteadyCapture(box.hwnd());
  EXPECT_EQ(shot.ColorAt(shot.width - 2, shot.height / 2), RGB(255, 0, 255));
}

TEST_F(FormControls, OptionButtonsOfAGroupSelectOneAtATime) {
  RadioButton web, image, news;
  ASSERT_TRUE(web.Create(host(), {0, 0, 67, 16}, L"网站", kFormColor, true));
  ASSERT_TRUE(image.Create(host(), {0, 16, 67, 16}, L"图像", kFormColor, false));
  ASSERT_TRUE(news.Create(host(), {0, 32, 67, 16}, L"新闻", kFormColor, false));
  web.Select();
  EXPECT_TRUE(web.Value());
  news.Select();
  EXPECT_FALSE(web.Value());
  EXPECT_FALSE(image.Value());
  EXPECT_TRUE(news.Value());
}

TEST_F(FormControls, ATextBoxKeepsItsText) {
  TextBox box;
  ASSERT_TRUE(box.Create(host(), {0, 0, 80, 19}, L"100"));
  EXPECT_EQ(box.Text(), L"100");
  box.SetText(L"搜索 内容");
  EXPECT_EQ(box.Text(), L"搜索 内容");
}

TEST_F(FormControls, APushButtonReportsItsClickThroughTheParent) {
  PushButton button;
  ASSERT_TRUE(button.Create(host(), {0, 0, 121, 41}, L"百度搜索"));
  int clicks = 0;
  button.Click = [&] { ++clicks; };
  SendMessageW(button.hwnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
}

TEST_F(FormControls, ALabelClicksOnlyWhenPressedAndReleasedOverIt) {
  Label label;
  ASSERT_TRUE(label.Create(host(), {0, 0, 60, 12}, L"  搜索助手", {}));
  int clicks = 0;
  label.Click = [&] { ++clicks; };
  ClickClient(label.hwnd(), 5, 5);
  EXPECT_EQ(clicks, 1);
  SendMessageW(label.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(label.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(500, 5));  // released elsewhere
  EXPECT_EQ(clicks, 1);
  SendMessageW(label.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));  // no press before it
  EXPECT_EQ(clicks, 1);
  label.SetCaption(L"文件夹助手");
  wchar_t text[32] = {};
  GetWindowTextW(label.hwnd(), text, 32);
  EXPECT_STREQ(text, L"文件夹助手");
}

TEST_F(FormControls, ASeeThroughLabelShowsThePageBehindItAndASolidOneItsColour) {
  Panel page;
  ASSERT_TRUE(page.Create(host(), {0, 0, 200, 100}, kPageColor));
  Label clear, solid;
  ASSERT_TRUE(clear.Create(page.hwnd(), {10, 10, 60, 12}, L"", {}));
  ASSERT_TRUE(solid.Create(page.hwnd(), {10, 40, 60, 12}, L"", {.backColor = RGB(26, 155, 251)}));
  RedrawWindow(host(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  const testing::Capture shot = testing::SteadyCapture(page.hwnd());
  EXPECT_EQ(shot.ColorAt(20, 15), kPageColor);
  EXPECT_EQ(shot.ColorAt(20, 45), RGB(26, 155, 251));
}

TEST_F(FormControls, ASeeThroughLabelOnTheFormShowsTheFormsImageAndRepaintsWithIt) {
  // Draw something on the form's image where the label will be.
  UniqueBrush brush(CreateSolidBrush(RGB(200, 0, 0)));
  const RECT painted{0, 0, 60, 12};
  FillRect(form->ImageDC(), &painted, brush.get());
  Label clear;
  ASSERT_TRUE(clear.Create(host(), {0, 0, 60, 12}, L"", {}));
  form->Refresh();
  const testing::Capture shot = testing::SteadyCapture(clear.hwnd());
  EXPECT_EQ(shot.ColorAt(5, 5), RGB(200, 0, 0));
  EXPECT_EQ(shot.ColorAt(5, 11), RGB(200, 0, 0));
  // Drawn over again: a refresh of the form brings the change through the label.
  UniqueBrush green(CreateSolidBrush(RGB(0, 160, 0)));
  FillRect(form->ImageDC(), &painted, green.get());
  form->Refresh();
  EXPECT_EQ(testing::SteadyCapture(clear.hwnd()).ColorAt(5, 5), RGB(0, 160, 0));
  form->ClearImage();
}

TEST_F(FormControls, TheLastControlBroughtToFrontIsTheOneUnderThePointer) {
  Panel back, front;
  ASSERT_TRUE(back.Create(host(), {0, 0, 100, 100}, kPageColor));
  ASSERT_TRUE(front.Create(host(), {0, 0, 100, 100}, kFormColor));
  back.MoveToFront();
  EXPECT_EQ(ChildWindowFromPointEx(host(), {10, 10}, CWP_SKIPINVISIBLE), back.hwnd());
  front.MoveToFront();
  EXPECT_EQ(ChildWindowFromPointEx(host(), {10, 10}, CWP_SKIPINVISIBLE), front.hwnd());
}

}  // namespace
}  // namespace oravin
