#include <gtest/gtest.h>

#include <random>

#include "data/text_encoding.h"
#include "runtime/ansi_codec.h"
#include "runtime/utf8.h"
#include "testing/chinese_codec.h"
#include "testing/latin1_codec.h"

namespace oravin {
namespace {

using namespace std::string_literals;

// A list in the Chinese code page (GBK), as the program writes it: 百度,
// 新浪新闻, 联通 and a folder 我的文档.
const std::string kGbkList =
    "\xB0\xD9\xB6\xC8 <Address>http://www.baidu.com/<Split>"
    "\xD0\xC2\xC0\xCB\xD0\xC2\xCE\xC5 <Address>http://news.sina.com.cn/<Split>"
    "\xC1\xAA\xCD\xA8 <Address>http://www.10010.com/<Split>"
    "\xCE\xD2\xB5\xC4\xCE\xC4\xB5\xB5 <Address>C:\\\xCE\xD2\xB5\xC4\xCE\xC4\xB5\xB5<Split>";
// 百度 and 新闻 as Notepad saves them by default, UTF-8 without a byte order
// mark. The same bytes are valid GBK too, reading as 鐧惧害 and 鏂伴椈.
const std::string kUtf8List =
    "\xE7\x99\xBE\xE5\xBA\xA6 <Address>http://www.baidu.com/<Split>"
    "\xE6\x96\xB0\xE9\x97\xBB <Address>http://news.example.com/<Split>";

TEST(DetectEncoding, ReadsNotepadsUtf8AndLeavesTheCodePageItsOwnFiles) {
  EXPECT_EQ(DetectEncoding(kGbkList), TextEncoding::CodePage);
  EXPECT_EQ(DetectEncoding("\xC1\xAA\xCD\xA8"), TextEncoding::CodePage);  // 联通 alone, which fools some editors
  EXPECT_EQ(DetectEncoding(kUtf8List), TextEncoding::Utf8);
  EXPECT_EQ(DetectEncoding("News <Address>http://a/<Split>"), TextEncoding::CodePage);
  EXPECT_EQ(DetectEncoding(""), TextEncoding::CodePage);
  // Overlong forms, encoded surrogates and cut-off sequences are no UTF-8.
  EXPECT_EQ(DetectEncoding("\xC0\xAF"), TextEncoding::CodePage);
  EXPECT_EQ(DetectEncoding("\xED\xA0\x80"), TextEncoding::CodePage);
  EXPECT_EQ(DetectEncoding("\xE6\x96"), TextEncoding::CodePage);
  EXPECT_EQ(DetectEncoding("\xEF\xBB\xBF" "a"), TextEncoding::Utf8Bom);
  EXPECT_EQ(DetectEncoding("\xFF\xFE" "a\0"s), TextEncoding::Utf16Le);
  EXPECT_EQ(DetectEncoding("\xFE\xFF\0a"s), TextEncoding::Utf16Be);
}

TEST(FileText, EveryEncodingGivesTheTextAndTakesItBackByteForByte) {
  testing::WithLatin1CodePage codePage;
  EXPECT_EQ(DecodeFile(kUtf8List).text, L"百度 <Address>http://www.baidu.com/<Split>新闻 <Address>http://news.example.com/<Split>");
  const std::wstring text = L"caf\u00e9 百度 \U0001F600 <Address>C:\\资料<Split>";
  for (TextEncoding encoding :
       {TextEncoding::Utf8, TextEncoding::Utf8Bom, TextEncoding::Utf16Le, TextEncoding::Utf16Be}) {
    const std::string bytes = EncodeFile(text, encoding);
    const FileText file = DecodeFile(bytes);
    EXPECT_EQ(file.encoding, encoding);
    EXPECT_EQ(file.text, text);
    EXPECT_TRUE(file.faithful);
    EXPECT_EQ(EncodeFile(file.text, encoding), bytes);
    EXPECT_TRUE(CanHold(encoding, text));
  }
  EXPECT_EQ(EncodeFile(L"\u00e9<Split>", TextEncoding::Utf16Le), "\xFF\xFE\xE9\0<\0S\0p\0l\0i\0t\0>\0\r\0\n\0"s);
  EXPECT_EQ(EncodeFile(L"\U0001F600", TextEncoding::Utf16Be), "\xFE\xFF\xD8\x3D\xDE\x00\0\r\0\n"s);
  // Line ends go in every encoding, as a file read line by line loses them.
  EXPECT_EQ(DecodeFile("\xFF\xFE" "a\0\r\0\n\0b\0\r\0c\0"s).text, L"abc");
  EXPECT_EQ(DecodeFile("caf\xE9\r\n").text, L"caf\u00e9");
  EXPECT_EQ(EncodeFile(L"caf\u00e9", TextEncoding::CodePage), "caf\xE9\r\n");
  EXPECT_FALSE(CanHold(TextEncoding::CodePage, L"百度"));
}

TEST(FileText, SaysWhenASaveWouldChangeBytesBeyondTheText) {
  EXPECT_FALSE(DecodeFile("\xEF\xBB\xBF" "a\xFF" "b").faithful);  // not UTF-8 behind its mark
  EXPECT_FALSE(DecodeFile("\xFF\xFE" "a\0b"s).faithful);         // half a character at the end
  // A lone surrogate is odd but goes back as it came; UTF-8 has no way to hold one.
  const FileText lone = DecodeFile("\xFF\xFE\x00\xD8"s);
  EXPECT_TRUE(lone.faithful);
  EXPECT_TRUE(CanHold(TextEncoding::Utf16Le, lone.text));
  EXPECT_FALSE(CanHold(TextEncoding::Utf8, lone.text));
  // A GBK word that happens to be valid UTF-8 (陌路, as Latin İ·) in a file
  // written before the mark reads wrongly, yet comes back whole.
  testing::WithChineseCodePage codePage;
  const FileText misread = DecodeFile("\xC4\xB0\xC2\xB7");
  EXPECT_EQ(misread.encoding, TextEncoding::Utf8);
  EXPECT_EQ(EncodeFile(misread.text, misread.encoding), "\xC4\xB0\xC2\xB7\r\n");
}

TEST(FileText, TextThatBeginsWithTheBytesOfAByteOrderMarkReadsBackAsWritten) {
  const struct {
    std::wstring_view text;
    TextEncoding written, read;
  } cases[] = {
      {L"\uFEFFa <Address>1<Split>", TextEncoding::Utf8, TextEncoding::Utf8Bom},  // the mark keeps it
      {L"\u02ED <Address>1<Split>", TextEncoding::Utf8, TextEncoding::Utf8Bom},   // would pass for the code page
      {L"\u00FF\u00FEa <Address>1<Split>", TextEncoding::CodePage, TextEncoding::CodePage},  // ÿþ: FF FE
      {L"\u00FE\u00FFa <Address>1<Split>", TextEncoding::CodePage, TextEncoding::CodePage},  // þÿ: FE FF
      {L"\u00EF\u00BB\u00BFa <Address>1<Split>", TextEncoding::CodePage, TextEncoding::CodePage},  // ï»¿
      {L"\u00EF\u00BB\u00BF\u00E9 <Address>1<Split>", TextEncoding::CodePage, TextEncoding::CodePage},
  };
  testing::WithLatin1CodePage codePage;
  for (const auto& c : cases) {
    const FileText file = DecodeFile(EncodeFile(c.text, c.written));
    EXPECT_EQ(file.text, c.text);
    EXPECT_EQ(file.encoding, c.read);
  }
  testing::WithChineseCodePage chinese;
  const std::wstring startsLikeTheMark = L"锘靠 <Address>1<Split>";  // EF BB BF BF in GBK
  EXPECT_EQ(DecodeFile(EncodeFile(startsLikeTheMark, TextEncoding::CodePage)).text, startsLikeTheMark);
}

// A character of the code page from anywhere in its double-byte range, half
// of the time of the shape of a two-byte UTF-8 sequence (lead C2-DF, trail
// 80-BF), where GBK and UTF-8 are most often confused.
wchar_t RandomChineseCharacter(std::mt19937& random) {
  for (;;) {
    const bool utf8Shaped = random() % 2 == 0;
    const char pair[2] = {char(utf8Shaped ? 0xC2 + random() % 30 : 0x81 + random() % 126),
                          char(utf8Shaped ? 0x80 + random() % 64 : 0x40 + random() % 191)};
    const std::wstring c = SystemCodec().Decode({pair, 2});
    if (c.size() == 1 && c[0] != L'\uFFFD' && SystemCodec().Encode(c) == std::string(pair, 2)) return c[0];
  }
}

std::wstring RandomText(std::mt19937& random) {
  static constexpr std::wstring_view kAscii = L"abcXYZ019 ./:-_()?&=\\@~";
  std::wstring text;
  for (size_t n = 1 + random() % 4; n > 0; --n)
    text += random() % 3 == 0 ? kAscii[random() % kAscii.size()] : RandomChineseCharacter(random);
  return text;
}

TEST(CodePageFile, EveryListTheProgramWritesReadsBackAsWritten) {
  testing::WithChineseCodePage codePage;
  std::mt19937 random(936);
  int marked = 0;
  for (int n = 0; n < 10000; ++n) {
    std::wstring list;
    for (size_t entries = random() % 4; entries > 0; --entries)
      list += RandomText(random) + L" <Address>" + RandomText(random) + L"<Split>";
    const std::string bytes = EncodeFile(list, TextEncoding::CodePage);
    const FileText file = DecodeFile(bytes);
    ASSERT_EQ(file.encoding, TextEncoding::CodePage) << ::testing::PrintToString(bytes);
    ASSERT_EQ(file.text, list) << ::testing::PrintToString(bytes);
    marked += bytes.ends_with("\r") ? 1 : 0;
  }
  EXPECT_GT(marked, 100);  // lists that could pass for UTF-8 came up
}

TEST(CodePageFile, OlderFilesThatReadAsUnlikelyUtf8AreTheCodePages) {
  testing::WithChineseCodePage codePage;
  const struct {
    std::string bytes;
    TextEncoding encoding;
  } cases[] = {
      {"\xCB\xAD <Address>http://a/<Split>\r\n", TextEncoding::CodePage},   // 谁, not the modifier letter U+02ED
      {"\xD1\xA7\xCF\xB0 <Address>1<Split>", TextEncoding::CodePage},        // 学习, not archaic Cyrillic and Greek
      {"\xCD\xA8 <Address>1<Split>", TextEncoding::CodePage},                  // 通, not a combining mark alone
      {"\xD6\xAE <Address>1<Split>", TextEncoding::CodePage},                  // 之, not a Hebrew accent
      {"a <Address>\xC2\x85<Split>", TextEncoding::CodePage},                  // not a control character
      {"\xC4\xB0\xC2\xB7 <Address>1<Split>\r\n", TextEncoding::Utf8},        // 陌路 read as İ·, which it may be
      {"\xCB\xAD <Address>1<Split>\r", TextEncoding::CodePage},                // the program's own mark
      {"\xE7\x99\xBE <Address>1<Split>\r", TextEncoding::Utf8},               // a lone CR, but no GBK (an odd byte)
  };
  for (const auto& c : cases) EXPECT_EQ(DetectEncoding(c.bytes), c.encoding) << ::testing::PrintToString(c.bytes);
}

TEST(CodePageFile, NotepadsUtf8StaysUtf8) {
  testing::WithChineseCodePage codePage;
  const std::wstring_view titles[] = {
      L"百度", L"新闻 网站", L"学习", L"中国政府网",                      // Chinese
      L"日本語のページ", L"カタカナ", L"東京",                             // Japanese
      L"한국어 뉴스", L"서울",                                             // Korean
      L"Café Müller", L"naïve façade", L"Łódź", L"Ångström", L"Straße",  // Latin
      L"Běijīng Dàxué", L"Ελληνικά", L"Новости", L"😀 emoji",
  };
  for (const std::wstring_view title : titles) {
    const std::string line = EncodeUtf8(std::wstring(title) + L" <Address>http://example.com/<Split>");
    for (const std::string& bytes : {line, line + "\r\n"}) {
      EXPECT_EQ(DetectEncoding(bytes), TextEncoding::Utf8) << ::testing::PrintToString(bytes);
    }
  }
}

}  // namespace
}  // namespace oravin
