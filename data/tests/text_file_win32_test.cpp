#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "data/list_files.h"
#include "testing/text_files.h"
#include "runtime/handles.h"
#include "testing/captured_message_boxes.h"
#include "testing/scratch_dir.h"

namespace oravin {
namespace {

using namespace std::string_literals;
using testing::ReadBytes;
using testing::WriteBytes;

class TextFilesOnWindows : public ::testing::Test {
 protected:
  testing::CapturedMessageBoxes boxes;
  testing::TellingTextFiles files{SystemCodec(), boxes};
  testing::ScratchDir dir;
};

TEST_F(TextFilesOnWindows, ChineseTextIsStoredInTheSystemCodePageByteForByte) {
  const std::wstring text = L"百度 <Address>http://www.example.com/<Split>文件夹 <Address>C:\\资料<Split>";
  ASSERT_TRUE(files.WriteText(text, dir.path() / "Bin" / "Websites.txt"));
  const std::string bytes = ReadBytes(dir.path() / "Bin" / "Websites.txt");
  EXPECT_EQ(bytes.substr(0, 4), "\xB0\xD9\xB6\xC8");  // 百度 in GBK
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  EXPECT_EQ(files.ReadText(dir.path() / "Bin" / "Websites.txt"), text);
  EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(TextFilesOnWindows, TheCodePageAndNotepadsUtf8AreEachReadAndWrittenAsTheyCame) {
  const auto file = dir.path() / "Websites.txt";
  const std::wstring text = L"百度 <Address>http://www.baidu.com/<Split>新浪新闻 <Address>http://news.sina.com.cn/<Split>"
                            L"联通 <Address>http://www.10010.com/<Split>";
  struct Saved {
    std::string bytes, added;  // the list, and 新 <Address>x<Split> in the same encoding
  };
  const Saved saved[] = {
      {"\xB0\xD9\xB6\xC8 <Address>http://www.baidu.com/<Split>\xD0\xC2\xC0\xCB\xD0\xC2\xCE\xC5 "
       "<Address>http://news.sina.com.cn/<Split>\xC1\xAA\xCD\xA8 <Address>http://www.10010.com/<Split>",
       "\xD0\xC2 <Address>x<Split>"},
      {"\xE7\x99\xBE\xE5\xBA\xA6 <Address>http://www.baidu.com/<Split>\xE6\x96\xB0\xE6\xB5\xAA\xE6\x96\xB0\xE9\x97\xBB "
       "<Address>http://news.sina.com.cn/<Split>\xE8\x81\x94\xE9\x80\x9A <Address>http://www.10010.com/<Split>",
       "\xE6\x96\xB0 <Address>x<Split>"},
  };
  for (const Saved& s : saved) {
    WriteBytes(file, s.bytes);
    EXPECT_EQ(files.ReadText(file), text);
    ASSERT_TRUE(files.WriteText(text + L"新 <Address>x<Split>", file));
    EXPECT_EQ(ReadBytes(file), s.bytes + s.added + "\r\n");
  }
  EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(TextFilesOnWindows, BytesTheCodePageCannotReadAreKeptBesideTheFileBeforeASaveChangesThem) {
  const auto file = dir.path() / "Websites.txt", backup = dir.path() / "Websites.txt.bak";
  const std::string damaged[] = {
      "a\x81 <Address>http://a/<Split>",             // a lead byte without its trail byte
      "\x81\x30\x81\x30 <Address>http://b/<Split>",  // GB18030's four bytes, which GBK cannot read
      "\x00\xFF\x01\xFE\xFF<Split>\x80"s,           // binary junk
  };
  for (const std::string& bytes : damaged) {
    WriteBytes(file, bytes);
    const std::wstring text = files.ReadText(file);
    EXPECT_TRUE(files.WriteText(text, file));
    EXPECT_EQ(ReadBytes(file), bytes);  // nothing changed, nothing written
    const size_t told = boxes.calls.size();
    EXPECT_TRUE(files.WriteText(text + L"c <Address>http://c/<Split>", file));
    EXPECT_EQ(ReadBytes(backup), bytes);
    ASSERT_EQ(boxes.calls.size(), told + 1);
    EXPECT_EQ(boxes.calls.back().title, L"提示");
  }
}

TEST_F(TextFilesOnWindows, AFileHeldOpenByAnotherProgramKeepsItsOldContents) {
  const auto file = dir.path() / "Settings.txt";
  WriteBytes(file, "1<Split>0\r\n");
  // Another program holding the file without sharing: the replacement must fail cleanly.
  UniqueKernelHandle held(CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_NE(held.get(), INVALID_HANDLE_VALUE);
  EXPECT_FALSE(files.WriteText(L"0<Split>2", file));
  held.reset();
  EXPECT_EQ(ReadBytes(file), "1<Split>0\r\n");
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "Settings.txt.saving"));
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].title, L"Error");
  EXPECT_EQ(boxes.calls[0].text.rfind(L"Error ", 0), 0u);
}

// A sync client lets go of the file a moment after the save began.
TEST_F(TextFilesOnWindows, ASaveWaitsForAFileHeldForAMomentAndThenReplacesIt) {
  const auto file = dir.path() / "Websites.txt";
  WriteBytes(file, "a <Address>http://a/<Split>\r\n");
  UniqueKernelHandle held(CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_NE(held.get(), INVALID_HANDLE_VALUE);
  std::thread syncClient([&] {
    // Once the new contents wait beside the file, the save has met the held file.
    for (int i = 0; i < 1000 && !std::filesystem::exists(dir.path() / "Websites.txt.saving"); ++i) Sleep(5);
    held.reset();
  });
  EXPECT_TRUE(files.WriteText(L"b <Address>http://b/<Split>", file));
  syncClient.join();
  EXPECT_EQ(ReadBytes(file), "b <Address>http://b/<Split>\r\n");
  EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(TextFilesOnWindows, ReadingAFileHeldOpenForWritingIsReported) {
  const auto file = dir.path() / "locked.txt";
  WriteBytes(file, "x");
  UniqueKernelHandle held(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  EXPECT_EQ(files.ReadText(file), L"");
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].title, L"Error");
}

}  // namespace
}  // namespace oravin
