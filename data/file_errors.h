#pragma once
// The numbers and words of the file errors shown to the user.
#include <string>
#include <system_error>

#include "runtime/message_box.h"

namespace oravin {

struct FileError {
  int number;
  std::wstring description;
};

// The classic run-time numbers, which users of such programs know:
// 53 file not found, 76 path not found, 70 permission denied, 61 disk full,
// 75 path/file access error, 57 device I/O error.
FileError DescribeFileError(std::error_code error);

// "Error " + number + CR LF + description, titled "Error", with the error icon.
Notice FileErrorNotice(std::error_code error);

}  // namespace oravin
