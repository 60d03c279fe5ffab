#include "app/single_instance.h"

#include <algorithm>
#include <cwchar>

#include "actions/tray_icon.h"
#include "app/tray_message.h"
#include "runtime/app.h"

namespace oravin {
namespace {

constexpr wchar_t kMainClass[] = L"Oravin.frmMain";
constexpr wchar_t kNamePrefix[] = L"Local\\Oravin-";

std::wstring FolderOfProcess(DWORD processId) {
  UniqueKernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  if (!process) return {};
  wchar_t path[MAX_PATH * 2];
  DWORD size = MAX_PATH * 2;
  if (!QueryFullProcessImageNameW(process.get(), 0, path, &size)) return {};
  return DirectoryOfModule(std::wstring(path, size));
}

// A path as part of a kernel object's name, where a backslash may not stand.
// Folded to upper case as the file system folds names, beyond ASCII too, so
// every spelling of the folder names one object.
std::wstring NameOfPath(const std::wstring& path) {
  std::wstring text(path.size(), L'\0');
  if (!path.empty()) {
    LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, path.c_str(), int(path.size()), text.data(),
                  int(text.size()), nullptr, nullptr, 0);
  }
  std::replace(text.begin(), text.end(), L'\\', L'/');
  return kNamePrefix + text;
}

struct RunningCopySearch {
  std::wstring name;
  HWND found = nullptr;
};

// A named callback: on 32-bit Windows the enumeration wants the stdcall convention.
BOOL CALLBACK FindRunningCopy(HWND window, LPARAM lp) {
  auto* search = reinterpret_cast<RunningCopySearch*>(lp);
  wchar_t cls[64] = {};
  GetClassNameW(window, cls, 64);
  if (std::wstring(cls) != kMainClass) return TRUE;
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (InstanceName(FolderOfProcess(pid)) != search->name) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

// What names a folder whatever path reaches it: its volume and its number on
// the volume. Only a folder that cannot be opened falls back to its path's text.
std::wstring InstanceName(const std::wstring& programFolder) {
  // Opening a folder needs backup semantics; asking for attributes only
  // needs no right to its contents.
  UniqueKernelHandle handle(CreateFileW(programFolder.c_str(), FILE_READ_ATTRIBUTES,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                        FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (handle.get() == INVALID_HANDLE_VALUE) {
    handle.release();  // INVALID_HANDLE_VALUE is not a handle to close
    return NameOfPath(programFolder);
  }
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(handle.get(), &info)) return NameOfPath(programFolder);
  return InstanceNameFor(info.dwVolumeSerialNumber, (uint64_t(info.nFileIndexHigh) << 32) | info.nFileIndexLow);
}

std::wstring InstanceNameFor(uint32_t volumeSerial, uint64_t fileIndex) {
  wchar_t id[32];
  std::swprintf(id, 32, L"%08X-%016llX", unsigned(volumeSerial), static_cast<unsigned long long>(fileIndex));
  return kNamePrefix + std::wstring(id);
}

bool SingleInstance::Claim(const std::wstring& programFolder) {
  mutex_.reset(CreateMutexW(nullptr, FALSE, InstanceName(programFolder).c_str()));
  return !mutex_ || GetLastError() != ERROR_ALREADY_EXISTS;
}

void ActivateRunningCopy(const std::wstring& programFolder) {
  RunningCopySearch search{InstanceName(programFolder)};
  EnumWindows(FindRunningCopy, reinterpret_cast<LPARAM>(&search));
  if (!search.found) return;
  DWORD pid = 0;
  GetWindowThreadProcessId(search.found, &pid);
  AllowSetForegroundWindow(pid);
  // What a click on the notification icon sends: raise, and restore if hidden.
  PostMessageW(search.found, kTrayMessage, 0, MAKELPARAM(WM_LBUTTONUP, kTrayIconId));
}

}  // namespace oravin
