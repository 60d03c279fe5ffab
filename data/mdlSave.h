#pragma once
// One-line text files: the lists and the settings. The program creates them in
// the system's code page; a file read in another encoding is written back in it.
#include <string>

#include "data/text_encoding.h"

namespace oravin {

// The file's lines joined without their line ends. On failure the user is
// told ("Error " number, description) and the result is empty; *unreadable
// (when given) then says whether the file is there but could not be read
// (held by another program, access denied), so that its contents are unknown.
std::wstring ReadTextFile(const std::wstring& path, bool* unreadable = nullptr);

// Replaces the file with the text as one line, in the encoding it was last
// read in, and leaves it alone when it already reads as the text. The old file
// stays whole until the new one is; one that holds bytes the program would not
// give back is first kept beside it (name + ".bak") and the user is told. A
// missing folder is created, and temporaries left in it by a save that was
// cut short are removed. Failures are told to the user.
bool WriteTextFile(const std::wstring& text, const std::wstring& path);
// The same in an encoding of the caller's choice.
bool WriteTextFileIn(const std::wstring& text, const std::wstring& path, TextEncoding encoding);

// Whether the file's length can be read (an empty file counts).
bool FileExists(const std::wstring& path);

// The encoding the file was last read or written in; the code page for a file
// the program has not met.
TextEncoding EncodingOf(const std::wstring& path);

}  // namespace oravin
