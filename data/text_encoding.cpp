#include "data/text_encoding.h"

#include "runtime/ansi_codec.h"
#include "runtime/utf8.h"

namespace oravin {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

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

// Drops CR LF and lone CRs, as reading a file line by line does.
template <typename Text>
Text JoinLines(const Text& text) {
  Text joined;
  joined.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
      continue;
    }
    joined += text[i];
  }
  return joined;
}

std::wstring DecodeUtf8(std::string_view bytes, bool& faithful) {
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

}  // namespace

TextEncoding DetectEncoding(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Bom)) return TextEncoding::Utf8Bom;
  if (bytes.starts_with(kUtf16LeBom)) return TextEncoding::Utf16Le;
  if (bytes.starts_with(kUtf16BeBom)) return TextEncoding::Utf16Be;
  bool ascii = true;
  for (size_t i = 0; i < bytes.size();) {
    char32_t c = 0;
    if (!NextUtf8(bytes, i, c)) return TextEncoding::CodePage;
    ascii = ascii && c < 0x80;
  }
  return ascii ? TextEncoding::CodePage : TextEncoding::Utf8;
}

FileText DecodeFile(std::string_view bytes) {
  FileText file;
  file.encoding = DetectEncoding(bytes);
  if (file.encoding == TextEncoding::CodePage) {
    // Joined first, as the bytes are: no code page has CR as a trail byte.
    const std::string joined = JoinLines(std::string(bytes));
    file.text = SystemCodec().Decode(joined);
    file.faithful = SystemCodec().Encode(file.text) == joined;
  } else {
    file.text = JoinLines(DecodeText(bytes, file.encoding, &file.faithful));
  }
  return file;
}

std::wstring DecodeText(std::string_view bytes, TextEncoding encoding, bool* faithful) {
  bool whole = true;
  std::wstring text;
  switch (encoding) {
    case TextEncoding::CodePage:
      text = SystemCodec().Decode(bytes);
      break;
    case TextEncoding::Utf8:
    case TextEncoding::Utf8Bom:
      if (bytes.starts_with(kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
      text = DecodeUtf8(bytes, whole);
      break;
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

std::string EncodeFile(std::wstring_view text, TextEncoding encoding, bool* lossy) {
  bool lost = false;
  std::string bytes;
  const auto line = [&] { return std::wstring(text) + L"\r\n"; };
  switch (encoding) {
    case TextEncoding::CodePage:
      bytes = SystemCodec().Encode(text, &lost) + "\r\n";
      break;
    case TextEncoding::Utf8:
      bytes = EncodeUtf8(line(), &lost);
      break;
    case TextEncoding::Utf8Bom:
      bytes = std::string(kUtf8Bom) + EncodeUtf8(line(), &lost);
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

bool CanHold(TextEncoding encoding, std::wstring_view text) {
  if (encoding == TextEncoding::CodePage) return FitsCodePage(text);
  bool lossy = false;
  EncodeFile(text, encoding, &lossy);
  return !lossy;
}

}  // namespace oravin
