#include <gtest/gtest.h>

#include "testing/scratch_dir.h"
#include "tests/e2e/program_under_test.h"

namespace oravin::testing {
namespace {

TEST(MainWindow, AppearsBorderlessAtTheBottomRightAndEndsWhenClosed) {
  ScratchDir folder;
  std::filesystem::create_directories(folder.path() / "Bin");
  WriteBytes(folder.path() / "Bin" / "Settings.txt", "1<Split>0<Split>0<Split>0<Split>100<Split>0\r\n");
  ProgramUnderTest program(folder.path());
  ASSERT_TRUE(program.Start());
  HWND main = program.WaitForMainWindow();
  ASSERT_NE(main, nullptr);

  RECT r;
  GetWindowRect(main, &r);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
  EXPECT_EQ(r.left, 829);
  EXPECT_EQ(r.top, 381);
  EXPECT_EQ(r.right - r.left, 195);
  EXPECT_EQ(r.bottom - r.top, 354);
  const LONG style = GetWindowLongW(main, GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER), 0);

  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(program.WaitForExit());
  EXPECT_EQ(program.ExitCode(), 0u);
}

}  // namespace
}  // namespace oravin::testing
