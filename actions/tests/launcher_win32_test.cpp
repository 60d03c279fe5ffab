#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>

#include "actions/open_address.h"
#include "testing/captured_message_boxes.h"
#include "testing/scratch_dir.h"
#include "testing/win32_testing.h"

namespace oravin {
namespace {

std::wstring FullPath(const std::wstring& path) {
  wchar_t full[MAX_PATH] = {};
  GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr);
  return full;
}

std::wstring FakeBrowser() {
  const char* path = std::getenv("ORAVIN_FAKE_BROWSER");
  return path ? FullPath(std::filesystem::path(path).wstring()) : std::wstring();
}

std::wstring Default(const std::wstring& key) {
  wchar_t value[1024] = {};
  DWORD size = sizeof value;
  RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value, &size);
  return value;
}

void SetDefault(const std::wstring& key, const std::wstring& value) {
  HKEY h = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &h, nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(h, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 DWORD((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(h);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string Utf8(const std::wstring& text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(size_t(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

// A prefix in which a recording stand-in is the program for web pages and for
// http. (Wine reads file types from HKEY_CLASSES_ROOT only, not from the user's classes.)
class LauncherOnWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(FakeBrowser().empty());
    const std::wstring command = L"\"" + FakeBrowser() + L"\" \"%1\"";
    SetDefault(L".html", L"OravinTest.Page");
    SetDefault(L"OravinTest.Page\\shell\\open\\command", command);
    SetDefault(L"http\\shell\\open\\command", command);
    SetEnvironmentVariableW(L"ORAVIN_FAKE_BROWSER_LOG", log().c_str());
  }
  void TearDown() override {
    if (folderCommand) SetDefault(kFolderCommand, *folderCommand);
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L"OravinTest.Page");
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L".html");
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L"http");
  }

  std::wstring log() const { return (dir.path() / L"received.txt").wstring(); }
  // The lines the stand-in recorded: its raw command line, then each argument.
  std::vector<std::string> Received() {
    std::vector<std::string> lines;
    testing::PumpUntil([&] { return !(lines = Lines(testing::ReadBytes(log()))).empty(); }, 10000);
    return lines;
  }
  // Why nothing was received, for a failure's message.
  std::string Why() const {
    return boxes.calls.empty() ? "the browser was not started" : "told: " + Utf8(boxes.calls.back().text);
  }
  // What the stand-in got when it was asked to open the address; nothing when the user was told instead.
  // The launcher as the main window uses it: what it answers is shown.
  template <typename... Args>
  void OpenAndTell(Args&&... args) {
    if (const auto refusal = launcher.OpenAddress(std::forward<Args>(args)...)) boxes.Tell({*refusal});
  }
  std::vector<std::string> Open(const std::wstring& address, bool newWindow, bool isFolder = false) {
    std::filesystem::remove(log());
    const size_t told = boxes.calls.size();
    OpenAndTell(nullptr, address, newWindow, isFolder, L"条目");
    return boxes.calls.size() == told ? Received() : std::vector<std::string>{};
  }
  // A batch file that leaves a mark when anything runs it: ran.txt, or ran<first argument>.txt.
  std::wstring Trap() {
    testing::WriteBytes(dir.path() / L"run.bat", "@echo ran> \"" + Utf8(dir.wpath()) + "\\ran%1.txt\"\r\n");
    return (dir.path() / L"run.bat").wstring();
  }
  std::wstring mark(const std::wstring& argument = L"") const {
    return (dir.path() / (L"ran" + argument + L".txt")).wstring();
  }
  // Has the shell run the trap and waits for its mark: what a refused open might
  // have started was on its way sooner and is no slower, so it would show by now.
  void AwaitALaterStart() {
    SystemShell().Execute(nullptr, L"open", Trap(), L"-later", L"", kShowNormal);
    ASSERT_TRUE(testing::PumpUntil([&] { return std::filesystem::exists(mark(L"-later")); }, 10000));
  }

  static constexpr wchar_t kFolderCommand[] = L"Folder\\shell\\open\\command";
  std::optional<std::wstring> folderCommand;  // the prefix's own, while a test replaces it
  testing::ScratchDir dir;
  testing::CapturedMessageBoxes boxes;
  Launcher launcher{SystemShell(), dir.wpath()};
};

TEST_F(LauncherOnWindows, QuotesAndBlanksCannotAddAnArgumentInEitherBranch) {
  for (const bool newWindow : {false, true}) {
    SCOPED_TRACE(newWindow ? "new window" : "shell");
    auto lines = Open(L"http://x.example/\" --evil-switch \"y", newWindow);
    ASSERT_EQ(lines.size(), 2u) << (lines.empty() ? Why() : lines[0]);
    EXPECT_EQ(lines[1], "http://x.example/%22%20--evil-switch%20%22y");
    lines = Open(L"http://www.example.com/a b\tc\"d\\\" -x", newWindow);
    ASSERT_EQ(lines.size(), 2u) << (lines.empty() ? Why() : lines[0]);
    EXPECT_EQ(lines[1], "http://www.example.com/a%20b%09c%22d\\%22%20-x");
  }
  EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(LauncherOnWindows, AnAddressOfAnyLengthReachesTheBrowserWholeOrTheUserIsTold) {
  // The longest that fits: the browser's quoted path, a blank and the quoted address make 32,766 characters.
  const size_t longest = 32766 - (FakeBrowser().size() + 2) - 1 - 2;
  for (const bool newWindow : {false, true}) {
    for (const size_t length : {size_t(1000), size_t(5000), longest, size_t(40000)}) {
      SCOPED_TRACE((newWindow ? "new window, " : "shell, ") + std::to_string(length));
      const std::wstring address = L"http://x.example/?q=" + std::wstring(length - 20, L'a');
      const auto lines = Open(address, newWindow);
      if (length <= longest) {
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[1], Utf8(address));
      } else {
        ASSERT_FALSE(boxes.calls.empty());
        EXPECT_EQ(boxes.calls.back().text, L"\"条目\" 的地址太长 (40000 个字符), 没有打开.");
      }
    }
  }
  AwaitALaterStart();
  EXPECT_FALSE(std::filesystem::exists(log()));  // the refused one started nothing
  EXPECT_EQ(boxes.calls.size(), 2u);
}

TEST_F(LauncherOnWindows, WebEntriesThatNameProgramsStartNothingInEitherBranch) {
  const std::wstring trap = Trap();
  std::wstring fileUrl = L"file:///" + trap;
  std::replace(fileUrl.begin(), fileUrl.end(), L'\\', L'/');
  // The shell takes a relative path from the current folder.
  std::filesystem::create_directory(dir.path() / L"sub");
  testing::ScopedCurrentFolder current(dir.path() / L"sub");
  for (const bool newWindow : {false, true}) {
    for (const std::wstring& address : {trap, fileUrl, std::wstring(L"..\\run.bat")}) {
      EXPECT_TRUE(Open(address, newWindow).empty());
    }
  }
  AwaitALaterStart();  // the trap works, so its mark would be there too
  EXPECT_FALSE(std::filesystem::exists(mark()));
  EXPECT_FALSE(std::filesystem::exists(log()));
  ASSERT_EQ(boxes.calls.size(), 6u);
  EXPECT_EQ(boxes.calls[0].text, L"\"条目\" 的地址不是网页地址, 没有打开.\r\n只能打开 http://, https:// 或 ftp:// 开头的网址.");
}

TEST_F(LauncherOnWindows, FolderEntriesOpenOnlyFoldersThatExistInEitherBranch) {
  folderCommand = Default(kFolderCommand);
  SetDefault(kFolderCommand, L"\"" + FakeBrowser() + L"\" \"%1\"");
  const std::wstring trap = Trap();
  const std::filesystem::path folder = dir.path() / L"我的 资料";
  std::filesystem::create_directory(folder);
  for (const bool newWindow : {false, true}) {
    SCOPED_TRACE(newWindow ? "new window" : "shell");
    const auto lines = Open(folder.wstring(), newWindow, true);
    ASSERT_EQ(lines.size(), 2u) << (lines.empty() ? "" : lines[0]);
    EXPECT_EQ(lines[1], Utf8(folder.wstring()));
    EXPECT_TRUE(Open((dir.path() / L"missing").wstring(), newWindow, true).empty());
    EXPECT_TRUE(Open(trap, newWindow, true).empty());
  }
  AwaitALaterStart();
  EXPECT_FALSE(std::filesystem::exists(mark()));
  ASSERT_EQ(boxes.calls.size(), 4u);
  EXPECT_EQ(boxes.calls[0].text, L"\"条目\" 的文件夹不存在, 没有打开.");
  EXPECT_EQ(boxes.calls[1].text, L"\"条目\" 的地址不是文件夹, 没有打开.");
}

TEST_F(LauncherOnWindows, WithoutANewWindowTheShellOpensTheAddressWithItsHandler) {
  OpenAndTell(nullptr, L"http://www.example.com/search?q=a+b", false, false);
  const auto lines = Received();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1], "http://www.example.com/search?q=a+b");
}

TEST_F(LauncherOnWindows, WithoutABrowserTheUserIsToldAndNothingStarts) {
  SetDefault(L".html", L"OravinTest.Nothing");
  OpenAndTell(nullptr, L"http://www.example.com/", true, false);
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].text, L"未找到关联的浏览器.");
  EXPECT_EQ(boxes.calls[0].title, L"浏览器错误");
  AwaitALaterStart();
  EXPECT_FALSE(std::filesystem::exists(log()));
}

// Finding the browser touches no file: a page of the user's in the temporary
// folder, named as a look-up page would be, stays as it is.
TEST_F(LauncherOnWindows, FindingTheBrowserLeavesTheUsersTempHtmlAlone) {
  wchar_t temp[MAX_PATH + 1] = {};
  ASSERT_NE(GetTempPathW(MAX_PATH + 1, temp), 0u);
  const auto page = std::filesystem::path(temp) / L"Temp.html";
  testing::WriteBytes(page, "<html>mine</html>");
  EXPECT_EQ(Open(L"http://www.example.com/", true).size(), 2u) << Why();
  EXPECT_EQ(testing::ReadBytes(page), "<html>mine</html>");
  std::filesystem::remove(page);
}

TEST_F(LauncherOnWindows, AStartedProcessGetsItsCommandLineAsGiven) {
  SystemShell().StartProcess(L"\"" + FakeBrowser() + L"\" http://www.example.com/", kShowMinimized);
  const auto lines = Received();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1], "http://www.example.com/");
}

}  // namespace
}  // namespace oravin
