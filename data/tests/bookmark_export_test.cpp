#include "data/bookmark_export.h"

#include <gtest/gtest.h>

#include "data/bookmark_file.h"
#include "testing/latin1_codec.h"

namespace oravin {
namespace {

const std::vector<Favorite> kFavorites = {
    {L"百度", L"http://www.baidu.com/"},
    {L"Q&A <new> \"quoted\"", L"https://example.com/?a=1&b=\"2\""},
};

TEST(BookmarkExport, WritesWhatTheBrowsersExportOneLinkALine) {
  EXPECT_EQ(BookmarkFileOf(kFavorites, 1764547200),
            "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
            "<!-- This is an automatically generated file.\n"
            "     It will be read and overwritten.\n"
            "     DO NOT EDIT! -->\n"
            "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
            "<TITLE>Bookmarks</TITLE>\n"
            "<H1>Bookmarks</H1>\n"
            "<DL><p>\n"
            "    <DT><A HREF=\"http://www.baidu.com/\" ADD_DATE=\"1764547200\">\xE7\x99\xBE\xE5\xBA\xA6</A>\n"
            "    <DT><A HREF=\"https://example.com/?a=1&amp;b=&quot;2&quot;\" ADD_DATE=\"1764547200\">"
            "Q&amp;A &lt;new&gt; &quot;quoted&quot;</A>\n"
            "</DL><p>\n");
}

TEST(BookmarkExport, ReadsBackAsTheSameFavorites) {
  const testing::Latin1Codec codePage;  // the file says it is UTF-8
  const BookmarkFile read = ParseBookmarkFile(codePage, BookmarkFileOf(kFavorites, 0));
  EXPECT_TRUE(read.problem.empty());
  ASSERT_EQ(read.links.size(), kFavorites.size());
  for (size_t i = 0; i < kFavorites.size(); ++i) {
    EXPECT_EQ(read.links[i].title, kFavorites[i].title);
    EXPECT_EQ(read.links[i].address, kFavorites[i].address);
  }
}

}  // namespace
}  // namespace oravin
