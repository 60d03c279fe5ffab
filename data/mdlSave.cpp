#include "data/mdlSave.h"

#include <fstream>
#include <iterator>

#include "data/file_errors.h"
#include "runtime/ansi_codec.h"
#include "runtime/durable_file.h"
#include "runtime/message_box.h"

namespace oravin {
namespace {

// Lines end in CR LF or in a lone CR; both are dropped and the lines joined.
std::string JoinLines(const std::string& bytes) {
  std::string joined;
  joined.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r') {
      if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
      continue;
    }
    joined += bytes[i];
  }
  return joined;
}

// Why a file cannot be read: a missing folder and a missing file are told apart.
std::error_code WhyUnreadable(const std::filesystem::path& path) {
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (status.type() == std::filesystem::file_type::not_found) {
    std::error_code ignored;
    const bool folderThere = std::filesystem::is_directory(path.parent_path(), ignored);
    return folderThere ? std::make_error_code(std::errc::no_such_file_or_directory)
                       : std::make_error_code(std::errc::not_a_directory);
  }
  if (error) return error;
  if (status.type() == std::filesystem::file_type::directory) return std::make_error_code(std::errc::is_a_directory);
  return std::make_error_code(std::errc::permission_denied);
}

}  // namespace

std::wstring ReadTextFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in || std::filesystem::is_directory(path)) {
    ShowFileError(WhyUnreadable(path));
    return {};
  }
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) {
    ShowFileError(std::make_error_code(std::errc::io_error));
    return {};
  }
  return SystemCodec().Decode(JoinLines(bytes));
}

bool WriteTextFile(const std::wstring& text, const std::filesystem::path& path) {
  std::error_code error;
  // A missing Bin folder would otherwise cost the user the whole list.
  std::filesystem::create_directories(path.parent_path(), error);
  if (!error) ReplaceFileContents(path, SystemCodec().Encode(text) + "\r\n", error);
  if (error) {
    ShowFileError(error);
    return false;
  }
  if (FileExists(path)) return true;
  MsgBox(L"未知错误. 文件无法保存", L"抱歉", MsgIcon::Critical);
  return false;
}

bool FileExists(const std::filesystem::path& path) {
  std::error_code error;
  (void)std::filesystem::file_size(path, error);
  return !error;
}

}  // namespace oravin
