// The data folder: another one picked on the options page takes the lists,
// and a chosen one not there at the start keeps them waiting in memory.
#include "app/tests/main_window_fixture.h"
#include "data/data_folder.h"

namespace oravin {
namespace {

// The options page's "更改…", in pixels of the window at 96 dpi.
constexpr POINT kChangeDataFolder{16 + 124, 48 + 208};

TEST_F(MainWindowInProcess, AFolderPickedOnTheOptionsPageJoinsItsListsAndIsWatched) {
  testing::ScratchDir chosen;
  Settings("0<Split>1<Split>0<Split>0<Split>100<Split>0");
  WriteBytes(dir.path() / "Bin" / "Websites.txt", "a <Address>http://a/<Split>\r\n");
  WriteBytes(chosen.path() / "Websites.txt", "b <Address>http://b/<Split>\r\n");
  ASSERT_TRUE(Start());
  form.ShowOptions();
  ASSERT_TRUE(Settled());
  folderPicker.answer = chosen.wpath();
  SendMessageW(testing::ControlAt(form.hwnd(), kChangeDataFolder.x, kChangeDataFolder.y), BM_CLICK, 0, 0);
  EXPECT_EQ(ReadBytes(dir.path() / "Bin" / kDataFolderFileName), DataFolderChoiceBytes(chosen.wpath()));
  EXPECT_EQ(Entries().size(), 2u);
  WriteBytes(chosen.path() / "Websites.txt", "c <Address>http://c/<Split>\r\n");
  EXPECT_TRUE(testing::PumpUntil([&] { return form.TitleList().ItemCount() == 1; }));
  EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(MainWindowInProcess, AChosenFolderNotThereIsToldOnceAndItsListWaitsUntilItIsBack) {
  const std::filesystem::path gone = dir.path() / "Gone";
  Settings("0<Split>1<Split>0<Split>0<Split>100<Split>0");
  WriteBytes(dir.path() / "Bin" / "Websites.txt", "in Bin <Address>http://bin/<Split>\r\n");
  WriteBytes(dir.path() / "Bin" / kDataFolderFileName, DataFolderChoiceBytes(gone.wstring()));
  ASSERT_TRUE(Start());
  ASSERT_EQ(boxes.calls.size(), 1u);
  form.Store().AddEntry(ListKind::Websites, L"b <Address>http://b/");
  form.ShowAssistant(Assistant::Websites);
  ASSERT_TRUE(Settled());
  EXPECT_FALSE(std::filesystem::exists(gone));
  EXPECT_EQ(ReadBytes(dir.path() / "Bin" / "Websites.txt"), "in Bin <Address>http://bin/<Split>\r\n");

  std::filesystem::create_directories(gone);
  WriteBytes(gone / "Websites.txt", "a <Address>http://a/<Split>\r\n");
  ASSERT_TRUE(testing::PumpUntil([&] { return form.TitleList().ItemCount() == 2; }, 10000));
  form.ShowAssistant(Assistant::Search);
  ASSERT_TRUE(Settled());
  EXPECT_EQ(ReadBytes(gone / "Websites.txt"), "a <Address>http://a/<Split>b <Address>http://b/<Split>\r\n");
  EXPECT_EQ(boxes.calls.size(), 1u);
}

}  // namespace
}  // namespace oravin
