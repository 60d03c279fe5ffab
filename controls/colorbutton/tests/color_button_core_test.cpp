#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/colorbutton/color_button_layout.h"

namespace oravin {
namespace {

TEST(CornerSize, IsAFifthOfTheLongerSideRoundedHalfToEven) {
  EXPECT_EQ(CornerSize(49, 41), 10);  // 9.8
  EXPECT_EQ(CornerSize(25, 15), 5);
  EXPECT_EQ(CornerSize(100, 20), 20);
  EXPECT_EQ(CornerSize(45, 27), 9);
  EXPECT_EQ(CornerSize(15, 45), 9);    // the longer side, whichever it is
  EXPECT_EQ(CornerSize(12, 10), 2);    // 2.4
  EXPECT_EQ(CornerSize(62, 10), 12);   // 12.4
  EXPECT_EQ(CornerSize(0, 0), 0);
}

TEST(ContentLayout, CentresACaptionAloneVertically) {
  const ContentLayout layout = LayoutContent(45, 27, std::nullopt, true, 12);
  EXPECT_FALSE(layout.picture);
  EXPECT_EQ(layout.caption, (Box{0, 8, 45, 27}));  // 13.5 - 6 = 7.5 rounds to 8
}

TEST(ContentLayout, CentresAPictureAloneBothWays) {
  const ContentLayout layout = LayoutContent(49, 41, PictureSize{16, 16}, false, 12);
  ASSERT_TRUE(layout.picture);
  EXPECT_EQ(*layout.picture, (Box{16, 12, 32, 28}));  // 16.5 and 12.5 round to even
}

TEST(ContentLayout, CentresPictureAndCaptionTogetherCaptionRightUnderThePicture) {
  const ContentLayout layout = LayoutContent(49, 41, PictureSize{16, 16}, true, 12);
  ASSERT_TRUE(layout.picture);
  EXPECT_EQ(*layout.picture, (Box{16, 6, 32, 22}));  // block 28: (41 - 28) / 2 = 6.5
  EXPECT_EQ(layout.caption, (Box{0, 22, 49, 41}));
}

TEST(ContentLayout, RoundsAFractionalPictureSize) {
  // A 16-pixel bitmap made on a 96.1-dpi screen: 15.99 pixels, drawn as 16.
  const double px = 16 * 96 / 96.1;
  const ContentLayout layout = LayoutContent(100, 40, PictureSize{px, px}, true, 12);
  ASSERT_TRUE(layout.picture);
  EXPECT_EQ(layout.picture->right - layout.picture->left, 16);
  EXPECT_EQ(layout.picture->top, 6);  // block R(27.99) = 28
  EXPECT_EQ(layout.caption.top, 22);
}

TEST(ContentLayout, WithNothingToDrawStillGivesACaptionBox) {
  const ContentLayout layout = LayoutContent(49.333, 41, std::nullopt, false, 12);
  EXPECT_FALSE(layout.picture);
  EXPECT_EQ(layout.caption, (Box{0, 14, 49, 41}));
}

TEST(DisplayCaption, DropsTheBlanksThatStandForDoubleByteCharacters) {
  EXPECT_EQ(DisplayCaption(L"添加  "), L"添加");
  EXPECT_EQ(DisplayCaption(L"删除选中  "), L"删除选中");  // only as many as there are such characters
  EXPECT_EQ(DisplayCaption(L"添加"), L"添加");
  EXPECT_EQ(DisplayCaption(L"添加 "), L"添加");
  EXPECT_EQ(DisplayCaption(L"添 加   "), L"添 加 ");
  EXPECT_EQ(DisplayCaption(L"\U0001F600 "), L"\U0001F600");
}

TEST(DisplayCaption, LeavesSingleByteCaptionsWhole) {
  EXPECT_EQ(DisplayCaption(L"X"), L"X");
  EXPECT_EQ(DisplayCaption(L"-"), L"-");
  EXPECT_EQ(DisplayCaption(L"Go  "), L"Go  ");
  EXPECT_EQ(DisplayCaption(L""), L"");
}

}  // namespace
}  // namespace oravin
