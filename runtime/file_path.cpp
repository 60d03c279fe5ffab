#include "runtime/file_path.h"

#include <algorithm>

namespace oravin {
namespace {

#ifdef _WIN32
constexpr wchar_t kSeparator = L'\\';
constexpr std::wstring_view kSeparators = L"\\/";
constexpr bool kDrives = true;
#else
constexpr wchar_t kSeparator = L'/';
constexpr std::wstring_view kSeparators = L"/";
constexpr bool kDrives = false;
#endif

bool IsSeparator(wchar_t c) { return kSeparators.find(c) != std::wstring_view::npos; }

// The drive ("C:") and the separators at the start: what no name can take away.
size_t RootLength(std::wstring_view path) {
  size_t length = kDrives && path.size() >= 2 && path[1] == L':' ? 2 : 0;
  while (length < path.size() && IsSeparator(path[length])) ++length;
  return length;
}

std::wstring_view LastName(std::wstring_view path) {
  const size_t separator = path.find_last_of(kSeparators);
  const size_t start = separator == std::wstring_view::npos ? 0 : separator + 1;
  return path.substr(std::max(start, RootLength(path)));
}

// Where a name's extension begins; its length when it has none. "." and ".."
// are no names with extensions.
size_t ExtensionStart(std::wstring_view name) {
  const size_t dot = name.rfind(L'.');
  return dot == std::wstring_view::npos || dot == 0 || name == L".." ? name.size() : dot;
}

}  // namespace

bool IsAbsolutePath(std::wstring_view path) {
  if (!kDrives) return !path.empty() && IsSeparator(path[0]);
  if (path.size() >= 3 && path[1] == L':') return IsSeparator(path[2]);
  return path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
}

std::wstring JoinPath(std::wstring_view folder, std::wstring_view name) {
  std::wstring joined(folder);
  if (!folder.empty() && !IsSeparator(folder.back())) joined += kSeparator;
  joined += name;
  return joined;
}

std::wstring ParentOf(std::wstring_view path) {
  const size_t root = RootLength(path);
  size_t end = path.find_last_of(kSeparators);
  if (end == std::wstring_view::npos || end < root) return std::wstring(path.substr(0, root));
  while (end > root && IsSeparator(path[end - 1])) --end;
  return std::wstring(path.substr(0, end));
}

std::wstring FileNameOf(std::wstring_view path) { return std::wstring(LastName(path)); }

std::wstring ExtensionOf(std::wstring_view path) {
  const std::wstring_view name = LastName(path);
  return std::wstring(name.substr(ExtensionStart(name)));
}

std::wstring StemOf(std::wstring_view path) {
  const std::wstring_view name = LastName(path);
  return std::wstring(name.substr(0, ExtensionStart(name)));
}

}  // namespace oravin
