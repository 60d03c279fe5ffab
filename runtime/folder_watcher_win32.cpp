#include <windows.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "runtime/folder_watcher.h"
#include "runtime/handles.h"
#include "runtime/window.h"

namespace oravin {
namespace {

// A burst is over when the folder has been quiet this long; a folder that
// never goes quiet is still reported this often.
constexpr DWORD kQuietMs = 100;
constexpr DWORD kLongestDelayMs = 500;
// Enough for a few hundred names between two reads; more is an overflow.
constexpr DWORD kBufferBytes = 64 * 1024;
constexpr DWORD kWhatChanges =
    FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SIZE;
constexpr UINT kChangesReady = WM_APP + 1;

void AddOnce(std::vector<std::wstring>& names, std::wstring name) {
  if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(std::move(name));
}

// The watch's own message-only window: the watching thread posts each report
// to it, so the report is handled on the thread that asked to watch.
class SystemFolderWatch final : public FolderWatch, private Window {
 public:
  SystemFolderWatch(UniqueKernelHandle folder, bool subfolders, FolderWatcher::OnChange onChange)
      : folder_(std::move(folder)), subfolders_(subfolders), onChange_(std::move(onChange)) {}

  bool Start() {
    stop_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    arrived_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    asked_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!stop_ || !arrived_ || !asked_ || !Create({.className = L"OravinFolderWatch", .parent = HWND_MESSAGE})) return false;
    thread_.reset(CreateThread(nullptr, 0, &SystemFolderWatch::ThreadMain, this, 0, nullptr));
    if (!thread_) return false;
    // A change made once Watch has returned must be seen: the system only
    // collects them from the thread's first request on.
    const HANDLE started[] = {asked_.get(), thread_.get()};
    return WaitForMultipleObjects(2, started, FALSE, INFINITE) == WAIT_OBJECT_0;
  }

  ~SystemFolderWatch() override {
    if (thread_) {
      SetEvent(stop_.get());
      WaitForSingleObject(thread_.get(), INFINITE);
    }
    // Reports posted but not handled yet own their changes.
    MSG msg;
    while (hwnd() && PeekMessageW(&msg, hwnd(), kChangesReady, kChangesReady, PM_REMOVE))
      delete reinterpret_cast<FolderChanges*>(msg.lParam);
  }

 private:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg != kChangesReady) return DefaultProc(msg, wp, lp);
    const std::unique_ptr<FolderChanges> changes(reinterpret_cast<FolderChanges*>(lp));
    onChange_(*changes);
    return 0;
  }

  static DWORD WINAPI ThreadMain(void* self) {
    static_cast<SystemFolderWatch*>(self)->Run();
    return 0;
  }

  bool Ask(OVERLAPPED& overlapped) {
    ResetEvent(arrived_.get());
    overlapped = {};
    overlapped.hEvent = arrived_.get();
    return ReadDirectoryChangesW(folder_.get(), buffer_.data(), kBufferBytes, subfolders_, kWhatChanges, nullptr,
                                 &overlapped, nullptr);
  }

  // Reads what one answer of the system lists; an empty answer means its list overflowed.
  void Collect(DWORD bytes, FolderChanges& into) const {
    if (bytes == 0) {
      into.overflowed = true;
      return;
    }
    const auto* at = reinterpret_cast<const BYTE*>(buffer_.data());
    for (;;) {
      const auto* record = reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(at);
      AddOnce(into.names, std::wstring(record->FileName, record->FileNameLength / sizeof(wchar_t)));
      if (record->NextEntryOffset == 0) break;
      at += record->NextEntryOffset;
    }
  }

  void Report(std::unique_ptr<FolderChanges>& changes) {
    if (PostMessageW(hwnd(), kChangesReady, 0, reinterpret_cast<LPARAM>(changes.get()))) changes.release();
    changes.reset();
  }

  void Run() {
    OVERLAPPED overlapped;
    bool asking = Ask(overlapped);
    if (!asking) return;
    SetEvent(asked_.get());
    std::unique_ptr<FolderChanges> pending;
    DWORD firstChange = 0, lastChange = 0;
    while (asking || pending) {
      DWORD wait = INFINITE;
      if (pending) {
        const DWORD now = GetTickCount();
        const DWORD quietLeft = kQuietMs - std::min(kQuietMs, now - lastChange);
        const DWORD delayLeft = kLongestDelayMs - std::min(kLongestDelayMs, now - firstChange);
        wait = std::min(quietLeft, delayLeft);
      }
      const HANDLE events[] = {stop_.get(), arrived_.get()};
      const DWORD woken = WaitForMultipleObjects(asking ? 2 : 1, events, FALSE, wait);
      if (woken == WAIT_OBJECT_0) break;
      if (woken == WAIT_TIMEOUT) {
        Report(pending);
        continue;
      }
      DWORD bytes = 0;
      const bool answered = GetOverlappedResult(folder_.get(), &overlapped, &bytes, FALSE);
      if (!pending) {
        pending = std::make_unique<FolderChanges>();
        firstChange = GetTickCount();
      }
      lastChange = GetTickCount();
      // A folder that went away, or an answer that failed, may hide any change.
      if (answered) Collect(bytes, *pending);
      else pending->overflowed = true;
      asking = answered && Ask(overlapped);
      if (!asking) pending->overflowed = true;
    }
    if (asking) {
      CancelIoEx(folder_.get(), &overlapped);
      DWORD bytes = 0;
      GetOverlappedResult(folder_.get(), &overlapped, &bytes, TRUE);
    }
  }

  UniqueKernelHandle folder_;
  const bool subfolders_;
  FolderWatcher::OnChange onChange_;
  // DWORD-aligned, as the system writes its records.
  std::vector<DWORD> buffer_ = std::vector<DWORD>(kBufferBytes / sizeof(DWORD));
  UniqueKernelHandle stop_, arrived_, asked_, thread_;
};

class SystemWatcher final : public FolderWatcher {
 public:
  std::unique_ptr<FolderWatch> Watch(const std::wstring& folder, bool subfolders, OnChange onChange) override {
    // FILE_SHARE_DELETE: a watched folder can still be renamed or removed by its owner.
    UniqueKernelHandle handle(CreateFileW(folder.c_str(), FILE_LIST_DIRECTORY,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                          OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr));
    if (handle.get() == INVALID_HANDLE_VALUE) {
      handle.release();
      return nullptr;
    }
    auto watch = std::make_unique<SystemFolderWatch>(std::move(handle), subfolders, std::move(onChange));
    if (!watch->Start()) return nullptr;
    return watch;
  }
};

}  // namespace

FolderWatcher& SystemFolderWatcher() {
  static SystemWatcher watcher;
  return watcher;
}

}  // namespace oravin
