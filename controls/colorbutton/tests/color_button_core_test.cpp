#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/colorbutton/color_button_layout.h"
#include "controls/colorbutton/color_button_values.h"

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

TEST(ContentLayout, RoundsAPictureSizeFromHiMetric) {
  // 423 HiMetric at 96 dpi: 15.99 pixels, drawn as 16.
  const double px = 423 * 96 / 2540.0;
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

// A host bag that remembers which keys were read, in order.
class RecordingBag : public PropertyBag {
 public:
  BagValue ReadProperty(std::wstring_view name, const BagValue& defaultValue) const override {
    reads.emplace_back(name);
    return PropertyBag::ReadProperty(name, defaultValue);
  }
  mutable std::vector<std::wstring> reads;
};

class TestPicture : public SharedObject {};
using Values = ColorButtonValues<TestPicture>;

TEST(ColorButtonValues, ReadFromAnEmptyBagGiveTheDefaultsAndTheSurfaceFont) {
  auto surfaceFont = std::make_shared<Font>();
  RecordingBag bag;
  Values values;
  values.Caption = L"changed";
  values.ReadFrom(bag, surfaceFont);
  EXPECT_EQ(bag.reads, (std::vector<std::wstring>{L"Picture", L"Caption", L"BackColor", L"BorderColor",
                                                  L"ForeColor", L"Font"}));
  EXPECT_EQ(values.Caption, L"ColorButton");
  EXPECT_EQ(values.BackColor, 255u);
  EXPECT_EQ(values.BorderColor, 0u);
  EXPECT_EQ(values.ForeColor, 0xFFFFFFu);
  EXPECT_EQ(values.Picture, nullptr);
  EXPECT_EQ(values.Font, surfaceFont);
}

TEST(ColorButtonValues, AtTheirDefaultsStoreNoneOfTheSixKeys) {
  auto surfaceFont = std::make_shared<Font>();
  PropertyBag empty, written;
  Values values;
  values.ReadFrom(empty, surfaceFont);
  values.WriteTo(written, surfaceFont);
  EXPECT_TRUE(written.Keys().empty());
}

TEST(ColorButtonValues, WriteInTheirOrderAndRoundTrip) {
  auto surfaceFont = std::make_shared<Font>();
  Values values;
  values.Caption = L"添加  ";
  values.BackColor = 0x8000000F;  // a system colour reference survives as it is
  values.BorderColor = 0x00C0C0C0;
  values.ForeColor = 0;
  values.Picture = std::make_shared<TestPicture>();
  values.Font = std::make_shared<Font>(L"Tahoma", 8.25, false, 0);
  PropertyBag bag;
  values.WriteTo(bag, surfaceFont);
  EXPECT_EQ(bag.Keys(), (std::vector<std::wstring>{L"Caption", L"Picture", L"BackColor", L"BorderColor", L"Font",
                                                   L"ForeColor"}));
  Values back;
  back.ReadFrom(bag, surfaceFont);
  EXPECT_EQ(back.Caption, L"添加  ");
  EXPECT_EQ(back.BackColor, 0x8000000Fu);
  EXPECT_EQ(back.BorderColor, 0x00C0C0C0u);
  EXPECT_EQ(back.ForeColor, 0u);
  EXPECT_EQ(back.Picture, values.Picture);
  EXPECT_EQ(back.Font, values.Font);
}

TEST(ColorButtonValues, KeepAnEmptyCaption) {
  auto surfaceFont = std::make_shared<Font>();
  Values values;
  values.Caption = L"";
  PropertyBag bag;
  values.WriteTo(bag, surfaceFont);
  EXPECT_EQ(bag.Keys(), std::vector<std::wstring>{L"Caption"});
  Values back;
  back.ReadFrom(bag, surfaceFont);
  EXPECT_EQ(back.Caption, L"");
}

TEST(ColorButtonValues, ReadTheFormsLowerCaseKeys) {
  PropertyBag bag;
  bag.Write<std::wstring>(L"caption", L"X", L"");
  bag.Write<int32_t>(L"backcolor", 0x00404040, 0);
  bag.Write<int32_t>(L"forecolor", 0x00FFFF00, 0);
  bag.Write<int32_t>(L"bordercolor", 0x00808080, 0);
  Values values;
  values.ReadFrom(bag, std::make_shared<Font>());
  EXPECT_EQ(values.Caption, L"X");
  EXPECT_EQ(values.BackColor, 0x00404040u);
  EXPECT_EQ(values.ForeColor, 0x00FFFF00u);
  EXPECT_EQ(values.BorderColor, 0x00808080u);
}

TEST(ColorButtonValues, KeepWhatWasReadBeforeAKeyOfTheWrongType) {
  PropertyBag bag;
  bag.Write<std::wstring>(L"Caption", L"Go", L"");
  bag.Write<std::wstring>(L"BackColor", L"red", L"");
  Values values;
  EXPECT_THROW(values.ReadFrom(bag, std::make_shared<Font>()), PropertyTypeError);
  EXPECT_EQ(values.Caption, L"Go");
  EXPECT_EQ(values.BackColor, 255u);
}

}  // namespace
}  // namespace oravin
