#include <windows.h>

#include <algorithm>

#include "runtime/durable_file.h"
#include "runtime/handles.h"

namespace oravin {
namespace {

std::error_code LastError() { return {int(GetLastError()), std::system_category()}; }

}  // namespace

bool ReadFileContents(const std::filesystem::path& file, std::string& bytes, std::error_code& error) {
  UniqueKernelHandle handle(CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (handle.get() == INVALID_HANDLE_VALUE) {
    handle.release();  // INVALID_HANDLE_VALUE is not a handle to close
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

bool ReplaceFileContents(const std::filesystem::path& target, const std::string& bytes, std::error_code& error) {
  const std::filesystem::path temp = TemporaryOf(target);
  {
    UniqueKernelHandle file(CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
      file.release();  // INVALID_HANDLE_VALUE is not a handle to close
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
  if (!MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    error = LastError();
    DeleteFileW(temp.c_str());
    return false;
  }
  return true;
}

}  // namespace oravin
