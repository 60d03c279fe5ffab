#pragma once
// Tells its owner when files in a folder change: another program saved a list,
// a sync client replaced one, a browser wrote its bookmarks. A burst of changes
// (a save is often several: a temporary written, renamed, its date set) comes
// as one report once the folder has been quiet for a moment, on the thread
// that asked to watch, from its message loop; so a report never overlaps the
// owner's other work.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace oravin {

struct FolderChanges {
  // The files changed, by their paths inside the folder, each once.
  std::vector<std::wstring> names;
  // Too many changes to list: any file in the folder may have changed.
  bool overflowed = false;

  // Whether the file (a path inside the folder) may have changed. Windows
  // matches file names without regard to letter case, and so does this.
  bool Touches(std::wstring_view name) const;
};

// Watching lasts as long as this lives; no report comes after it is gone.
class FolderWatch {
 public:
  virtual ~FolderWatch() = default;
};

class FolderWatcher {
 public:
  using OnChange = std::function<void(const FolderChanges&)>;
  virtual ~FolderWatcher() = default;
  // Nothing when the folder cannot be watched (it is missing, or the system refuses).
  virtual std::unique_ptr<FolderWatch> Watch(const std::wstring& folder, bool subfolders, OnChange onChange) = 0;
};

// The system's watcher.
FolderWatcher& SystemFolderWatcher();

}  // namespace oravin
