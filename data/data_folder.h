#pragma once
// Where the lists are kept: the program's Bin folder, unless the user chose
// another (one that a sync client or a network share keeps in step across
// PCs). The choice is the one line of a small UTF-8 file of its own in Bin,
// so the settings file keeps its format; without that file everything stays
// in Bin as it always was. The settings and what quick open learned stay in
// Bin whatever the choice: they belong to this PC.
#include <optional>
#include <string>
#include <string_view>

#include "runtime/message_box.h"

namespace oravin {

inline constexpr wchar_t kDataFolderFileName[] = L"DataFolder.txt";

enum class ChoiceShape { None, Folder, Damaged };

struct DataFolderChoice {
  ChoiceShape shape = ChoiceShape::None;
  std::wstring folder;
  bool operator==(const DataFolderChoice&) const = default;
};

// The choice file's bytes: UTF-8, with or without a byte order mark, the
// folder on the first line. Nothing but line ends is no choice; bytes that are
// no UTF-8, a path that depends on the current folder, or a second line are damaged.
DataFolderChoice ParseDataFolderChoice(std::string_view bytes);
std::string DataFolderChoiceBytes(std::wstring_view folder);

struct DataFolder {
  std::wstring path;
  // Why the lists cannot be read or written now: the chosen folder is not
  // there (a drive not connected yet), or the choice is damaged. Until that
  // passes the lists wait in memory; nothing goes anywhere else.
  std::optional<Notice> away;
};

// Where the lists are, as the choice file in the Bin folder says.
DataFolder FindDataFolder(const std::wstring& bin);

// Keeps the folder as the choice. The Bin folder itself is no choice and
// leaves no file, as before any choice was made.
bool KeepDataFolderChoice(const std::wstring& bin, const std::wstring& folder, Notices& notices);

}  // namespace oravin
