// Where the lists are kept: the choice file's shapes, and a chosen folder not there.
#include <gtest/gtest.h>

#include "data/data_folder.h"
#include "runtime/utf8.h"
#include "testing/scratch_dir.h"

namespace oravin {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

#ifdef _WIN32
constexpr wchar_t kSynced[] = L"D:\\同步\\Oravin";
#else
constexpr wchar_t kSynced[] = L"/同步/Oravin";
#endif

struct ChoiceShapeCase {
  const char* name;
  std::string bytes;
  DataFolderChoice choice;
};

TEST(DataFolderChoiceFile, ReadsTheFolderOrSaysTheFileIsDamaged) {
  const std::string synced = EncodeUtf8(kSynced);
  const ChoiceShapeCase cases[] = {
      {"empty", "", {}},
      {"only line ends", "\r\n\r\n", {}},
      {"UTF-8 with its byte order mark", "\xEF\xBB\xBF" + synced + "\r\n", {ChoiceShape::Folder, kSynced}},
      {"UTF-8 without, no line end", synced, {ChoiceShape::Folder, kSynced}},
      {"as the program writes it", DataFolderChoiceBytes(kSynced), {ChoiceShape::Folder, kSynced}},
      {"a relative path", "Sync\r\n", {ChoiceShape::Damaged, {}}},
      {"no UTF-8 (GBK)", "D:\\\xCD\xAC\xB2\xBD\r\n", {ChoiceShape::Damaged, {}}},
      {"a second line", synced + "\r\n" + synced + "\r\n", {ChoiceShape::Damaged, {}}},
  };
  for (const ChoiceShapeCase& test : cases) EXPECT_EQ(ParseDataFolderChoice(test.bytes), test.choice) << test.name;
}

// Only a chosen folder that is there is used; one not there, or a damaged
// choice, is told and leaves the lists in memory (away).
TEST(DataFolderChoiceFile, AFolderNotThereOrADamagedChoiceIsAway) {
  testing::ScratchDir dir;
  const std::wstring bin = dir.wpath(L"Bin"), there = dir.wpath(L"Sync"), gone = dir.wpath(L"Gone");
  std::filesystem::create_directories(dir.path() / "Bin");
  std::filesystem::create_directories(dir.path() / "Sync");
  const std::filesystem::path file = dir.path() / "Bin" / kDataFolderFileName;
  struct Case {
    const char* name;
    std::optional<std::string> choice;  // nothing: no choice file
    std::wstring folder;
    bool away;
  };
  const Case cases[] = {
      {"no choice", std::nullopt, bin, false},
      {"a folder that is there", DataFolderChoiceBytes(there), there, false},
      {"a folder not there", DataFolderChoiceBytes(gone), gone, true},
      {"a damaged choice", "Sync\r\n", bin, true},
  };
  for (const Case& test : cases) {
    std::filesystem::remove(file);
    if (test.choice) WriteBytes(file, *test.choice);
    const DataFolder found = FindDataFolder(bin);
    EXPECT_EQ(found.path, test.folder) << test.name;
    EXPECT_EQ(found.away.has_value(), test.away) << test.name;
  }
}

// Bin chosen again is as if nothing had ever been chosen: no file.
TEST(DataFolderChoiceFile, KeepingBinRemovesTheChoice) {
  testing::ScratchDir dir;
  std::filesystem::create_directories(dir.path() / "Bin");
  Notices notices;
  ASSERT_TRUE(KeepDataFolderChoice(dir.wpath(L"Bin"), dir.wpath(), notices));
  EXPECT_EQ(ReadBytes(dir.path() / "Bin" / kDataFolderFileName), DataFolderChoiceBytes(dir.wpath()));
  ASSERT_TRUE(KeepDataFolderChoice(dir.wpath(L"Bin"), dir.wpath(L"Bin/"), notices));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "Bin" / kDataFolderFileName));
  EXPECT_TRUE(notices.empty());
}

}  // namespace
}  // namespace oravin
