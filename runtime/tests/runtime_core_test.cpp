#include <gtest/gtest.h>

#include "runtime/app.h"
#include "runtime/leading_number.h"
#include "runtime/rounding.h"
#include "runtime/twips.h"

namespace oravin {
namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(R(0.5), 0);
  EXPECT_EQ(R(1.5), 2);
  EXPECT_EQ(R(2.5), 2);
  EXPECT_EQ(R(-2.5), -2);
  EXPECT_EQ(R(145.5), 146);
  EXPECT_EQ(R(154.5), 154);
  EXPECT_EQ(R(9.8), 10);
}

TEST(Rounding, ValuesOutsideTheTargetRangeDoNotConvert) {
  EXPECT_EQ(RoundToInt16(32767.4), 32767);
  EXPECT_FALSE(RoundToInt16(32767.5));  // rounds to 32768
  EXPECT_EQ(RoundToInt16(-32768.5), -32768);
  EXPECT_EQ(RoundToInt32(2147483647.0), 2147483647);
  EXPECT_FALSE(RoundToInt32(2147483648.0));
  EXPECT_FALSE(RoundToInt32(1e300));
}

TEST(Twips, ConvertToPixelsWithHalvesToEven) {
  EXPECT_EQ(TwipsPerPixel(96), 15);
  EXPECT_EQ(TwipsPerPixel(120), 12);
  EXPECT_EQ(TwipsToPixels(2925, 15), 195);
  EXPECT_EQ(TwipsToPixels(5310, 15), 354);
  EXPECT_EQ(TwipsToPixels(7.5, 15), 0);    // 0.5
  EXPECT_EQ(TwipsToPixels(22.5, 15), 2);   // 1.5
}

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfTheText) {
  EXPECT_EQ(LeadingNumber(L"100"), 100);
  EXPECT_EQ(LeadingNumber(L"  50"), 50);
  EXPECT_EQ(LeadingNumber(L"25 abc"), 25);
  EXPECT_EQ(LeadingNumber(L"12abc"), 12);
  EXPECT_EQ(LeadingNumber(L"abc"), 0);
  EXPECT_EQ(LeadingNumber(L""), 0);
  EXPECT_EQ(LeadingNumber(L"2.5"), 2.5);
  EXPECT_EQ(LeadingNumber(L"-5"), -5);
  EXPECT_EQ(LeadingNumber(L"007"), 7);
  EXPECT_EQ(LeadingNumber(L"1 2"), 12);  // blanks are skipped, not separators
  EXPECT_EQ(LeadingNumber(L"1e3x"), 1000);
  EXPECT_EQ(LeadingNumber(L"3e"), 3);
  EXPECT_EQ(LeadingNumber(L"-"), 0);
}

TEST(Application, DirectoryHasNoTrailingSeparatorExceptAtADriveRoot) {
  EXPECT_EQ(DirectoryOfModule(L"C:\\Tools\\fav.exe"), L"C:\\Tools");
  EXPECT_EQ(DirectoryOfModule(L"C:\\fav.exe"), L"C:\\");
  EXPECT_EQ(DirectoryOfModule(L"\\\\server\\share\\fav.exe"), L"\\\\server\\share");
  EXPECT_EQ(ExeNameOfModule(L"C:\\Tools\\fav.exe"), L"fav");
  EXPECT_EQ(ExeNameOfModule(L"C:\\Tools\\my.fav.exe"), L"my.fav");
  EXPECT_EQ(ExeNameOfModule(L"C:\\收藏\\收藏夹.EXE"), L"收藏夹");
}

}  // namespace
}  // namespace oravin
