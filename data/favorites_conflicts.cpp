// Conflict copies that sync clients leave beside the list files.
#include <unordered_set>

#include "data/conflict_copy.h"
#include "data/favorites.h"
#include "runtime/durable_file.h"
#include "runtime/file_path.h"

namespace oravin {
namespace {

constexpr wchar_t kMergedFolder[] = L"merged";

// A copy of the same name may have been merged before: the later one is numbered.
std::wstring FreePathFor(const std::wstring& path) {
  std::wstring free = path;
  for (int n = 2; KindOfPath(free) != PathKind::Missing; ++n)
    free = JoinPath(ParentOf(path), StemOf(path) + L" (" + std::to_wstring(n) + L")" + ExtensionOf(path));
  return free;
}

}  // namespace

void Favorites::MergeConflictCopies(Notices& notices) {
  // Merged while the folder is away, a copy's entries could be saved nowhere.
  if (Away()) return;
  const std::vector<std::wstring> names = NamesIn(folder_, PathKind::File);
  for (const ListKind kind : kListKinds) {
    const std::wstring listName = FileNameOf(FileOf(kind));
    for (const std::wstring& name : names) {
      if (!IsConflictCopyOf(name, listName)) continue;
      const std::wstring copy = JoinPath(folder_, name);
      Notices unheard;
      const TextFileRead read = ReadTextFile(*codePage_, copy, unheard);
      // Still being written, or no list at all: left where it is.
      if (read.outcome != ReadOutcome::Read || !ReadsAsOurs(read.text)) continue;
      const std::wstring aside = FreePathFor(JoinPath(JoinPath(folder_, kMergedFolder), name));
      std::error_code error;
      // Moved first, so a copy that cannot be moved is not merged again and again.
      if (!CreateFolders(ParentOf(aside), error) || !MoveFileTo(copy, aside, error)) continue;
      LoadList(kind, notices);
      // A copy differs from the list by a few entries, whatever their number.
      const std::vector<std::wstring>& entries = Entries(kind);
      std::unordered_set<std::wstring> present(entries.begin(), entries.end());
      for (std::wstring& entry : EntriesOf(read.text))
        if (present.insert(entry).second) AddEntry(kind, std::move(entry));
      SaveList(kind, notices);
      notices.push_back({L"已将同步冲突副本 \"" + name + L"\" 中的条目合并到列表中.\r\n该副本已移至:\r\n" + aside,
                         L"提示", MsgIcon::Information});
    }
  }
}

}  // namespace oravin
