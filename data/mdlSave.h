#pragma once
// One-line text files in the system's code page: the lists and the settings.
#include <filesystem>
#include <string>

namespace oravin {

// The file's lines joined without their line ends. On failure the user is
// told ("Error " number, description) and the result is empty.
std::wstring ReadTextFile(const std::filesystem::path& path);

// Replaces the file with the text as one line; the old file stays whole until
// the new one is. A missing folder is created. Failures are told to the user.
bool WriteTextFile(const std::wstring& text, const std::filesystem::path& path);

// Whether the file's length can be read (an empty file counts).
bool FileExists(const std::filesystem::path& path);

}  // namespace oravin
