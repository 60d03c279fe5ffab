#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "runtime/durable_file.h"

namespace oravin {
namespace {

std::error_code LastError() { return {errno, std::generic_category()}; }

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

bool ReadFileContents(const std::filesystem::path& file, std::string& bytes, std::error_code& error) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
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

bool ReplaceFileContents(const std::filesystem::path& target, const std::string& bytes, std::error_code& error) {
  const std::filesystem::path temp = TemporaryOf(target);
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    error = LastError();
    return false;
  }
  const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  if (!written) error = LastError();
  if (::close(fd) != 0 && written) error = LastError();
  if (error || ::rename(temp.c_str(), target.c_str()) != 0) {
    if (!error) error = LastError();
    ::unlink(temp.c_str());
    return false;
  }
  // The rename itself must reach the disk too.
  const int dir = ::open(target.parent_path().empty() ? "." : target.parent_path().c_str(), O_RDONLY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

}  // namespace oravin
