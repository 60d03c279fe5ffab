#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/single_instance.h"
#include "testing/scratch_dir.h"
#include "testing/win32_testing.h"

namespace oravin {
namespace {

TEST(SingleInstance, OneCopyPerFolderWhicheverPathReachesIt) {
  testing::ScratchDir dir;
  const std::wstring folder = dir.wpath();
  wchar_t shortName[MAX_PATH] = {};
  ASSERT_NE(GetShortPathNameW(folder.c_str(), shortName, MAX_PATH), 0u);
  const std::wstring zPath = testing::ThroughDriveZ(folder);
  std::vector<std::wstring> others = {shortName};
  if (!zPath.empty()) others.push_back(zPath);
  for (const std::wstring& other : others) {
    ASSERT_NE(other, folder);
    ASSERT_TRUE(std::filesystem::is_directory(other)) << other;
  }

  SingleInstance first;
  ASSERT_TRUE(first.Claim(folder));
  for (const std::wstring& other : others) {
    SingleInstance second;
    EXPECT_FALSE(second.Claim(other)) << other;
  }
  testing::ScratchDir elsewhere;
  SingleInstance third;
  EXPECT_TRUE(third.Claim(elsewhere.wpath()));
}

// A text of the identity itself, not a hash whose value differs between the
// 32-bit and the 64-bit build or between compilers.
TEST(SingleInstance, TheNameIsTheFoldersIdentityAsText) {
  EXPECT_EQ(InstanceNameFor(0x1234ABCDu, 0x0000000500C0FFEEull), L"Local\\Oravin-1234ABCD-0000000500C0FFEE");
  EXPECT_EQ(InstanceNameFor(0, 1), L"Local\\Oravin-00000000-0000000000000001");
}

}  // namespace
}  // namespace oravin
