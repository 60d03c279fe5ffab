#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "actions/command_line.h"
#include "actions/open_address.h"
#include "testing/captured_message_boxes.h"
#include "testing/scratch_dir.h"

namespace oravin {
namespace {

struct Execution {
  WindowHandle owner;
  std::wstring verb, file, parameters, directory;
  int show;
};

// Records what the launcher asks of the shell; answers the look-up as told.
class RecordingShell : public Shell {
 public:
  FoundExecutable FindProgramFor(const std::wstring& file, const std::wstring& directory) override {
    lookups.push_back(file);
    lookupDirectories.push_back(directory);
    return answer;
  }
  FoundExecutable FindProgramForType(const std::wstring& extension) override {
    lookups.push_back(extension);
    return answer;
  }
  void Execute(WindowHandle owner, const std::wstring& verb, const std::wstring& file, const std::wstring& parameters,
               const std::wstring& directory, int show) override {
    executions.push_back({owner, verb, file, parameters, directory, show});
  }
  void StartProcess(const std::wstring& commandLine, int show) override {
    started.push_back(commandLine);
    startShows.push_back(show);
  }

  FoundExecutable answer{42, L"C:\\Browsers\\browser.exe"};
  std::vector<std::wstring> lookups, lookupDirectories, started;
  std::vector<int> startShows;
  std::vector<Execution> executions;
};

class Launching : public ::testing::Test {
 protected:
  // The launcher as the main window uses it: what it answers is shown.
  template <typename... Args>
  void OpenAndTell(Args&&... args) {
    if (const auto refusal = launcher.OpenAddress(std::forward<Args>(args)...)) boxes.Tell({*refusal});
  }

  testing::ScratchDir temp;
  RecordingShell shell;
  Launcher launcher{shell, L"C:\\Tools"};
  testing::CapturedMessageBoxes boxes;
  WindowHandle owner = reinterpret_cast<WindowHandle>(0x1234);
};

TEST_F(Launching, AWebAddressIsOpenedByTheShellAfterAskingWhichProgramOpensWebPages) {
  OpenAndTell(owner, L"http://www.example.com/", false, false);
  EXPECT_EQ(shell.lookups, std::vector<std::wstring>{L".html"});
  ASSERT_EQ(shell.executions.size(), 1u);
  const Execution& e = shell.executions[0];
  EXPECT_EQ(e.owner, owner);
  EXPECT_EQ(e.verb, L"open");
  EXPECT_EQ(e.file, L"http://www.example.com/");
  EXPECT_EQ(e.parameters, L"");
  EXPECT_EQ(e.directory, L"");
  EXPECT_EQ(e.show, kShowNormal);
  EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(Launching, ANewWindowStartsTheBrowserWithTheAddressAsOneArgument) {
  OpenAndTell(owner, L"http://a.example.com/x y\"z", true, false);
  ASSERT_EQ(shell.executions.size(), 1u);
  EXPECT_EQ(shell.executions[0].file, L"C:\\Browsers\\browser.exe");
  EXPECT_EQ(shell.executions[0].parameters, L"\"http://a.example.com/x%20y%22z\"");
  EXPECT_EQ(shell.executions[0].verb, L"open");
}

TEST_F(Launching, AFolderAsksForTheProgramThatOpensTheProgramsOwnFolder) {
  std::filesystem::create_directory(temp.path() / L"my folder");
  testing::ScopedCurrentFolder current(temp.path());  // an absolute path begins with "/" off Windows
  OpenAndTell(owner, L"my folder", true, true);
  ASSERT_EQ(shell.lookups, std::vector<std::wstring>{L"C:\\Tools"});
  EXPECT_EQ(shell.lookupDirectories, std::vector<std::wstring>{L""});
  ASSERT_EQ(shell.executions.size(), 1u);
  EXPECT_EQ(shell.executions[0].parameters, L"\"my folder\"");
}

TEST_F(Launching, WhatAWebEntryOrAFolderEntryCannotOpenIsRefusedByTheEntrysTitle) {
  testing::WriteBytes(temp.path() / "run.bat", "@echo off\r\n");
  OpenAndTell(owner, L"C:\\evil\\run.exe", false, false, L"工具");
  OpenAndTell(owner, (temp.path() / "missing").wstring(), false, true, L"资料");
  OpenAndTell(owner, (temp.path() / "run.bat").wstring(), true, true, L"脚本");
  OpenAndTell(owner, L"file:///C:/evil/run.exe", true, false);
  EXPECT_TRUE(shell.lookups.empty());
  EXPECT_TRUE(shell.executions.empty());
  ASSERT_EQ(boxes.calls.size(), 4u);
  EXPECT_EQ(boxes.calls[0].text, L"\"工具\" 的地址不是网页地址, 没有打开.\r\n只能打开 http://, https:// 或 ftp:// 开头的网址.");
  EXPECT_EQ(boxes.calls[1].text, L"\"资料\" 的文件夹不存在, 没有打开.");
  EXPECT_EQ(boxes.calls[2].text, L"\"脚本\" 的地址不是文件夹, 没有打开.");
  EXPECT_EQ(boxes.calls[3].text, L"地址不是网页地址, 没有打开.\r\n只能打开 http://, https:// 或 ftp:// 开头的网址.");
  for (const Notice& box : boxes.calls) {
    EXPECT_EQ(box.title, L"无法打开");
    EXPECT_EQ(box.icon, MsgIcon::Exclamation);
  }
}

TEST_F(Launching, ALongAddressGoesToTheBrowserAsOneArgumentUpToTheLongestCommandLine) {
  const auto address = [](size_t length) { return L"http://x.example/" + std::wstring(length - 17, L'a'); };
  OpenAndTell(owner, address(512), false, false);
  // The browser's quoted path, a blank and the quoted address fill 32,766 characters.
  const size_t longest = 32766 - (shell.answer.program.size() + 2) - 1 - 2;
  OpenAndTell(owner, address(513), false, false);
  OpenAndTell(owner, address(longest), false, false);
  OpenAndTell(owner, address(longest + 1), true, false, L"长");
  ASSERT_EQ(shell.executions.size(), 3u);
  EXPECT_EQ(shell.executions[0].file, address(512));
  EXPECT_EQ(shell.executions[1].file, shell.answer.program);
  EXPECT_EQ(shell.executions[1].parameters, L"\"" + address(513) + L"\"");
  EXPECT_EQ(shell.executions[2].parameters, L"\"" + address(longest) + L"\"");
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].text, L"\"长\" 的地址太长 (" + std::to_wstring(longest + 1) + L" 个字符), 没有打开.");
}

TEST_F(Launching, WithoutABrowserTheUserIsToldAndNothingOpens) {
  shell.answer = {31, L""};
  OpenAndTell(owner, L"http://www.example.com/", true, false);
  EXPECT_TRUE(shell.executions.empty());
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].text, L"未找到关联的浏览器.");
  EXPECT_EQ(boxes.calls[0].title, L"浏览器错误");
  EXPECT_EQ(boxes.calls[0].icon, MsgIcon::Exclamation);
}

TEST_F(Launching, AnAddressThatLooksLikeASwitchNeverReachesACommandLine) {
  OpenAndTell(owner, L"-kiosk", true, false);  // not a web address at all
  const std::wstring longName(200, L'k');
  std::filesystem::create_directories(temp.path() / L"-kiosk" / longName / longName / longName);
  testing::ScopedCurrentFolder current(temp.path());
  OpenAndTell(owner, L"-kiosk", true, true);
  // Too long for the shell, and no safe way onto a command line.
  OpenAndTell(owner, L"-kiosk/" + longName + L"/" + longName + L"/" + longName, false, true);
  ASSERT_EQ(shell.executions.size(), 1u);
  EXPECT_EQ(shell.executions[0].file, L"-kiosk");
  EXPECT_EQ(shell.executions[0].parameters, L"");
  EXPECT_EQ(boxes.calls.size(), 2u);
}

TEST_F(Launching, HomePagesStartExplorerMinimisedWithoutWaiting) {
  launcher.OpenHomePage(L"http://www.example.com/");
  EXPECT_EQ(shell.started, std::vector<std::wstring>{L"explorer.exe http://www.example.com/"});
  EXPECT_EQ(shell.startShows, std::vector<int>{kShowMinimized});
  EXPECT_TRUE(shell.lookups.empty());
}

TEST(QuoteArgument, QuotesEveryArgumentAndEscapesQuotesAndTheirBackslashes) {
  EXPECT_EQ(QuoteArgument(L""), L"\"\"");
  EXPECT_EQ(QuoteArgument(L"a b\tc"), L"\"a b\tc\"");
  EXPECT_EQ(QuoteArgument(L"say \"hi\""), L"\"say \\\"hi\\\"\"");
  EXPECT_EQ(QuoteArgument(L"C:\\dir\\"), L"\"C:\\dir\\\\\"");
  EXPECT_EQ(QuoteArgument(L"a\\\\\"b"), L"\"a\\\\\\\\\\\"b\"");
  EXPECT_EQ(QuoteArgument(L"C:\\a\\b"), L"\"C:\\a\\b\"");
}

TEST(ProgramCommand, QuotesAPathOnlyWhenItHoldsABlank) {
  EXPECT_EQ(ProgramCommand(L"C:\\Tools\\fav.exe"), L"C:\\Tools\\fav.exe");
  EXPECT_EQ(ProgramCommand(L"C:\\\\fav.exe"), L"C:\\\\fav.exe");  // a drive root's separator is kept as it comes
  EXPECT_EQ(ProgramCommand(L"C:\\Program Files\\Oravin\\oravin.exe"), L"\"C:\\Program Files\\Oravin\\oravin.exe\"");
}

}  // namespace
}  // namespace oravin
