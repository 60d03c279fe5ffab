#pragma once
// The favorites: both lists, each held from the first time it is needed until
// the program ends, with its file and what is known of that file. The windows
// show the lists and change them only through here.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/list_kinds.h"
#include "data/list_files.h"
#include "data/text_encoding.h"
#include "runtime/background_work.h"
#include "runtime/durable_file.h"
#include "runtime/message_box.h"
#include "runtime/text_compare.h"

namespace oravin {

// The list's file in the folder that holds the lists.
std::wstring ListFileIn(const std::wstring& folder, ListKind list);

// The entries of a list file's text: each piece before a "<Split>", and the
// piece after the last one too when more than line ends is left of it (a file
// written by hand may lack the final separator; the program's own end with one).
std::vector<std::wstring> EntriesOf(std::wstring_view contents);

// An entry added at or removed from a place, for a window that shows the list.
struct ListEdit {
  bool added;
  int32_t index;
};

class Favorites {
 public:
  // The lists are in the folder given (the program's Bin folder, unless the
  // user chose another), and written in the code page given where they are
  // not in Unicode.
  Favorites(std::wstring folder, const AnsiCodec& codePage, TextComparison compare = CompareUserLocale)
      : folder_(std::move(folder)), codePage_(&codePage), compare_(std::move(compare)) {}

  const std::wstring& Folder() const { return folder_; }
  // For a store made before the folder was known, or whose folder came back;
  // before any list is loaded.
  void SetFolder(std::wstring folder);
  // A folder away (a drive not connected yet) is neither read nor written:
  // the lists hold what is added meanwhile, which joins their files once the
  // folder is back. Should the program end first, it is kept in the folder
  // given (beside where the lists would be, Websites.unsaved.txt), and the
  // user is told where.
  void SetAway(std::wstring keepUnsavedIn) { keepUnsavedIn_ = std::move(keepUnsavedIn); }
  void SetBack() { keepUnsavedIn_.clear(); }
  bool Away() const { return !keepUnsavedIn_.empty(); }
  // Takes the lists to another folder: each is written there, joined with a
  // list of its kind found there (a second PC joining: their union, for what
  // either side deleted is unknown). Only then is keepChoice asked to record
  // the new folder, and only once it has are the files left behind removed.
  // On any failure nothing is lost: the store stays where it was, the user
  // hears why, and what was written there stays as a copy. False then.
  bool MoveTo(const std::wstring& folder, const std::function<bool(Notices&)>& keepChoice, Notices& notices);
  std::wstring FileOf(ListKind list) const { return ListFileIn(folder_, list); }

  Assistant Current() const { return current_; }
  void SetCurrent(Assistant assistant) { current_ = assistant; }
  std::optional<ListKind> CurrentList() const { return ListOf(current_); }

  // The entries in order (ascending, equal ones as they came), unsaved changes
  // included; empty until the list is loaded.
  const std::vector<std::wstring>& Entries(ListKind list) const { return lists_[Slot(list)].entries; }
  // Goes up with every change of the entries, so a view can tell it is behind.
  uint64_t Revision(ListKind list) const { return lists_[Slot(list)].revision; }
  // The entries' titles in order, for a view of the list. Those of a list
  // just read ahead were worked out with the read, and are handed over once.
  std::vector<std::wstring> Titles(ListKind list);

  // Reads the list the first time; later only when its file changed on disk
  // since. What is unsaved here is then merged with what the file holds now:
  // the changes made on either side since the file was last read or written
  // are both taken (data/list_merge.h), and the user hears of it only when an
  // entry was edited differently on both sides. While the file is there but cannot be
  // read, the list holds what is added meanwhile, which joins the file's own
  // entries once it can be read.
  void LoadList(ListKind list, Notices& notices);
  // The same without a word to the user, for a list not shown (read ahead
  // while the program is idle, or searched by quick open): only a clean read
  // is taken, and a list whose file cannot be read stays as it was, for
  // LoadList to read and tell.
  void ReadQuietly(ListKind list);
  // Starts reading the list's file on a thread of its own while the program
  // does other things (opens its window), so that its first LoadList or
  // ReadQuietly only takes what was read, if the file is still as it was read.
  void ReadAhead(ListKind list);
  // Writes the list to its file, unless the file holds it already; a file
  // changed on disk since it was last read or written is merged first. A list
  // that could not be written stays unsaved, to be written at the next save.
  // A file that could not be read is never replaced by what the list holds:
  // it is left alone when nothing was added, and gets the additions after its
  // own entries once it can be read. False when the list is still not saved.
  bool SaveList(ListKind list, Notices& notices);
  // The shut-down's save: the current list, and every list still unsaved. A
  // list that still cannot be written goes into a file beside its own
  // (Websites.unsaved.txt), and the user is told where.
  void SaveListsAtExit(Notices& notices);

  // Conflict copies of the list files that sync clients left in the folder
  // (data/conflict_copy.h): every entry a copy holds that its list lacks is
  // added and saved, nothing is deleted on its account (what it was made from
  // is unknown); the copy goes into the "merged" folder beside the lists, so
  // it is merged once, and the user hears which file was merged.
  void MergeConflictCopies(Notices& notices);

  // Puts the entry in its place (after its equals) and says where. A list not
  // loaded yet keeps it for when it is.
  int32_t AddEntry(ListKind list, std::wstring entry);
  void RemoveEntry(ListKind list, int32_t index);
  // Where the entry stands now: at `near` when it is still there, else where
  // it first occurs; nothing once it is gone.
  std::optional<int32_t> FindEntry(ListKind list, std::wstring_view entry, int32_t near) const;

  // Why an entry cannot be stored as typed in the list, or nothing when it
  // can: the file has no escaping, its line ends (CRs) go when it is read,
  // and a file in the code page cannot hold every character (one read as
  // UTF-8 or UTF-16 can).
  std::optional<std::wstring> EntryProblem(ListKind list, std::wstring_view title, std::wstring_view address) const;

  // Told of every entry added or removed, after the change.
  void OnEdit(std::function<void(ListKind, const ListEdit&)> handler) { onEdit_ = std::move(handler); }

 private:
  struct List {
    std::vector<std::wstring> entries;
    bool loaded = false;
    // What the file holds is not known (it could not be read, or the list was
    // added to before it was loaded): the entries are only what was added
    // since, and join the file's own once it can be read.
    bool additionsOnly = false;
    // Changed since the file last held the entries (or a write failed).
    bool unsaved = false;
    TextEncoding encoding = TextEncoding::CodePage;
    // The file's bytes when it was last read or written, and whether they
    // are exactly the entries, so that a save finding them has nothing to do.
    std::optional<Fingerprint> file;
    bool fileHoldsEntries = false;
    // The entries the file held when it was last read or written: what both
    // sides changed since is found against them. Nothing while that is unknown.
    std::optional<std::vector<std::wstring>> base;
    uint64_t revision = 0;
    // The titles read ahead with the entries, while the revision is the read's.
    std::vector<std::wstring> titlesReadAhead;
    uint64_t titlesRevision = 0;
  };

  // A list file as read and put in order, ready for a list to take.
  struct FileEntries {
    // Looked at before the file was read, so that a write during the read shows.
    std::optional<FileStamp> stamp;
    TextFileRead file;
    std::vector<std::wstring> inFileOrder;
    std::vector<std::wstring> inOrder;
    std::vector<std::wstring> titles;  // of inOrder
    // The file is exactly the entries in order: a save would have nothing to do.
    bool holdsEntries = false;
    Notices notices;
  };

  static size_t Slot(ListKind list) { return static_cast<size_t>(list); }
  // Safe on any thread while the folder stays.
  FileEntries ReadEntries(ListKind list) const;
  FileEntries ReadEntriesOrTakeReadAhead(ListKind list);
  void Take(ListKind list, FileEntries read);
  bool JoinFileTo(ListKind list, Notices& notices);
  bool FileChangedSince(ListKind list) const;
  void MergeWithFile(ListKind list, Notices& notices);
  void SortEntries(std::vector<std::wstring>& entries) const;
  bool SortsBefore(std::wstring_view a, std::wstring_view b) const { return compare_(a, b) < 0; }
  void Changed(List& list);

  std::wstring folder_;
  const AnsiCodec* codePage_;  // a pointer, so that a store can be assigned another
  std::wstring keepUnsavedIn_;
  TextComparison compare_;
  Assistant current_ = Assistant::Search;
  std::array<List, kListKinds.size()> lists_;
  std::function<void(ListKind, const ListEdit&)> onEdit_;
  // Declared last, so that a read still going is waited for before what it reads goes.
  std::array<std::unique_ptr<BackgroundResult<FileEntries>>, kListKinds.size()> readAhead_;
};

}  // namespace oravin
