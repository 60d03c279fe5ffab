#include <windows.h>

#include "runtime/durable_file.h"
#include "runtime/handles.h"

namespace oravin {
namespace {

std::error_code LastError() { return {int(GetLastError()), std::system_category()}; }

}  // namespace

bool ReplaceFileContents(const std::filesystem::path& target, const std::string& bytes, std::error_code& error) {
  std::filesystem::path temp = target;
  temp += L".saving";
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
