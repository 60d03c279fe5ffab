#include "runtime/durable_file.h"

#include "runtime/file_path.h"

namespace oravin {

std::wstring TemporaryOf(const std::wstring& target) { return target + std::wstring(kTemporarySuffix); }

bool CreateFolders(const std::wstring& folder, std::error_code& error) {
  // An empty path names no folder, not even the current one.
  if (folder.empty()) {
    error = std::make_error_code(std::errc::invalid_argument);
    return false;
  }
  const PathKind kind = KindOfPath(folder, &error);
  if (kind == PathKind::Folder) return true;
  if (error) return false;
  if (kind == PathKind::File) {
    error = std::make_error_code(std::errc::not_a_directory);
    return false;
  }
  const std::wstring parent = ParentOf(folder);
  if (!parent.empty() && parent != folder && !CreateFolders(parent, error)) return false;
  return CreateFolder(folder, error);
}

}  // namespace oravin
