#include "app/browser_bookmark_source.h"

#include <shlobj.h>

#include <algorithm>

#include "runtime/case_fold.h"
#include "runtime/durable_file.h"
#include "runtime/file_path.h"

namespace oravin {
namespace {

bool IsBookmarksFile(const std::wstring& name) {
  return std::any_of(kBookmarkFiles.begin(), kBookmarkFiles.end(),
                     [&](std::wstring_view file) { return EqualsIgnoringCase(name, file); });
}

// The profiles' folders, the default one first.
std::vector<std::wstring> ProfilesIn(const std::wstring& folder) {
  std::vector<std::wstring> profiles = NamesIn(folder, PathKind::Folder);
  std::sort(profiles.begin(), profiles.end(), [](const std::wstring& a, const std::wstring& b) {
    return std::make_pair(a != L"Default", a) < std::make_pair(b != L"Default", b);
  });
  return profiles;
}

}  // namespace

std::wstring LocalAppDataFolder() {
  PWSTR path = nullptr;
  std::wstring folder;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &path))) folder = path;
  CoTaskMemFree(path);
  return folder;
}

BrowserBookmarkSource::BrowserBookmarkSource(FolderWatcher& watcher, std::wstring localAppData, HWND window,
                                             UINT arrived)
    : watcher_(watcher), localAppData_(std::move(localAppData)), window_(window), arrived_(arrived) {
  Watch();
  ReadSoon();
}

BrowserBookmarkSource::~BrowserBookmarkSource() {
  watches_.clear();
  // A reading in progress works on this object's files: it ends first.
  if (reading_) WaitForSingleObject(reading_.get(), INFINITE);
}

// Each browser's folder of profiles, for a profile added, and each profile's
// folder, for its bookmarks files. A folder alone, not the folders in it:
// Wine reports nothing from those, and Windows would report every file of the
// browser's caches. The browsers write other files there all the time; only
// a bookmarks file is worth a look.
bool BrowserBookmarkSource::Watch() {
  bool added = false;
  const auto watch = [&](const std::wstring& folder, FolderWatcher::OnChange onChange) {
    if (watches_.contains(folder)) return;
    if (auto watching = watcher_.Watch(folder, false, std::move(onChange))) {
      watches_.emplace(folder, std::move(watching));
      added = true;
    }
  };
  for (const Browser& browser : kBrowsers) {
    const std::wstring folder = JoinPath(localAppData_, browser.profiles);
    watch(folder, [this](const FolderChanges&) {
      if (Watch()) ReadSoon();
    });
    for (const std::wstring& profile : ProfilesIn(folder)) {
      watch(JoinPath(folder, profile), [this](const FolderChanges& changes) {
        if (changes.overflowed || std::any_of(changes.names.begin(), changes.names.end(), IsBookmarksFile)) ReadSoon();
      });
    }
  }
  return added;
}

void BrowserBookmarkSource::ReadSoon() {
  if (reading_) {
    again_ = true;
    return;
  }
  reading_.reset(CreateThread(nullptr, 0, ReadOnItsThread, this, 0, nullptr));
  // Without a thread the reading is done here: late, but not lost.
  if (!reading_) ReadOnItsThread(this);
}

DWORD WINAPI BrowserBookmarkSource::ReadOnItsThread(void* self) {
  auto& source = *static_cast<BrowserBookmarkSource*>(self);
  if (source.ReadChanged()) source.indexed_ = IndexBookmarks(source.files_);
  PostMessageW(source.window_, source.arrived_, 0, 0);
  return 0;
}

std::optional<IndexedBookmarks> BrowserBookmarkSource::Arrived() {
  if (reading_) {
    WaitForSingleObject(reading_.get(), INFINITE);
    reading_.reset();
  }
  std::optional<IndexedBookmarks> indexed = std::move(indexed_);
  indexed_.reset();
  if (again_) {
    again_ = false;
    ReadSoon();
  }
  return indexed;
}

bool BrowserBookmarkSource::ReadChanged() {
  std::vector<ProfileBookmarks> files;
  std::vector<Stamp> stamps;
  bool changed = false;
  for (size_t browser = 0; browser < kBrowsers.size(); ++browser) {
    const std::wstring folder = JoinPath(localAppData_, kBrowsers[browser].profiles);
    for (const std::wstring& profile : ProfilesIn(folder)) {
      for (const std::wstring_view name : kBookmarkFiles) {
        const std::wstring path = JoinPath(JoinPath(folder, profile), name);
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ||
            (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
          continue;
        }
        Stamp stamp{path, uint64_t(data.nFileSizeHigh) << 32 | data.nFileSizeLow, data.ftLastWriteTime, true};
        const auto known = std::find_if(stamps_.begin(), stamps_.end(), [&](const Stamp& s) { return s.path == path; });
        ProfileBookmarks file{browser, {}};
        if (known != stamps_.end()) file.bookmarks = std::move(files_[size_t(known - stamps_.begin())].bookmarks);
        const bool same = known != stamps_.end() && known->read && known->size == stamp.size &&
                          CompareFileTime(&known->written, &stamp.written) == 0;
        if (!same) {
          std::string bytes;
          std::error_code error;
          if (!ReadFileContents(path, bytes, error)) {
            stamp.read = false;  // held by another program for a moment
          } else if (auto bookmarks = ParseChromiumBookmarks(bytes)) {
            file.bookmarks = std::move(*bookmarks);
            changed = true;
          }
        }
        changed |= known == stamps_.end();
        files.push_back(std::move(file));
        stamps.push_back(std::move(stamp));
      }
    }
  }
  changed |= stamps.size() != stamps_.size();
  files_ = std::move(files);
  stamps_ = std::move(stamps);
  return changed;
}

}  // namespace oravin
