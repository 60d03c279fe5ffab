#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "runtime/folder_watcher.h"
#include "testing/scratch_dir.h"
#include "testing/win32_testing.h"

namespace oravin {
namespace {

using testing::PumpUntil;
using testing::ScratchDir;
using testing::WriteBytes;

// Every report, and the thread it came on.
struct Reports {
  std::vector<FolderChanges> received;
  std::vector<DWORD> threads;
  FolderWatcher::OnChange Handler() {
    return [this](const FolderChanges& changes) {
      received.push_back(changes);
      threads.push_back(GetCurrentThreadId());
    };
  }
  bool Touched(const std::wstring& name) const {
    for (const FolderChanges& changes : received)
      if (changes.Touches(name)) return true;
    return false;
  }
};

TEST(FolderWatcher, ReportsAChangedFileByNameOnTheWatchingThread) {
  ScratchDir dir;
  Reports reports;
  const auto watch = SystemFolderWatcher().Watch(dir.wpath(), false, reports.Handler());
  ASSERT_TRUE(watch);
  WriteBytes(dir.path() / "Websites.txt", "a <Address>b<Split>");
  ASSERT_TRUE(PumpUntil([&] { return reports.Touched(L"websites.TXT"); }));
  for (const DWORD thread : reports.threads) EXPECT_EQ(thread, GetCurrentThreadId());
  EXPECT_FALSE(reports.received.front().overflowed);
}

// Wine does not report changes inside subfolders even when asked, so only
// the watch of the folder alone is checked here.
TEST(FolderWatcher, AWatchOfTheFolderAloneLeavesOutItsSubfolders) {
  ScratchDir dir;
  std::filesystem::create_directory(dir.path() / "Default");
  Reports reports;
  const auto watch = SystemFolderWatcher().Watch(dir.wpath(), false, reports.Handler());
  ASSERT_TRUE(watch);
  WriteBytes(dir.path() / "Default" / "Bookmarks", "{}");
  // A change beside it comes after, so that once it is in, the other has been seen or passed over.
  WriteBytes(dir.path() / "Local State", "{}");
  ASSERT_TRUE(PumpUntil([&] { return reports.Touched(L"Local State"); }));
  EXPECT_FALSE(reports.Touched(L"Default\\Bookmarks"));
}

TEST(FolderWatcher, AMissingFolderCannotBeWatched) {
  ScratchDir dir;
  EXPECT_FALSE(SystemFolderWatcher().Watch(dir.wpath(L"gone"), false, [](const FolderChanges&) {}));
}

}  // namespace
}  // namespace oravin
