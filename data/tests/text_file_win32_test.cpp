#include <windows.h>

#include <gtest/gtest.h>

#include "data/mdlSave.h"
#include "runtime/handles.h"
#include "testing/captured_message_boxes.h"
#include "testing/scratch_dir.h"

namespace oravin {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

class TextFilesOnWindows : public ::testing::Test {
 protected:
  testing::CapturedMessageBoxes boxes;
  testing::ScratchDir dir;
};

TEST_F(TextFilesOnWindows, ChineseTextIsStoredInTheSystemCodePageByteForByte) {
  const std::wstring text = L"百度 <Address>http://www.example.com/<Split>文件夹 <Address>C:\\资料<Split>";
  ASSERT_TRUE(WriteTextFile(text, dir.path() / "Bin" / "Websites.txt"));
  const std::string bytes = ReadBytes(dir.path() / "Bin" / "Websites.txt");
  EXPECT_EQ(bytes.substr(0, 4), "\xB0\xD9\xB6\xC8");  // 百度 in GBK
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  EXPECT_EQ(ReadTextFile(dir.path() / "Bin" / "Websites.txt"), text);
  EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(TextFilesOnWindows, AFileHeldOpenByAnotherProgramKeepsItsOldContents) {
  const auto file = dir.path() / "Settings.txt";
  WriteBytes(file, "1<Split>0\r\n");
  // Another program holding the file without sharing: the replacement must fail cleanly.
  UniqueKernelHandle held(CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_NE(held.get(), INVALID_HANDLE_VALUE);
  EXPECT_FALSE(WriteTextFile(L"0<Split>2", file));
  held.reset();
  EXPECT_EQ(ReadBytes(file), "1<Split>0\r\n");
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "Settings.txt.saving"));
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].title, L"Error");
  EXPECT_EQ(boxes.calls[0].text.rfind(L"Error ", 0), 0u);
}

TEST_F(TextFilesOnWindows, ReadingAFileHeldOpenForWritingIsReported) {
  const auto file = dir.path() / "locked.txt";
  WriteBytes(file, "x");
  UniqueKernelHandle held(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  EXPECT_EQ(ReadTextFile(file), L"");
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].title, L"Error");
}

}  // namespace
}  // namespace oravin
