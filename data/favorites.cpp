#include "data/favorites.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <stdexcept>
#include <utility>

#include "data/entry.h"
#include "data/list_merge.h"
#include "runtime/durable_file.h"
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

// The last resort at shut-down: the list goes into a file of its own in the
// folder given, after whatever an earlier shut-down put there.
void KeepBeside(const AnsiCodec& codePage, const std::wstring& file, const std::wstring& folder, const std::wstring& text,
                Notices& notices) {
  const std::wstring beside = JoinPath(folder, StemOf(file) + kUnsavedSuffix + ExtensionOf(file));
  TextFileRead before;
  if (FileExists(beside)) before = ReadTextFile(codePage, beside, notices);
  // UTF-8 holds whatever text the list came with.
  if (before.outcome == ReadOutcome::Read &&
      WriteTextFile(codePage, Joined(EntriesOf(before.text)) + text, beside, TextEncoding::Utf8Bom, notices)) {
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
  if (Away()) return;
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
  FileEntries read = ReadEntriesOrTakeReadAhead(kind);
  notices.insert(notices.end(), read.notices.begin(), read.notices.end());
  Take(kind, std::move(read));
}

void Favorites::ReadQuietly(ListKind kind) {
  const List& list = lists_[Slot(kind)];
  // The list on screen is read only as LoadList reads it, when it is shown.
  if (kind == CurrentList() || Away()) return;
  if (list.loaded && (list.additionsOnly || list.unsaved || FingerprintOnDisk(FileOf(kind)) == list.file)) return;
  FileEntries read = ReadEntriesOrTakeReadAhead(kind);
  if (read.file.outcome == ReadOutcome::Read) Take(kind, std::move(read));
}

void Favorites::SetFolder(std::wstring folder) {
  if (folder == folder_) return;
  // What was read ahead is of the folder left.
  for (auto& read : readAhead_) read.reset();
  folder_ = std::move(folder);
}

void Favorites::ReadAhead(ListKind kind) {
  readAhead_[Slot(kind)] = std::make_unique<BackgroundResult<FileEntries>>([this, kind] { return ReadEntries(kind); });
}

Favorites::FileEntries Favorites::ReadEntries(ListKind kind) const {
  FileEntries read;
  read.stamp = StampOf(FileOf(kind));
  read.file = ReadTextFile(*codePage_, FileOf(kind), read.notices);
  if (read.file.outcome == ReadOutcome::Unreadable) return read;
  read.inFileOrder = EntriesOf(read.file.text);
  read.inOrder = read.inFileOrder;
  SortEntries(read.inOrder);
  read.holdsEntries = IsJoined(read.inOrder, read.file.text);
  // The entries are all that is kept of the text.
  read.file.text = std::wstring();
  read.titles.reserve(read.inOrder.size());
  for (const std::wstring& entry : read.inOrder) read.titles.push_back(TitleOf(entry));
  return read;
}

std::vector<std::wstring> Favorites::Titles(ListKind kind) {
  List& list = lists_[Slot(kind)];
  if (list.titlesRevision == list.revision && list.titlesReadAhead.size() == list.entries.size())
    return std::exchange(list.titlesReadAhead, {});
  list.titlesReadAhead.clear();
  std::vector<std::wstring> titles;
  titles.reserve(list.entries.size());
  for (const std::wstring& entry : list.entries) titles.push_back(TitleOf(entry));
  return titles;
}

// What was read ahead is taken once, and only while the file is still the
// one it was read from: looking costs nothing like reading it again.
Favorites::FileEntries Favorites::ReadEntriesOrTakeReadAhead(ListKind kind) {
  if (std::unique_ptr<BackgroundResult<FileEntries>> ahead = std::move(readAhead_[Slot(kind)])) {
    std::optional<FileEntries> read = ahead->Take();
    if (read && read->file.outcome == ReadOutcome::Read && read->stamp && StampOf(FileOf(kind)) == read->stamp)
      return std::move(*read);
  }
  return ReadEntries(kind);
}

void Favorites::Take(ListKind kind, FileEntries read) {
  const TextFileRead& file = read.file;
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
  std::vector<std::wstring> entries = std::move(read.inOrder);
  const bool withAdditions = list.additionsOnly && !list.entries.empty();
  if (withAdditions) {
    // Equal entries keep their order: the file's first, then what was added.
    entries.insert(entries.end(), list.entries.begin(), list.entries.end());
    SortEntries(entries);
  }
  list.base = std::move(read.inFileOrder);
  list.entries = std::move(entries);
  if (!withAdditions) {
    list.titlesReadAhead = std::move(read.titles);
    list.titlesRevision = list.revision;
  }
  list.additionsOnly = false;
  list.unsaved = withAdditions;
  if (file.outcome == ReadOutcome::Read) {
    list.encoding = file.encoding;
    list.file = file.fingerprint;
    list.fileHoldsEntries = !withAdditions && read.holdsEntries;
  } else {
    list.file.reset();
    list.fileHoldsEntries = false;
  }
}

// Additions made while the file could not be read go after its own entries,
// and only once those can be read. False while it still cannot be.
bool Favorites::JoinFileTo(ListKind kind, Notices& notices) {
  List& list = lists_[Slot(kind)];
  const TextFileRead file = ReadTextFile(*codePage_, FileOf(kind), notices);
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
  if (Away()) return !list.unsaved;
  const bool joining = list.additionsOnly;
  if (joining) {
    // Nothing added: the file, whatever it holds, is left as it is.
    if (list.entries.empty()) return true;
    if (!JoinFileTo(kind, notices)) return false;
  }
  if (!joining && FileChangedSince(kind)) MergeWithFile(kind, notices);
  const std::wstring file = FileOf(kind);
  if (!list.unsaved && list.fileHoldsEntries && FingerprintOnDisk(file) == list.file) return true;
  const std::optional<Fingerprint> written = WriteTextFile(*codePage_, Joined(list.entries), file, list.encoding, notices);
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
  TextFileRead file = ReadTextFile(*codePage_, FileOf(kind), unheard);
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
    if (!SaveList(kind, notices))
      KeepBeside(*codePage_, FileOf(kind), Away() ? keepUnsavedIn_ : folder_, Joined(list.entries), notices);
  }
}

bool Favorites::MoveTo(const std::wstring& folder, const std::function<bool(Notices&)>& keepChoice,
                       Notices& notices) {
  const auto notMoved = [&](const std::wstring& why) {
    notices.push_back({why + L"列表没有移到 \"" + folder + L"\", 仍在原来的文件夹中.", L"抱歉", MsgIcon::Critical});
    return false;
  };
  // Each list as written there, taken by the store only once all are.
  struct Written {
    std::vector<std::wstring> entries;
    TextEncoding encoding;
    Fingerprint file;
  };
  std::array<Written, kListKinds.size()> written;
  for (const ListKind kind : kListKinds) {
    // A list without a file here has nothing to bring but what it holds.
    if (KindOfPath(FileOf(kind)) != PathKind::Missing) LoadList(kind, notices);
    const List& list = lists_[Slot(kind)];
    // Moved without the entries its file holds, the list would lose them.
    if (list.additionsOnly && !Away()) return notMoved(L"\"" + FileOf(kind) + L"\" 无法读取.\r\n");
    const std::wstring target = ListFileIn(folder, kind);
    std::vector<std::wstring> there;
    TextEncoding encoding = list.encoding;
    if (KindOfPath(target) != PathKind::Missing) {
      const TextFileRead file = ReadTextFile(*codePage_, target, notices);
      if (file.outcome != ReadOutcome::Read) return notMoved({});
      if (!ReadsAsOurs(file.text)) return notMoved(L"\"" + target + L"\" 不是列表文件.\r\n");
      there = EntriesOf(file.text);
      encoding = file.encoding;
    }
    Written& to = written[Slot(kind)];
    to.entries = MergeLists(std::nullopt, list.entries, there).entries;
    SortEntries(to.entries);
    to.encoding = encoding;
    const std::optional<Fingerprint> fingerprint = WriteTextFile(*codePage_, Joined(to.entries), target, encoding, notices);
    if (!fingerprint) return notMoved({});
    to.file = *fingerprint;
  }
  if (!keepChoice(notices)) return notMoved({});
  // The same folder under another name has no other files, and one away keeps its own.
  const bool leftBehind = !Away() && !SameFolder(folder_, folder);
  for (const ListKind kind : kListKinds) {
    List& list = lists_[Slot(kind)];
    std::error_code error;
    // One that will not go is only an old copy: every entry of it is in the new one.
    if (leftBehind) RemoveFile(FileOf(kind), error);
    Written& to = written[Slot(kind)];
    list.entries = std::move(to.entries);
    list.loaded = true;
    list.additionsOnly = list.unsaved = false;
    list.encoding = to.encoding;
    list.file = to.file;
    list.fileHoldsEntries = true;
    list.base = list.entries;
    ++list.revision;
  }
  SetFolder(folder);
  SetBack();
  return true;
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
  if (!CanHold(*codePage_, encoding, title) || !CanHold(*codePage_, encoding, address)) {
    return L"标题或地址中有本系统的文本编码无法保存的字符, 请改用其他字符.";
  }
  return std::nullopt;
}

}  // namespace oravin
