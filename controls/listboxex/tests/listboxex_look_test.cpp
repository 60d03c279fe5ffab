#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "controls/listboxex/listboxex.h"
#include "controls/listboxex/tests/list_host.h"

namespace oravin {
namespace {

using ::testing::ElementsAre;
using namespace oravin::testing;

TEST(ListBoxEXLook, AnEmptyListShowsOnlyTheBackground) {
  ListHost host;
  host.list.SetColors(ListColors::System);
  host.list.SetGradient(GradientDirection::None);
  host.list.SetStartColor(kMainListColor);
  const Capture shot = Shot(host.list);
  ASSERT_GT(shot.width, 100);
  for (int y = 0; y < shot.height; y += 3)
    for (int x = 0; x < shot.width; x += 3) ASSERT_EQ(shot.ColorAt(x, y), kMainListColor) << x << "," << y;
}

TEST(ListBoxEXLook, ANewListRunsFromWhiteAtTheLeftToTheMenuColourAtTheRight) {
  ListHost host;
  EXPECT_EQ(host.list.Gradient(), GradientDirection::LeftToRight);
  EXPECT_EQ(host.list.Colors(), ListColors::System);
  const Capture shot = Shot(host.list);
  const COLORREF menu = GetSysColor(COLOR_MENU);
  const COLORREF left = shot.ColorAt(0, 5), right = shot.ColorAt(shot.width - 1, 5);
  EXPECT_GE(GetRValue(left), 250);
  EXPECT_GE(GetBValue(left), 250);
  EXPECT_NEAR(GetRValue(right), GetRValue(menu), 2);
  EXPECT_NEAR(GetGValue(right), GetGValue(menu), 2);
  SaveArtifact(shot, "listboxex_default_gradient");
  host.list.SetRightLeft(true);
  const Capture reversed = Shot(host.list);
  EXPECT_NEAR(GetRValue(reversed.ColorAt(0, 5)), GetRValue(menu), 2);
  host.list.SetRightLeft(false);
  Fill(host.list, 6);
  host.list.SetSelectedIndex(2);
  SaveArtifact(Shot(host.list), "listboxex_default_look");
}

TEST(ListBoxEXLook, RedStartBlueEndTopToBottomIsBlueAtTheTopAndRedAtTheBottom) {
  ListHost host;
  host.list.SetColors(ListColors::Own);
  host.list.SetStartColor(0x0000FF);
  host.list.SetEndColor(0xFF0000);
  host.list.SetGradient(GradientDirection::TopToBottom);
  const Capture shot = Shot(host.list);
  const COLORREF top = shot.ColorAt(10, 0), bottom = shot.ColorAt(10, shot.height - 1);
  EXPECT_LE(GetRValue(top), 3);
  EXPECT_GE(GetBValue(top), 252);
  EXPECT_GE(GetRValue(bottom), 252);
  EXPECT_LE(GetBValue(bottom), 3);
}

// Own colours may name system colours; one that names none translates to -1,
// whose parts the gradient limits to red 0, green 255, blue 255.
TEST(ListBoxEXLook, GradientColoursNamingSystemColoursAreTranslated) {
  ListHost host;
  host.list.SetColors(ListColors::Own);
  host.list.SetStartColor(0x80000000u | COLOR_HIGHLIGHT);
  Capture shot = Shot(host.list);
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT), right = shot.ColorAt(shot.width - 1, 5);
  EXPECT_NEAR(GetRValue(right), GetRValue(highlight), 2);
  EXPECT_NEAR(GetBValue(right), GetBValue(highlight), 2);
  host.list.SetStartColor(0x800000FFu);
  shot = Shot(host.list);
  EXPECT_EQ(shot.ColorAt(shot.width - 1, 5), 0x00FFFF00u);
}

TEST(ListBoxEXLook, PlainBackgroundIsStartColorEvenWithSystemStyle) {
  ListHost host;
  host.list.SetGradient(GradientDirection::None);
  host.list.SetStartColor(0x00336699);
  Fill(host.list, 3);
  const Capture shot = Shot(host.list);
  EXPECT_EQ(shot.ColorAt(shot.width - 2, shot.height - 2), 0x00336699u);
}

// The bar on the selected first row starts where the background ends.
TEST(ListBoxEXLook, TheBarStartsPastTheIconUnlessFullRowSelect) {
  ListHost host;
  host.list.SetGradient(GradientDirection::None);
  host.list.SetStartColor(kMainListColor);
  host.list.SetListIcon(SolidIcon(0x00008000, 8));
  Fill(host.list, 3);
  const int rowMiddle = host.list.ItemHeight() / 2;
  const int textLeft = host.list.ItemHeight() + 3;
  Capture shot = Shot(host.list);
  EXPECT_NE(shot.ColorAt(textLeft, rowMiddle), kMainListColor);
  EXPECT_EQ(shot.ColorAt(textLeft - 1, rowMiddle), kMainListColor);
  EXPECT_EQ(shot.ColorAt(0, rowMiddle), kMainListColor);
  host.list.SetFullRowSelect(true);
  shot = Shot(host.list);
  EXPECT_NE(shot.ColorAt(0, rowMiddle), kMainListColor);
  EXPECT_NE(shot.ColorAt(textLeft - 1, rowMiddle), kMainListColor);
  EXPECT_EQ(shot.ColorAt(0, rowMiddle + host.list.ItemHeight()), kMainListColor);
}

TEST(ListBoxEXLook, WithoutAnIconTheTextAndBarStartThreePixelsIn) {
  ListHost host;
  host.list.SetGradient(GradientDirection::None);
  host.list.SetStartColor(kMainListColor);
  Fill(host.list, 2);
  const Capture shot = Shot(host.list);
  EXPECT_NE(shot.ColorAt(3, host.list.ItemHeight() / 2), kMainListColor);
  EXPECT_EQ(shot.ColorAt(2, host.list.ItemHeight() / 2), kMainListColor);
}

// Whether any pixel of the second row between x0 and x1 differs from the background.
bool RowHasInk(const Capture& shot, int32_t itemHeight, int x0, int x1, COLORREF background) {
  for (int y = itemHeight; y < 2 * itemHeight; ++y)
    for (int x = x0; x < x1; ++x)
      if (shot.ColorAt(x, y) != background) return true;
  return false;
}

TEST(ListBoxEXLook, TextAlignmentIsPassedToTextDrawingUnchanged) {
  ListHost host;
  host.list.SetGradient(GradientDirection::None);
  host.list.SetStartColor(kMainListColor);
  host.list.AddItem(L"Left");
  host.list.AddItem(L"Right");
  const int32_t h = host.list.ItemHeight();
  Capture shot = Shot(host.list);
  EXPECT_TRUE(RowHasInk(shot, h, 0, 40, kMainListColor));
  EXPECT_FALSE(RowHasInk(shot, h, shot.width - 40, shot.width, kMainListColor));
  host.list.SetTextAlignment(DT_RIGHT);
  shot = Shot(host.list);
  EXPECT_FALSE(RowHasInk(shot, h, 0, 40, kMainListColor));
  EXPECT_TRUE(RowHasInk(shot, h, shot.width - 40, shot.width, kMainListColor));
}

TEST(ListBoxEXLook, AStretchedIconFillsTheRowSquareLessOnePixel) {
  ListHost host;
  host.list.SetGradient(GradientDirection::None);
  host.list.SetStartColor(kMainListColor);
  host.list.SetListIcon(SolidIcon(0x00008000, 4));
  host.list.SetStretchIcon(true);
  host.list.AddItem(L"a");
  host.list.AddItem(L"b");
  const int32_t h = host.list.ItemHeight();
  const Capture shot = Shot(host.list);
  EXPECT_EQ(shot.ColorAt(1, h + 1), 0x00008000u);
  EXPECT_EQ(shot.ColorAt(h - 1, 2 * h - 1), 0x00008000u);
  EXPECT_EQ(shot.ColorAt(0, h + 1), kMainListColor);
  EXPECT_EQ(shot.ColorAt(h, h + 1), kMainListColor);
}

TEST(ListBoxEXLayout, TheScrollBarAppearsWhenTheRowsDoNotFitAndTheRowsNarrow) {
  ListHost host;
  RECT client{};
  GetClientRect(host.list.hwnd(), &client);
  Fill(host.list, host.list.VisibleCount());
  EXPECT_FALSE(IsWindowVisible(host.list.ScrollBar()));
  RECT surface{};
  GetClientRect(host.list.rowSurface(), &surface);
  EXPECT_EQ(surface.right, client.right);
  host.list.AddItem(L"one more");
  WaitForPaint(host.list);
  EXPECT_TRUE(IsWindowVisible(host.list.ScrollBar()));
  GetClientRect(host.list.rowSurface(), &surface);
  EXPECT_EQ(surface.right, client.right - GetSystemMetrics(SM_CXVSCROLL));
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(host.list.ScrollBar(), SB_CTL, &info);
  EXPECT_EQ(info.nMax - int(info.nPage) + 1, 1);  // ItemCount - VisibleCount
  host.list.SetSelectedIndex(host.list.ItemCount() - 1);
  EXPECT_EQ(host.list.TopIndex(), 1);
  host.list.Remove(0);
  EXPECT_FALSE(IsWindowVisible(host.list.ScrollBar()));
  EXPECT_EQ(host.list.TopIndex(), 0);
  SaveArtifact(Shot(host.list), "listboxex_just_fits");
}

TEST(ListBoxEXLayout, ALongListShowsTheScrollBar) {
  ListHost host;
  host.list.SetColors(ListColors::Own);
  Fill(host.list, 40);
  host.list.SetSelectedIndex(25);
  WaitForPaint(host.list);
  SaveArtifact(SteadyCapture(host.list.hwnd()), "listboxex_long_list");
  EXPECT_TRUE(IsWindowVisible(host.list.ScrollBar()));
  EXPECT_EQ(host.list.TopIndex(), 25 - host.list.VisibleCount() + 1);
}

TEST(ListBoxEXLayout, AFontChangeMeasuresTheRowsAgain) {
  ListHost host;
  const int32_t small = host.list.ItemHeight();
  host.list.SetFont(std::make_shared<Font>(L"Tahoma", 20));
  EXPECT_GT(host.list.ItemHeight(), small);
}

TEST(ListBoxEXLayout, MoreThan32767RowsScrollToTheEnd) {
  ListHost host;
  Fill(host.list, 40000);
  host.list.SetSelectedIndex(39999);
  EXPECT_EQ(host.list.TopIndex(), 40000 - host.list.VisibleCount());
}

TEST(ListBoxEXMainLook, TheMainWindowsListWithAnIcon) {
  ListHost host({0, 0, 180, 200});
  host.list.SetColors(ListColors::Own);
  host.list.SetGradient(GradientDirection::None);
  host.list.SetStartColor(kMainListColor);
  host.list.SetFont(std::make_shared<Font>(L"Tahoma", 9.75));
  host.list.SetListIcon(SolidIcon(0x00C08000));
  host.list.SetSortOrder(-1);
  for (const wchar_t* title : {L"百度", L"Google", L"新浪", L"Example", L"网易"}) host.list.AddItem(title);
  host.list.SetSelectedIndex(1);
  SaveArtifact(Shot(host.list), "listboxex_main_look");
  EXPECT_EQ(host.list.Text(), L"Google");
}

}  // namespace
}  // namespace oravin
