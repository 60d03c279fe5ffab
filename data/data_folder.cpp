#include "data/data_folder.h"

#include "data/file_errors.h"
#include "data/text_encoding.h"
#include "runtime/durable_file.h"
#include "runtime/file_path.h"

namespace oravin {
namespace {

constexpr wchar_t kAwayTitle[] = L"数据文件夹";

}  // namespace

DataFolderChoice ParseDataFolderChoice(std::string_view bytes) {
  bool faithful = true;
  const std::wstring text = DecodeUtf8(bytes, &faithful);
  const size_t lineEnd = text.find_first_of(L"\r\n");
  const std::wstring folder = text.substr(0, lineEnd);
  const bool moreLines = lineEnd != std::wstring::npos && text.find_first_not_of(L"\r\n", lineEnd) != std::wstring::npos;
  if (!faithful || moreLines || (!folder.empty() && !IsAbsolutePath(folder))) return {ChoiceShape::Damaged, {}};
  if (folder.empty()) return {};
  return {ChoiceShape::Folder, folder};
}

std::string DataFolderChoiceBytes(std::wstring_view folder) {
  // With its byte order mark, so that an older Notepad on a Chinese system
  // does not take it for the code page.
  return EncodeUtf8File(folder);
}

DataFolder FindDataFolder(const std::wstring& bin) {
  const std::wstring file = JoinPath(bin, kDataFolderFileName);
  std::string bytes;
  std::error_code error;
  const bool read = ReadFileContents(file, bytes, error);
  if (!read && KindOfPath(file) == PathKind::Missing) return {bin, std::nullopt};
  const DataFolderChoice choice = read ? ParseDataFolderChoice(bytes) : DataFolderChoice{ChoiceShape::Damaged, {}};
  switch (choice.shape) {
    case ChoiceShape::None: return {bin, std::nullopt};
    case ChoiceShape::Damaged:
      return {bin, Notice{L"数据文件夹的设置 \"" + file + L"\" 无法读懂.\r\n在选项页重新选择数据文件夹之前, 列表的更改只保存在内存中.",
                          kAwayTitle, MsgIcon::Exclamation}};
    case ChoiceShape::Folder: break;
  }
  if (KindOfPath(choice.folder) == PathKind::Folder) return {choice.folder, std::nullopt};
  return {choice.folder,
          Notice{L"数据文件夹 \"" + choice.folder +
                     L"\" 不在 (驱动器可能尚未连接).\r\n在它回来或在选项页另选文件夹之前, 列表的更改只保存在内存中, 不会写到别处.",
                 kAwayTitle, MsgIcon::Exclamation}};
}

bool KeepDataFolderChoice(const std::wstring& bin, const std::wstring& folder, Notices& notices) {
  const std::wstring file = JoinPath(bin, kDataFolderFileName);
  std::error_code error;
  const bool kept = SameFolder(bin, folder) ? RemoveFile(file, error)
                                            : ReplaceFileContents(file, DataFolderChoiceBytes(folder), error);
  if (!kept) notices.push_back(FileErrorNotice(error));
  return kept;
}

}  // namespace oravin
