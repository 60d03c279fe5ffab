#include "data/file_errors.h"

namespace oravin {

FileError DescribeFileError(std::error_code error) {
  const std::error_condition c = error.default_error_condition();
  if (c == std::errc::no_such_file_or_directory) return {53, L"文件未找到"};
  if (c == std::errc::not_a_directory) return {76, L"路径未找到"};
  if (c == std::errc::permission_denied || c == std::errc::operation_not_permitted ||
      c == std::errc::read_only_file_system) {
    return {70, L"拒绝的权限"};
  }
  if (c == std::errc::no_space_on_device || c == std::errc::file_too_large) return {61, L"磁盘已满"};
  if (c == std::errc::is_a_directory || c == std::errc::device_or_resource_busy ||
      c == std::errc::filename_too_long || c == std::errc::invalid_argument) {
    return {75, L"路径/文件访问错误"};
  }
  return {57, L"设备 I/O 错误"};
}

Notice FileErrorNotice(std::error_code error) {
  const FileError e = DescribeFileError(error);
  return {L"Error " + std::to_wstring(e.number) + L"\r\n" + e.description, L"Error", MsgIcon::Critical};
}

}  // namespace oravin
