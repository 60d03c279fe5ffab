#include "data/text_encoding.h"

#include <algorithm>

#include "runtime/ansi_codec.h"
#include "runtime/utf8.h"

namespace oravin {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

constexpr struct {
  std::string_view bytes;
  TextEncoding encoding;
} kByteOrderMarks[] = {
    {kUtf8Bom, TextEncoding::Utf8Bom},
    {kUtf16LeBom, TextEncoding::Utf16Le},
    {kUtf16BeBom, TextEncoding::Utf16Be},
};

// A line of the program's own code-page file ends so when its bytes could
// pass for UTF-8: a lone CR is a line end to every reader of these files,
// and a text editor saving UTF-8 ends its lines with CR LF.
constexpr char kCodePageMark = '\r';

// Characters hardly ever found in text saved as UTF-8 which Chinese text in
// the code page often gives when read as UTF-8 (谁, CB AD, reads as U+02ED).
// They tell the files written before the mark apart.
constexpr struct {
  char32_t first, last;
} kUnlikelyInUtf8[] = {
    {0x0080, 0x009F},     // control characters
    {0x0250, 0x0385},     // phonetic and modifier letters, combining marks on their own
    {0x03CF, 0x03FF},     // Coptic and archaic Greek
    {0x0460, 0x048F},     // archaic Cyrillic
    {0x0500, 0x058F},     // Cyrillic supplement, Armenian
    {0x0591, 0x05AF},     // Hebrew cantillation marks
    {0x0700, 0x07FF},     // Syriac, Thaana, NKo and rarer Arabic
    {0xE000, 0xF8FF},     // private use
    {0x20000, 0x10FFFF},  // beyond the emoji plane: rare ideographs, private use
};

bool UnlikelyInUtf8(char32_t c) {
  for (const auto& range : kUnlikelyInUtf8) {
    if (c >= range.first && c <= range.last) return true;
  }
  return false;
}

unsigned Byte(std::string_view bytes, size_t i) { return static_cast<unsigned char>(bytes[i]); }

// Reads the UTF-8 sequence at bytes[i] in its one valid form (no overlong
// forms, no surrogates, nothing beyond U+10FFFF). An invalid one consumes one byte.
bool NextUtf8(std::string_view bytes, size_t& i, char32_t& c) {
  const unsigned lead = Byte(bytes, i);
  if (lead < 0x80) {
    c = lead;
    ++i;
    return true;
  }
  size_t length = 0;
  unsigned low = 0x80, high = 0xBF;  // the range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  }
  if (length == 0 || i + length > bytes.size() || Byte(bytes, i + 1) < low || Byte(bytes, i + 1) > high) {
    ++i;
    return false;
  }
  c = lead & (0x7Fu >> length);
  for (size_t k = 1; k < length; ++k) {
    const unsigned next = Byte(bytes, i + k);
    if (next < 0x80 || next > 0xBF) {
      ++i;
      return false;
    }
    c = (c << 6) | (next & 0x3F);
  }
  i += length;
  return true;
}

bool ReadsWholeInCodePage(const AnsiCodec& codePage, std::string_view bytes) {
  return codePage.Encode(codePage.Decode(bytes)) == bytes;
}

// Drops CR LF and lone CRs, as reading a file line by line does. The text
// between them is copied whole: a list file is one long line or few.
template <typename Text>
Text JoinLines(std::basic_string_view<typename Text::value_type> text) {
  Text joined;
  joined.reserve(text.size());
  size_t start = 0;
  for (size_t cr = text.find('\r'); cr != text.npos; cr = text.find('\r', start)) {
    joined.append(text.substr(start, cr - start));
    start = cr + 1 < text.size() && text[cr + 1] == '\n' ? cr + 2 : cr + 1;
  }
  joined.append(text.substr(start));
  return joined;
}

std::wstring DecodeUtf8Bytes(std::string_view bytes, bool& faithful) {
  std::wstring text;
  text.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size();) {
    char32_t c = 0;
    if (!NextUtf8(bytes, i, c)) {
      c = kReplacementCharacter;
      faithful = false;
    }
    AppendCodePoint(text, c);
  }
  return text;
}

std::wstring DecodeUtf16(std::string_view bytes, bool bigEndian, bool& faithful) {
  std::wstring text;
  text.reserve(bytes.size() / 2);
  const auto unit = [&](size_t i) -> char32_t {
    return bigEndian ? Byte(bytes, i) << 8 | Byte(bytes, i + 1) : Byte(bytes, i + 1) << 8 | Byte(bytes, i);
  };
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    char32_t c = unit(i);
    // Pairs become one character where text is UTF-32; lone surrogates stay, so they go back as they came.
    if constexpr (sizeof(wchar_t) == 4) {
      const char32_t low = i + 3 < bytes.size() ? unit(i + 2) : 0;
      if (c >= 0xD800 && c <= 0xDBFF && low >= 0xDC00 && low <= 0xDFFF) {
        c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      }
    }
    text += static_cast<wchar_t>(c);
  }
  if (bytes.size() % 2 != 0) faithful = false;  // half a character at the end
  return text;
}

std::string EncodeUtf16(std::wstring_view text, bool bigEndian, bool& lossy) {
  std::string bytes;
  bytes.reserve(text.size() * 2);
  const auto put = [&](char32_t unit) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? high : low;
    bytes += bigEndian ? low : high;
  };
  for (size_t i = 0; i < text.size();) {
    char32_t c = NextCodePoint(text, i);
    if (c > kLastCodePoint) {
      c = kReplacementCharacter;
      lossy = true;
    }
    if (c > 0xFFFF) {
      put(0xD800 + ((c - 0x10000) >> 10));
      put(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      put(c);
    }
  }
  return bytes;
}

// The text in the code page as one line that reads as nothing else: a text
// beginning with the bytes of a byte order mark is put after a line end.
std::string CodePageLine(const AnsiCodec& codePage, std::wstring_view text, bool& lost) {
  std::string line = codePage.Encode(text, &lost);
  for (const auto& mark : kByteOrderMarks) {
    if (line.starts_with(mark.bytes)) line.insert(0, "\r\n");
  }
  if (DetectEncoding(codePage, line + "\r\n") == TextEncoding::CodePage) {
    line += "\r\n";
  } else {
    line += kCodePageMark;
  }
  return line;
}

}  // namespace

TextEncoding DetectEncoding(const AnsiCodec& codePage, std::string_view bytes) {
  for (const auto& mark : kByteOrderMarks) {
    if (bytes.starts_with(mark.bytes)) return mark.encoding;
  }
  bool ascii = true, unlikely = false;
  for (size_t i = 0; i < bytes.size();) {
    // Most of a list is ASCII, a byte a character.
    if (uint8_t(bytes[i]) < 0x80) {
      ++i;
      continue;
    }
    char32_t c = 0;
    if (!NextUtf8(bytes, i, c)) return TextEncoding::CodePage;
    if (c < 0x80) continue;
    ascii = false;
    unlikely = unlikely || UnlikelyInUtf8(c);
  }
  if (ascii) return TextEncoding::CodePage;
  const bool marked = bytes.ends_with(kCodePageMark);
  return (marked || unlikely) && ReadsWholeInCodePage(codePage, bytes) ? TextEncoding::CodePage : TextEncoding::Utf8;
}

FileText DecodeFile(const AnsiCodec& codePage, std::string_view bytes) {
  FileText file;
  file.encoding = DetectEncoding(codePage, bytes);
  if (file.encoding == TextEncoding::CodePage) {
    // Joined first, as the bytes are: no code page has CR as a trail byte.
    const std::string joined = JoinLines<std::string>(bytes);
    file.text = codePage.Decode(joined);
    file.faithful = codePage.Encode(file.text) == joined;
  } else {
    file.text = JoinLines<std::wstring>(DecodeText(codePage, bytes, file.encoding, &file.faithful));
  }
  return file;
}

std::wstring DecodeText(const AnsiCodec& codePage, std::string_view bytes, TextEncoding encoding, bool* faithful) {
  bool whole = true;
  std::wstring text;
  switch (encoding) {
    case TextEncoding::CodePage:
      text = codePage.Decode(bytes);
      break;
    case TextEncoding::Utf8:
    case TextEncoding::Utf8Bom:
      return DecodeUtf8(bytes, faithful);
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be: {
      const bool bigEndian = encoding == TextEncoding::Utf16Be;
      if (bytes.starts_with(bigEndian ? kUtf16BeBom : kUtf16LeBom)) bytes.remove_prefix(kUtf16LeBom.size());
      text = DecodeUtf16(bytes, bigEndian, whole);
      break;
    }
  }
  if (faithful) *faithful = whole;
  return text;
}

std::wstring DecodeUtf8(std::string_view bytes, bool* faithful) {
  if (bytes.starts_with(kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
  bool whole = true;
  std::wstring text = DecodeUtf8Bytes(bytes, whole);
  if (faithful) *faithful = whole;
  return text;
}

// Windows keeps text in UTF-16, other systems in UTF-32.
void AppendCodePoint(std::wstring& text, char32_t c) {
  if constexpr (sizeof(wchar_t) == 2) {
    if (c > 0xFFFF) {
      c -= 0x10000;
      text += static_cast<wchar_t>(0xD800 + (c >> 10));
      text += static_cast<wchar_t>(0xDC00 + (c & 0x3FF));
      return;
    }
  }
  text += static_cast<wchar_t>(c);
}

std::string EncodeFile(const AnsiCodec& codePage, std::wstring_view text, TextEncoding encoding, bool* lossy) {
  bool lost = false;
  std::string bytes;
  const auto line = [&] { return std::wstring(text) + L"\r\n"; };
  switch (encoding) {
    case TextEncoding::CodePage:
      bytes = CodePageLine(codePage, text, lost);
      break;
    case TextEncoding::Utf8:
      bytes = EncodeUtf8(line(), &lost);
      // Text that begins with U+FEFF or would pass for the code page keeps
      // what it is behind a byte order mark.
      if (DetectEncoding(codePage, bytes) != TextEncoding::Utf8 && !std::ranges::all_of(text, [](wchar_t c) { return c < 0x80; }))
        bytes.insert(0, kUtf8Bom);
      break;
    case TextEncoding::Utf8Bom:
      bytes = EncodeUtf8File(text, &lost);
      break;
    case TextEncoding::Utf16Le:
      bytes = std::string(kUtf16LeBom) + EncodeUtf16(line(), false, lost);
      break;
    case TextEncoding::Utf16Be:
      bytes = std::string(kUtf16BeBom) + EncodeUtf16(line(), true, lost);
      break;
  }
  if (lossy) *lossy = lost;
  return bytes;
}

std::string EncodeUtf8File(std::wstring_view text, bool* lossy) {
  return std::string(kUtf8Bom) + EncodeUtf8(std::wstring(text) + L"\r\n", lossy);
}

bool CanHold(const AnsiCodec& codePage, TextEncoding encoding, std::wstring_view text) {
  if (encoding == TextEncoding::CodePage) return codePage.Holds(text);
  bool lossy = false;
  EncodeFile(codePage, text, encoding, &lossy);
  return !lossy;
}

}  // namespace oravin
