#pragma once
// The browsers' bookmarks (app/browser_bookmarks.h) as they are on the disk:
// read once, then again each time a profile's bookmarks file changes, only
// the files that changed, on a thread of its own so the window never waits
// for a big file, nor for merging and indexing what the files hold. The
// files are only read, shared with the browser, which can replace them
// meanwhile. A file that cannot be read (locked, half-written, not a
// bookmarks file) keeps what it gave last, and is tried again when it
// changes.
#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/browser_bookmarks.h"
#include "runtime/folder_watcher.h"
#include "runtime/handles.h"

namespace oravin {

class BrowserBookmarkSource {
 public:
  // Starts reading: `arrived` is posted to `window` when a reading is done,
  // and the window then calls Arrived().
  BrowserBookmarkSource(FolderWatcher& watcher, std::wstring localAppData, HWND window, UINT arrived);
  ~BrowserBookmarkSource();
  BrowserBookmarkSource(const BrowserBookmarkSource&) = delete;
  BrowserBookmarkSource& operator=(const BrowserBookmarkSource&) = delete;

  // The bookmarks of every profile, indexed, when they changed with the
  // reading that just ended: the browsers in their order, a browser's
  // default profile first.
  std::optional<IndexedBookmarks> Arrived();

 private:
  struct Stamp {
    std::wstring path;
    uint64_t size;
    FILETIME written;
    bool read;  // false: to be read at the next look, whatever its stamp says
  };
  // Watches what is not watched yet; true when something was.
  bool Watch();
  void ReadSoon();
  static DWORD WINAPI ReadOnItsThread(void* self);
  bool ReadChanged();

  FolderWatcher& watcher_;
  const std::wstring localAppData_;
  const HWND window_;
  const UINT arrived_;
  std::map<std::wstring, std::unique_ptr<FolderWatch>> watches_;  // by folder
  // The reading thread's: it keeps what each file gave, for the next reading.
  std::vector<ProfileBookmarks> files_;
  std::vector<Stamp> stamps_;
  // What the reading made for the window when the bookmarks changed.
  std::optional<IndexedBookmarks> indexed_;
  UniqueKernelHandle reading_;
  // A change came while reading: another reading follows.
  bool again_ = false;
};

// %LOCALAPPDATA%, where the browsers keep their profiles.
std::wstring LocalAppDataFolder();

}  // namespace oravin
