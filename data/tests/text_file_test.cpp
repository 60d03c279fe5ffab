#include <gtest/gtest.h>

#include "data/mdlSave.h"
#include "runtime/message_box.h"
#include "testing/captured_message_boxes.h"
#include "testing/latin1_codec.h"
#include "testing/scratch_dir.h"

namespace oravin {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

class TextFiles : public ::testing::Test {
 protected:
  testing::WithLatin1CodePage codePage;
  testing::CapturedMessageBoxes boxes;
  testing::ScratchDir dir;
};

TEST_F(TextFiles, ReadingDropsEveryLineEndAndJoinsTheLines) {
  WriteBytes(dir.path() / "a.txt", "one\r\ntwo\rthree\r\n\r\nfour");
  EXPECT_EQ(ReadTextFile(dir.path() / "a.txt"), L"onetwothreefour");
  WriteBytes(dir.path() / "b.txt", "");
  EXPECT_EQ(ReadTextFile(dir.path() / "b.txt"), L"");
  EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(TextFiles, ReadingDecodesTheCodePage) {
  WriteBytes(dir.path() / "a.txt", "caf\xE9<Split>\r\n");
  EXPECT_EQ(ReadTextFile(dir.path() / "a.txt"), L"caf\u00e9<Split>");
}

TEST_F(TextFiles, AMissingFileIsReportedOnceAndReadsEmpty) {
  EXPECT_EQ(ReadTextFile(dir.path() / "missing.txt"), L"");
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].text, L"Error 53\r\n文件未找到");
  EXPECT_EQ(boxes.calls[0].title, L"Error");
  EXPECT_EQ(boxes.calls[0].icon, MsgIcon::Critical);
  EXPECT_EQ(boxes.calls[0].buttons, MsgButtons::Ok);
}

TEST_F(TextFiles, AMissingFolderIsReportedAsAMissingPath) {
  EXPECT_EQ(ReadTextFile(dir.path() / "Bin" / "Settings.txt"), L"");
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].text, L"Error 76\r\n路径未找到");
}

TEST_F(TextFiles, WritingStoresTheTextAsOneLineInTheCodePage) {
  EXPECT_TRUE(WriteTextFile(L"caf\u00e9<Split>x<Split>", dir.path() / "a.txt"));
  EXPECT_EQ(ReadBytes(dir.path() / "a.txt"), "caf\xE9<Split>x<Split>\r\n");
  EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(TextFiles, WritingReplacesTheOldContentsWhole) {
  WriteBytes(dir.path() / "a.txt", std::string(5000, 'x'));
  EXPECT_TRUE(WriteTextFile(L"short", dir.path() / "a.txt"));
  EXPECT_EQ(ReadBytes(dir.path() / "a.txt"), "short\r\n");
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "a.txt.saving"));
}

TEST_F(TextFiles, WritingCreatesAMissingFolder) {
  EXPECT_TRUE(WriteTextFile(L"", dir.path() / "Bin" / "Websites.txt"));
  EXPECT_EQ(ReadBytes(dir.path() / "Bin" / "Websites.txt"), "\r\n");
}

TEST_F(TextFiles, AFailedWriteLeavesTheOldFileWholeAndSaysSo) {
  WriteBytes(dir.path() / "a.txt", "old<Split>");
  // The temporary file cannot be made where a folder of that name stands.
  std::filesystem::create_directory(dir.path() / "a.txt.saving");
  EXPECT_FALSE(WriteTextFile(L"new<Split>", dir.path() / "a.txt"));
  EXPECT_EQ(ReadBytes(dir.path() / "a.txt"), "old<Split>");
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].text.rfind(L"Error ", 0), 0u);
  EXPECT_EQ(boxes.calls[0].title, L"Error");
}

TEST_F(TextFiles, WritingOverAFolderFailsWithAMessage) {
  std::filesystem::create_directory(dir.path() / "taken");
  EXPECT_FALSE(WriteTextFile(L"x", dir.path() / "taken"));
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "taken"));
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].title, L"Error");
}

TEST_F(TextFiles, FileExistsForAnyReadableLengthIncludingZero) {
  WriteBytes(dir.path() / "empty.txt", "");
  EXPECT_TRUE(FileExists(dir.path() / "empty.txt"));
  EXPECT_FALSE(FileExists(dir.path() / "missing.txt"));
  EXPECT_FALSE(FileExists(dir.path() / "no" / "such.txt"));
}

}  // namespace
}  // namespace oravin
