#include <gtest/gtest.h>

#include "data/list_files.h"
#include "testing/text_files.h"
#include "runtime/message_box.h"
#include "testing/captured_message_boxes.h"
#include "testing/latin1_codec.h"
#include "testing/scratch_dir.h"

namespace oravin {
namespace {

using namespace std::string_literals;
using testing::ReadBytes;
using testing::WriteBytes;

class TextFiles : public ::testing::Test {
 protected:
  testing::Latin1Codec codePage;
  testing::CapturedMessageBoxes boxes;
  testing::TellingTextFiles files{codePage, boxes};
  testing::ScratchDir dir;
};

TEST_F(TextFiles, ReadingDropsEveryLineEndAndJoinsTheLines) {
  WriteBytes(dir.path() / "a.txt", "one\r\ntwo\rthree\r\n\r\nfour");
  EXPECT_EQ(files.ReadText(dir.wpath("a.txt")), L"onetwothreefour");
  WriteBytes(dir.path() / "b.txt", "");
  EXPECT_EQ(files.ReadText(dir.wpath("b.txt")), L"");
  EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(TextFiles, ReadingDecodesTheCodePage) {
  WriteBytes(dir.path() / "a.txt", "caf\xE9<Split>\r\n");
  EXPECT_EQ(files.ReadText(dir.wpath("a.txt")), L"caf\u00e9<Split>");
}

TEST_F(TextFiles, AFileSavedByNotepadIsWrittenBackInTheEncodingItWasReadIn) {
  struct Saved {
    std::string bytes;  // holding "café<Split>"
    std::string after;  // once "x<Split>" is added
  };
  const Saved saved[] = {
      {"caf\xC3\xA9<Split>", "caf\xC3\xA9<Split>x<Split>\r\n"},                        // UTF-8
      {"\xEF\xBB\xBF" "caf\xC3\xA9<Split>", "\xEF\xBB\xBF" "caf\xC3\xA9<Split>x<Split>\r\n"},  // UTF-8 with its mark
      {"\xFF\xFE" "c\0a\0f\0\xE9\0<\0S\0p\0l\0i\0t\0>\0"s,                          // "Unicode"
       "\xFF\xFE" "c\0a\0f\0\xE9\0<\0S\0p\0l\0i\0t\0>\0x\0<\0S\0p\0l\0i\0t\0>\0\r\0\n\0"s},
      {"caf\xE9<Split>", "caf\xE9<Split>x<Split>\r\n"},  // the code page
  };
  const std::wstring file = dir.wpath("Websites.txt");
  for (const Saved& s : saved) {
    WriteBytes(file, s.bytes);
    EXPECT_EQ(files.ReadText(file), L"caf\u00e9<Split>");
    EXPECT_TRUE(files.WriteText(L"caf\u00e9<Split>x<Split>", file));
    EXPECT_EQ(ReadBytes(file), s.after);
  }
  EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(TextFiles, AFileThatAlreadyReadsAsTheTextIsLeftAsItIs) {
  // Lines and no final line end, as a person types them in Notepad.
  const std::string typed = "a <Address>1<Split>\r\nb <Address>2<Split>";
  WriteBytes(dir.path() / "a.txt", typed);
  EXPECT_TRUE(files.WriteText(files.ReadText(dir.wpath("a.txt")), dir.wpath("a.txt")));
  EXPECT_EQ(ReadBytes(dir.path() / "a.txt"), typed);
}

TEST_F(TextFiles, BytesASaveWouldChangeAreFirstKeptBesideTheFileAndTheUserIsToldOnce) {
  const std::wstring file = dir.wpath("Websites.txt"), backup = dir.wpath("Websites.txt.bak");
  const std::string damaged = "\xEF\xBB\xBF" "a\xFF <Address>1<Split>";  // not UTF-8 behind its mark
  WriteBytes(file, damaged);
  const std::wstring text = files.ReadText(file);
  EXPECT_TRUE(files.WriteText(text, file));  // a save that changes nothing keeps nothing
  EXPECT_EQ(ReadBytes(file), damaged);
  EXPECT_FALSE(std::filesystem::exists(backup));
  EXPECT_TRUE(files.WriteText(text + L"b <Address>2<Split>", file));
  EXPECT_EQ(ReadBytes(backup), damaged);
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].title, L"提示");
  EXPECT_NE(boxes.calls[0].text.find(backup), std::wstring::npos);
  // The file the program wrote gives its bytes back: later saves keep no copy.
  EXPECT_TRUE(files.WriteText(L"c <Address>3<Split>", file));
  EXPECT_EQ(ReadBytes(backup), damaged);
  EXPECT_EQ(boxes.calls.size(), 1u);
  // Several KB without a "<Split>" are no list: kept too, replacing the older copy.
  const std::string notAList(5000, 'x');
  WriteBytes(file, notAList);
  EXPECT_TRUE(files.WriteText(L"d <Address>4<Split>", file));
  EXPECT_EQ(ReadBytes(backup), notAList);
  EXPECT_EQ(boxes.calls.size(), 2u);
  // The same bytes again: the copy beside it is already theirs, and nothing more is said.
  WriteBytes(file, notAList);
  EXPECT_TRUE(files.WriteText(L"e <Address>5<Split>", file));
  EXPECT_EQ(ReadBytes(backup), notAList);
  EXPECT_EQ(boxes.calls.size(), 2u);
}

TEST_F(TextFiles, TemporariesLeftByASaveCutShortGoAtTheNextSave) {
  WriteBytes(dir.path() / "Websites.txt.saving", "half a li");
  WriteBytes(dir.path() / "Settings.txt.saving", "1<Spl");
  std::filesystem::create_directory(dir.path() / "kept.saving");  // a folder is none of the program's
  WriteBytes(dir.path() / "Settings.txt", "1<Split>0\r\n");
  EXPECT_TRUE(files.WriteText(L"1<Split>0", dir.wpath("Settings.txt")));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "Websites.txt.saving"));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "Settings.txt.saving"));
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "kept.saving"));
}

TEST_F(TextFiles, AMissingFileIsReportedOnceAndReadsEmpty) {
  EXPECT_EQ(files.ReadText(dir.wpath("missing.txt")), L"");
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].text, L"Error 53\r\n文件未找到");
  EXPECT_EQ(boxes.calls[0].title, L"Error");
  EXPECT_EQ(boxes.calls[0].icon, MsgIcon::Critical);
}

TEST_F(TextFiles, AMissingFolderIsReportedAsAMissingPath) {
  EXPECT_EQ(files.ReadText(dir.wpath("Bin/Settings.txt")), L"");
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].text, L"Error 76\r\n路径未找到");
}

TEST_F(TextFiles, WritingStoresTheTextAsOneLineInTheCodePage) {
  EXPECT_TRUE(files.WriteText(L"caf\u00e9<Split>x<Split>", dir.wpath("a.txt")));
  EXPECT_EQ(ReadBytes(dir.path() / "a.txt"), "caf\xE9<Split>x<Split>\r\n");
  EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(TextFiles, WritingReplacesTheOldContentsWhole) {
  WriteBytes(dir.path() / "a.txt", std::string(5000, 'x'));
  EXPECT_TRUE(files.WriteText(L"short", dir.wpath("a.txt")));
  EXPECT_EQ(ReadBytes(dir.path() / "a.txt"), "short\r\n");
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "a.txt.saving"));
}

TEST_F(TextFiles, WritingCreatesAMissingFolder) {
  EXPECT_TRUE(files.WriteText(L"", dir.wpath("Bin/Websites.txt")));
  EXPECT_EQ(ReadBytes(dir.path() / "Bin" / "Websites.txt"), "\r\n");
}

TEST_F(TextFiles, AFailedWriteLeavesTheOldFileWholeAndSaysSo) {
  WriteBytes(dir.path() / "a.txt", "old<Split>");
  // The temporary file cannot be made where a folder of that name stands.
  std::filesystem::create_directory(dir.path() / "a.txt.saving");
  EXPECT_FALSE(files.WriteText(L"new<Split>", dir.wpath("a.txt")));
  EXPECT_EQ(ReadBytes(dir.path() / "a.txt"), "old<Split>");
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].text.rfind(L"Error ", 0), 0u);
  EXPECT_EQ(boxes.calls[0].title, L"Error");
}

TEST_F(TextFiles, WritingOverAFolderFailsWithAMessage) {
  std::filesystem::create_directory(dir.path() / "taken");
  EXPECT_FALSE(files.WriteText(L"x", dir.wpath("taken")));
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "taken"));
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].title, L"Error");
}

TEST_F(TextFiles, FileExistsForAnyReadableLengthIncludingZero) {
  WriteBytes(dir.path() / "empty.txt", "");
  EXPECT_TRUE(FileExists(dir.wpath("empty.txt")));
  EXPECT_FALSE(FileExists(dir.wpath("missing.txt")));
  EXPECT_FALSE(FileExists(dir.wpath("no/such.txt")));
}

}  // namespace
}  // namespace oravin
