#include <gtest/gtest.h>

#include <string>

#include "controls/listboxex/list_gradient.h"
#include "controls/listboxex/list_model.h"
#include "controls/listboxex/list_navigation.h"
#include "controls/listboxex/row_layout.h"

namespace oravin {
namespace {

constexpr int32_t kRed = 0x0000FF, kBlue = 0xFF0000, kWhite = 0xFFFFFF, kMenu = 0xF0F0F0;

TEST(SplitColor, TakesRedFromTheLowByteThenGreenThenBlue) {
  const ColorParts parts = SplitColor(0x00A3E8FC);
  EXPECT_EQ(parts.red, 0xFC);
  EXPECT_EQ(parts.green, 0xE8);
  EXPECT_EQ(parts.blue, 0xA3);
}

TEST(SplitColor, AnUntranslatableColourKeepsItsSignInRed) {
  const ColorParts parts = SplitColor(-1);
  EXPECT_EQ(parts.red, -1);
  EXPECT_EQ(parts.green, 255);
  EXPECT_EQ(parts.blue, 255);
}

TEST(GradientEnds, OwnColoursRunFromEndToStartUnlessRightLeft) {
  const GradientEnds normal = ChooseGradientEnds(ListColors::Own, false, kRed, kBlue, kMenu);
  EXPECT_EQ(normal.from, kBlue);
  EXPECT_EQ(normal.to, kRed);
  const GradientEnds reversed = ChooseGradientEnds(ListColors::Own, true, kRed, kBlue, kMenu);
  EXPECT_EQ(reversed.from, kRed);
  EXPECT_EQ(reversed.to, kBlue);
}

TEST(GradientEnds, SystemStyleRunsFromWhiteToTheMenuColour) {
  const GradientEnds ends = ChooseGradientEnds(ListColors::System, false, kRed, kBlue, kMenu);
  EXPECT_EQ(ends.from, kWhite);
  EXPECT_EQ(ends.to, kMenu);
}

// Red start, blue end, top to bottom over 100 rows: from blue towards red.
TEST(GradientSteps, RedToBlueExampleFirstMiddleAndLastRow) {
  const GradientEnds ends = ChooseGradientEnds(ListColors::Own, false, kRed, kBlue, kMenu);
  GradientSteps steps(ends.from, ends.to, 100);
  std::vector<uint32_t> rows;
  for (int y = 0; y <= 100; ++y) rows.push_back(steps.Next());
  EXPECT_EQ(rows[0], 0xFC0003u);   // one step in already: r 2.55 -> 3, b 252.45 -> 252
  EXPECT_EQ(rows[50], 0x7D0082u);  // r 130.05 -> 130, b 124.95 -> 125
  EXPECT_EQ(rows[99], 0x0000FFu);  // the last row on the surface is pure red
  EXPECT_EQ(rows[100], 0x0000FFu);  // one past the surface overshoots and is limited to 0..255
}

TEST(GradientSteps, HalvesRoundToEven) {
  GradientSteps steps(0x000000, 0x000005, 2);  // red 2.5, then 5
  EXPECT_EQ(steps.Next(), 2u);
  EXPECT_EQ(steps.Next(), 5u);
}

TEST(KeyTable, MovesBySingleRowsPagesAndToTheEnds) {
  EXPECT_EQ(ListIndexAfterKey(kKeyUp, 5, 50, 10), 4);
  EXPECT_EQ(ListIndexAfterKey(kKeyDown, 5, 50, 10), 6);
  EXPECT_EQ(ListIndexAfterKey(kKeyEnd, 5, 50, 10), 50);
  EXPECT_EQ(ListIndexAfterKey(kKeyHome, 5, 50, 10), 0);
  EXPECT_EQ(ListIndexAfterKey(kKeyPageDown, 5, 50, 10), 15);
  EXPECT_EQ(ListIndexAfterKey(kKeyPageUp, 5, 50, 10), -5);
  EXPECT_EQ(ListIndexAfterKey('A', 5, 50, 10), 5);
}

// A list of 50 items showing 10 rows, after a key as the control handles it:
// the key's index stored, kept within the list, then scrolled into view.
struct KeyResult {
  int32_t listIndex, topIndex;
};
KeyResult PressOnFiftyItems(int key, int32_t listIndex, int32_t topIndex) {
  ListModel list;
  for (int i = 0; i < 50; ++i) list.AddItem(std::to_wstring(i));
  list.StoreListIndex(ListIndexAfterKey(key, listIndex, list.ItemCount(), 10));
  list.ClampListIndex();
  return {list.SelectedIndex(), TopIndexShowing(list.SelectedIndex(), topIndex, 10)};
}

TEST(KeyTable, PageDownFromTheTopMakesItemTenTheLastVisibleRow) {
  const KeyResult r = PressOnFiftyItems(kKeyPageDown, 0, 0);
  EXPECT_EQ(r.listIndex, 10);
  EXPECT_EQ(r.topIndex, 1);
}

TEST(KeyTable, EndSelectsTheLastItemAndShowsTheLastPage) {
  const KeyResult r = PressOnFiftyItems(kKeyEnd, 3, 0);
  EXPECT_EQ(r.listIndex, 49);
  EXPECT_EQ(r.topIndex, 40);
}

TEST(KeyTable, HomeSelectsTheFirstItemAndScrollsToTheTop) {
  const KeyResult r = PressOnFiftyItems(kKeyHome, 45, 40);
  EXPECT_EQ(r.listIndex, 0);
  EXPECT_EQ(r.topIndex, 0);
}

TEST(KeyTable, UpAtTheTopAndDownAtTheBottomKeepTheSelection) {
  EXPECT_EQ(PressOnFiftyItems(kKeyUp, 0, 0).listIndex, 0);
  EXPECT_EQ(PressOnFiftyItems(kKeyDown, 49, 40).listIndex, 49);
  EXPECT_EQ(PressOnFiftyItems(kKeyPageUp, 3, 0).listIndex, 0);
}

TEST(SelectionInView, ASelectionInViewLeavesTheViewAlone) {
  EXPECT_EQ(TopIndexShowing(15, 10, 10), 10);
  EXPECT_EQ(TopIndexShowing(19, 10, 10), 10);
  EXPECT_EQ(TopIndexShowing(20, 10, 10), 11);
  EXPECT_EQ(TopIndexShowing(3, 10, 10), 3);
}

TEST(MouseRows, APressSelectsTheRowUnderItFromTheFirstVisibleItem) {
  EXPECT_EQ(ItemAtY(0, 16, 0), 0);
  EXPECT_EQ(ItemAtY(15, 16, 0), 0);
  EXPECT_EQ(ItemAtY(16, 16, 0), 1);
  EXPECT_EQ(ItemAtY(40, 16, 7), 9);
  EXPECT_EQ(ItemAtY(-1, 16, 7), 6);  // a press just above the surface rounds down
  EXPECT_FALSE(ItemAtY(5, 0, 0).has_value());
}

TEST(MousePointer, HandOverRowsArrowBelowTheLastAlwaysHandWhenTheRowsFillTheSurface) {
  EXPECT_TRUE(HandPointerAt(47, 16, 3, 10));
  EXPECT_FALSE(HandPointerAt(48, 16, 3, 10));
  EXPECT_FALSE(HandPointerAt(5, 16, 0, 10));
  EXPECT_TRUE(HandPointerAt(500, 16, 11, 10));
}

TEST(RowLayout, TextStartsThreePixelsInWithoutAnIcon) {
  const RowLayout row = LayoutRow(16, std::nullopt, false);
  EXPECT_FALSE(row.hasIcon);
  EXPECT_EQ(row.textLeft, 3);
}

TEST(RowLayout, AnIconCentresInASquareOfTheRowHeightAndPushesTheTextPastIt) {
  const RowLayout row = LayoutRow(13, IconPixels{16, 10}, false);
  EXPECT_EQ(row.textLeft, 16);
  EXPECT_EQ(row.iconX, -2);       // 6.5 - 8 = -1.5 rounds to even
  EXPECT_EQ(row.iconYOffset, 2);  // 6.5 - 5 = 1.5 rounds to even
  EXPECT_EQ(row.iconWidth, 16);
  EXPECT_EQ(row.iconHeight, 10);
}

TEST(RowLayout, AStretchedIconFillsTheRowSquareLessOnePixel) {
  const RowLayout row = LayoutRow(16, IconPixels{32, 32}, true);
  EXPECT_EQ(row.iconX, 1);
  EXPECT_EQ(row.iconYOffset, 1);
  EXPECT_EQ(row.iconWidth, 15);
  EXPECT_EQ(row.iconHeight, 15);
}

TEST(RowLayout, TheBarStartsAtTheTextUnlessFullRowSelect) {
  const RowLayout row = LayoutRow(16, IconPixels{16, 16}, false);
  EXPECT_EQ(SelectionBar(row, 16, 5, 3, 180, false), (PixelRect{19, 32, 180, 48}));
  EXPECT_EQ(SelectionBar(row, 16, 5, 3, 180, true), (PixelRect{0, 32, 180, 48}));
  EXPECT_EQ(IconFocusFrame(PixelRect{19, 32, 180, 48}, 16), (PixelRect{1, 32, 17, 48}));
}

TEST(RowLayout, OnlyWholeRowsOfExistingItemsAreDrawn) {
  EXPECT_EQ(RowsToDraw(0, 10, 50), 10);
  EXPECT_EQ(RowsToDraw(45, 10, 50), 5);
  EXPECT_EQ(RowsToDraw(0, 10, 0), 0);
}

}  // namespace
}  // namespace oravin
