#pragma once
// One-line text files: the lists and the settings. The program creates them in
// the system's code page; a file read in another encoding is written back in it.
// Nothing here shows a message: what the user must hear of is added to the
// caller's notices, in the order it happened.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "data/text_encoding.h"
#include "runtime/message_box.h"

namespace oravin {

// Tells a file's bytes from other bytes, so that a file changed by another
// program is noticed without decoding it again.
using Fingerprint = std::size_t;
Fingerprint FingerprintOf(std::string_view bytes);

enum class ReadOutcome {
  Read,
  Missing,     // no file (or no folder): it reads as empty
  Unreadable,  // there, but held by another program or denied: its contents are unknown
};

struct TextFileRead {
  std::wstring text;  // the file's lines joined without their line ends
  TextEncoding encoding = TextEncoding::CodePage;
  ReadOutcome outcome = ReadOutcome::Read;
  Fingerprint fingerprint = 0;  // of the bytes read
};

// Whether the text is one of the program's files, as the program wrote it or
// a person typed it: empty, or with a "<Split>" or an entry anywhere.
bool ReadsAsOurs(std::wstring_view text);

// A file that cannot be read gives "Error " number, description and reads as empty.
TextFileRead ReadTextFile(const AnsiCodec& codePage, const std::wstring& path, Notices& notices);

// Replaces the file with the text as one line in the encoding, and leaves it
// alone when it already reads as the text. The old file stays whole until the
// new one is; one that holds bytes the program would not give back is first
// kept beside it (name + ".bak") and the user is told. A missing folder is
// created, and temporaries left in it by a save that was cut short are
// removed. Gives the fingerprint of what the file holds afterwards, or nothing
// when it could not be written.
std::optional<Fingerprint> WriteTextFile(const AnsiCodec& codePage, const std::wstring& text, const std::wstring& path,
                                         TextEncoding encoding, Notices& notices);

// Whether the file's length can be read (an empty file counts).
bool FileExists(const std::wstring& path);

// The fingerprint of the file's bytes as they are now; nothing when it cannot be read.
std::optional<Fingerprint> FingerprintOnDisk(const std::wstring& path);

}  // namespace oravin
