// Where the lists are kept: the choice file's shapes, and Bin chosen again.
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
      {"UTF-8 without a byte order mark or a line end", synced, {ChoiceShape::Folder, kSynced}},
      {"as the program writes it", DataFolderChoiceBytes(kSynced), {ChoiceShape::Folder, kSynced}},
      {"a relative path", "Sync\r\n", {ChoiceShape::Damaged, {}}},
      {"no UTF-8 (GBK)", "D:\\\xCD\xAC\xB2\xBD\r\n", {ChoiceShape::Damaged, {}}},
      {"a second line", synced + "\r\n" + synced + "\r\n", {ChoiceShape::Damaged, {}}},
  };
  for (const ChoiceShapeCase& test : cases) EXPECT_EQ(ParseDataFolderChoice(test.bytes), test.choice) << test.name;
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
