#include "data/mdlGlobal.h"

#include <map>

#include "data/entry.h"
#include "data/mdlSave.h"
#include "data/text_encoding.h"
#include "runtime/app.h"
#include "runtime/durable_file.h"
#include "runtime/file_path.h"
#include "runtime/message_box.h"

namespace oravin {
namespace {

constexpr wchar_t kUnsavedSuffix[] = L".unsaved";

// A list the program holds and its file does not have yet.
struct KeptList {
  std::wstring text;  // entries, each followed by "<Split>"
  // The file could not be read at the last load: the text holds only what was
  // added since, which goes after the file's own entries once they can be read.
  bool additionsOnly = false;
};

// By file: kept until a write goes through, so the user's changes come back
// with the list rather than the older file.
std::map<std::wstring, KeptList>& KeptLists() {
  static std::map<std::wstring, KeptList> lists;
  return lists;
}

std::wstring Joined(const std::vector<std::wstring>& entries) {
  std::wstring joined;
  for (const std::wstring& entry : entries) joined.append(entry).append(kSplit);
  return joined;
}

// The entries' text; both lists are empty afterwards.
std::wstring TakeText(FavoriteLists lists) {
  std::wstring joined;
  const int32_t count = lists.lstAddress.ListCount();
  for (int32_t i = 0; i < count; ++i) joined.append(lists.lstAddress.ListItems(i)).append(kSplit);
  lists.lstAddress.Clear();
  lists.lstTitles.Clear();
  return joined;
}

// What a list loads: a list kept from a failed save as it was then; else the
// file's entries, followed by additions kept while the file could not be read.
std::vector<std::wstring> EntriesFor(const std::wstring& file) {
  auto kept = KeptLists().find(file);
  if (kept != KeptLists().end() && !kept->second.additionsOnly) return EntriesOf(kept->second.text);
  const std::wstring added = kept != KeptLists().end() ? kept->second.text : std::wstring();
  bool unreadable = false;
  const std::wstring contents = ReadTextFile(file, &unreadable);
  if (unreadable) {
    KeptLists()[file] = {added, true};
    return EntriesOf(added);
  }
  if (kept != KeptLists().end()) KeptLists().erase(kept);
  std::vector<std::wstring> entries = EntriesOf(contents);
  for (std::wstring& entry : EntriesOf(added)) entries.push_back(std::move(entry));
  return entries;
}

// Writes a kept list to its file. Additions go after the file's own entries,
// and only once those could be read; then the list is the whole of both.
bool Store(const std::wstring& file, KeptList& list) {
  if (list.additionsOnly) {
    // Nothing added: the file, whatever it holds, is left as it is.
    if (list.text.empty()) return true;
    bool unreadable = false;
    const std::wstring contents = ReadTextFile(file, &unreadable);
    if (unreadable) return false;
    list = {Joined(EntriesOf(contents)) + list.text, false};
  }
  return WriteTextFile(list.text, file);
}

// The last resort at shut-down: the list goes into a file of its own beside
// the one it could not be written to, after whatever an earlier shut-down put there.
void KeepBeside(const std::wstring& file, const KeptList& list) {
  const std::wstring beside = JoinPath(ParentOf(file), StemOf(file) + kUnsavedSuffix + ExtensionOf(file));
  bool unreadable = false;
  const std::wstring before = FileExists(beside) ? ReadTextFile(beside, &unreadable) : std::wstring();
  // UTF-8 holds whatever text the list came with.
  if (!unreadable && WriteTextFileIn(Joined(EntriesOf(before)) + list.text, beside, TextEncoding::Utf8Bom)) {
    MsgBox(L"列表无法保存到 \"" + file + L"\".\r\n未保存的条目已另存为:\r\n" + beside, L"抱歉", MsgIcon::Exclamation);
  } else {
    MsgBox(L"列表无法保存到 \"" + file + L"\", 本次的更改已丢失.", L"抱歉", MsgIcon::Critical);
  }
}

}  // namespace

std::wstring ListFileOf(int32_t mode) {
  const std::wstring bin = JoinPath(App().Path, L"Bin");
  switch (mode) {
    // Written and read under one spelling, so a case-sensitive disk finds it too.
    case kModeWebsites: return JoinPath(bin, L"Websites.txt");
    case kModeFolders: return JoinPath(bin, L"FolderList.txt");
    default: return {};
  }
}

std::vector<std::wstring> EntriesOf(std::wstring_view contents) {
  std::vector<std::wstring> entries = SplitText(contents, kSplit);
  std::wstring& last = entries.back();
  while (!last.empty() && (last.back() == L'\n' || last.back() == L'\r')) last.pop_back();
  if (last.empty()) entries.pop_back();
  return entries;
}

std::vector<std::wstring> EntriesInFile(int32_t mode) {
  std::string bytes;
  std::error_code error;
  if (!ReadFileContents(ListFileOf(mode), bytes, error)) return {};
  return EntriesOf(DecodeFile(bytes).text);
}

void AddEntry(FavoriteLists lists, const std::wstring& entry) {
  const int32_t at = lists.lstAddress.AddItem(entry);
  if (at < 0) return;
  lists.lstTitles.AddItem(TitleOf(entry), at < lists.lstTitles.ListCount() ? at : -1);
}

void RemoveEntry(FavoriteLists lists, int32_t i) {
  lists.lstTitles.Remove(i);
  lists.lstAddress.Remove(i);
}

std::optional<int32_t> FindEntry(FavoriteLists lists, const std::wstring& entry, int32_t near) {
  const int32_t count = lists.lstAddress.ListCount();
  if (near >= 0 && near < count && lists.lstAddress.ListItems(near) == entry) return near;
  for (int32_t i = 0; i < count; ++i)
    if (lists.lstAddress.ListItems(i) == entry) return i;
  return std::nullopt;
}

bool CurrentListCanHold(std::wstring_view text) { return CanHold(EncodingOf(ListFileOf(CurrentMode)), text); }

void LoadList(FavoriteLists lists) {
  const std::wstring file = ListFileOf(CurrentMode);
  lists.lstAddress.SetItems(file.empty() ? std::vector<std::wstring>() : EntriesFor(file));
  std::vector<std::wstring> titles;
  titles.reserve(size_t(lists.lstAddress.ListCount()));
  for (int32_t i = 0; i < lists.lstAddress.ListCount(); ++i) titles.push_back(TitleOf(lists.lstAddress.ListItems(i)));
  lists.lstTitles.SetItems(std::move(titles));
}

void SaveList(FavoriteLists lists) {
  KeptList list{TakeText(lists)};
  const std::wstring file = ListFileOf(CurrentMode);
  if (file.empty()) return;
  const auto kept = KeptLists().find(file);
  list.additionsOnly = kept != KeptLists().end() && kept->second.additionsOnly;
  // The file is replaced whole rather than deleted first, so a failing disk
  // leaves the previous list in place.
  if (Store(file, list))
    KeptLists().erase(file);
  else
    KeptLists()[file] = std::move(list);
}

void SaveListsAtExit(FavoriteLists lists) {
  std::wstring text = TakeText(lists);
  const std::wstring current = ListFileOf(CurrentMode);
  // The current list joins the kept ones, so each file is tried once.
  if (!current.empty()) KeptLists()[current].text = std::move(text);
  for (auto& [file, list] : KeptLists())
    if (!Store(file, list)) KeepBeside(file, list);
  KeptLists().clear();
}

}  // namespace oravin
