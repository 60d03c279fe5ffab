#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "runtime/font.h"
#include "runtime/himetric.h"
#include "runtime/property_bag.h"
#include "runtime/rounding.h"

namespace oravin {
namespace {

class OtherObject : public SharedObject {};

TEST(PropertyBag, MatchesKeysWithoutRegardToCase) {
  PropertyBag bag;
  bag.Write<std::wstring>(L"Caption", L"添加  ", L"ColorButton");
  EXPECT_TRUE(bag.Contains(L"caption"));
  EXPECT_EQ(bag.Read<std::wstring>(L"CAPTION", L"ColorButton"), L"添加  ");
  bag.Write<std::wstring>(L"caption", L"X", L"ColorButton");
  EXPECT_EQ(bag.Keys(), std::vector<std::wstring>{L"Caption"});
  EXPECT_EQ(bag.Read<std::wstring>(L"Caption", L""), L"X");
}

TEST(PropertyBag, LeavesOutValuesEqualToTheirDefault) {
  PropertyBag bag;
  bag.Write<int32_t>(L"BackColor", 255, 255);
  bag.Write<bool>(L"Sorted", false, false);
  bag.Write<double>(L"Size", 9.0, 9.0);
  EXPECT_TRUE(bag.Keys().empty());
  bag.Write<int32_t>(L"BackColor", 0, 255);
  EXPECT_TRUE(bag.Contains(L"BackColor"));
  // Writing the default again takes the earlier value out.
  bag.Write<int32_t>(L"backcolor", 255, 255);
  EXPECT_FALSE(bag.Contains(L"BackColor"));
}

TEST(PropertyBag, GivesTheReadersDefaultForAMissingKey) {
  const PropertyBag bag;
  EXPECT_EQ(bag.Read<int32_t>(L"ForeColor", 0xFFFFFF), 0xFFFFFF);
  EXPECT_EQ(bag.Read<std::wstring>(L"Caption", L"ColorButton"), L"ColorButton");
  auto font = std::make_shared<Font>();
  EXPECT_EQ(bag.Read<std::shared_ptr<Font>>(L"Font", font), font);
}

TEST(PropertyBag, KeepsAnEmptyStringThatDiffersFromTheDefault) {
  PropertyBag bag;
  bag.Write<std::wstring>(L"Caption", L"", L"ColorButton");
  EXPECT_TRUE(bag.Contains(L"Caption"));
  EXPECT_EQ(bag.Read<std::wstring>(L"Caption", L"ColorButton"), L"");
}

TEST(PropertyBag, KeepsObjectsByReferenceAndComparesThemByIdentity) {
  PropertyBag bag;
  auto surfaceFont = std::make_shared<Font>(L"宋体", 9);
  auto lookalike = std::make_shared<Font>(L"宋体", 9);
  bag.Write(L"Font", surfaceFont, surfaceFont);
  EXPECT_FALSE(bag.Contains(L"Font"));
  bag.Write(L"Font", lookalike, surfaceFont);
  ASSERT_TRUE(bag.Contains(L"Font"));
  lookalike->Size = 12;  // the bag holds the object itself, not a copy
  EXPECT_EQ(bag.Read<std::shared_ptr<Font>>(L"Font", surfaceFont)->Size, 12);
}

TEST(PropertyBag, StoresNoEmptyObjectReference) {
  PropertyBag bag;
  auto surfaceFont = std::make_shared<Font>();
  bag.Write<std::shared_ptr<Font>>(L"Font", nullptr, surfaceFont);
  EXPECT_FALSE(bag.Contains(L"Font"));
}

TEST(PropertyBag, RefusesAStoredValueOfAnotherType) {
  PropertyBag bag;
  bag.Write<int32_t>(L"Caption", 5, 0);
  EXPECT_THROW(bag.Read<std::wstring>(L"Caption", L"ColorButton"), PropertyTypeError);
  bag.Write<std::shared_ptr<SharedObject>>(L"Font", std::make_shared<OtherObject>(), nullptr);
  EXPECT_THROW(bag.Read<std::shared_ptr<Font>>(L"Font", nullptr), PropertyTypeError);
  try {
    bag.Read<bool>(L"caption", false);
  } catch (const PropertyTypeError& e) {
    EXPECT_NE(std::string(e.what()).find("caption"), std::string::npos);
  }
}

TEST(PropertyBag, KeepsTheOrderOfFirstWriting) {
  PropertyBag bag;
  bag.Write<std::wstring>(L"Caption", L"Go", L"ColorButton");
  bag.Write<int32_t>(L"BackColor", 1, 255);
  bag.Write<int32_t>(L"ForeColor", 2, 0);
  bag.Write<std::wstring>(L"Caption", L"Stop", L"ColorButton");
  EXPECT_EQ(bag.Keys(), (std::vector<std::wstring>{L"Caption", L"BackColor", L"ForeColor"}));
}

TEST(HiMetric, ConvertsToPixelsAtTheScreenResolution) {
  EXPECT_DOUBLE_EQ(HiMetricToPixels(2540, 96), 96);
  EXPECT_DOUBLE_EQ(HiMetricToPixels(423, 96), 423 * 96 / 2540.0);
  // A 16-pixel icon is stored as 423 HiMetric and comes back as 16 pixels.
  EXPECT_EQ(R(PixelsToHiMetric(16, 96)), 423);
  EXPECT_EQ(R(HiMetricToPixels(423, 96)), 16);
  EXPECT_EQ(R(HiMetricToPixels(R(PixelsToHiMetric(32, 120)), 120)), 32);
}

TEST(Font, ComparesLooksNotIdentity) {
  Font a(L"Tahoma", 8.25), b(L"Tahoma", 8.25);
  EXPECT_TRUE(a.SameLook(b));
  b.Bold = true;
  EXPECT_FALSE(a.SameLook(b));
  b = a;
  b.Charset = 0;
  EXPECT_FALSE(a.SameLook(b));
}

}  // namespace
}  // namespace oravin
