#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/browser_bookmarks.h"

namespace oravin {
namespace {

using Links = std::vector<std::wstring>;  // "title address"

// As Chrome writes it: a checksum, the three roots, folders within folders.
const std::string kDefaultProfile = R"json({"checksum": "0d5a1b2c", "roots": {
  "bookmark_bar": {"children": [
    {"date_added": "13345678901234567", "guid": "a1", "id": "5", "name": "百度一下", "type": "url",
     "url": "https://www.baidu.com/"},
    {"children": [
       {"children": [{"id": "8", "name": "Ünïcødé 𠀋 站", "type": "url", "url": "https://example.org/ü",
                      "meta_info": {"name": "not a title"}}], "id": "7", "name": "深处", "type": "folder"},
       {"id": "9", "name": "Bookmarklet", "type": "url", "url": "javascript:alert(1)"}],
     "id": "6", "name": "工作", "type": "folder"}],
    "id": "1", "name": "书签栏", "type": "folder"},
  "other": {"children": [{"id": "10", "name": "Bilibili", "type": "url", "url": "https://www.bilibili.com/"}],
            "id": "2", "name": "其他书签", "type": "folder"},
  "synced": {"children": [], "id": "3", "name": "移动设备书签", "type": "folder"}},
 "version": 1})json";

// A profile signed in to an account: what the account keeps, in a file beside.
const std::string kAccountBookmarks = R"({"checksum":"x","roots":{"bookmark_bar":{"children":[
  {"id":"2","name":"哔哩哔哩","type":"url","url":"https://www.bilibili.com"},
  {"id":"3","name":"Mail","type":"url","url":"https://mail.example.com/"}],"id":"1","name":"","type":"folder"},
  "other":{"children":[],"type":"folder"},"synced":{"children":[],"type":"folder"}},"version":1})";

Links LinksOf(const std::vector<Favorite>& favorites) {
  Links links;
  for (const Favorite& f : favorites) links.push_back(f.title + L" " + f.address);
  return links;
}

TEST(ChromiumBookmarksTest, ReadsEveryLinkInOrderFoldersFlattened) {
  const auto links = ParseChromiumBookmarks(kDefaultProfile);
  ASSERT_TRUE(links);
  EXPECT_EQ(LinksOf(*links), (Links{L"百度一下 https://www.baidu.com/", L"Ünïcødé 𠀋 站 https://example.org/ü",
                                    L"Bookmarklet javascript:alert(1)", L"Bilibili https://www.bilibili.com/"}));
}

TEST(ChromiumBookmarksTest, RefusesWhatIsNoBookmarksFile) {
  const std::string cases[] = {
      "",                                                    // being replaced: nothing written yet
      kDefaultProfile.substr(0, kDefaultProfile.size() / 2),  // cut short
      "\x01\x02v10\x93\xA7\xFF encrypted",
      "[1, 2, 3]",
      R"({"version": 1})",
      R"({"roots": {}, "version": 2})",  // a later format
      R"({"roots": {}, "version": "1"})",
  };
  for (const std::string& bytes : cases) EXPECT_FALSE(ParseChromiumBookmarks(bytes)) << bytes;
  EXPECT_TRUE(ParseChromiumBookmarks(R"({"roots": {"other": {"type": "folder", "children": [7, null]}}})"));
}

TEST(ChromiumBookmarksTest, MergedOnceEachListsFirstOnlyWebAddresses) {
  const std::vector<std::vector<Favorite>> lists = {{{L"Baidu", L"HTTPS://WWW.BAIDU.COM"}}, {{L"D", L"D:\\"}}};
  const ProfileBookmarks files[] = {{0, *ParseChromiumBookmarks(kDefaultProfile)},
                                    {0, *ParseChromiumBookmarks(kAccountBookmarks)},
                                    {1, {{L"Mail in Edge", L"https://mail.example.com"}, {L"Edge only", L"edge.example"}}}};
  const BrowserBookmarks merged = MergeBookmarks(files);
  const std::vector<bool> listed = ListedBookmarks(merged, lists);
  std::vector<Favorite> shown;
  std::vector<uint8_t> browsers;
  for (size_t i = 0; i < merged.favorites.size(); ++i) {
    if (listed.at(i)) continue;
    shown.push_back(merged.favorites[i]);
    browsers.push_back(merged.browsers[i]);
  }
  EXPECT_EQ(LinksOf(shown), (Links{L"Ünïcødé 𠀋 站 https://example.org/ü", L"Bilibili https://www.bilibili.com/",
                                   L"Mail https://mail.example.com/", L"Edge only edge.example"}));
  EXPECT_EQ(browsers, (std::vector<uint8_t>{0, 0, 0, 1}));
}

// Past what a few bookmarks fill: every address once, whatever its letter case
// and trailing separator, and those the lists hold marked.
TEST(ChromiumBookmarksTest, ManyBookmarksEachOnceThoseListedMarked) {
  ProfileBookmarks file{0, {}};
  for (int i = 0; i < 3000; ++i) {
    const std::wstring n = std::to_wstring(i % 1000);
    file.bookmarks.push_back({L"B", i / 1000 == 1 ? L"HTTPS://SITE" + n + L".EXAMPLE" : L"https://site" + n + L".example/"});
  }
  const std::vector<std::vector<Favorite>> lists = {
      {{L"L", L"https://site7.example"}, {L"L", L"https://site999.example/"}}};
  const BrowserBookmarks merged = MergeBookmarks({&file, 1});
  ASSERT_EQ(merged.favorites.size(), 1000u);
  const std::vector<bool> listed = ListedBookmarks(merged, lists);
  for (size_t i = 0; i < merged.favorites.size(); ++i) EXPECT_EQ(listed[i], i == 7 || i == 999) << i;
}

}  // namespace
}  // namespace oravin
