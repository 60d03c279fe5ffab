#include <gtest/gtest.h>

#include "data/mdlGlobal.h"
#include "data/mdlSave.h"
#include "dialogs/entry_text.h"
#include "runtime/app.h"
#include "testing/latin1_codec.h"
#include "testing/scratch_dir.h"

namespace oravin {
namespace {

TEST(TidyWebAddress, PutsTheMissingPrefixesInFront) {
  EXPECT_EQ(TidyWebAddress(L"example.com"), L"http://www.example.com");
  EXPECT_EQ(TidyWebAddress(L"www.example.com"), L"http://www.example.com");
  EXPECT_EQ(TidyWebAddress(L"WWW.Example.com"), L"http://WWW.Example.com");
  EXPECT_EQ(TidyWebAddress(L"http://www.example.com/a b"), L"http://www.example.com/a b");
  EXPECT_EQ(TidyWebAddress(L"  example.com  "), L"http://www.example.com");
  EXPECT_EQ(TidyWebAddress(L""), L"");
  EXPECT_EQ(TidyWebAddress(L"   "), L"http://www.");  // trimmed to nothing, then both prefixes
}

TEST(TidyWebAddress, LeavesAnAddressThatNamesItsSchemeAlone) {
  EXPECT_EQ(TidyWebAddress(L"http://example.com"), L"http://example.com");
  EXPECT_EQ(TidyWebAddress(L"HTTP://example.com"), L"HTTP://example.com");
  EXPECT_EQ(TidyWebAddress(L"https://example.com"), L"https://example.com");
  EXPECT_EQ(TidyWebAddress(L"ftp://files.example.com"), L"ftp://files.example.com");
}

TEST(EntryProblem, RefusesWhatTheListFileCouldNotGiveBack) {
  testing::WithLatin1CodePage codePage;
  CurrentMode = kModeWebsites;
  EXPECT_FALSE(EntryProblem(L"News", L"http://www.example.com/"));
  EXPECT_FALSE(EntryProblem(L"", L""));
  EXPECT_FALSE(EntryProblem(L"a<Address>b", L"x"));  // the marker begins with a blank
  EXPECT_TRUE(EntryProblem(L"a <Address>b", L"x"));
  EXPECT_TRUE(EntryProblem(L"a<Split>b", L"x"));
  EXPECT_TRUE(EntryProblem(L"a", L"x<Split>y"));
  // A second marker would end the address when the list is read again.
  EXPECT_EQ(EntryProblem(L"a", L"http://x/ <Address>y"), EntryProblem(L"a <Address>b", L"x"));
  EXPECT_TRUE(EntryProblem(L"\u0915", L"x"));
  EXPECT_TRUE(EntryProblem(L"a", L"\u20AC"));
}

TEST(EntryProblem, AListReadAsUtf8OrUtf16TakesAnyText) {
  testing::WithLatin1CodePage codePage;
  testing::ScratchDir dir;
  App().Path = dir.wpath();
  std::filesystem::create_directories(dir.path() / "Bin");
  testing::WriteBytes(ListFileOf(kModeWebsites), "caf\xC3\xA9 <Address>http://a/<Split>");  // UTF-8, as Notepad saves
  testing::WriteBytes(ListFileOf(kModeFolders), "caf\xE9 <Address>C:\\a<Split>");  // the code page
  for (const int32_t mode : {kModeWebsites, kModeFolders}) ReadTextFile(ListFileOf(mode));
  CurrentMode = kModeWebsites;
  EXPECT_FALSE(EntryProblem(L"\u0915 \U0001F600", L"http://\u20AC/"));
  CurrentMode = kModeFolders;
  EXPECT_TRUE(EntryProblem(L"\u0915", L"C:\\a"));
}

}  // namespace
}  // namespace oravin
