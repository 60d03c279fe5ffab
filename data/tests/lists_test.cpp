#ifdef _WIN32
#include <windows.h>
#endif

#include <gtest/gtest.h>

#include "data/entry.h"
#include "data/favorites.h"
#ifdef _WIN32
#include "runtime/handles.h"
#endif
#include "testing/captured_message_boxes.h"
#include "testing/latin1_codec.h"
#include "testing/scratch_dir.h"

namespace oravin {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;
using Texts = std::vector<std::wstring>;

class FavoriteFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    store.SetCurrent(Assistant::Websites);
  }
  ListKind Current() const { return store.CurrentList().value_or(ListKind::Websites); }
  // The list of the current assistant, and what it would tell the user.
  void LoadList() {
    Notices notices;
    store.LoadList(Current(), notices);
    boxes.Tell(notices);
  }
  void SaveList() {
    Notices notices;
    store.SaveList(Current(), notices);
    boxes.Tell(notices);
  }
  void SaveListsAtExit() {
    Notices notices;
    store.SaveListsAtExit(notices);
    boxes.Tell(notices);
  }
  void AddEntry(const std::wstring& entry) { store.AddEntry(Current(), entry); }
  void RemoveEntry(int32_t i) { store.RemoveEntry(Current(), i); }
  Texts Entries() const { return store.Entries(Current()); }
  Texts Titles() const {
    Texts titles;
    for (const std::wstring& entry : Entries()) titles.push_back(TitleOf(entry));
    return titles;
  }
  std::filesystem::path Bin() const { return dir.path() / "Bin"; }
  void PutWebsites(const std::string& bytes) {
    std::filesystem::create_directories(Bin());
    WriteBytes(Bin() / "Websites.txt", bytes);
  }

  testing::Latin1Codec codePage;
  testing::CapturedMessageBoxes boxes;
  testing::ScratchDir dir;
  Favorites store{dir.wpath(L"Bin"), codePage};
};

TEST_F(FavoriteFiles, LoadingPairsSortedTitlesWithTheirWholeEntries) {
  PutWebsites("b <Address>http://b/<Split>A <Address>http://a/<Split>c <Address>C:\\c<Split>\r\n");
  LoadList();
  EXPECT_EQ(Titles(), (Texts{L"A", L"b", L"c"}));
  EXPECT_EQ(Entries(), (Texts{L"A <Address>http://a/", L"b <Address>http://b/", L"c <Address>C:\\c"}));
  EXPECT_TRUE(boxes.calls.empty());
}

// Titles that compare equal stand opposite their own whole texts, however
// they came: added one by one, or from a file put in another order by hand.
TEST_F(FavoriteFiles, TitlesEqualButForCaseStayOppositeTheirOwnAddresses) {
  AddEntry(L"news <Address>http://z/");
  AddEntry(L"Mail <Address>http://m/");
  AddEntry(L"News <Address>http://a/");
  AddEntry(L"NEWS <Address>http://q/");
  EXPECT_EQ(Titles(), (Texts{L"Mail", L"News", L"NEWS", L"news"}));
  EXPECT_EQ(Entries()[0], L"Mail <Address>http://m/");
  EXPECT_EQ(Entries()[3], L"news <Address>http://z/");
  store = Favorites(dir.wpath(L"Bin"), codePage);  // the next run of the program
  store.SetCurrent(Assistant::Websites);
  PutWebsites("news <Address>http://z/<Split>News <Address>http://a/<Split>Mail <Address>http://m/<Split>\r\n");
  LoadList();
  EXPECT_EQ(Titles(), (Texts{L"Mail", L"News", L"news"}));
  EXPECT_EQ(Entries()[1], L"News <Address>http://a/");
}

TEST_F(FavoriteFiles, ThreeEntriesSurviveASaveAndALoadInTheirOrder) {
  const std::string file = "A <Address>http://a/<Split>b <Address>http://b/<Split>c <Address>http://c/<Split>\r\n";
  PutWebsites(file);
  LoadList();
  SaveList();
  EXPECT_EQ(ReadBytes(Bin() / "Websites.txt"), file);
  LoadList();
  EXPECT_EQ(Titles(), (Texts{L"A", L"b", L"c"}));
}

TEST_F(FavoriteFiles, AnEmptyListIsAnEmptyLine) {
  PutWebsites("x <Address>1<Split>");
  LoadList();
  RemoveEntry(0);
  SaveList();
  EXPECT_EQ(ReadBytes(Bin() / "Websites.txt"), "\r\n");
  LoadList();
  EXPECT_EQ(int32_t(Titles().size()), 0);
  EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(FavoriteFiles, TheLastEntryOfAFileWrittenByHandNeedsNoSeparator) {
  PutWebsites("a <Address>1<Split>b <Address>2\r\n");
  LoadList();
  EXPECT_EQ(Entries(), (Texts{L"a <Address>1", L"b <Address>2"}));
  SaveList();
  EXPECT_EQ(ReadBytes(Bin() / "Websites.txt"), "a <Address>1<Split>b <Address>2<Split>\r\n");
  // Only line ends after the last separator are no entry (a lone LF is one too).
  PutWebsites("a <Address>1<Split>\n\r\n");
  LoadList();
  EXPECT_EQ(Entries(), (Texts{L"a <Address>1"}));
  EXPECT_TRUE(boxes.calls.empty());
}

// A list is told from no list by all it holds: a long first entry (a
// tracking link, a data: address) makes no backup and no message.
TEST_F(FavoriteFiles, OnlyAFileThatIsNoListIsKeptBeforeASaveReplacesIt) {
  const std::string longEntry = "z <Address>http://z/?" + std::string(6000, 'q');
  PutWebsites(longEntry + "<Split>a <Address>http://a/<Split>\r\n");
  LoadList();
  SaveList();
  EXPECT_EQ(ReadBytes(Bin() / "Websites.txt"), "a <Address>http://a/<Split>" + longEntry + "<Split>\r\n");
  EXPECT_FALSE(std::filesystem::exists(Bin() / "Websites.txt.bak"));
  EXPECT_TRUE(boxes.calls.empty());

  std::string junk(4096, '\0');
  for (size_t i = 0; i < junk.size(); ++i) junk[i] = char(i * 37 % 256);
  PutWebsites(junk);
  LoadList();
  SaveList();
  EXPECT_EQ(ReadBytes(Bin() / "Websites.txt.bak"), junk);
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].title, L"提示");
}

TEST_F(FavoriteFiles, AFileBrokenOverSeveralLinesReadsAsOneLine) {
  PutWebsites("a <Address>ht\r\ntp://a/<Sp\rlit>b <Address>2<Split>\r\n");
  LoadList();
  EXPECT_EQ(Entries(), (Texts{L"a <Address>http://a/", L"b <Address>2"}));
}

TEST_F(FavoriteFiles, ATitleHoldingTheMarkerShowsOnlyUpToIt) {
  PutWebsites("x <Address>y <Address>http://z/<Split>");
  LoadList();
  EXPECT_EQ(Titles(), (Texts{L"x"}));
  EXPECT_EQ(Entries(), (Texts{L"x <Address>y <Address>http://z/"}));
}

TEST_F(FavoriteFiles, ThePiecesWithoutAMarkerAreKeptWhole) {
  PutWebsites("damaged<Split>");
  LoadList();
  EXPECT_EQ(Titles(), (Texts{L"damaged"}));
  EXPECT_EQ(Entries(), (Texts{L"damaged"}));
}

TEST_F(FavoriteFiles, TheSearchModeNeitherReadsNorWrites) {
  store.SetCurrent(Assistant::Search);
  EXPECT_EQ(store.CurrentList(), std::nullopt);
  SaveListsAtExit();
  EXPECT_FALSE(std::filesystem::exists(Bin()));
  store.SetCurrent(Assistant(7));  // only a damaged settings file gives one
  EXPECT_EQ(store.CurrentList(), std::nullopt);
  SaveListsAtExit();
  EXPECT_FALSE(std::filesystem::exists(Bin()));
  EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(FavoriteFiles, FoldersHaveAFileOfTheirOwn) {
  store.SetCurrent(Assistant::Folders);
  AddEntry(L"docs <Address>C:\\docs");
  SaveList();
  EXPECT_EQ(ReadBytes(Bin() / "FolderList.txt"), "docs <Address>C:\\docs<Split>\r\n");
  EXPECT_FALSE(std::filesystem::exists(Bin() / "Websites.txt"));
}

TEST_F(FavoriteFiles, AMissingFileIsToldOnceAndTheNextSaveCreatesItAndItsFolder) {
  LoadList();
  EXPECT_EQ(int32_t(Titles().size()), 0);
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].title, L"Error");
  AddEntry(L"a <Address>http://a/");
  SaveList();
  EXPECT_EQ(ReadBytes(Bin() / "Websites.txt"), "a <Address>http://a/<Split>\r\n");
  EXPECT_EQ(boxes.calls.size(), 1u);
}

TEST_F(FavoriteFiles, AListThatCouldNotBeSavedComesBackWithItsChangesAndIsSavedLater) {
  PutWebsites("a <Address>http://a/<Split>\r\n");
  LoadList();
  AddEntry(L"b <Address>http://b/");
  // The file cannot be replaced while a folder stands where its new copy goes.
  const std::filesystem::path blocker = Bin() / "Websites.txt.saving";
  std::filesystem::create_directory(blocker);
  SaveList();
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].title, L"Error");
  EXPECT_EQ(ReadBytes(Bin() / "Websites.txt"), "a <Address>http://a/<Split>\r\n");
  LoadList();
  EXPECT_EQ(Titles(), (Texts{L"a", L"b"}));
  std::filesystem::remove(blocker);
  SaveList();
  EXPECT_EQ(ReadBytes(Bin() / "Websites.txt"), "a <Address>http://a/<Split>b <Address>http://b/<Split>\r\n");
  // Once saved, the file is what loads again.
  PutWebsites("c <Address>http://c/<Split>\r\n");
  LoadList();
  EXPECT_EQ(Titles(), Texts{L"c"});
  EXPECT_EQ(boxes.calls.size(), 1u);
}

TEST_F(FavoriteFiles, AtShutDownAListThatStillCannotBeWrittenIsKeptBesideItsFile) {
  PutWebsites("a <Address>http://a/<Split>b <Address>http://b/<Split>\r\n");
  LoadList();
  RemoveEntry(0);
  AddEntry(L"\u00e9t\u00e9 <Address>http://c/");
  std::filesystem::create_directory(Bin() / "Websites.txt.saving");  // no new copy can be made
  SaveList();
  ASSERT_EQ(boxes.calls.size(), 1u);
  store.SetCurrent(Assistant::Folders);
  SaveListsAtExit();
  EXPECT_EQ(ReadBytes(Bin() / "Websites.txt"), "a <Address>http://a/<Split>b <Address>http://b/<Split>\r\n");
  EXPECT_EQ(ReadBytes(Bin() / "Websites.unsaved.txt"),
            "\xEF\xBB\xBF" "b <Address>http://b/<Split>\xC3\xA9t\xC3\xA9 <Address>http://c/<Split>\r\n");
  ASSERT_EQ(boxes.calls.size(), 3u);  // the save failed twice, then where the list went
  EXPECT_EQ(boxes.calls[2].title, L"抱歉");
  EXPECT_NE(boxes.calls[2].text.find((Bin() / "Websites.unsaved.txt").wstring()), std::wstring::npos);
  // Another shut-down that fails puts its list after the first one's.
  store = Favorites(dir.wpath(L"Bin"), codePage);  // the next run of the program
  store.SetCurrent(Assistant::Websites);
  LoadList();
  AddEntry(L"d <Address>http://d/");
  SaveListsAtExit();
  EXPECT_EQ(ReadBytes(Bin() / "Websites.unsaved.txt"),
            "\xEF\xBB\xBF" "b <Address>http://b/<Split>\xC3\xA9t\xC3\xA9 <Address>http://c/<Split>"
            "a <Address>http://a/<Split>b <Address>http://b/<Split>d <Address>http://d/<Split>\r\n");
  EXPECT_EQ(boxes.calls.size(), 5u);
}

#ifdef _WIN32
// Another program holding the file open without sharing it, which only Windows allows.
UniqueKernelHandle HeldOpen(const std::filesystem::path& file) {
  UniqueKernelHandle held(CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  EXPECT_NE(held.get(), INVALID_HANDLE_VALUE);
  return held;
}

TEST_F(FavoriteFiles, AListFileThatCouldNotBeReadIsNeverReplacedByWhatTheWindowHolds) {
  const std::string file = "a <Address>http://a/<Split>\r\n";
  PutWebsites(file);
  // Held at the load, free again at the save: nothing was added, so nothing is written.
  {
    const UniqueKernelHandle held = HeldOpen(Bin() / "Websites.txt");
    LoadList();
  }
  EXPECT_EQ(int32_t(Entries().size()), 0);
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].title, L"Error");
  SaveList();
  EXPECT_EQ(ReadBytes(Bin() / "Websites.txt"), file);

  // Entries added meanwhile wait, and come back with the list, until the file can be read.
  {
    const UniqueKernelHandle held = HeldOpen(Bin() / "Websites.txt");
    LoadList();
    AddEntry(L"b <Address>http://b/");
    SaveList();
    LoadList();
    EXPECT_EQ(Entries(), Texts{L"b <Address>http://b/"});
    SaveList();
  }
  EXPECT_EQ(ReadBytes(Bin() / "Websites.txt"), file);
  LoadList();
  EXPECT_EQ(Entries(), (Texts{L"a <Address>http://a/", L"b <Address>http://b/"}));
  SaveList();
  EXPECT_EQ(ReadBytes(Bin() / "Websites.txt"), "a <Address>http://a/<Split>b <Address>http://b/<Split>\r\n");

  // Free again by the save: the additions join the file's entries there and then.
  {
    const UniqueKernelHandle held = HeldOpen(Bin() / "Websites.txt");
    LoadList();
    AddEntry(L"c <Address>http://c/");
  }
  SaveList();
  EXPECT_EQ(ReadBytes(Bin() / "Websites.txt"),
            "a <Address>http://a/<Split>b <Address>http://b/<Split>c <Address>http://c/<Split>\r\n");
}
#endif

TEST_F(FavoriteFiles, AHundredThousandEntriesLoadWhole) {
  std::string file;
  for (int i = 0; i < 100000; ++i) {
    const std::string n = std::to_string(i);
    file.append("t").append(n).append(" <Address>http://h/").append(n).append("<Split>");
  }
  PutWebsites(file + "\r\n");
  LoadList();
  EXPECT_EQ(int32_t(Titles().size()), 100000);
  EXPECT_EQ(int32_t(Entries().size()), 100000);
  SaveList();
  // Sorted on the way in, so compare as sets of entries by reloading.
  LoadList();
  EXPECT_EQ(int32_t(Entries().size()), 100000);
}

}  // namespace
}  // namespace oravin
