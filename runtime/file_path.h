#pragma once
// Paths as text, in the form of the system the program runs on: Windows
// writes "C:\Tools\Bin" and reads "/" as a separator too; other systems have
// "/" alone and no drives.
#include <string>
#include <string_view>

namespace oravin {

// "C:\Tools" and "Bin" give "C:\Tools\Bin"; no separator is added after one
// or to an empty folder.
std::wstring JoinPath(std::wstring_view folder, std::wstring_view name);
// Whether the path names one place whatever the current folder and drive:
// "C:\Tools" or "\\server\share", not "Tools", "C:Tools" or "\Tools".
bool IsAbsolutePath(std::wstring_view path);
// The folder of the last name: "C:\Tools" of "C:\Tools\fav.exe", "C:\" of
// "C:\fav.exe"; empty for a name alone.
std::wstring ParentOf(std::wstring_view path);
// The last name: "fav.exe"; empty after a trailing separator and for a root.
std::wstring FileNameOf(std::wstring_view path);
// The last name from its last dot: ".exe"; empty without a dot and for a name
// whose only dot comes first (".saving").
std::wstring ExtensionOf(std::wstring_view path);
// The last name without its extension: "fav".
std::wstring StemOf(std::wstring_view path);

}  // namespace oravin
