#include <windows.h>

#include <gtest/gtest.h>
#include <shlobj.h>


#include "testing/scratch_dir.h"
#include "testing/win32_testing.h"
#include "tests/e2e/program_under_test.h"

namespace oravin::testing {
namespace {

// A browser may take a few seconds to be seen: the file is watched, then read off the window's thread.
constexpr int kSeenWithinMs = 15000;

std::filesystem::path LocalAppData() {
  PWSTR path = nullptr;
  SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &path);
  std::filesystem::path folder = path ? path : L"";
  CoTaskMemFree(path);
  return folder;
}

// A Bookmarks file as Chrome writes it, with the links on its bookmarks bar.
std::string BookmarksFile(const std::string& links) {
  return R"({"checksum":"0","roots":{"bookmark_bar":{"children":[)" + links +
         R"(],"id":"1","name":"Bookmarks bar","type":"folder"},"other":{"children":[],"type":"folder"},)"
         R"("synced":{"children":[],"type":"folder"}},"version":1})";
}
std::string Link(const char* utf8Title, const char* url) {
  return std::string(R"({"id":"9","type":"url","name":")") + utf8Title + R"(","url":")" + url + R"("})";
}

// Chrome's default profile in the test's Wine prefix, there while the object lives.
struct ChromeProfile {
  ChromeProfile() { std::filesystem::create_directories(path); }
  ~ChromeProfile() {
    std::error_code error;
    std::filesystem::remove_all(LocalAppData() / "Google", error);
  }
  const std::filesystem::path path = LocalAppData() / "Google" / "Chrome" / "User Data" / "Default";
};

// The rounded outline is on: the start-up has run to its end.
bool Shaped(HWND main) {
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  const int kind = GetWindowRgn(main, rgn);
  DeleteObject(rgn);
  return kind == COMPLEXREGION;
}

class BrowserBookmarks : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(folder.path() / "Bin");
    WriteBytes(folder.path() / "Bin" / "Settings.txt", "1<Split>0<Split>0<Split>0<Split>100<Split>0\r\n");
    WriteBytes(folder.path() / "Bin" / "Websites.txt", "Example <Address>http://www.example.com/<Split>\r\n");
  }

  // As the browser saves: a new file written beside, then put in the old one's place.
  void SaveBookmarks(const std::string& links) {
    WriteBytes(chrome.path / "Bookmarks.tmp", BookmarksFile(links));
    ASSERT_TRUE(MoveFileExW((chrome.path / "Bookmarks.tmp").c_str(), (chrome.path / "Bookmarks").c_str(),
                            MOVEFILE_REPLACE_EXISTING));
  }
  // Opens the box with the global key and types; the results, once they hold the title.
  bool Finds(const std::wstring& typed, const std::wstring& title) {
    PressKey(VK_SPACE, {VK_CONTROL, VK_MENU});
    HWND box = nullptr;
    if (!PumpUntil([&] {
          box = FindWindowW(L"Oravin.frmQuickOpen", nullptr);
          return box && IsWindowVisible(box) && GetForegroundWindow() == box;
        })) {
      return false;
    }
    TypeText(typed);
    HWND results = FindWindowExW(box, nullptr, L"ListBox", nullptr);
    return PumpUntil([&] { return !ListTexts(results).empty() && ListTexts(results).front() == title; }, kSeenWithinMs);
  }

  // Removed after the program has ended, which holds the folder while it watches it.
  ChromeProfile chrome;
  ScratchDir folder;
  ProgramUnderTest program{folder.path()};
};

TEST_F(BrowserBookmarks, AChromeBookmarkIsFoundByPinyinAndOpenedAndANewOneSeenWhileRunning) {
  SaveBookmarks(Link("\xE5\x93\x94\xE5\x93\xA9\xE5\x93\x94\xE5\x93\xA9", "http://www.bilibili.com/"));  // 哔哩哔哩
  RegisteredFakeBrowser browser(folder.path() / "browser.txt");
  ASSERT_TRUE(program.Start());
  HWND main = program.WaitForMainWindow();
  ASSERT_TRUE(main);
  ASSERT_TRUE(PumpUntil([&] { return Shaped(main); }, 30000));
  ASSERT_TRUE(Finds(L"blbl", L"哔哩哔哩"));
  PressKey(VK_RETURN);
  EXPECT_EQ(browser.TakeAddress(), "http://www.bilibili.com/");

  SaveBookmarks(Link("\xE7\x9F\xA5\xE4\xB9\x8E", "http://www.zhihu.com/") + "," +  // 知乎
                Link("\xE5\x93\x94\xE5\x93\xA9\xE5\x93\x94\xE5\x93\xA9", "http://www.bilibili.com/"));
  EXPECT_TRUE(Finds(L"zh", L"知乎"));
  PressKey(VK_ESCAPE);
  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(program.WaitForExit());
}

}  // namespace
}  // namespace oravin::testing
