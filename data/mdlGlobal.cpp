#include "data/mdlGlobal.h"

#include <map>
#include <vector>

#include "data/entry.h"
#include "data/mdlSave.h"
#include "runtime/app.h"

namespace oravin {
namespace {

// Lists whose file could not be written, by file: kept until a write goes
// through, so the user's changes come back with the list rather than the
// older file.
std::map<std::filesystem::path, std::wstring>& UnsavedLists() {
  static std::map<std::filesystem::path, std::wstring> lists;
  return lists;
}

std::wstring ListText(const std::filesystem::path& file) {
  if (file.empty()) return {};
  const auto unsaved = UnsavedLists().find(file);
  return unsaved != UnsavedLists().end() ? unsaved->second : ReadTextFile(file);
}

}  // namespace

std::filesystem::path ListFileOf(int32_t mode) {
  const std::filesystem::path bin = std::filesystem::path(App().Path) / L"Bin";
  switch (mode) {
    // Written and read under one spelling, so a case-sensitive disk finds it too.
    case kModeWebsites: return bin / L"Websites.txt";
    case kModeFolders: return bin / L"FolderList.txt";
    default: return {};
  }
}

void AddEntry(FavoriteLists lists, const std::wstring& entry) {
  const int32_t at = lists.lstAddress.AddItem(entry);
  if (at < 0) return;
  // Titles that compare equal (the comparison ignores case) would keep the order
  // they came in while their whole texts sort by address: the title goes where
  // its whole text went, so a click never reaches another entry's address.
  lists.lstTitles.AddItem(TitleOf(entry), at < lists.lstTitles.ListCount() ? at : -1);
}

void LoadList(FavoriteLists lists) {
  const std::wstring contents = ListText(ListFileOf(CurrentMode));
  lists.lstAddress.Clear();
  lists.lstTitles.Clear();
  if (contents.empty()) return;
  const std::vector<std::wstring> pieces = SplitText(contents, kSplit);
  // The piece after the last separator is never an entry.
  for (size_t i = 0; i + 1 < pieces.size(); ++i) AddEntry(lists, pieces[i]);
}

void SaveList(FavoriteLists lists) {
  std::wstring joined;
  const int32_t count = lists.lstAddress.ListCount();
  for (int32_t i = 0; i < count; ++i) {
    joined += lists.lstAddress.ListItems(i);
    joined += kSplit;
  }
  lists.lstAddress.Clear();
  lists.lstTitles.Clear();
  const std::filesystem::path file = ListFileOf(CurrentMode);
  if (file.empty()) return;
  // The file is replaced whole rather than deleted first, so a failing disk
  // leaves the previous list in place.
  if (WriteTextFile(joined, file))
    UnsavedLists().erase(file);
  else
    UnsavedLists()[file] = std::move(joined);
}

}  // namespace oravin
