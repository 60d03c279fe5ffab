// The store of favorites: each list held from its first load on, read again
// only when another program changed its file, written only when that changes it.
#include <gtest/gtest.h>

#include "data/favorites.h"
#include "testing/latin1_codec.h"
#include "testing/scratch_dir.h"

namespace oravin {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;
using Texts = std::vector<std::wstring>;

class FavoritesStore : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir.path() / "Bin");
  }
  std::filesystem::path File(ListKind list) const { return store.FileOf(list); }
  // A page switch as the main window makes it: the list left is saved, the next loaded.
  void Show(Assistant assistant) {
    if (const auto left = store.CurrentList()) store.SaveList(*left, notices);
    store.SetCurrent(assistant);
    if (const auto list = store.CurrentList()) store.LoadList(*list, notices);
  }

  testing::Latin1Codec codePage;
  testing::ScratchDir dir;
  Favorites store{dir.wpath(L"Bin"), codePage};
  Notices notices;
};

TEST_F(FavoritesStore, AListEditedSwitchedAwayAndBackAndClosedIsInItsFile) {
  WriteBytes(File(ListKind::Websites), "b <Address>http://b/<Split>\r\n");
  WriteBytes(File(ListKind::Folders), "d <Address>C:\\d<Split>\r\n");
  Show(Assistant::Websites);
  store.AddEntry(ListKind::Websites, L"a <Address>http://a/");
  Show(Assistant::Folders);
  EXPECT_EQ(ReadBytes(File(ListKind::Websites)), "a <Address>http://a/<Split>b <Address>http://b/<Split>\r\n");
  store.RemoveEntry(ListKind::Folders, 0);
  Show(Assistant::Websites);
  EXPECT_EQ(ReadBytes(File(ListKind::Folders)), "\r\n");
  store.RemoveEntry(ListKind::Websites, 1);
  store.SaveListsAtExit(notices);
  EXPECT_EQ(ReadBytes(File(ListKind::Websites)), "a <Address>http://a/<Split>\r\n");
  EXPECT_EQ(store.Entries(ListKind::Websites), Texts{L"a <Address>http://a/"});
  EXPECT_TRUE(notices.empty());
}

// Read ahead while the window opens: taken as a read then would be, unless
// the file changed since, and the titles come with it; a list not read ahead
// is read as ever.
TEST_F(FavoritesStore, AListReadAheadIsTakenOnlyWhileItsFileHoldsWhatWasRead) {
  const std::string unsorted = "z <Address>http://z/<Split>y <Address>http://y/<Split>\r\n";
  for (const bool changedMeanwhile : {false, true}) {
    WriteBytes(File(ListKind::Websites), unsorted);
    WriteBytes(File(ListKind::Folders), "d <Address>C:\\d<Split>\r\n");
    Favorites ahead(dir.wpath(L"Bin"), codePage);
    ahead.ReadAhead(ListKind::Websites);
    if (changedMeanwhile) WriteBytes(File(ListKind::Websites), "x <Address>http://x/<Split>\r\n");
    ahead.LoadList(ListKind::Websites, notices);
    ahead.ReadQuietly(ListKind::Folders);
    EXPECT_EQ(ahead.Titles(ListKind::Websites), changedMeanwhile ? Texts{L"x"} : (Texts{L"y", L"z"}));
    EXPECT_EQ(ahead.Titles(ListKind::Folders), Texts{L"d"});
    // Out of order in the file, so the save writes it sorted.
    EXPECT_EQ(ahead.SaveList(ListKind::Websites, notices), true);
    EXPECT_EQ(ReadBytes(File(ListKind::Websites)), changedMeanwhile ? "x <Address>http://x/<Split>\r\n"
                                                                     : "y <Address>http://y/<Split>z <Address>http://z/<Split>\r\n");
  }
  EXPECT_TRUE(notices.empty());
}

TEST_F(FavoritesStore, AFileChangedByAnotherProgramWhileItsListIsNotShownIsShownAnew) {
  WriteBytes(File(ListKind::Websites), "a <Address>http://a/<Split>\r\n");
  Show(Assistant::Websites);
  Show(Assistant::Search);
  WriteBytes(File(ListKind::Websites), "z <Address>http://z/<Split>y <Address>http://y/<Split>\r\n");
  const uint64_t before = store.Revision(ListKind::Websites);
  Show(Assistant::Websites);
  EXPECT_EQ(store.Entries(ListKind::Websites), (Texts{L"y <Address>http://y/", L"z <Address>http://z/"}));
  EXPECT_GT(store.Revision(ListKind::Websites), before);
  EXPECT_TRUE(notices.empty());
}

// Another program (a sync client bringing another PC's version) changed the
// file while the list had unsaved changes here: the save keeps both sides'.
struct OutsideChange {
  const char* name;
  std::string changedTo;  // empty: the file was removed meanwhile
  std::string saved;
  size_t notices;
};
const OutsideChange kOutsideChanges[] = {
    {"an entry added there", "a <Address>http://a/<Split>c <Address>http://c/<Split>d <Address>http://d/<Split>\r\n",
     "a <Address>http://a/<Split>b <Address>http://b/<Split>d <Address>http://d/<Split>", 0},
    {"an entry deleted there", "c <Address>http://c/<Split>\r\n",
     "b <Address>http://b/<Split>", 0},
    {"the entry deleted here edited there: both versions", "a <Address>http://a/<Split>c <Address>http://c2/<Split>\r\n",
     "a <Address>http://a/<Split>b <Address>http://b/<Split>c <Address>http://c2/<Split>", 0},
    {"the file removed meanwhile: the list here is written", "",
     "a <Address>http://a/<Split>b <Address>http://b/<Split>", 0},
    {"an entry edited differently on both sides: both kept, told once",
     "a <Address>http://a2/<Split>c <Address>http://c/<Split>\r\n",
     "A <Address>http://a/<Split>a <Address>http://a2/<Split>b <Address>http://b/<Split>", 1},
};

TEST_F(FavoritesStore, ChangesMadeOnDiskMeanwhileAreMergedAtTheSave) {
  for (const OutsideChange& test : kOutsideChanges) {
    SCOPED_TRACE(test.name);
    Favorites store(dir.wpath(L"Bin"), codePage);
    notices.clear();
    WriteBytes(File(ListKind::Websites), "a <Address>http://a/<Split>c <Address>http://c/<Split>\r\n");
    store.SetCurrent(Assistant::Websites);
    store.LoadList(ListKind::Websites, notices);
    store.AddEntry(ListKind::Websites, L"b <Address>http://b/");
    store.RemoveEntry(ListKind::Websites, 2);  // c
    if (std::string(test.name).find("differently") != std::string::npos) {
      store.RemoveEntry(ListKind::Websites, 0);  // a, retitled here
      store.AddEntry(ListKind::Websites, L"A <Address>http://a/");
    }
    if (test.changedTo.empty()) std::filesystem::remove(File(ListKind::Websites));
    else WriteBytes(File(ListKind::Websites), test.changedTo);
    EXPECT_TRUE(store.SaveList(ListKind::Websites, notices));
    std::string saved = ReadBytes(File(ListKind::Websites));
    EXPECT_EQ(saved.substr(0, saved.find_last_not_of("\r\n") + 1), test.saved);
    EXPECT_EQ(notices.size(), test.notices);
  }
}

// A change on disk reaches the list shown when it is loaded again, without waiting for the save.
TEST_F(FavoritesStore, AReloadMergesAChangeOnDiskWithTheUnsavedOnesHere) {
  WriteBytes(File(ListKind::Websites), "a <Address>http://a/<Split>\r\n");
  store.SetCurrent(Assistant::Websites);
  store.LoadList(ListKind::Websites, notices);
  store.AddEntry(ListKind::Websites, L"b <Address>http://b/");
  WriteBytes(File(ListKind::Websites), "a <Address>http://a/<Split>z <Address>http://z/<Split>\r\n");
  store.LoadList(ListKind::Websites, notices);
  EXPECT_EQ(store.Entries(ListKind::Websites),
            (Texts{L"a <Address>http://a/", L"b <Address>http://b/", L"z <Address>http://z/"}));
  EXPECT_TRUE(notices.empty());
}

// Switching back and forth neither reads nor writes what is known already:
// the file keeps its date, and the list its revision.
// Both lists at once (the current one with its unsaved changes, the other as
// its file holds it), and a revision that moves with every change.
TEST_F(FavoritesStore, BothListsCanBeReadAtOnceAndEveryChangeMovesTheRevision) {
  WriteBytes(File(ListKind::Folders), "d <Address>C:\\d<Split>\r\n");
  store.SetCurrent(Assistant::Websites);
  store.AddEntry(ListKind::Websites, L"w <Address>http://w/");
  store.LoadList(ListKind::Folders, notices);
  EXPECT_EQ(store.Entries(ListKind::Websites), Texts{L"w <Address>http://w/"});
  EXPECT_EQ(store.Entries(ListKind::Folders), Texts{L"d <Address>C:\\d"});
  uint64_t revision = store.Revision(ListKind::Websites);
  const auto moved = [&] {
    const uint64_t now = store.Revision(ListKind::Websites);
    return std::exchange(revision, now) != now;
  };
  EXPECT_EQ(store.AddEntry(ListKind::Websites, L"a <Address>http://a/"), 0);
  EXPECT_TRUE(moved());
  store.RemoveEntry(ListKind::Websites, 0);
  EXPECT_TRUE(moved());
  EXPECT_EQ(store.FindEntry(ListKind::Websites, L"w <Address>http://w/", 5), 0);
  EXPECT_FALSE(moved());
}

TEST_F(FavoritesStore, EntriesOfAListAddedBeforeItsFileIsReadJoinTheFilesOwn) {
  WriteBytes(File(ListKind::Folders), "d <Address>C:\\d<Split>\r\n");
  std::vector<ListEdit> edits;
  store.OnEdit([&](ListKind list, const ListEdit& edit) {
    EXPECT_EQ(list, ListKind::Folders);
    edits.push_back(edit);
  });
  store.AddEntry(ListKind::Folders, L"e <Address>C:\\e");
  store.AddEntry(ListKind::Folders, L"c <Address>C:\\c");
  store.RemoveEntry(ListKind::Folders, 1);
  ASSERT_EQ(edits.size(), 3u);
  EXPECT_TRUE(edits[1].added && edits[1].index == 0);
  EXPECT_TRUE(!edits[2].added && edits[2].index == 1);
  store.LoadList(ListKind::Folders, notices);
  EXPECT_EQ(store.Entries(ListKind::Folders), (Texts{L"c <Address>C:\\c", L"d <Address>C:\\d"}));
}

// Read ahead while the program is idle, a list keeps only what reads cleanly:
// the user hears of a missing file when the list is shown, as ever.
TEST_F(FavoritesStore, AQuietReadKeepsOnlyACleanReadAndTellsNothing) {
  WriteBytes(File(ListKind::Websites), "a <Address>http://a/<Split>\r\n");
  for (const ListKind list : kListKinds) store.ReadQuietly(list);
  EXPECT_EQ(store.Entries(ListKind::Websites), Texts{L"a <Address>http://a/"});
  EXPECT_TRUE(store.Entries(ListKind::Folders).empty());
  store.LoadList(ListKind::Folders, notices);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].text, L"Error 53\r\n文件未找到");
  const uint64_t revision = store.Revision(ListKind::Websites);
  store.LoadList(ListKind::Websites, notices);
  EXPECT_EQ(store.Revision(ListKind::Websites), revision);  // not read again
  EXPECT_EQ(notices.size(), 1u);
  // The list on screen is never read behind the user's back.
  store.SetCurrent(Assistant::Websites);
  WriteBytes(File(ListKind::Websites), "z <Address>http://z/<Split>\r\n");
  store.ReadQuietly(ListKind::Websites);
  EXPECT_EQ(store.Entries(ListKind::Websites), Texts{L"a <Address>http://a/"});
}

TEST_F(FavoritesStore, EntryProblemRefusesWhatTheListFileCouldNotGiveBack) {
  const auto problem = [&](std::wstring_view title, std::wstring_view address) {
    return store.EntryProblem(ListKind::Websites, title, address).has_value();
  };
  EXPECT_FALSE(problem(L"News", L"http://www.example.com/"));
  EXPECT_FALSE(problem(L"", L""));
  EXPECT_FALSE(problem(L"a<Address>b", L"x"));  // the marker begins with a blank
  EXPECT_TRUE(problem(L"a <Address>b", L"x"));
  EXPECT_TRUE(problem(L"a<Split>b", L"x"));
  EXPECT_TRUE(problem(L"a", L"x<Split>y"));
  // A second marker would end the address when the list is read again.
  EXPECT_EQ(store.EntryProblem(ListKind::Websites, L"a", L"http://x/ <Address>y"),
            store.EntryProblem(ListKind::Websites, L"a <Address>b", L"x"));
  EXPECT_TRUE(problem(L"a\rb", L"x"));  // a CR is a line end to the file
  EXPECT_TRUE(problem(L"a", L"http://x/\r\n"));
  EXPECT_FALSE(problem(L"a\nb", L"x"));  // a line feed alone is not
  EXPECT_TRUE(problem(L"\u0915", L"x"));
  EXPECT_TRUE(problem(L"a", L"\u20AC"));
}

TEST_F(FavoritesStore, AListReadAsUtf8OrUtf16TakesAnyText) {
  WriteBytes(File(ListKind::Websites), "caf\xC3\xA9 <Address>http://a/<Split>");  // UTF-8, as Notepad saves
  WriteBytes(File(ListKind::Folders), "caf\xE9 <Address>C:\\a<Split>");           // the code page
  for (const ListKind list : kListKinds) store.LoadList(list, notices);
  EXPECT_FALSE(store.EntryProblem(ListKind::Websites, L"\u0915 \U0001F600", L"http://\u20AC/"));
  EXPECT_TRUE(store.EntryProblem(ListKind::Folders, L"\u0915", L"C:\\a"));
}

// Another PC's version, kept by a sync client beside the list: what it adds
// is taken once, nothing it lacks is deleted, and the copy is put aside.
TEST_F(FavoritesStore, AConflictCopyAddsItsEntriesOnceAndIsPutAside) {
  WriteBytes(File(ListKind::Websites), "a <Address>http://a/<Split>b <Address>http://b/<Split>\r\n");
  WriteBytes(dir.path() / "Bin" / "Websites-PC2.txt", "b <Address>http://b/<Split>c <Address>http://c/<Split>\r\n");
  WriteBytes(dir.path() / "Bin" / "Websites-PC3.txt", "not a list");
  store.MergeConflictCopies(notices);
  EXPECT_EQ(ReadBytes(File(ListKind::Websites)),
            "a <Address>http://a/<Split>b <Address>http://b/<Split>c <Address>http://c/<Split>\r\n");
  EXPECT_EQ(ReadBytes(dir.path() / "Bin" / "merged" / "Websites-PC2.txt"),
            "b <Address>http://b/<Split>c <Address>http://c/<Split>\r\n");
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "Bin" / "Websites-PC2.txt"));
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "Bin" / "Websites-PC3.txt"));
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_NE(notices[0].text.find(L"Websites-PC2.txt"), std::wstring::npos);
  store.MergeConflictCopies(notices);
  EXPECT_EQ(notices.size(), 1u);
}

// Another folder chosen: the lists move there, or join the lists there (a
// second PC). The files left behind go only once the choice is kept; a move
// that fails leaves the lists where they were and says why.
TEST_F(FavoritesStore, ListsMoveToAnotherFolderOrJoinItsListsAndAFailedMoveLosesNothing) {
  struct Case {
    const char* name;
    std::optional<std::string> there;  // the web list in the folder chosen
    bool choiceKept;
    std::string moved;  // empty: not moved
  };
  const Case cases[] = {
      {"moved", std::nullopt, true, "a <Address>http://a/<Split>b <Address>http://b/<Split>\r\n"},
      {"joined: the union", "b <Address>http://b/<Split>c <Address>http://c/<Split>\r\n", true,
       "a <Address>http://a/<Split>b <Address>http://b/<Split>c <Address>http://c/<Split>\r\n"},
      {"the choice not kept", std::nullopt, false, ""},
      {"another program's file in the list's place", "not a list\r\n", true, ""},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    testing::ScratchDir chosen;
    Favorites store(dir.wpath(L"Bin"), codePage);
    notices.clear();
    WriteBytes(File(ListKind::Websites), "a <Address>http://a/<Split>\r\n");
    WriteBytes(File(ListKind::Folders), "d <Address>C:\\d<Split>\r\n");
    if (test.there) WriteBytes(chosen.path() / "Websites.txt", *test.there);
    store.LoadList(ListKind::Websites, notices);
    store.AddEntry(ListKind::Websites, L"b <Address>http://b/");
    const bool moved = store.MoveTo(chosen.wpath(), [&](Notices&) {
      EXPECT_TRUE(std::filesystem::exists(File(ListKind::Websites)));
      return test.choiceKept;
    }, notices);
    EXPECT_EQ(moved, !test.moved.empty());
    EXPECT_EQ(notices.empty(), moved);
    if (!moved) {
      EXPECT_EQ(store.Folder(), dir.wpath(L"Bin"));
      EXPECT_EQ(ReadBytes(File(ListKind::Websites)), "a <Address>http://a/<Split>\r\n");
      continue;
    }
    EXPECT_EQ(ReadBytes(chosen.path() / "Websites.txt"), test.moved);
    EXPECT_EQ(ReadBytes(chosen.path() / "FolderList.txt"), "d <Address>C:\\d<Split>\r\n");
    EXPECT_TRUE(std::filesystem::is_empty(dir.path() / "Bin"));
  }
}

}  // namespace
}  // namespace oravin
