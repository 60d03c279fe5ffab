#include <gtest/gtest.h>

#include <random>

#include "data/text_encoding.h"
#include "runtime/ansi_codec.h"
#include "runtime/utf8.h"
#include "testing/latin1_codec.h"

namespace oravin {
namespace {

using namespace std::string_literals;

// The code page of these tests, wherever they run.
const testing::Latin1Codec codePage;

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
  EXPECT_EQ(DetectEncoding(codePage, kGbkList), TextEncoding::CodePage);
  EXPECT_EQ(DetectEncoding(codePage, "\xC1\xAA\xCD\xA8"), TextEncoding::CodePage);  // 联通 alone, which fools some editors
  EXPECT_EQ(DetectEncoding(codePage, kUtf8List), TextEncoding::Utf8);
  EXPECT_EQ(DetectEncoding(codePage, "News <Address>http://a/<Split>"), TextEncoding::CodePage);
  EXPECT_EQ(DetectEncoding(codePage, ""), TextEncoding::CodePage);
  // Overlong forms, encoded surrogates and cut-off sequences are no UTF-8.
  EXPECT_EQ(DetectEncoding(codePage, "\xC0\xAF"), TextEncoding::CodePage);
  EXPECT_EQ(DetectEncoding(codePage, "\xED\xA0\x80"), TextEncoding::CodePage);
  EXPECT_EQ(DetectEncoding(codePage, "\xE6\x96"), TextEncoding::CodePage);
  EXPECT_EQ(DetectEncoding(codePage, "\xEF\xBB\xBF" "a"), TextEncoding::Utf8Bom);
  EXPECT_EQ(DetectEncoding(codePage, "\xFF\xFE" "a\0"s), TextEncoding::Utf16Le);
  EXPECT_EQ(DetectEncoding(codePage, "\xFE\xFF\0a"s), TextEncoding::Utf16Be);
}

TEST(FileText, EveryEncodingGivesTheTextAndTakesItBackByteForByte) {
  EXPECT_EQ(DecodeFile(codePage, kUtf8List).text, L"百度 <Address>http://www.baidu.com/<Split>新闻 <Address>http://news.example.com/<Split>");
  const std::wstring text = L"caf\u00e9 百度 \U0001F600 <Address>C:\\资料<Split>";
  for (TextEncoding encoding :
       {TextEncoding::Utf8, TextEncoding::Utf8Bom, TextEncoding::Utf16Le, TextEncoding::Utf16Be}) {
    const std::string bytes = EncodeFile(codePage, text, encoding);
    const FileText file = DecodeFile(codePage, bytes);
    EXPECT_EQ(file.encoding, encoding);
    EXPECT_EQ(file.text, text);
    EXPECT_TRUE(file.faithful);
    EXPECT_EQ(EncodeFile(codePage, file.text, encoding), bytes);
    EXPECT_TRUE(CanHold(codePage, encoding, text));
  }
  EXPECT_EQ(EncodeFile(codePage, L"\u00e9<Split>", TextEncoding::Utf16Le), "\xFF\xFE\xE9\0<\0S\0p\0l\0i\0t\0>\0\r\0\n\0"s);
  EXPECT_EQ(EncodeFile(codePage, L"\U0001F600", TextEncoding::Utf16Be), "\xFE\xFF\xD8\x3D\xDE\x00\0\r\0\n"s);
  // Line ends go in every encoding, as a file read line by line loses them.
  EXPECT_EQ(DecodeFile(codePage, "\xFF\xFE" "a\0\r\0\n\0b\0\r\0c\0"s).text, L"abc");
  EXPECT_EQ(DecodeFile(codePage, "caf\xE9\r\n").text, L"caf\u00e9");
  EXPECT_EQ(EncodeFile(codePage, L"caf\u00e9", TextEncoding::CodePage), "caf\xE9\r\n");
  EXPECT_FALSE(CanHold(codePage, TextEncoding::CodePage, L"百度"));
}

TEST(FileText, SaysWhenASaveWouldChangeBytesBeyondTheText) {
  EXPECT_FALSE(DecodeFile(codePage, "\xEF\xBB\xBF" "a\xFF" "b").faithful);  // not UTF-8 behind its mark
  EXPECT_FALSE(DecodeFile(codePage, "\xFF\xFE" "a\0b"s).faithful);         // half a character at the end
  // A lone surrogate is odd but goes back as it came; UTF-8 has no way to hold one.
  const FileText lone = DecodeFile(codePage, "\xFF\xFE\x00\xD8"s);
  EXPECT_TRUE(lone.faithful);
  EXPECT_TRUE(CanHold(codePage, TextEncoding::Utf16Le, lone.text));
  EXPECT_FALSE(CanHold(codePage, TextEncoding::Utf8, lone.text));
  // A GBK word that happens to be valid UTF-8 (陌路, as İ·) in a file written
  // before the mark reads wrongly, yet comes back whole.
  const FileText misread = DecodeFile(codePage, "\xC4\xB0\xC2\xB7");
  EXPECT_EQ(misread.encoding, TextEncoding::Utf8);
  EXPECT_EQ(EncodeFile(codePage, misread.text, misread.encoding), "\xC4\xB0\xC2\xB7\r\n");
}

TEST(FileText, TextBeginningWithTheBytesOfAByteOrderMarkReadsBackAsWritten) {
  const struct {
    std::wstring_view text;
    TextEncoding written, read;
  } cases[] = {
      {L"\uFEFFa <Address>1<Split>", TextEncoding::Utf8, TextEncoding::Utf8Bom},  // behind a mark
      {L"\u02ED <Address>1<Split>", TextEncoding::Utf8, TextEncoding::Utf8Bom},   // would pass for the code page
      {L"\u00FF\u00FEa <Address>1<Split>", TextEncoding::CodePage, TextEncoding::CodePage},        // FF FE
      {L"\u00FE\u00FFa <Address>1<Split>", TextEncoding::CodePage, TextEncoding::CodePage},        // FE FF
      {L"\u00EF\u00BB\u00BF\u00E9 <Address>1<Split>", TextEncoding::CodePage, TextEncoding::CodePage},  // EF BB BF
  };
  for (const auto& c : cases) {
    const FileText file = DecodeFile(codePage, EncodeFile(codePage, c.text, c.written));
    EXPECT_EQ(file.text, c.text);
    EXPECT_EQ(file.encoding, c.read);
  }
}

// Text the system's code page holds, of ASCII and bytes above it, often of
// the shape of a two-byte UTF-8 sequence: GBK characters under Wine's 936.
std::wstring RandomCodePageText(const AnsiCodec& system, std::mt19937& random) {
  std::string bytes;
  for (size_t n = 1 + random() % 6; n > 0; --n) {
    const unsigned kind = random() % 6;
    if (kind < 2) bytes += {char(0xC2 + random() % 30), char(0x80 + random() % 64)};
    bytes += char(kind < 5 ? 0x20 + random() % 95 : 0x80 + random() % 128);
  }
  return system.Decode(system.Encode(system.Decode(bytes)));
}

TEST(CodePageFile, EveryListTheProgramWritesReadsBackAsWritten) {
#ifdef _WIN32
  const AnsiCodec& system = SystemCodec();  // under Wine, 936
#else
  const AnsiCodec& system = codePage;
#endif
  std::mt19937 random(936);
  int marked = 0;
  for (int n = 0; n < 10000; ++n) {
    const std::wstring list =
        RandomCodePageText(system, random) + L" <Address>" + RandomCodePageText(system, random) + L"<Split>";
    const std::string bytes = EncodeFile(system, list, TextEncoding::CodePage);
    const FileText file = DecodeFile(system, bytes);
    ASSERT_EQ(file.encoding, TextEncoding::CodePage) << ::testing::PrintToString(bytes);
    ASSERT_EQ(file.text, list) << ::testing::PrintToString(bytes);
    marked += bytes.ends_with('\r');
  }
  EXPECT_GT(marked, 500) << marked;  // lists that could pass for UTF-8 came up
}

TEST(CodePageFile, OlderFilesAreTheCodePagesWhenTheirUtf8IsUnlikelyAndNotepadsStaysUtf8) {
  const struct {
    std::string bytes;
    TextEncoding encoding;
  } cases[] = {
      {"\xCB\xAD <Address>1<Split>\r\n", TextEncoding::CodePage},  // 谁 in GBK, not a modifier letter
      {"\xD1\xA7\xCF\xB0 <Address>1<Split>", TextEncoding::CodePage},  // 学习, not archaic Cyrillic and Greek
      {"\xCD\xA8\xD6\xAE <Address>1<Split>", TextEncoding::CodePage},  // 通之, not marks on their own
      {"a <Address>\xC2\x85<Split>", TextEncoding::CodePage},            // no control character
      {"\xCB\xAD\xC4\xB0 <Address>1<Split>\r", TextEncoding::CodePage},  // the program's own mark
  };
  for (const auto& c : cases) EXPECT_EQ(DetectEncoding(codePage, c.bytes), c.encoding) << ::testing::PrintToString(c.bytes);
  for (const wchar_t* title : {L"百度", L"新闻 网站", L"日本語のページ", L"한국어 뉴스", L"Café Müller", L"naïve façade",
                               L"Łódź Straße", L"Běijīng", L"Ελληνικά", L"Новости", L"😀"}) {
    EXPECT_EQ(DetectEncoding(codePage, EncodeUtf8(title + std::wstring(L" <Address>http://a/<Split>\r\n"))), TextEncoding::Utf8)
        << ::testing::PrintToString(std::wstring(title));
  }
}

}  // namespace
}  // namespace oravin
