#include "app/single_instance.h"

#include <cwctype>
#include <functional>

#include "runtime/app.h"

namespace oravin {
namespace {

constexpr wchar_t kMainClass[] = L"Oravin.frmMain";

std::wstring FolderOfProcess(DWORD processId) {
  UniqueKernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  if (!process) return {};
  wchar_t path[MAX_PATH * 2];
  DWORD size = MAX_PATH * 2;
  if (!QueryFullProcessImageNameW(process.get(), 0, path, &size)) return {};
  return DirectoryOfModule(std::wstring(path, size));
}

std::wstring Folded(std::wstring text) {
  for (wchar_t& c : text) c = wchar_t(std::towlower(c));
  return text;
}

}  // namespace

std::wstring InstanceName(const std::wstring& programFolder) {
  // Backslashes may not appear in a mutex name after the namespace.
  return L"Local\\Oravin-" + std::to_wstring(std::hash<std::wstring>{}(Folded(programFolder)));
}

bool SingleInstance::Claim(const std::wstring& programFolder) {
  mutex_.reset(CreateMutexW(nullptr, FALSE, InstanceName(programFolder).c_str()));
  return !mutex_ || GetLastError() != ERROR_ALREADY_EXISTS;
}

void ActivateRunningCopy(const std::wstring& programFolder) {
  struct Search {
    std::wstring folder;
    HWND found = nullptr;
  } search{Folded(programFolder)};
  EnumWindows(
      [](HWND window, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lp);
        wchar_t cls[64] = {};
        GetClassNameW(window, cls, 64);
        if (std::wstring(cls) != kMainClass) return TRUE;
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        if (Folded(FolderOfProcess(pid)) != s->folder) return TRUE;
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  if (!search.found) return;
  DWORD pid = 0;
  GetWindowThreadProcessId(search.found, &pid);
  AllowSetForegroundWindow(pid);
  // What a click on the notification icon sends: raise, and restore if hidden.
  PostMessageW(search.found, WM_MOUSEMOVE, 0, MAKELPARAM(WM_LBUTTONUP, 0));
}

}  // namespace oravin
