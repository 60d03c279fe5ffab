#include <gtest/gtest.h>

#include "data/bookmark_file.h"

namespace oravin {
namespace {

// Older exports in the code page of their system say so, and are read in it
// whatever the code page of this one.
TEST(BookmarkFileOnWindows, IsReadInTheCodePageItDeclares) {
  const struct {
    const char* charset;
    std::string title;
    std::wstring expected;
  } files[] = {
      {"GB2312", "\xD0\xC2\xC0\xCB", L"新浪"},
      {"gbk", "\xD0\xC2\xC0\xCB", L"新浪"},
      {"Big5", "\xB7\x73\xAE\xF6", L"新浪"},
      {"windows-1252", "caf\xE9 \x80", L"café €"},
      {"ISO-8859-1", "caf\xE9", L"café"},
  };
  for (const auto& file : files) {
    const BookmarkFile bookmarks =
        ParseBookmarkFile(SystemCodec(), std::string("<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\n"
                                                     "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=") +
                                             file.charset + "\">\r\n<DL><p>\r\n<DT><A HREF=\"http://a.example/\">" +
                                             file.title + "</A>\r\n</DL><p>\r\n");
    EXPECT_EQ(bookmarks.problem, L"") << file.charset;
    ASSERT_EQ(bookmarks.links.size(), 1u) << file.charset;
    EXPECT_EQ(bookmarks.links[0].title, file.expected) << file.charset;
  }
}

}  // namespace
}  // namespace oravin
