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

}  // namespace
}  // namespace oravin
