#pragma once
// Files and folders by their paths in the system's form (runtime/file_path.h).
//
// Whole files as bytes. Replacing one leaves, whatever fails at any moment,
// either the old file or the new one whole: the new contents go to a temporary
// file in the same folder (the target's name + ".saving"), are flushed to the
// disk, and then take the old file's place in one step.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace oravin {

inline constexpr std::wstring_view kTemporarySuffix = L".saving";

// Where a replacement is written before it takes the target's place.
std::wstring TemporaryOf(const std::wstring& target);
// A temporary is there only while a replacement runs: one found in the folder
// now was left by a save that was cut short, and goes.
void RemoveLeftoverTemporaries(const std::wstring& folder);

// Reads while other programs read or write the file too; fails when one holds
// it without sharing.
bool ReadFileContents(const std::wstring& file, std::string& bytes, std::error_code& error);

bool ReplaceFileContents(const std::wstring& target, const std::string& bytes, std::error_code& error);

// Moves a file to a path where nothing is yet; fails when something is.
bool MoveFileTo(const std::wstring& from, const std::wstring& to, std::error_code& error);

// Removes a file; true when it is gone (or was never there).
bool RemoveFile(const std::wstring& file, std::error_code& error);

// Whether two paths name the same folder, however each is spelled (another
// drive letter for it, a short name, a link); false when either is not there.
bool SameFolder(const std::wstring& a, const std::wstring& b);

enum class PathKind { Missing, File, Folder };

// What tells one version of a file from the next without reading it: its
// length and when it was last written.
struct FileStamp {
  uint64_t size = 0;
  uint64_t writeTime = 0;
  bool operator==(const FileStamp&) const = default;
};
// Nothing when the file is not there or cannot be looked at.
std::optional<FileStamp> StampOf(const std::wstring& path);

// The names of the files (kind File) or of the folders (kind Folder) in the
// folder, "." and ".." aside; none when it cannot be read.
std::vector<std::wstring> NamesIn(const std::wstring& folder, PathKind kind);

// What is at the path. *error (when given) is set only when the path could not
// be looked at for another reason than that nothing is there (or no folder on
// the way); the kind is then Missing.
PathKind KindOfPath(const std::wstring& path, std::error_code* error = nullptr);

// The folder with every folder above it that is missing; true when it is there.
// A file in its place or on its way is not_a_directory.
bool CreateFolders(const std::wstring& folder, std::error_code& error);
// One folder, in a folder that is there.
bool CreateFolder(const std::wstring& folder, std::error_code& error);

}  // namespace oravin
