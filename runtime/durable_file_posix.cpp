#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <memory>

#include "runtime/durable_file.h"
#include "runtime/file_path.h"
#include "runtime/utf8.h"

namespace oravin {
namespace {

std::error_code LastError() { return {errno, std::generic_category()}; }

// File names are UTF-8 bytes here.
std::string Native(const std::wstring& path) { return EncodeUtf8(path); }

bool WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += size_t(n);
  }
  return true;
}

}  // namespace

void RemoveLeftoverTemporaries(const std::wstring& folder) {
  // Only files: a folder of that name is none of ours.
  for (const std::wstring& name : NamesIn(folder, PathKind::File)) {
    if (ExtensionOf(name) == kTemporarySuffix) ::unlink(Native(JoinPath(folder, name)).c_str());
  }
}

std::vector<std::wstring> NamesIn(const std::wstring& folder, PathKind kind) {
  std::vector<std::wstring> names;
  const std::string path = Native(folder);
  const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(path.c_str()), ::closedir);
  if (!dir) return names;
  while (const dirent* entry = ::readdir(dir.get())) {
    const std::string_view name = entry->d_name;
    struct stat status {};
    if (name == "." || name == ".." || ::stat((path + "/" + std::string(name)).c_str(), &status) != 0) continue;
    if (S_ISDIR(status.st_mode) ? kind == PathKind::Folder : S_ISREG(status.st_mode) && kind == PathKind::File)
      names.push_back(std::filesystem::path(entry->d_name).wstring());
  }
  return names;
}

bool MoveFileTo(const std::wstring& from, const std::wstring& to, std::error_code& error) {
  // link and unlink rather than rename, which would replace a file already there.
  if (::link(Native(from).c_str(), Native(to).c_str()) != 0 || ::unlink(Native(from).c_str()) != 0) {
    error = LastError();
    return false;
  }
  return true;
}

bool ReadFileContents(const std::wstring& file, std::string& bytes, std::error_code& error) {
  const int fd = ::open(Native(file).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    error = LastError();
    return false;
  }
  bytes.clear();
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n < 0) error = LastError();
      ::close(fd);
      return n == 0;
    }
    bytes.append(buffer, size_t(n));
  }
}

bool ReplaceFileContents(const std::wstring& target, const std::string& bytes, std::error_code& error) {
  const std::string temp = Native(TemporaryOf(target)), named = Native(target);
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    error = LastError();
    return false;
  }
  const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  if (!written) error = LastError();
  if (::close(fd) != 0 && written) error = LastError();
  if (error || ::rename(temp.c_str(), named.c_str()) != 0) {
    if (!error) error = LastError();
    ::unlink(temp.c_str());
    return false;
  }
  // The rename itself must reach the disk too.
  const std::string folder = Native(ParentOf(target));
  const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

std::optional<FileStamp> StampOf(const std::wstring& path) {
  struct stat status {};
  if (::stat(Native(path).c_str(), &status) != 0) return std::nullopt;
  return FileStamp{uint64_t(status.st_size),
                   uint64_t(status.st_mtim.tv_sec) * 1000000000u + uint64_t(status.st_mtim.tv_nsec)};
}

PathKind KindOfPath(const std::wstring& path, std::error_code* error) {
  struct stat status {};
  if (::stat(Native(path).c_str(), &status) == 0) return S_ISDIR(status.st_mode) ? PathKind::Folder : PathKind::File;
  if (error && errno != ENOENT && errno != ENOTDIR) *error = LastError();
  return PathKind::Missing;
}

bool RemoveFile(const std::wstring& file, std::error_code& error) {
  if (::unlink(Native(file).c_str()) == 0 || errno == ENOENT) return true;
  error = LastError();
  return false;
}

bool SameFolder(const std::wstring& a, const std::wstring& b) {
  struct stat first {}, second {};
  return ::stat(Native(a).c_str(), &first) == 0 && ::stat(Native(b).c_str(), &second) == 0 &&
         S_ISDIR(first.st_mode) && first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool CreateFolder(const std::wstring& folder, std::error_code& error) {
  if (::mkdir(Native(folder).c_str(), 0777) == 0) return true;
  error = LastError();
  return false;
}

}  // namespace oravin
