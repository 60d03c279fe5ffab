#pragma once
// How the bytes of a list or settings file become text and back. The program
// writes its files in the system code page; people also save them from Notepad
// as UTF-8 (with or without a byte order mark) or as "Unicode" (UTF-16 with one).
// Whatever may meet the code page is given it (codePage): the system's in the
// program, a stand-in in the native tests.
#include <string>
#include <string_view>

#include "runtime/ansi_codec.h"

namespace oravin {

enum class TextEncoding {
  CodePage,  // the system's ANSI code page: what the program creates
  Utf8,      // without a byte order mark (Notepad's default)
  Utf8Bom,
  Utf16Le,  // Notepad's "Unicode", always with its byte order mark
  Utf16Be,  // Notepad's "Unicode big endian"
};

// What a file's bytes read as.
struct FileText {
  std::wstring text;  // every line end (CR LF, or CR alone) dropped, the lines joined
  TextEncoding encoding = TextEncoding::CodePage;
  // Writing the text back in the same encoding gives the same bytes, line ends
  // aside. False for bytes the encoding cannot read (a lone lead byte, a
  // GB18030 four-byte sequence, binary junk), which a save would change.
  bool faithful = true;
};

// A byte order mark decides. Without one, bytes that are valid UTF-8 and not
// all ASCII are UTF-8, as Notepad reads them: text in a Chinese code page is
// seldom valid UTF-8, whose sequences have a strict shape (a GBK character
// beginning with B0-BF, C0 or C1 can never start one). Short text can be
// both, though (谁 is CB AD in GBK, U+02ED in UTF-8), so such bytes are the
// code page's when they read whole in it and either end in a lone CR, as the
// program's own files then do, or hold a character hardly ever saved as
// UTF-8 (phonetic letters, private use...), as older files may. Anything
// else is the code page.
TextEncoding DetectEncoding(const AnsiCodec& codePage, std::string_view bytes);

FileText DecodeFile(const AnsiCodec& codePage, std::string_view bytes);

// The bytes as text in the encoding, after its byte order mark when they
// begin with one, line ends kept. *faithful (when given) as in FileText.
std::wstring DecodeText(const AnsiCodec& codePage, std::string_view bytes, TextEncoding encoding,
                        bool* faithful = nullptr);
// The same for UTF-8, which needs no code page.
std::wstring DecodeUtf8(std::string_view bytes, bool* faithful = nullptr);

// Appends a character given by its number (as a pair of surrogates where text is UTF-16).
void AppendCodePoint(std::wstring& text, char32_t c);

// The text as one line ending in CR LF, after the encoding's byte order mark,
// in bytes that DetectEncoding takes for that encoding: in the code page a
// line that could pass for UTF-8 ends in CR alone, and one beginning with the
// bytes of a byte order mark comes after a line end; UTF-8 that would pass
// for another encoding gets its byte order mark. *lossy (when given) says
// whether a character could not be stored.
std::string EncodeFile(const AnsiCodec& codePage, std::wstring_view text, TextEncoding encoding,
                       bool* lossy = nullptr);
// A line of UTF-8 after its byte order mark, as EncodeFile writes it in Utf8Bom.
std::string EncodeUtf8File(std::wstring_view text, bool* lossy = nullptr);

// Whether a file in this encoding can hold the text whole: the code page only
// what it has characters for, UTF-8 and UTF-16 any text.
bool CanHold(const AnsiCodec& codePage, TextEncoding encoding, std::wstring_view text);

}  // namespace oravin
