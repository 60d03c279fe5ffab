#ifdef _WIN32
#include <windows.h>
#endif

#include <gtest/gtest.h>

#include "controls/listboxex/list_model.h"
#include "data/entry.h"
#include "data/mdlGlobal.h"
#include "runtime/app.h"
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

Texts ItemsOf(const ItemList& list) {
  Texts texts;
  for (int32_t i = 0; i < list.ListCount(); ++i) texts.push_back(list.ListItems(i));
  return texts;
}

class FavoriteFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    App().Path = dir.wpath();
    CurrentMode = kModeWebsites;
    // As the main window has them: the entries sorted, each title at its entry's place.
    address.SetSortOrder(ListModel::kAscending);
  }
  std::filesystem::path Bin() const { return dir.path() / "Bin"; }
  void PutWebsites(const std::string& bytes) {
    std::filesystem::create_directories(Bin());
    WriteBytes(Bin() / "Websites.txt", bytes);
  }

  testing::WithLatin1CodePage codePage;
  testing::CapturedMessageBoxes boxes;
  testing::ScratchDir dir;
  ListModel titles, address;
  FavoriteLists lists{titles, address};
};

TEST_F(FavoriteFiles, LoadingPairsSortedTitlesWithTheirWholeEntries) {
  PutWebsites("b <Address>http://b/<Split>A <Address>http://a/<Split>c <Address>C:\\c<Split>\r\n");
  LoadList(lists);
  EXPECT_EQ(ItemsOf(titles), (Texts{L"A", L"b", L"c"}));
  EXPECT_EQ(ItemsOf(address), (Texts{L"A <Address>http://a/", L"b <Address>http://b/", L"c <Address>C:\\c"}));
  EXPECT_TRUE(boxes.calls.empty());
}

// Titles that compare equal stand opposite their own whole texts, however
// they came: added one by one, or from a file put in another order by hand.
TEST_F(FavoriteFiles, TitlesEqualButForCaseStayOppositeTheirOwnAddresses) {
  const auto expectPaired = [&] {
    ASSERT_EQ(titles.ListCount(), address.ListCount());
    for (int32_t i = 0; i < titles.ListCount(); ++i) EXPECT_EQ(TitleOf(address.ListItems(i)), titles.ListItems(i)) << i;
  };
  AddEntry(lists, L"news <Address>http://z/");
  AddEntry(lists, L"Mail <Address>http://m/");
  AddEntry(lists, L"News <Address>http://a/");
  AddEntry(lists, L"NEWS <Address>http://q/");
  EXPECT_EQ(ItemsOf(titles), (Texts{L"Mail", L"News", L"NEWS", L"news"}));
  expectPaired();
  PutWebsites("news <Address>http://z/<Split>News <Address>http://a/<Split>Mail <Address>http://m/<Split>\r\n");
  LoadList(lists);
  EXPECT_EQ(ItemsOf(titles), (Texts{L"Mail", L"News", L"news"}));
  expectPaired();
}

TEST_F(FavoriteFiles, ThreeEntriesSurviveASaveAndALoadInTheirOrder) {
  const std::string file = "A <Address>http://a/<Split>b <Address>http://b/<Split>c <Address>http://c/<Split>\r\n";
  PutWebsites(file);
  LoadList(lists);
  SaveList(lists);
  EXPECT_EQ(titles.ListCount(), 0);
  EXPECT_EQ(address.ListCount(), 0);
  EXPECT_EQ(ReadBytes(Bin() / "Websites.txt"), file);
  LoadList(lists);
  EXPECT_EQ(ItemsOf(titles), (Texts{L"A", L"b", L"c"}));
}

TEST_F(FavoriteFiles, AnEmptyListIsAnEmptyLine) {
  std::filesystem::create_directories(Bin());
  SaveList(lists);
  EXPECT_EQ(ReadBytes(Bin() / "Websites.txt"), "\r\n");
  LoadList(lists);
  EXPECT_EQ(titles.ListCount(), 0);
  EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(FavoriteFiles, TheLastEntryOfAFileWrittenByHandNeedsNoSeparator) {
  PutWebsites("a <Address>1<Split>b <Address>2\r\n");
  LoadList(lists);
  EXPECT_EQ(ItemsOf(address), (Texts{L"a <Address>1", L"b <Address>2"}));
  SaveList(lists);
  EXPECT_EQ(ReadBytes(Bin() / "Websites.txt"), "a <Address>1<Split>b <Address>2<Split>\r\n");
  // Only line ends after the last separator are no entry (a lone LF is one too).
  PutWebsites("a <Address>1<Split>\n\r\n");
  LoadList(lists);
  EXPECT_EQ(ItemsOf(address), (Texts{L"a <Address>1"}));
  EXPECT_TRUE(boxes.calls.empty());
}

// A list is told from no list by all it holds: a long first entry (a
// tracking link, a data: address) makes no backup and no message.
TEST_F(FavoriteFiles, OnlyAFileThatIsNoListIsKeptBeforeASaveReplacesIt) {
  const std::string longEntry = "z <Address>http://z/?" + std::string(6000, 'q');
  PutWebsites(longEntry + "<Split>a <Address>http://a/<Split>\r\n");
  LoadList(lists);
  SaveList(lists);
  EXPECT_EQ(ReadBytes(Bin() / "Websites.txt"), "a <Address>http://a/<Split>" + longEntry + "<Split>\r\n");
  EXPECT_FALSE(std::filesystem::exists(Bin() / "Websites.txt.bak"));
  EXPECT_TRUE(boxes.calls.empty());

  std::string junk(4096, '\0');
  for (size_t i = 0; i < junk.size(); ++i) junk[i] = char(i * 37 % 256);
  PutWebsites(junk);
  LoadList(lists);
  SaveList(lists);
  EXPECT_EQ(ReadBytes(Bin() / "Websites.txt.bak"), junk);
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].title, L"提示");
}

TEST_F(FavoriteFiles, AFileBrokenOverSeveralLinesReadsAsOneLine) {
  PutWebsites("a <Address>ht\r\ntp://a/<Sp\rlit>b <Address>2<Split>\r\n");
  LoadList(lists);
  EXPECT_EQ(ItemsOf(address), (Texts{L"a <Address>http://a/", L"b <Address>2"}));
}

TEST_F(FavoriteFiles, ATitleHoldingTheMarkerShowsOnlyUpToIt) {
  PutWebsites("x <Address>y <Address>http://z/<Split>");
  LoadList(lists);
  EXPECT_EQ(ItemsOf(titles), (Texts{L"x"}));
  EXPECT_EQ(ItemsOf(address), (Texts{L"x <Address>y <Address>http://z/"}));
}

TEST_F(FavoriteFiles, ThePiecesWithoutAMarkerAreKeptWhole) {
  PutWebsites("damaged<Split>");
  LoadList(lists);
  EXPECT_EQ(ItemsOf(titles), (Texts{L"damaged"}));
  EXPECT_EQ(ItemsOf(address), (Texts{L"damaged"}));
}

TEST_F(FavoriteFiles, TheSearchModeNeitherReadsNorWritesButEmptiesBothLists) {
  titles.AddItem(L"t");
  address.AddItem(L"t <Address>u");
  CurrentMode = kModeSearch;
  SaveList(lists);
  EXPECT_EQ(titles.ListCount() + address.ListCount(), 0);
  EXPECT_FALSE(std::filesystem::exists(Bin()));
  titles.AddItem(L"t");
  LoadList(lists);
  EXPECT_EQ(titles.ListCount(), 0);
  CurrentMode = 7;  // only a damaged settings file gives one
  LoadList(lists);
  SaveList(lists);
  EXPECT_FALSE(std::filesystem::exists(Bin()));
  EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(FavoriteFiles, FoldersHaveAFileOfTheirOwn) {
  CurrentMode = kModeFolders;
  titles.AddItem(L"资料");
  address.AddItem(L"docs <Address>C:\\docs");
  SaveList(lists);
  EXPECT_EQ(ReadBytes(Bin() / "FolderList.txt"), "docs <Address>C:\\docs<Split>\r\n");
  EXPECT_FALSE(std::filesystem::exists(Bin() / "Websites.txt"));
}

TEST_F(FavoriteFiles, AMissingFileIsToldOnceAndTheNextSaveCreatesItAndItsFolder) {
  LoadList(lists);
  EXPECT_EQ(titles.ListCount(), 0);
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].title, L"Error");
  titles.AddItem(L"a");
  address.AddItem(L"a <Address>http://a/");
  SaveList(lists);
  EXPECT_EQ(ReadBytes(Bin() / "Websites.txt"), "a <Address>http://a/<Split>\r\n");
  EXPECT_EQ(boxes.calls.size(), 1u);
}

TEST_F(FavoriteFiles, AListThatCouldNotBeSavedComesBackWithItsChangesAndIsSavedLater) {
  PutWebsites("a <Address>http://a/<Split>\r\n");
  LoadList(lists);
  AddEntry(lists, L"b <Address>http://b/");
  // The file cannot be replaced while a folder stands where its new copy goes.
  const std::filesystem::path blocker = Bin() / "Websites.txt.saving";
  std::filesystem::create_directory(blocker);
  SaveList(lists);
  EXPECT_EQ(titles.ListCount(), 0);
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].title, L"Error");
  EXPECT_EQ(ReadBytes(Bin() / "Websites.txt"), "a <Address>http://a/<Split>\r\n");
  LoadList(lists);
  EXPECT_EQ(ItemsOf(titles), (Texts{L"a", L"b"}));
  std::filesystem::remove(blocker);
  SaveList(lists);
  EXPECT_EQ(ReadBytes(Bin() / "Websites.txt"), "a <Address>http://a/<Split>b <Address>http://b/<Split>\r\n");
  // Once saved, the file is what loads again.
  PutWebsites("c <Address>http://c/<Split>\r\n");
  LoadList(lists);
  EXPECT_EQ(ItemsOf(titles), Texts{L"c"});
  EXPECT_EQ(boxes.calls.size(), 1u);
}

TEST_F(FavoriteFiles, AtShutDownAListThatStillCannotBeWrittenIsKeptBesideItsFile) {
  PutWebsites("a <Address>http://a/<Split>b <Address>http://b/<Split>\r\n");
  LoadList(lists);
  RemoveEntry(lists, 0);
  AddEntry(lists, L"\u00e9t\u00e9 <Address>http://c/");
  std::filesystem::create_directory(Bin() / "Websites.txt.saving");  // no new copy can be made
  SaveList(lists);
  ASSERT_EQ(boxes.calls.size(), 1u);
  CurrentMode = kModeFolders;
  SaveListsAtExit(lists);
  EXPECT_EQ(ReadBytes(Bin() / "Websites.txt"), "a <Address>http://a/<Split>b <Address>http://b/<Split>\r\n");
  EXPECT_EQ(ReadBytes(Bin() / "Websites.unsaved.txt"),
            "\xEF\xBB\xBF" "b <Address>http://b/<Split>\xC3\xA9t\xC3\xA9 <Address>http://c/<Split>\r\n");
  ASSERT_EQ(boxes.calls.size(), 3u);  // the save failed twice, then where the list went
  EXPECT_EQ(boxes.calls[2].title, L"抱歉");
  EXPECT_NE(boxes.calls[2].text.find((Bin() / "Websites.unsaved.txt").wstring()), std::wstring::npos);
  // Another shut-down that fails puts its list after the first one's.
  CurrentMode = kModeWebsites;
  LoadList(lists);
  AddEntry(lists, L"d <Address>http://d/");
  SaveListsAtExit(lists);
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
    LoadList(lists);
  }
  EXPECT_EQ(address.ListCount(), 0);
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].title, L"Error");
  SaveList(lists);
  EXPECT_EQ(ReadBytes(Bin() / "Websites.txt"), file);

  // Entries added meanwhile wait, and come back with the list, until the file can be read.
  {
    const UniqueKernelHandle held = HeldOpen(Bin() / "Websites.txt");
    LoadList(lists);
    AddEntry(lists, L"b <Address>http://b/");
    SaveList(lists);
    LoadList(lists);
    EXPECT_EQ(ItemsOf(address), Texts{L"b <Address>http://b/"});
    SaveList(lists);
  }
  EXPECT_EQ(ReadBytes(Bin() / "Websites.txt"), file);
  LoadList(lists);
  EXPECT_EQ(ItemsOf(address), (Texts{L"a <Address>http://a/", L"b <Address>http://b/"}));
  SaveList(lists);
  EXPECT_EQ(ReadBytes(Bin() / "Websites.txt"), "a <Address>http://a/<Split>b <Address>http://b/<Split>\r\n");

  // Free again by the save: the additions join the file's entries there and then.
  {
    const UniqueKernelHandle held = HeldOpen(Bin() / "Websites.txt");
    LoadList(lists);
    AddEntry(lists, L"c <Address>http://c/");
  }
  SaveList(lists);
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
  LoadList(lists);
  EXPECT_EQ(titles.ListCount(), 100000);
  EXPECT_EQ(address.ListCount(), 100000);
  SaveList(lists);
  // Sorted on the way in, so compare as sets of entries by reloading.
  LoadList(lists);
  EXPECT_EQ(address.ListCount(), 100000);
}

}  // namespace
}  // namespace oravin
