#include <windows.h>

#include <algorithm>
#include <optional>
#include <tuple>

#include "runtime/durable_file.h"
#include "runtime/file_path.h"
#include "runtime/handles.h"

namespace oravin {
namespace {

std::error_code LastError() { return {int(GetLastError()), std::system_category()}; }

// A sync client (OneDrive, Dropbox) or a virus scanner holds a file it is
// replacing or reading for a moment: the move is tried again after short
// waits, this long at most, on the caller's thread, before the failure is told.
constexpr DWORD kHeldRetryMs = 3000;
constexpr DWORD kHeldRetryStepMs = 100;

bool HeldByAnother(DWORD error, const std::wstring& target) {
  if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) return true;
  // Replacing a file open without delete sharing is denied; so is replacing a
  // read-only one, which no wait mends.
  const DWORD attributes = GetFileAttributesW(target.c_str());
  return error == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES &&
         !(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY));
}

// MoveFileExW, tried again while another program holds the target.
bool MoveInPlace(const std::wstring& from, const std::wstring& to) {
  for (DWORD waited = 0;; waited += kHeldRetryStepMs) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    const DWORD error = GetLastError();
    if (waited >= kHeldRetryMs || !HeldByAnother(error, to)) {
      SetLastError(error);
      return false;
    }
    Sleep(kHeldRetryStepMs);
  }
}

// CreateFileW fails with INVALID_HANDLE_VALUE, which is no handle to close.
UniqueKernelHandle OwnedFile(HANDLE file) { return UniqueKernelHandle(file == INVALID_HANDLE_VALUE ? nullptr : file); }

}  // namespace

void RemoveLeftoverTemporaries(const std::wstring& folder) {
  // Only files: a folder of that name is none of ours.
  for (const std::wstring& name : NamesIn(folder, PathKind::File)) {
    if (ExtensionOf(name) == kTemporarySuffix) DeleteFileW(JoinPath(folder, name).c_str());
  }
}

std::vector<std::wstring> NamesIn(const std::wstring& folder, PathKind kind) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found;
  const HANDLE first = FindFirstFileW(JoinPath(folder, L"*").c_str(), &found);
  if (first == INVALID_HANDLE_VALUE) return names;
  const UniqueFindHandle search(first);
  do {
    const std::wstring_view name = found.cFileName;
    const bool isFolder = found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
    if (name != L"." && name != L".." && isFolder == (kind == PathKind::Folder)) names.emplace_back(name);
  } while (FindNextFileW(search.get(), &found));
  return names;
}

bool MoveFileTo(const std::wstring& from, const std::wstring& to, std::error_code& error) {
  if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) return true;
  error = LastError();
  return false;
}

bool ReadFileContents(const std::wstring& file, std::string& bytes, std::error_code& error) {
  const UniqueKernelHandle handle = OwnedFile(CreateFileW(file.c_str(), GENERIC_READ,
                                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!handle) {
    error = LastError();
    return false;
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(handle.get(), &size)) {
    error = LastError();
    return false;
  }
  bytes.assign(size_t(size.QuadPart), '\0');
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD read = 0;
    const DWORD chunk = DWORD(std::min<size_t>(bytes.size() - done, 1u << 30));
    if (!ReadFile(handle.get(), bytes.data() + done, chunk, &read, nullptr)) {
      error = LastError();
      return false;
    }
    if (read == 0) break;  // shorter than it was a moment ago
    done += read;
  }
  bytes.resize(done);
  return true;
}

bool ReplaceFileContents(const std::wstring& target, const std::string& bytes, std::error_code& error) {
  const std::wstring temp = TemporaryOf(target);
  {
    UniqueKernelHandle file = OwnedFile(
        CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
      error = LastError();
      return false;
    }
    DWORD written = 0;
    const bool ok = (bytes.empty() || WriteFile(file.get(), bytes.data(), DWORD(bytes.size()), &written, nullptr)) &&
                    written == bytes.size() && FlushFileBuffers(file.get());
    if (!ok) {
      error = LastError();
      file.reset();
      DeleteFileW(temp.c_str());
      return false;
    }
  }
  if (!MoveInPlace(temp, target)) {
    error = LastError();
    DeleteFileW(temp.c_str());
    return false;
  }
  return true;
}

std::optional<FileStamp> StampOf(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  return FileStamp{(uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow,
                   (uint64_t(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime};
}

PathKind KindOfPath(const std::wstring& path, std::error_code* error) {
  // Windows finds a folder named with a separator at its end, but not a file.
  const std::wstring named = FileNameOf(path).empty() ? ParentOf(path) : path;
  const DWORD attributes = GetFileAttributesW(named.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES)
    return attributes & FILE_ATTRIBUTE_DIRECTORY ? PathKind::Folder : PathKind::File;
  const std::error_code why = LastError();
  if (error && why != std::errc::no_such_file_or_directory && why != std::errc::not_a_directory) *error = why;
  return PathKind::Missing;
}

bool RemoveFile(const std::wstring& file, std::error_code& error) {
  if (DeleteFileW(file.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND) return true;
  error = LastError();
  return false;
}

namespace {

// The volume and the number of the folder on it: what names it, whatever the path.
std::optional<std::tuple<DWORD, DWORD, DWORD>> FolderIdentity(const std::wstring& folder) {
  // Only with backup semantics does CreateFileW open a folder.
  const UniqueKernelHandle handle =
      OwnedFile(CreateFileW(folder.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION info{};
  if (!handle || !GetFileInformationByHandle(handle.get(), &info) || !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return std::nullopt;
  return std::tuple{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
}

}  // namespace

bool SameFolder(const std::wstring& a, const std::wstring& b) {
  const auto first = FolderIdentity(a);
  return first && first == FolderIdentity(b);
}

bool CreateFolder(const std::wstring& folder, std::error_code& error) {
  if (CreateDirectoryW(folder.c_str(), nullptr)) return true;
  error = LastError();
  return false;
}

}  // namespace oravin
