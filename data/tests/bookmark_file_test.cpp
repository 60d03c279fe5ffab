#include <gtest/gtest.h>

#include <random>

#include "data/bookmark_file.h"
#include "testing/damage.h"
#include "testing/latin1_codec.h"

namespace oravin {
namespace {

using namespace std::string_literals;
using Links = std::vector<std::pair<std::wstring, std::wstring>>;

// The system code page of the files that name none.
const testing::Latin1Codec codePage;

Links LinksOf(const BookmarkFile& file) {
  Links links;
  for (const Favorite& link : file.links) links.emplace_back(link.title, link.address);
  return links;
}

const std::string kHeader =
    "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
    "<!-- This is an automatically generated file.\n"
    "     It will be read and overwritten.\n"
    "     DO NOT EDIT! -->\n"
    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n";

// As Chrome and the new Edge export them: the bar and "other" folders, icons
// as data: addresses, titles and addresses escaped. 百度一下，你就知道 in UTF-8.
const std::string kChrome = kHeader +
    "<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks</H1>\n<DL><p>\n"
    "    <DT><H3 ADD_DATE=\"1700000000\" LAST_MODIFIED=\"1700000100\" PERSONAL_TOOLBAR_FOLDER=\"true\">Bookmarks bar</H3>\n"
    "    <DL><p>\n"
    "        <DT><A HREF=\"https://www.baidu.com/\" ADD_DATE=\"1700000001\" ICON=\"data:image/png;base64,iVBORw0KGgoAAAANSUhEUgAAABAAAAAQCAYAAAAf8/9hAAAA>\">"
    "\xE7\x99\xBE\xE5\xBA\xA6\xE4\xB8\x80\xE4\xB8\x8B\xEF\xBC\x8C\xE4\xBD\xA0\xE5\xB0\xB1\xE7\x9F\xA5\xE9\x81\x93</A>\n"
    "        <DT><H3 ADD_DATE=\"1700000002\" LAST_MODIFIED=\"1700000003\">Work</H3>\n"
    "        <DL><p>\n"
    "            <DT><H3 ADD_DATE=\"1700000004\" LAST_MODIFIED=\"1700000005\">Docs &amp; notes</H3>\n"
    "            <DL><p>\n"
    "                <DT><A HREF=\"https://example.com/search?q=a&amp;b=c\" ADD_DATE=\"1700000006\">Q&amp;A &lt;docs&gt; &quot;new&quot; &#39;x&#39;</A>\n"
    "            </DL><p>\n"
    "        </DL><p>\n"
    "    </DL><p>\n"
    "    <DT><H3 ADD_DATE=\"1700000007\" LAST_MODIFIED=\"1700000008\">Other bookmarks</H3>\n"
    "    <DL><p>\n"
    "        <DT><A HREF=\"http://intranet:8080/wiki\" ADD_DATE=\"1700000009\">  Wiki\n   home  </A>\n"
    "    </DL><p>\n"
    "</DL><p>\n";

// As Firefox exports them: a second <meta> with quotes inside, place: queries,
// separators, descriptions, keywords and tags, icons by address and by data.
const std::string kFirefox = kHeader +
    "<meta http-equiv=\"Content-Security-Policy\"\n"
    "      content=\"default-src 'self'; script-src 'none'; img-src data: *; object-src 'none'\"></meta>\n"
    "<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks Menu</H1>\n\n<DL><p>\n"
    "    <DT><A HREF=\"place:sort=8&amp;maxResults=10\" ADD_DATE=\"1700000000\" LAST_MODIFIED=\"1700000000\">Most Visited</A>\n"
    "    <HR>    <DT><H3 ADD_DATE=\"1700000000\" LAST_MODIFIED=\"1700000001\">Mozilla Firefox</H3>\n"
    "    <DL><p>\n"
    "        <DT><A HREF=\"https://support.mozilla.org/products/firefox\" ADD_DATE=\"1700000002\" LAST_MODIFIED=\"1700000003\" "
    "ICON_URI=\"https://support.mozilla.org/favicon.ico\" ICON=\"data:image/x-icon;base64,AAABAAEAEBA=\">Get Help</A>\n"
    "    </DL><p>\n"
    "    <DT><H3 ADD_DATE=\"1700000004\" LAST_MODIFIED=\"1700000005\" PERSONAL_TOOLBAR_FOLDER=\"true\">Bookmarks Toolbar</H3>\n"
    "    <DL><p>\n"
    "        <DT><A HREF=\"https://www.mozilla.org/zh-CN/\" ADD_DATE=\"1700000006\" SHORTCUTURL=\"moz\" TAGS=\"web,moz\">Mozilla&nbsp;&#x4E2D;&#25991;</A>\n"
    "        <DD>A description &amp; more\n"
    "        <DT><A HREF=\"javascript:alert(&quot;hi&quot;)\" ADD_DATE=\"1700000007\">Bookmarklet</A>\n"
    "        <DT><A HREF=\"\" ADD_DATE=\"1700000008\">Empty</A>\n"
    "    </DL><p>\n"
    "</DL>\n";

// As the old Edge and Internet Explorer export them: attributes without a value, lower-case tags.
const std::string kOldEdge = kHeader +
    "<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks</H1>\n<DL><p>\n"
    "<DT><H3 FOLDED ADD_DATE=\"1351234567\">Favorites Bar</H3>\n<DL><p>\n"
    "<dt><a href='http://go.microsoft.com/fwlink/p/?LinkId=255142' add_date=1351234567 last_visit=\"1351234567\">Bing</a>\n"
    "</DL><p>\n"
    "<DT><A HREF=\"http://www.msn.com/\" ADD_DATE=\"1351234568\" LAST_MODIFIED=\"1351234568\" "
    "ICON_URI=\"http://www.msn.com/favicon.ico\">MSN &#8212; &copy; &unknown; &#0; 5 &lt 6</A>\n"
    "</DL><p>\n";

TEST(BookmarkFile, GivesEveryLinkOfTheFilesTheBrowsersExportFoldersFlattenedAndEntitiesDecoded) {
  const BookmarkFile chrome = ParseBookmarkFile(codePage, kChrome);
  EXPECT_EQ(chrome.problem, L"");
  EXPECT_EQ(LinksOf(chrome), (Links{{L"百度一下，你就知道", L"https://www.baidu.com/"},
                                    {L"Q&A <docs> \"new\" 'x'", L"https://example.com/search?q=a&b=c"},
                                    {L"Wiki home", L"http://intranet:8080/wiki"}}));
  const BookmarkFile firefox = ParseBookmarkFile(codePage, kFirefox);
  EXPECT_EQ(firefox.problem, L"");
  // Every link is given: which of them a list takes is for the list to say.
  EXPECT_EQ(LinksOf(firefox), (Links{{L"Most Visited", L"place:sort=8&maxResults=10"},
                                     {L"Get Help", L"https://support.mozilla.org/products/firefox"},
                                     {L"Mozilla 中文", L"https://www.mozilla.org/zh-CN/"},
                                     {L"Bookmarklet", L"javascript:alert(\"hi\")"},
                                     {L"Empty", L""}}));
  const BookmarkFile oldEdge = ParseBookmarkFile(codePage, kOldEdge);
  EXPECT_EQ(oldEdge.problem, L"");
  // Unknown entities, and "&" without a ";", stay as written; a number naming no character is U+FFFD.
  EXPECT_EQ(LinksOf(oldEdge), (Links{{L"Bing", L"http://go.microsoft.com/fwlink/p/?LinkId=255142"},
                                     {L"MSN \u2014 \u00A9 &unknown; \uFFFD 5 &lt 6", L"http://www.msn.com/"}}));
}

TEST(BookmarkFile, ReadsAByteOrderMarkOrTheDeclaredEncodingOrWhatTheBytesAre) {
  const std::string body =
      "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n<DT><A HREF=\"http://a/\">\xC3\xA9t\xC3\xA9</A>\n</DL><p>\n";
  const Links ete{{L"été", L"http://a/"}};
  EXPECT_EQ(LinksOf(ParseBookmarkFile(codePage, "\xEF\xBB\xBF" + body)), ete);
  EXPECT_EQ(LinksOf(ParseBookmarkFile(codePage, body)), ete);  // valid UTF-8, undeclared
  // UTF-16 as Notepad saves "Unicode".
  std::wstring wide = L"\uFEFF<!DOCTYPE NETSCAPE-Bookmark-file-1><DL><p><DT><A HREF=\"http://a/\">été</A></DL><p>";
  std::string utf16;
  for (wchar_t c : wide) utf16 += {char(c & 0xFF), char(c >> 8)};
  EXPECT_EQ(LinksOf(ParseBookmarkFile(codePage, utf16)), ete);
  // Undeclared bytes that are no UTF-8 are the system's code page (Latin-1 here).
  EXPECT_EQ(LinksOf(ParseBookmarkFile(codePage, 
                "<!DOCTYPE NETSCAPE-Bookmark-file-1><DL><p><DT><A HREF=\"http://a/\">\xE9t\xE9</A></DL><p>")),
            ete);
  // A byte order mark outweighs the declaration.
  EXPECT_EQ(LinksOf(ParseBookmarkFile(codePage, "\xEF\xBB\xBF<!DOCTYPE NETSCAPE-Bookmark-file-1><meta charset=\"koi8-r\">"
                                      "<DL><p><DT><A HREF=\"http://a/\">\xC3\xA9t\xC3\xA9</A></DL><p>")),
            ete);
  const BookmarkFile unknown = ParseBookmarkFile(codePage, 
      "<!DOCTYPE NETSCAPE-Bookmark-file-1><META CONTENT=\"text/html; charset=x-klingon\"><DL><p>"
      "<DT><A HREF=\"http://a/\">a</A></DL><p>");
  EXPECT_EQ(unknown.problem, L"文件的编码 \"x-klingon\" 无法识别");
  EXPECT_TRUE(unknown.links.empty());
}

TEST(BookmarkFile, RefusesWhatIsNoBookmarksFileOrIsBrokenSayingWhyAndGivingNoLink) {
  const struct {
    std::string bytes;
    std::wstring problem;
  } cases[] = {
      {"<html><head><title>A page</title></head><body><a href=\"http://a/\">a</a></body></html>",
       L"这不是浏览器导出的书签文件"},
      {"", L"这不是浏览器导出的书签文件"},
      // Cut short inside an icon, inside a title, between two links, inside the header's comment.
      {kChrome.substr(0, kChrome.find("base64,") + 20), L"文件在第 11 行处已损坏"},
      {kChrome.substr(0, kChrome.find("Q&amp;A")), L"文件在第 16 行处已损坏"},
      {kFirefox.substr(0, kFirefox.find("<DT><A HREF=\"javascript")), L"书签列表没有结束, 文件不完整"},
      {kChrome.substr(0, 80), L"文件在第 2 行处已损坏"},
      {"<!DOCTYPE NETSCAPE-Bookmark-file-1><DL><p><DT><A HREF=\"http://a/>a</A></DL><p>",
       L"文件在第 1 行处已损坏"},
      {"<!DOCTYPE NETSCAPE-Bookmark-file-1><DL><p><DT><A HREF=\"http://a/\">a</DL><p>",
       L"文件在第 1 行处已损坏"},
      {"<!DOCTYPE NETSCAPE-Bookmark-file-1></DL><p><DL><p>", L"文件在第 1 行处已损坏"},
  };
  for (const auto& c : cases) {
    const BookmarkFile file = ParseBookmarkFile(codePage, c.bytes);
    EXPECT_EQ(file.problem, c.problem) << c.bytes;
    EXPECT_TRUE(file.links.empty()) << c.bytes;
  }
}

// The reader is written by hand, for no library parses this loose HTML on
// every compiler: damaged exports of each browser give either a refusal and
// no link, or links as the reader promises them.
TEST(BookmarkFile, ReadsAnyDamagedExportToARefusalOrToSoundLinks) {
  std::mt19937 random(28);
  for (int round = 0; round < 3000; ++round) {
    const std::string& sound = round % 3 == 0 ? kChrome : round % 3 == 1 ? kFirefox : kOldEdge;
    const BookmarkFile file = ParseBookmarkFile(codePage, testing::Damaged(sound, random));
    if (!file.problem.empty()) EXPECT_TRUE(file.links.empty());
    for (const Favorite& link : file.links) {
      EXPECT_EQ(link.title.find_first_of(L"\r\n"), std::wstring::npos) << link.title;
      EXPECT_EQ(link.title.find(L"  "), std::wstring::npos) << link.title;
      EXPECT_TRUE(link.address.empty() || (link.address.front() != L' ' && link.address.back() != L' ')) << link.address;
    }
  }
}

}  // namespace
}  // namespace oravin
