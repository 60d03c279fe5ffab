#include "data/bookmark_export.h"

#include "runtime/utf8.h"

namespace oravin {
namespace {

constexpr char kHead[] =
    "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
    "<!-- This is an automatically generated file.\n"
    "     It will be read and overwritten.\n"
    "     DO NOT EDIT! -->\n"
    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
    "<TITLE>Bookmarks</TITLE>\n"
    "<H1>Bookmarks</H1>\n"
    "<DL><p>\n";
constexpr char kTail[] = "</DL><p>\n";

// Text in an attribute or between tags, with what HTML would read as markup
// escaped; a line end would end the line a browser reads, so it is one too.
std::string Escaped(const std::wstring& text) {
  std::string escaped;
  for (const char c : EncodeUtf8(text)) {
    switch (c) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      case '"': escaped += "&quot;"; break;
      case '\r': escaped += "&#13;"; break;
      case '\n': escaped += "&#10;"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

}  // namespace

std::string BookmarkFileOf(const std::vector<Favorite>& favorites, int64_t addDate) {
  std::string file = kHead;
  const std::string date = std::to_string(addDate);
  for (const Favorite& favorite : favorites) {
    file += "    <DT><A HREF=\"" + Escaped(favorite.address) + "\" ADD_DATE=\"" + date + "\">" +
            Escaped(favorite.title) + "</A>\n";
  }
  return file + kTail;
}

}  // namespace oravin
