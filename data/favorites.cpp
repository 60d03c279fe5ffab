#include "data/favorites.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <stdexcept>

#include "data/entry.h"
#include "data/list_merge.h"
#include "runtime/file_path.h"

namespace oravin {
namespace {

constexpr wchar_t kUnsavedSuffix[] = L".unsaved";

std::wstring Joined(const std::vector<std::wstring>& entries) {
  size_t size = 0;
  for (const std::wstring& entry : entries) size += entry.size() + kSplit.size();
  std::wstring joined;
  joined.reserve(size);
  for (const std::wstring& entry : entries) joined.append(entry).append(kSplit);
  return joined;
}

// Whether the text is the entries joined, each followed by "<Split>": then a
// save would find the file holding the list already. Compared in place, for a
// list of many entries is read at start-up.
bool IsJoined(const std::vector<std::wstring>& entries, std::wstring_view text) {
  for (const std::wstring& entry : entries) {
    if (!text.starts_with(entry) || text.substr(entry.size(), kSplit.size()) != kSplit) return false;
    text.remove_prefix(entry.size() + kSplit.size());
  }
  return text.empty();
}

// The last resort at shut-down: the list goes into a file of its own beside
// the one it could not be written to, after whatever an earlier shut-down put there.
void KeepBeside(const std::wstring& file, const std::wstring& text, Notices& notices) {
  const std::wstring beside = JoinPath(ParentOf(file), StemOf(file) + kUnsavedSuffix + ExtensionOf(file));
  TextFileRead before;
  if (FileExists(beside)) before = ReadTextFile(beside, notices);
  // UTF-8 holds whatever text the list came with.
  if (before.outcome == ReadOutcome::Read &&
      WriteTextFile(Joined(EntriesOf(before.text)) + text, beside, TextEncoding::Utf8Bom, notices)) {
    notices.push_back(
        {L"列表无法保存到 \"" + file + L"\".\r\n未保存的条目已另存为:\r\n" + beside, L"抱歉", MsgIcon::Exclamation});
  } else {
    notices.push_back({L"列表无法保存到 \"" + file + L"\", 本次的更改已丢失.", L"抱歉", MsgIcon::Critical});
  }
}

}  // namespace

std::wstring ListFileIn(const std::wstring& folder, ListKind list) {
  return JoinPath(folder, RowOf(list).fileName);
}

std::vector<std::wstring> EntriesOf(std::wstring_view contents) {
  std::vector<std::wstring> entries = SplitText(contents, kSplit);
  std::wstring& last = entries.back();
  while (!last.empty() && (last.back() == L'\n' || last.back() == L'\r')) last.pop_back();
  if (last.empty()) entries.pop_back();
  return entries;
}

// A list file comes in the order it was saved in, so checking the order costs
// one comparison per entry and sorting is rarely needed. Should the system
// fail to compare, the entries stay in the file's order.
void Favorites::SortEntries(std::vector<std::wstring>& entries) const {
  const auto before = [this](const std::wstring& a, const std::wstring& b) { return SortsBefore(a, b); };
  try {
    if (std::is_sorted(entries.begin(), entries.end(), before)) return;
    // Their places are sorted, not the texts: nothing is copied, and the
    // entries are untouched until the order is known.
    std::vector<uint32_t> order(entries.size());
    for (uint32_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](uint32_t a, uint32_t b) { return before(entries[a], entries[b]); });
    std::vector<std::wstring> sorted;
    sorted.reserve(entries.size());
    for (const uint32_t i : order) sorted.push_back(std::move(entries[i]));
    entries = std::move(sorted);
  } catch (const std::exception&) {
  }
}

void Favorites::Changed(List& list) {
  if (!list.loaded) list.loaded = list.additionsOnly = true;
  list.unsaved = true;
  list.fileHoldsEntries = false;
  ++list.revision;
}

void Favorites::LoadList(ListKind kind, Notices& notices) {
  const List& list = lists_[Slot(kind)];
  if (list.loaded && !list.additionsOnly) {
    const std::optional<Fingerprint> now = FingerprintOnDisk(FileOf(kind));
    if (now && now == list.file) return;
    // Nothing edited here is ever replaced by what the file holds.
    if (list.unsaved) {
      if (now && list.base) MergeWithFile(kind, notices);
      return;
    }
  }
  Take(kind, ReadTextFile(FileOf(kind), notices));
}

void Favorites::ReadQuietly(ListKind kind) {
  const List& list = lists_[Slot(kind)];
  // The list on screen is read only as LoadList reads it, when it is shown.
  if (kind == CurrentList()) return;
  if (list.loaded && (list.additionsOnly || list.unsaved || FingerprintOnDisk(FileOf(kind)) == list.file)) return;
  Notices unheard;
  TextFileRead file = ReadTextFile(FileOf(kind), unheard);
  if (file.outcome == ReadOutcome::Read) Take(kind, std::move(file));
}

void Favorites::Take(ListKind kind, TextFileRead file) {
  List& list = lists_[Slot(kind)];
  list.loaded = true;
  ++list.revision;
  if (file.outcome == ReadOutcome::Unreadable) {
    // What the list held came from the file (else it would be unsaved, and
    // not read again): only additions made from now on are kept.
    if (!list.additionsOnly) list.entries.clear();
    list.additionsOnly = true;
    list.unsaved = !list.entries.empty();
    list.file.reset();
    list.fileHoldsEntries = false;
    list.base.reset();
    return;
  }
  std::vector<std::wstring> entries = EntriesOf(file.text);
  list.base = entries;
  const bool withAdditions = list.additionsOnly && !list.entries.empty();
  if (withAdditions) entries.insert(entries.end(), list.entries.begin(), list.entries.end());
  SortEntries(entries);
  list.entries = std::move(entries);
  list.additionsOnly = false;
  list.unsaved = withAdditions;
  if (file.outcome == ReadOutcome::Read) {
    list.encoding = file.encoding;
    list.file = file.fingerprint;
    list.fileHoldsEntries = !withAdditions && IsJoined(list.entries, file.text);
  } else {
    list.file.reset();
    list.fileHoldsEntries = false;
  }
}

// Additions made while the file could not be read go after its own entries,
// and only once those can be read. False while it still cannot be.
bool Favorites::JoinFileTo(ListKind kind, Notices& notices) {
  List& list = lists_[Slot(kind)];
  const TextFileRead file = ReadTextFile(FileOf(kind), notices);
  if (file.outcome == ReadOutcome::Unreadable) return false;
  std::vector<std::wstring> entries = EntriesOf(file.text);
  list.base = entries;
  entries.insert(entries.end(), list.entries.begin(), list.entries.end());
  if (file.outcome == ReadOutcome::Read) list.encoding = file.encoding;
  list.additionsOnly = false;
  list.entries = std::move(entries);
  Changed(list);
  return true;
}

bool Favorites::SaveList(ListKind kind, Notices& notices) {
  List& list = lists_[Slot(kind)];
  if (!list.loaded) return true;
  const bool joining = list.additionsOnly;
  if (joining) {
    // Nothing added: the file, whatever it holds, is left as it is.
    if (list.entries.empty()) return true;
    if (!JoinFileTo(kind, notices)) return false;
  }
  if (!joining && FileChangedSince(kind)) MergeWithFile(kind, notices);
  const std::wstring file = FileOf(kind);
  if (!list.unsaved && list.fileHoldsEntries && FingerprintOnDisk(file) == list.file) return true;
  const std::optional<Fingerprint> written = WriteTextFile(Joined(list.entries), file, list.encoding, notices);
  // Joined, the file's entries came first and the additions after them; the
  // list keeps its own order.
  if (joining) SortEntries(list.entries);
  if (!written) {
    list.unsaved = true;
    return false;
  }
  list.unsaved = false;
  list.file = written;
  list.fileHoldsEntries = !joining;
  list.base = list.entries;
  return true;
}

// Only a file that is there and changed counts: one gone for a moment (a sync
// client replacing it) would otherwise read as every entry deleted.
bool Favorites::FileChangedSince(ListKind kind) const {
  const List& list = lists_[Slot(kind)];
  if (!list.base) return false;
  const std::optional<Fingerprint> now = FingerprintOnDisk(FileOf(kind));
  return now && now != list.file;
}

void Favorites::MergeWithFile(ListKind kind, Notices& notices) {
  List& list = lists_[Slot(kind)];
  Notices unheard;
  TextFileRead file = ReadTextFile(FileOf(kind), unheard);
  // Text that is no list (another program's file put in its place) is not
  // merged: the save keeps it beside the list and writes the list.
  if (file.outcome != ReadOutcome::Read || !ReadsAsOurs(file.text)) return;
  std::vector<std::wstring> there = EntriesOf(file.text);
  MergedList merged = MergeLists(std::move(list.base), list.entries, there);
  if (!merged.editedOnBothSides.empty()) {
    notices.push_back({L"\"" + FileNameOf(FileOf(kind)) + L"\" 已被其他程序修改, 其中 " +
                           std::to_wstring(merged.editedOnBothSides.size()) +
                           L" 项在两处改得不同, 两个版本都已保留.",
                       L"提示", MsgIcon::Information});
  }
  SortEntries(merged.entries);
  list.entries = std::move(merged.entries);
  list.base = std::move(there);
  list.encoding = file.encoding;
  list.file = file.fingerprint;
  list.fileHoldsEntries = false;
  list.unsaved = true;
  ++list.revision;
}

void Favorites::SaveListsAtExit(Notices& notices) {
  // In the order of their files, the order the user has always seen the messages in.
  std::vector<ListKind> kinds(kListKinds.begin(), kListKinds.end());
  std::sort(kinds.begin(), kinds.end(), [this](ListKind a, ListKind b) { return FileOf(a) < FileOf(b); });
  for (const ListKind kind : kinds) {
    const List& list = lists_[Slot(kind)];
    if (kind != CurrentList() && !list.unsaved) continue;
    if (!SaveList(kind, notices)) KeepBeside(FileOf(kind), Joined(list.entries), notices);
  }
}

int32_t Favorites::AddEntry(ListKind kind, std::wstring entry) {
  List& list = lists_[Slot(kind)];
  auto at = list.entries.end();
  try {
    at = std::upper_bound(list.entries.begin(), list.entries.end(), entry,
                          [this](const std::wstring& a, const std::wstring& b) { return SortsBefore(a, b); });
  } catch (const std::exception&) {
    // The system could not compare: the entry goes last rather than nowhere.
  }
  const auto index = static_cast<int32_t>(at - list.entries.begin());
  list.entries.insert(at, std::move(entry));
  Changed(list);
  if (onEdit_) onEdit_(kind, {true, index});
  return index;
}

void Favorites::RemoveEntry(ListKind kind, int32_t index) {
  List& list = lists_[Slot(kind)];
  if (index < 0 || size_t(index) >= list.entries.size())
    throw std::out_of_range("entry " + std::to_string(index) + " is not in the list");
  list.entries.erase(list.entries.begin() + index);
  Changed(list);
  if (onEdit_) onEdit_(kind, {false, index});
}

std::optional<int32_t> Favorites::FindEntry(ListKind kind, std::wstring_view entry, int32_t near) const {
  const std::vector<std::wstring>& entries = Entries(kind);
  const auto count = static_cast<int32_t>(entries.size());
  if (near >= 0 && near < count && entries[size_t(near)] == entry) return near;
  const auto found = std::find(entries.begin(), entries.end(), entry);
  if (found == entries.end()) return std::nullopt;
  return static_cast<int32_t>(found - entries.begin());
}

std::optional<std::wstring> Favorites::EntryProblem(ListKind kind, std::wstring_view title,
                                                    std::wstring_view address) const {
  // The file has no escaping: either marker would cut the entry elsewhere when
  // it is read back, and a CR would be taken for a line end and dropped.
  for (const std::wstring_view text : {title, address}) {
    if (text.find(kAddressMarker) != std::wstring_view::npos || text.find(kSplit) != std::wstring_view::npos)
      return L"标题和地址中不能有 \"<Split>\" 或 \" <Address>\".";
    if (text.find(L'\r') != std::wstring_view::npos) return L"标题和地址中不能有回车符.";
  }
  const TextEncoding encoding = lists_[Slot(kind)].encoding;
  if (!CanHold(encoding, title) || !CanHold(encoding, address)) {
    return L"标题或地址中有本系统的文本编码无法保存的字符, 请改用其他字符.";
  }
  return std::nullopt;
}

}  // namespace oravin
