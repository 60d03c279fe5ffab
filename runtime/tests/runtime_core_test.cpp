#include <gtest/gtest.h>

#include "runtime/app.h"
#include "runtime/durable_file.h"
#include "runtime/file_path.h"
#include "runtime/leading_number.h"
#include "runtime/rounding.h"
#include "runtime/design_scale.h"
#include "testing/scratch_dir.h"

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

// As MulDiv(pixels, dpi, 96): to the nearest, halves away from zero.
TEST(DesignPixels, ScaleToTheWindowsDpiAsMulDivRounds) {
  EXPECT_EQ(ScaleToDpi(195, 96), 195);
  EXPECT_EQ(ScaleToDpi(195, 120), 244);  // 243.75
  EXPECT_EQ(ScaleToDpi(195, 144), 293);  // 292.5
  EXPECT_EQ(ScaleToDpi(354, 192), 708);
  EXPECT_EQ(ScaleToDpi(-15, 144), -23);  // -22.5
  EXPECT_EQ(ScaleToDpi(0, 144), 0);
  EXPECT_EQ(DesignToDpi(15, 144), 22.5);
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

TEST(FilesAndFolders, PathsInTheSystemsFormNameWhatIsThereAndWhatCanBeMade) {
  testing::ScratchDir dir;
  const std::wstring folder = JoinPath(JoinPath(dir.wpath(), L"资料"), L"b");
  const std::wstring file = JoinPath(folder, L"list.unsaved.txt");
  EXPECT_EQ(ParentOf(file), folder);
  EXPECT_EQ(FileNameOf(file), L"list.unsaved.txt");
  EXPECT_EQ(StemOf(file), L"list.unsaved");
  EXPECT_EQ(ExtensionOf(file), L".txt");
  EXPECT_EQ(ExtensionOf(JoinPath(folder, L".saving")), L"");  // its only dot comes first

  std::error_code error;
  EXPECT_EQ(KindOfPath(folder, &error), PathKind::Missing);
  ASSERT_TRUE(CreateFolders(folder, error)) << error.message();
  // The name reaches the system whole: UTF-8 on Linux, UTF-16 on Windows.
  const std::filesystem::path made = dir.path() / u8"资料" / "b";
  EXPECT_TRUE(std::filesystem::is_directory(made));
  EXPECT_EQ(KindOfPath(folder, &error), PathKind::Folder);
  EXPECT_TRUE(CreateFolders(folder, error));
  testing::WriteBytes(made / "list.unsaved.txt", "");
  EXPECT_EQ(KindOfPath(file, &error), PathKind::File);
  // Nothing is below a file: no error to look there, and no folder to make.
  EXPECT_EQ(KindOfPath(JoinPath(file, L"c"), &error), PathKind::Missing);
  EXPECT_FALSE(error);
  EXPECT_FALSE(CreateFolders(JoinPath(file, L"c"), error));
  EXPECT_EQ(error, std::errc::not_a_directory);
#ifdef _WIN32
  // Windows reads either slash, writes the backslash and keeps a drive's root.
  EXPECT_EQ(KindOfPath(folder + L"\\"), PathKind::Folder);
  EXPECT_EQ(KindOfPath(file + L"\\"), PathKind::File);
  EXPECT_EQ(JoinPath(L"C:\\Tools", L"Bin"), L"C:\\Tools\\Bin");
  EXPECT_EQ(JoinPath(L"C:\\", L"Bin"), L"C:\\Bin");
  EXPECT_EQ(ParentOf(L"C:\\fav.exe"), L"C:\\");
  EXPECT_EQ(ParentOf(L"C:/Tools//fav.exe"), L"C:/Tools");
  EXPECT_EQ(FileNameOf(L"C:"), L"");
#else
  // Elsewhere only "/" separates: a backslash is part of a name.
  EXPECT_EQ(ParentOf(L"/fav"), L"/");
  EXPECT_EQ(FileNameOf(L"/a\\b"), L"a\\b");
#endif
  std::filesystem::remove(made / "list.unsaved.txt");
  EXPECT_EQ(KindOfPath(file), PathKind::Missing);
}

}  // namespace
}  // namespace oravin
