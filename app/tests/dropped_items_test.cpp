#include <gtest/gtest.h>

#include "app/add_favorites.h"
#include "app/dropped_items.h"
#include "data/entry.h"
#include "testing/captured_message_boxes.h"
#include "testing/latin1_codec.h"
#include "testing/scratch_dir.h"

namespace oravin {
namespace {

using Texts = std::vector<std::wstring>;
using testing::WriteBytes;

class DroppedFavorites : public ::testing::Test {
 protected:
  void SetUp() override {
    list = ListKind::Websites;
  }
  Texts Entries() const { return store.Entries(list); }
  void AddEntry(const std::wstring& entry) { store.AddEntry(list, entry); }
  AddedCounts AddFavorites(const std::vector<Favorite>& found) { return oravin::AddFavorites(store, list, found); }
  std::wstring Put(const char* name, const std::string& bytes) {
    WriteBytes(dir.path() / name, bytes);
    return dir.wpath(name);
  }

  testing::Latin1Codec codePage;
  testing::CapturedMessageBoxes boxes;
  testing::ScratchDir dir;
  Favorites store{dir.wpath(L"Bin"), codePage};
  ListKind list = ListKind::Websites;
};

TEST_F(DroppedFavorites, TheWebListTakesWhatTheLauncherOpensOnceEachAndCountsWhatItLeavesOut) {
  AddEntry(L"Example <Address>http://www.example.com/");
  AddEntry(L"Old <Address>www.old.example");  // typed long ago: opens as http://www.old.example
  const AddedCounts counts = AddFavorites({
                 {L"Again", L"HTTP://WWW.EXAMPLE.COM"},       // there already, but for case and the "/"
                 {L"Old", L"http://www.old.example/"},        // there already, as the launcher opens it
                 {L"Zeta", L"https://zeta.example/a b"},      // the blank encoded, as it is opened
                 {L"", L"https://u@host.example:8443/x"},     // titled by its host
                 {L"Zeta twice", L"https://zeta.example/a%20b/"},
                 {L"Script", L"javascript:alert(1)"},         // nothing the launcher would open
                 {L"Query", L"place:sort=8"},
                 {L"File", L"file:///C:/x"},
                 {L"Empty", L""},
                 {L"Cut <Split> here", L"http://m.example/"},  // the file has no escaping
                 {L"\u03A9mega", L"http://omega.example/"},    // the code page (Latin-1 here) lacks it
                 {L"Alpha", L"alpha.example"},
             });
  EXPECT_EQ(AddedSummary(counts), L"已添加 3 项, 3 项已存在, 6 项无法保存");
  EXPECT_EQ(Entries(), (Texts{L"Alpha <Address>http://alpha.example", L"Example <Address>http://www.example.com/",
                              L"host.example <Address>https://u@host.example:8443/x", L"Old <Address>www.old.example",
                              L"Zeta <Address>https://zeta.example/a%20b"}));
  EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(DroppedFavorites, DroppedFilesGiveTheFavoritesOfTheListInFrontAndNameTheFilesThatCouldNotBeRead) {
  const auto shortcut = Put("Example Site.url", "[InternetShortcut]\r\nURL=http://site.example/\r\n");
  const auto noAddress = Put("B.URL", "[InternetShortcut]\r\nIconIndex=0\r\n");
  const auto bookmarks =
      Put("bookmarks.HTML",
          "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n<DT><A HREF=\"http://a.example/\">A</A>\n"
          "<DT><H3>Folder</H3>\n<DL><p>\n<DT><A HREF=\"http://b.example/\">B</A>\n</DL><p>\n</DL><p>\n");
  const auto page = Put("page.htm", "<html><body><a href=\"http://c.example/\">C</a></body></html>");
  const auto notes = Put("notes.txt", "http://d.example/");
  const std::wstring sub = dir.wpath("Sub");
  std::filesystem::create_directory(sub);
  const std::wstring missing = dir.wpath("gone.html");
  const std::vector<std::wstring> all{shortcut, noAddress, bookmarks, page, notes, sub, missing};
  const auto labels = [](const std::wstring&) { return std::wstring(L"System"); };

  EXPECT_EQ(KindOfDrop(ListKind::Websites, {.files = all}), DropKind::Files);
  FilesFavorites web = FavoritesFromFiles(codePage, ListKind::Websites, all, labels);
  ASSERT_EQ(web.favorites.size(), 3u);
  EXPECT_EQ(web.favorites[0].title, L"Example Site");
  EXPECT_EQ(web.favorites[0].address, L"http://site.example/");
  EXPECT_EQ(web.favorites[2].title, L"B");
  EXPECT_EQ(web.refused, 3);  // the shortcut without an address, the notes and the folder
  ASSERT_EQ(web.problems.size(), 2u);
  EXPECT_EQ(web.problems[0], L"书签文件 \"page.htm\" 没有添加: 这不是浏览器导出的书签文件.");
  EXPECT_TRUE(web.problems[1].starts_with(L"书签文件 \"gone.html\" 没有添加: ")) << web.problems[1];

  // The folder list takes folders, a drive (the root here) by its label.
  EXPECT_EQ(KindOfDrop(ListKind::Folders, {.files = all}), DropKind::Files);
  EXPECT_EQ(KindOfDrop(ListKind::Folders, {.files = {shortcut, notes}}), DropKind::None);
  const FilesFavorites folders = FavoritesFromFiles(codePage, ListKind::Folders, {sub, notes, L"/"}, labels);
  ASSERT_EQ(folders.favorites.size(), 2u);
  EXPECT_EQ(folders.favorites[0].title, L"Sub");
  EXPECT_EQ(folders.favorites[0].address, sub);
  EXPECT_EQ(folders.favorites[1].title, L"System");
  EXPECT_EQ(folders.refused, 1);
  list = ListKind::Folders;
  AddEntry(L"Sub <Address>" + sub + L"/");
  EXPECT_EQ(AddedSummary(AddFavorites(folders.favorites)), L"已添加 1 项, 1 项已存在, 0 项无法保存");

  // Nothing fits the other pages, and a list takes only its own kind.
  EXPECT_EQ(KindOfDrop(std::nullopt, {.files = all, .url = L"http://a.example/"}), DropKind::None);
  EXPECT_EQ(KindOfDrop(ListKind::Websites, {.files = {sub, notes}}), DropKind::None);
  EXPECT_EQ(KindOfDrop(ListKind::Folders, {.url = L"http://a.example/"}), DropKind::None);
}

TEST(DroppedLink, IsAWebAddressFromABrowserOrOneAddressAsTextTitledByItsDescriptionOrHost) {
  const auto link = [](const DroppedItems& items) {
    const auto found = DroppedLink(items);
    EXPECT_EQ(KindOfDrop(ListKind::Websites, items), found ? DropKind::Link : DropKind::None);
    return found ? found->title + L" | " + found->address : L"none";
  };
  EXPECT_EQ(link({.url = L"https://zh.wikipedia.org/wiki/A", .description = L" 维基百科 "}),
            L"维基百科 | https://zh.wikipedia.org/wiki/A");
  EXPECT_EQ(link({.url = L"https://user@www.example.com:8080/p?q#f"}),
            L"www.example.com | https://user@www.example.com:8080/p?q#f");
  EXPECT_EQ(link({.url = L"http://[::1]:8080/"}), L"[::1] | http://[::1]:8080/");
  EXPECT_EQ(link({.text = L"  example.com/a\r\n"}), L"example.com | http://example.com/a");
  EXPECT_EQ(link({.text = L"ftp://files.example/"}), L"files.example | ftp://files.example/");
  // A link the launcher would not open, prose, and a word that is no address.
  EXPECT_EQ(link({.url = L"javascript:alert(1)", .text = L"http://a.example/"}), L"none");
  EXPECT_EQ(link({.text = L"see example.com for more"}), L"none");
  EXPECT_EQ(link({.text = L"hello"}), L"none");
  EXPECT_EQ(link({.text = L"C:\\Windows"}), L"none");
}

}  // namespace
}  // namespace oravin
