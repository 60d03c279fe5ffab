#include "data/list_files.h"

#include <functional>

#include "data/entry.h"
#include "data/file_errors.h"
#include "runtime/durable_file.h"
#include "runtime/file_path.h"

namespace oravin {
namespace {

constexpr wchar_t kBackupSuffix[] = L".bak";

// Why a file cannot be read: a missing folder and a missing file are told apart.
std::error_code WhyUnreadable(const std::wstring& path) {
  std::error_code error;
  const PathKind kind = KindOfPath(path, &error);
  if (error) return error;
  if (kind == PathKind::Missing) {
    const bool folderThere = KindOfPath(ParentOf(path)) == PathKind::Folder;
    return folderThere ? std::make_error_code(std::errc::no_such_file_or_directory)
                       : std::make_error_code(std::errc::not_a_directory);
  }
  if (kind == PathKind::Folder) return std::make_error_code(std::errc::is_a_directory);
  return std::make_error_code(std::errc::permission_denied);
}

// Whether replacing the file would lose more than the text it reads as.
bool HoldsMoreThanItsText(const FileText& file) { return !file.faithful || !ReadsAsOurs(file.text); }

// Keeps the file's bytes beside it before a save changes them; an older copy
// is replaced only by a different one, and the user hears of each new copy once.
bool KeepOriginal(const std::wstring& file, const std::string& bytes, Notices& notices) {
  const std::wstring backup = file + kBackupSuffix;
  std::string kept;
  std::error_code error;
  if (ReadFileContents(backup, kept, error) && kept == bytes) return true;
  error.clear();
  if (!ReplaceFileContents(backup, bytes, error)) {
    notices.push_back(FileErrorNotice(error));
    return false;
  }
  notices.push_back({L"文件 \"" + FileNameOf(file) + L"\" 中有本程序无法原样保存的内容.\r\n保存之前, 原来的文件已复制为:\r\n" +
                         backup,
                     L"提示", MsgIcon::Information});
  return true;
}

}  // namespace

// Where it stands does not count: a list's first entry may run to many KB.
bool ReadsAsOurs(std::wstring_view text) {
  return text.empty() || text.find(kSplit) != std::wstring_view::npos ||
         text.find(kAddressMarker) != std::wstring_view::npos;
}

Fingerprint FingerprintOf(std::string_view bytes) { return std::hash<std::string_view>()(bytes); }

TextFileRead ReadTextFile(const AnsiCodec& codePage, const std::wstring& path, Notices& notices) {
  std::string bytes;
  std::error_code error;
  if (!ReadFileContents(path, bytes, error)) {
    const std::error_code why = WhyUnreadable(path);
    notices.push_back(FileErrorNotice(why));
    const bool missing = why == std::errc::no_such_file_or_directory || why == std::errc::not_a_directory;
    return {.outcome = missing ? ReadOutcome::Missing : ReadOutcome::Unreadable};
  }
  FileText file = DecodeFile(codePage, bytes);
  return {std::move(file.text), file.encoding, ReadOutcome::Read, FingerprintOf(bytes)};
}

std::optional<Fingerprint> WriteTextFile(const AnsiCodec& codePage, const std::wstring& text, const std::wstring& path,
                                         TextEncoding encoding, Notices& notices) {
  std::error_code error;
  const std::wstring folder = ParentOf(path);
  std::string bytes;
  // A missing Bin folder would otherwise cost the user the whole list.
  if (CreateFolders(folder, error)) {
    RemoveLeftoverTemporaries(folder);
    bytes = EncodeFile(codePage, text, encoding);
    std::string old;
    std::error_code unread;
    if (ReadFileContents(path, old, unread)) {
      // The file keeps its own line breaks and date when there is nothing to
      // change. Most saves change nothing and find the same bytes, which is
      // quicker to see than decoding the file.
      if (old == bytes) return FingerprintOf(old);
      const FileText current = DecodeFile(codePage, old);
      if (current.text == text) return FingerprintOf(old);
      if (HoldsMoreThanItsText(current) && !KeepOriginal(path, old, notices)) return std::nullopt;
    }
    ReplaceFileContents(path, bytes, error);
  }
  if (error) {
    notices.push_back(FileErrorNotice(error));
    return std::nullopt;
  }
  if (FileExists(path)) return FingerprintOf(bytes);
  notices.push_back({L"未知错误. 文件无法保存", L"抱歉", MsgIcon::Critical});
  return std::nullopt;
}

bool FileExists(const std::wstring& path) { return KindOfPath(path) == PathKind::File; }

std::optional<Fingerprint> FingerprintOnDisk(const std::wstring& path) {
  std::string bytes;
  std::error_code error;
  if (!ReadFileContents(path, bytes, error)) return std::nullopt;
  return FingerprintOf(bytes);
}

}  // namespace oravin
