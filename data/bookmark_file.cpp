#include "data/bookmark_file.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>

#include "data/text_encoding.h"
#include "runtime/ansi_codec.h"
#include "runtime/case_fold.h"
#include "runtime/utf8.h"

namespace oravin {
namespace {

constexpr size_t npos = std::string_view::npos;
constexpr std::string_view kDoctype = "<!DOCTYPE NETSCAPE-Bookmark-file-1";
constexpr uint32_t kUtf8 = 65001;
constexpr uint32_t kSystemCodePage = 0;
// Longer than any entity name or number worth reading ("&#x0001F600;").
constexpr size_t kLongestEntity = 32;

constexpr wchar_t kNotBookmarks[] = L"这不是浏览器导出的书签文件";
constexpr wchar_t kUnfinished[] = L"书签列表没有结束, 文件不完整";

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }
bool IsAlnum(char c) { return (c >= '0' && c <= '9') || (FoldCase(c) >= 'a' && FoldCase(c) <= 'z'); }

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualsIgnoringCase(text.substr(0, prefix.size()), prefix);
}


std::string_view Trimmed(std::string_view text, std::string_view also = "") {
  const auto drop = [&](char c) { return IsSpace(c) || also.find(c) != npos; };
  while (!text.empty() && drop(text.front())) text.remove_prefix(1);
  while (!text.empty() && drop(text.back())) text.remove_suffix(1);
  return text;
}

// A start or end tag, with the attributes reading the file needs.
struct Tag {
  std::string_view name;
  bool end = false;
  std::string_view href, content, charset;
};

// Reads the tag that begins at bytes[at]; returns where it ends (after its
// '>'), or npos when it never does.
size_t ReadTag(std::string_view bytes, size_t at, Tag& tag) {
  const size_t size = bytes.size();
  size_t i = at + 1;
  if (i < size && bytes[i] == '/') {
    tag.end = true;
    ++i;
  }
  const auto endsName = [&](size_t k) {
    return IsSpace(bytes[k]) || bytes[k] == '>' || bytes[k] == '/' || bytes[k] == '=';
  };
  size_t start = i;
  while (i < size && !endsName(i)) ++i;
  tag.name = bytes.substr(start, i - start);
  for (;;) {
    while (i < size && (IsSpace(bytes[i]) || bytes[i] == '/')) ++i;
    if (i >= size) return npos;
    if (bytes[i] == '>') return i + 1;
    start = i;
    while (i < size && !endsName(i)) ++i;
    const std::string_view name = bytes.substr(start, i - start);
    while (i < size && IsSpace(bytes[i])) ++i;
    std::string_view value;
    if (i < size && bytes[i] == '=') {
      ++i;
      while (i < size && IsSpace(bytes[i])) ++i;
      if (i >= size) return npos;
      if (bytes[i] == '"' || bytes[i] == '\'') {
        // Icons come as data: addresses of several KB: found at once, not scanned.
        const size_t close = bytes.find(bytes[i], i + 1);
        if (close == npos) return npos;
        value = bytes.substr(i + 1, close - i - 1);
        i = close + 1;
      } else {
        start = i;
        while (i < size && !IsSpace(bytes[i]) && bytes[i] != '>') ++i;
        value = bytes.substr(start, i - start);
      }
    }
    if (EqualsIgnoringCase(name, "href")) tag.href = value;
    if (EqualsIgnoringCase(name, "content")) tag.content = value;
    if (EqualsIgnoringCase(name, "charset")) tag.charset = value;
  }
}

// Where the "</A>" that ends a link's text begins, or npos.
size_t EndOfLinkText(std::string_view bytes, size_t from) {
  for (size_t at = bytes.find('<', from); at != npos; at = bytes.find('<', at + 1)) {
    if (at + 3 < bytes.size() && bytes[at + 1] == '/' && FoldCase(bytes[at + 2]) == 'a' && !IsAlnum(bytes[at + 3]))
      return at;
  }
  return npos;
}

// <META charset="..."> or <META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=...">.
std::string_view CharsetOf(const Tag& meta) {
  if (!meta.charset.empty()) return Trimmed(meta.charset);
  constexpr std::string_view kKey = "charset=";
  const size_t at = FindIgnoringCase(meta.content, kKey);
  if (at == npos) return {};
  const std::string_view rest = meta.content.substr(at + kKey.size());
  return Trimmed(rest.substr(0, rest.find(';')), "\"'");
}

// The file's links as its bytes have them, and the charset it declares.
struct Markup {
  struct Link {
    std::string_view href, text;
  };
  std::vector<Link> links;
  std::string_view charset;
};

std::wstring BrokenAt(std::string_view bytes, size_t at) {
  const auto line = 1 + std::count(bytes.begin(), bytes.begin() + std::ptrdiff_t(at), '\n');
  return L"文件在第 " + std::to_wstring(line) + L" 行处已损坏";
}

// Reads the markup: the tags are ASCII, and in no encoding a bookmarks file
// may be in does a byte below 0x40 stand inside a character (the trail bytes
// of GBK, Big5 and Shift_JIS begin at 0x40), so the tags are found in the
// bytes and only titles and addresses need decoding. Returns why the file is
// refused, if it is.
std::optional<std::wstring> ReadMarkup(std::string_view bytes, Markup& markup) {
  if (!StartsWithIgnoringCase(Trimmed(bytes), kDoctype)) return kNotBookmarks;
  int open = 0;
  bool listed = false;
  for (size_t at = bytes.find('<'); at != npos; at = bytes.find('<', at)) {
    const std::string_view rest = bytes.substr(at);
    if (rest.starts_with("<!--")) {
      const size_t end = bytes.find("-->", at + 4);
      if (end == npos) return BrokenAt(bytes, at);
      at = end + 3;
      continue;
    }
    if (rest.starts_with("<!") || rest.starts_with("<?")) {
      const size_t end = bytes.find('>', at);
      if (end == npos) return BrokenAt(bytes, at);
      at = end + 1;
      continue;
    }
    // A "<" that starts no tag is text.
    if (rest.size() < 2 || !(IsAlnum(rest[1]) || rest[1] == '/')) {
      ++at;
      continue;
    }
    Tag tag;
    const size_t end = ReadTag(bytes, at, tag);
    if (end == npos) return BrokenAt(bytes, at);
    if (EqualsIgnoringCase(tag.name, "dl")) {
      open += tag.end ? -1 : 1;
      listed = true;
      if (open < 0) return BrokenAt(bytes, at);
    } else if (EqualsIgnoringCase(tag.name, "meta") && markup.charset.empty()) {
      markup.charset = CharsetOf(tag);
    } else if (EqualsIgnoringCase(tag.name, "a") && !tag.end) {
      const size_t close = EndOfLinkText(bytes, end);
      const size_t closeEnd = close == npos ? npos : bytes.find('>', close);
      if (closeEnd == npos) return BrokenAt(bytes, at);
      markup.links.push_back({tag.href, bytes.substr(end, close - end)});
      at = closeEnd + 1;
      continue;
    }
    at = end;
  }
  // A file cut short ends inside its lists.
  if (!listed || open != 0) return kUnfinished;
  return std::nullopt;
}

// The Windows code page of a charset name, as browsers read the names; the
// names of the web's UTF-16 stand for UTF-8 here, as in a browser, since a
// file whose tags were read as ASCII cannot be in UTF-16.
std::optional<uint32_t> CodePageNamed(std::string_view name) {
  struct Label {
    std::string_view name;
    uint32_t codePage;
  };
  static constexpr Label kLabels[] = {
      {"utf-8", kUtf8},       {"utf8", kUtf8},          {"unicode-1-1-utf-8", kUtf8}, {"utf-16", kUtf8},
      {"utf-16le", kUtf8},    {"utf-16be", kUtf8},      {"gbk", 936},                 {"gb2312", 936},
      {"gb_2312-80", 936},    {"chinese", 936},         {"csgb2312", 936},            {"x-gbk", 936},
      {"gb18030", 54936},     {"big5", 950},            {"big5-hkscs", 950},          {"cn-big5", 950},
      {"x-x-big5", 950},      {"shift_jis", 932},       {"shift-jis", 932},           {"sjis", 932},
      {"ms_kanji", 932},      {"windows-31j", 932},     {"x-sjis", 932},              {"euc-jp", 20932},
      {"iso-2022-jp", 50220}, {"euc-kr", 949},          {"ks_c_5601-1987", 949},      {"korean", 949},
      {"koi8-r", 20866},      {"koi8-u", 21866},        {"tis-620", 874},             {"ibm866", 866},
      // The web reads Latin-1 and ASCII as Windows-1252, which holds both.
      {"iso-8859-1", 1252},   {"iso8859-1", 1252},      {"latin1", 1252},             {"us-ascii", 1252},
      {"ascii", 1252},        {"iso-8859-9", 1254},     {"latin5", 1254},
  };
  for (const Label& label : kLabels)
    if (EqualsIgnoringCase(name, label.name)) return label.codePage;
  // "windows-936", "cp1252", "iso-8859-2": the number is the code page's, or its part of one.
  using Numbered = std::pair<std::string_view, uint32_t>;
  for (const auto& [prefix, base] : {Numbered{"windows-", 0}, Numbered{"cp", 0}, Numbered{"iso-8859-", 28590}}) {
    if (!StartsWithIgnoringCase(name, prefix)) continue;
    uint32_t number = 0;
    const std::string_view digits = name.substr(prefix.size());
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error == std::errc() && end == digits.data() + digits.size() && number > 0) return base + number;
  }
  return std::nullopt;
}

bool IsAscii(std::string_view bytes) {
  return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::wstring Decode(const AnsiCodec& systemCodePage, std::string_view piece, uint32_t codePage) {
  // Most titles and nearly all addresses are ASCII, which every encoding here reads alike.
  if (IsAscii(piece)) return std::wstring(piece.begin(), piece.end());
  if (codePage == kUtf8) return DecodeUtf8(piece);
  if (codePage == kSystemCodePage) return systemCodePage.Decode(piece);
  return DecodeCodePage(codePage, piece).value_or(std::wstring());
}

std::optional<char32_t> EntityValue(std::wstring_view name) {
  struct Entity {
    std::wstring_view name;
    char32_t value;
  };
  static constexpr Entity kEntities[] = {
      {L"amp", L'&'},      {L"lt", L'<'},       {L"gt", L'>'},       {L"quot", L'"'},     {L"apos", L'\''},
      {L"nbsp", 0xA0},     {L"copy", 0xA9},     {L"reg", 0xAE},      {L"trade", 0x2122},  {L"hellip", 0x2026},
      {L"mdash", 0x2014},  {L"ndash", 0x2013},  {L"lsquo", 0x2018},  {L"rsquo", 0x2019},  {L"ldquo", 0x201C},
      {L"rdquo", 0x201D},  {L"laquo", 0xAB},    {L"raquo", 0xBB},    {L"middot", 0xB7},   {L"bull", 0x2022},
      {L"times", 0xD7},    {L"divide", 0xF7},   {L"deg", 0xB0},      {L"euro", 0x20AC},   {L"yen", 0xA5},
      {L"pound", 0xA3},    {L"cent", 0xA2},     {L"sect", 0xA7},
  };
  if (!name.starts_with(L'#')) {
    for (const Entity& entity : kEntities)
      if (entity.name == name) return entity.value;
    return std::nullopt;
  }
  name.remove_prefix(1);
  const bool hex = !name.empty() && (name[0] == L'x' || name[0] == L'X');
  if (hex) name.remove_prefix(1);
  if (name.empty()) return std::nullopt;
  char32_t value = 0;
  for (const wchar_t c : name) {
    const int digit = c >= L'0' && c <= L'9'           ? c - L'0'
                      : hex && c >= L'a' && c <= L'f' ? c - L'a' + 10
                      : hex && c >= L'A' && c <= L'F' ? c - L'A' + 10
                                                      : -1;
    if (digit < 0) return std::nullopt;
    if (value <= 0x10FFFF) value = value * (hex ? 16 : 10) + char32_t(digit);
  }
  // A number that names no character reads as the replacement character, as on the web.
  if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0xFFFD;
  return value;
}

// Named and numbered character references; an "&" that starts none stays as it is.
std::wstring DecodeEntities(std::wstring_view text) {
  std::wstring decoded;
  decoded.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    if (text[i] == L'&') {
      const size_t semicolon = text.find(L';', i + 1);
      if (semicolon != std::wstring_view::npos && semicolon - i <= kLongestEntity) {
        if (const auto value = EntityValue(text.substr(i + 1, semicolon - i - 1))) {
          AppendCodePoint(decoded, *value);
          i = semicolon + 1;
          continue;
        }
      }
    }
    decoded += text[i++];
  }
  return decoded;
}

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\f' || c == 0xA0; }

// As a page shows the text: blanks, line ends and no-break spaces between
// words are one blank, and none at either end.
std::wstring Collapsed(std::wstring_view text) {
  std::wstring collapsed;
  collapsed.reserve(text.size());
  bool blank = false;
  for (const wchar_t c : text) {
    if (IsBlank(c)) {
      blank = !collapsed.empty();
      continue;
    }
    if (blank) collapsed += L' ';
    blank = false;
    collapsed += c;
  }
  return collapsed;
}

std::wstring TrimmedAddress(std::wstring text) {
  const auto first = std::find_if_not(text.begin(), text.end(), IsBlank);
  const auto last = std::find_if_not(text.rbegin(), std::make_reverse_iterator(first), IsBlank).base();
  return std::wstring(first, last);
}

}  // namespace

BookmarkFile ParseBookmarkFile(const AnsiCodec& systemCodePage, std::string_view bytes) {
  // Only a byte order mark counts at this point, and it is at most three bytes long.
  const TextEncoding marked = DetectEncoding(systemCodePage, bytes.substr(0, 3));
  std::optional<uint32_t> codePage;
  std::string utf8;
  if (marked == TextEncoding::Utf16Le || marked == TextEncoding::Utf16Be) {
    // UTF-16 has no ASCII bytes to find the tags in: it is read as the UTF-8 it holds.
    utf8 = EncodeUtf8(DecodeText(systemCodePage, bytes, marked));
    bytes = utf8;
    codePage = kUtf8;
  } else if (marked == TextEncoding::Utf8Bom) {
    bytes.remove_prefix(3);
    codePage = kUtf8;
  }
  Markup markup;
  if (auto problem = ReadMarkup(bytes, markup)) return {{}, std::move(*problem)};
  if (!codePage && !markup.charset.empty()) {
    codePage = CodePageNamed(markup.charset);
    if (!codePage || (*codePage != kUtf8 && !DecodeCodePage(*codePage, {}))) {
      return {{}, L"文件的编码 \"" + std::wstring(markup.charset.begin(), markup.charset.end()) + L"\" 无法识别"};
    }
  }
  if (!codePage) codePage = DetectEncoding(systemCodePage, bytes) == TextEncoding::Utf8 ? kUtf8 : kSystemCodePage;

  BookmarkFile file;
  file.links.reserve(markup.links.size());
  for (const Markup::Link& link : markup.links) {
    file.links.push_back({Collapsed(DecodeEntities(Decode(systemCodePage, link.text, *codePage))),
                          TrimmedAddress(DecodeEntities(Decode(systemCodePage, link.href, *codePage)))});
  }
  return file;
}

}  // namespace oravin
