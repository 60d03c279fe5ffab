#include "app/dropped_items.h"

#include <algorithm>
#include <initializer_list>
#include <system_error>

#include "actions/web_address.h"
#include "data/file_errors.h"
#include "data/internet_shortcut.h"
#include "runtime/case_fold.h"
#include "runtime/durable_file.h"
#include "runtime/file_path.h"

namespace oravin {
namespace {

bool HasExtension(const std::wstring& file, std::initializer_list<std::wstring_view> extensions) {
  const std::wstring extension = FoldCase(ExtensionOf(file));
  return std::find(extensions.begin(), extensions.end(), extension) != extensions.end();
}

bool IsShortcut(const std::wstring& file) { return HasExtension(file, {L".url"}); }
bool IsBookmarkFile(const std::wstring& file) { return HasExtension(file, {L".htm", L".html"}); }
bool IsFolder(const std::wstring& file) { return KindOfPath(file) == PathKind::Folder; }

bool IsBlankOrControl(wchar_t c) { return c <= L' '; }

std::wstring_view Trimmed(std::wstring_view text) {
  while (!text.empty() && IsBlankOrControl(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlankOrControl(text.back())) text.remove_suffix(1);
  return text;
}

// Dragged text counts as a link when it is one web address and nothing else:
// one word, with a web scheme or a dotted host, so that a word of prose does
// not pass for the name of a host.
std::optional<std::wstring> AddressInText(std::wstring_view text) {
  text = Trimmed(text);
  if (text.empty() || std::any_of(text.begin(), text.end(), IsBlankOrControl)) return std::nullopt;
  auto address = WebAddressToOpen(text);
  if (!address || (text.find(L"://") == std::wstring_view::npos && HostOf(*address).find(L'.') == std::wstring::npos))
    return std::nullopt;
  return address;
}

void AddShortcut(const AnsiCodec& codePage, const std::wstring& file, FilesFavorites& found) {
  std::string bytes;
  std::error_code error;
  const auto address = ReadFileContents(file, bytes, error) ? InternetShortcutAddress(codePage, bytes) : std::nullopt;
  if (!address) {
    ++found.refused;
    return;
  }
  found.favorites.push_back({StemOf(file), *address});
}

void AddBookmarks(const AnsiCodec& codePage, const std::wstring& file, FilesFavorites& found) {
  std::string bytes;
  std::error_code error;
  BookmarkFile bookmarks;
  if (ReadFileContents(file, bytes, error))
    bookmarks = ParseBookmarkFile(codePage, bytes);
  else
    bookmarks.problem = DescribeFileError(error).description;
  if (!bookmarks.problem.empty()) {
    found.problems.push_back(L"书签文件 \"" + FileNameOf(file) + L"\" 没有添加: " + bookmarks.problem + L".");
    return;
  }
  for (Favorite& link : bookmarks.links) found.favorites.push_back(std::move(link));
}

std::wstring FolderTitle(const std::wstring& folder, const DriveLabel& driveLabel) {
  std::wstring path = folder;
  while (path.size() > 1 && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
  const std::wstring name = FileNameOf(path);
  if (!name.empty()) return name;
  // A drive has no name of its own: Explorer shows its label.
  const std::wstring label = driveLabel(folder);
  return label.empty() ? path : label;
}

}  // namespace

std::optional<Favorite> DroppedLink(const DroppedItems& items) {
  const auto address = !items.url.empty() ? WebAddressToOpen(items.url) : AddressInText(items.text);
  if (!address) return std::nullopt;
  const std::wstring_view description = Trimmed(items.description);
  return Favorite{description.empty() ? HostOf(*address) : std::wstring(description), *address};
}

DropKind KindOfDrop(std::optional<ListKind> list, const DroppedItems& items) {
  const auto any = [&](bool (*fits)(const std::wstring&)) {
    return std::any_of(items.files.begin(), items.files.end(), fits);
  };
  if (!list) return DropKind::None;
  switch (AddressesOf(*list)) {
    case AddressKind::Web:
      if (any(IsShortcut) || any(IsBookmarkFile)) return DropKind::Files;
      if (DroppedLink(items)) return DropKind::Link;
      break;
    case AddressKind::Folder:
      if (any(IsFolder)) return DropKind::Files;
      break;
  }
  return DropKind::None;
}

FilesFavorites FavoritesFromFiles(const AnsiCodec& codePage, ListKind list, const std::vector<std::wstring>& files,
                                  const DriveLabel& driveLabel) {
  FilesFavorites found;
  const bool web = AddressesOf(list) == AddressKind::Web;
  for (const std::wstring& file : files) {
    if (!web && IsFolder(file))
      found.favorites.push_back({FolderTitle(file, driveLabel), file});
    else if (web && IsShortcut(file))
      AddShortcut(codePage, file, found);
    else if (web && IsBookmarkFile(file))
      AddBookmarks(codePage, file, found);
    else
      ++found.refused;
  }
  return found;
}

}  // namespace oravin
