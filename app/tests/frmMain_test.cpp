#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "actions/registry_calls.h"
#include "actions/shell.h"
#include "actions/tray_shell.h"
#include "app/frmMain.h"
#include "runtime/app.h"
#include "testing/captured_message_boxes.h"
#include "testing/scratch_dir.h"
#include "testing/win32_testing.h"
#include "tests/e2e/program_under_test.h"

namespace oravin {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

// Scratch folders are ASCII, and so is every text these tests give the registry.
std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// Everything the shut-down does, in the order it happens.
std::vector<std::string> events;

class RecordingTray : public TrayShell {
 public:
  bool NotifyIcon(DWORD message, const TrayIconData&) override {
    events.push_back(message == NIM_ADD ? "tray add" : message == NIM_DELETE ? "tray delete" : "tray other");
    return accept;
  }
  bool accept = true;
};

class RecordingRegistry : public RegistryCalls {
 public:
  Key CreateKey(RegistryRoot, const std::wstring&) override { return this; }
  bool SetStringValue(Key, const std::wstring& name, const std::wstring& data) override {
    settingsSavedBefore = std::filesystem::exists(std::filesystem::path(App().Path) / "Bin" / "Settings.txt");
    events.push_back("registry set " + Narrow(name) + "=" + Narrow(data));
    return true;
  }
  bool DeleteValue(Key, const std::wstring& name) override {
    events.push_back("registry delete " + Narrow(name));
    return true;
  }
  void CloseKey(Key) override {}
  bool settingsSavedBefore = false;
};

// What the main window asks of the shell: a browser is always found.
class RecordingShell : public Shell {
 public:
  std::wstring TempPath() override { return App().Path + L"\\"; }
  FoundExecutable FindProgramFor(const std::wstring& file, const std::wstring&) override {
    lookups.push_back(file);
    return {42, L"C:\\browser.exe"};
  }
  void Execute(WindowHandle, const std::wstring&, const std::wstring& file, const std::wstring& parameters,
               const std::wstring&, int) override {
    opened.push_back(parameters.empty() ? file : file + L" " + parameters);
  }
  void StartProcess(const std::wstring& commandLine, int show) override {
    started.push_back(commandLine + L" @" + std::to_wstring(show));
  }
  std::vector<std::wstring> started, lookups, opened;
};

int RegionKind(HWND hwnd) {
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  const int kind = GetWindowRgn(hwnd, rgn);
  DeleteObject(rgn);
  return kind;
}

class MainWindowInProcess : public ::testing::Test {
 protected:
  void SetUp() override {
    events.clear();
    App().Path = dir.wpath();
    App().EXEName = L"fav";
    CurrentMode = kModeSearch;
    std::filesystem::create_directories(dir.path() / "Bin");
  }
  void Settings(const std::string& fields) { WriteBytes(dir.path() / "Bin" / "Settings.txt", fields + "\r\n"); }
  std::wstring Title() const { return testing::WindowText(testing::ControlAt(form.hwnd(), 900, 300)); }
  LONG ExStyle() const { return GetWindowLongW(form.hwnd(), GWL_EXSTYLE); }

  testing::ScratchDir dir;
  testing::CapturedMessageBoxes boxes;
  RecordingTray tray;
  ScopedTrayShell trayGuard{tray};
  RecordingRegistry registry;
  ScopedRegistryCalls registryGuard{registry};
  frmMain form;
};

TEST_F(MainWindowInProcess, WithoutANotificationAreaItMinimisesToTheTaskbarAndComesBackShaped) {
  Settings("0<Split>0<Split>0<Split>0<Split>100<Split>0");
  tray.accept = false;
  ASSERT_TRUE(form.Load());
  EXPECT_TRUE(ExStyle() & WS_EX_APPWINDOW);
  EXPECT_FALSE(ExStyle() & WS_EX_TOOLWINDOW);
  form.Minimize();
  EXPECT_TRUE(IsIconic(form.hwnd()));
  ShowWindow(form.hwnd(), SW_RESTORE);
  EXPECT_TRUE(testing::PumpUntil([&] { return RegionKind(form.hwnd()) == COMPLEXREGION; }));
  EXPECT_FALSE(form.MinimizedToTray());
}

TEST_F(MainWindowInProcess, InTheNotificationAreaItHasNoTaskbarButtonAndHidesByItsRegion) {
  Settings("0<Split>0<Split>0<Split>0<Split>100<Split>0");
  ASSERT_TRUE(form.Load());
  EXPECT_TRUE(ExStyle() & WS_EX_TOOLWINDOW);
  form.Minimize();
  EXPECT_FALSE(IsIconic(form.hwnd()));
  EXPECT_EQ(RegionKind(form.hwnd()), NULLREGION);
  EXPECT_TRUE(form.MinimizedToTray());
  SendMessageW(form.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(WM_LBUTTONUP, 0));
  EXPECT_EQ(RegionKind(form.hwnd()), COMPLEXREGION);
  EXPECT_FALSE(form.MinimizedToTray());
}

TEST_F(MainWindowInProcess, ARecreatedTaskbarGetsTheIconBackAndEndsTheTaskbarFallback) {
  Settings("0<Split>0<Split>0<Split>0<Split>100<Split>0");
  tray.accept = false;
  ASSERT_TRUE(form.Load());
  tray.accept = true;
  SendMessageW(form.hwnd(), TaskbarCreatedMessage(), 0, 0);
  EXPECT_EQ(std::count(events.begin(), events.end(), "tray add"), 2);
  EXPECT_TRUE(ExStyle() & WS_EX_TOOLWINDOW);
}

TEST_F(MainWindowInProcess, EndingTheSessionRunsTheShutDownInItsOrderOnce) {
  Settings("0<Split>1<Split>0<Split>1<Split>100<Split>0");
  WriteBytes(dir.path() / "Bin" / "Websites.txt", "a <Address>http://a/<Split>\r\n");
  ASSERT_TRUE(form.Load());
  WriteBytes(dir.path() / "Bin" / "Websites.txt", "changed");
  std::filesystem::remove(dir.path() / "Bin" / "Settings.txt");
  events.clear();
  SendMessageW(form.hwnd(), WM_QUERYENDSESSION, 0, 0);
  SendMessageW(form.hwnd(), WM_ENDSESSION, TRUE, 0);
  EXPECT_EQ(ReadBytes(dir.path() / "Bin" / "Websites.txt"), "a <Address>http://a/<Split>\r\n");
  EXPECT_EQ(ReadBytes(dir.path() / "Bin" / "Settings.txt"), "0<Split>1<Split>0<Split>1<Split>100<Split>0\r\n");
  ASSERT_GE(events.size(), 2u);
  EXPECT_EQ(events.front(), "registry set fav=" + Narrow(dir.wpath()) + "\\fav.exe");
  EXPECT_TRUE(registry.settingsSavedBefore);
  EXPECT_EQ(events.back(), "tray delete");
  // The window closing afterwards does not save a second time.
  const size_t seen = events.size();
  form.Unload();
  EXPECT_EQ(events.size(), seen);
}

TEST_F(MainWindowInProcess, SetModeFollowsTheModeAndIgnoresUnknownOnes) {
  Settings("0<Split>0<Split>0<Split>0<Split>100<Split>0");
  ASSERT_TRUE(form.Load());
  EXPECT_EQ(Title(), L"搜索助手");
  CurrentMode = kModeFolders;
  form.SetMode();
  EXPECT_EQ(Title(), L"文件夹助手");
  CurrentMode = 3;
  form.SetMode();
  EXPECT_EQ(Title(), L"文件夹助手");
  form.ShowMainMenu();
  EXPECT_EQ(Title(), L"Oravin");
  CurrentMode = kModeWebsites;
  form.ShowOptions();
  EXPECT_EQ(Title(), L"网址助手");
  form.ShowAbout();
  EXPECT_EQ(Title(), L"网址助手");  // the about page leaves the title row alone
}

TEST_F(MainWindowInProcess, TheHomePageButtonsAndTheAboutLinkStartExplorerMinimised) {
  Settings("0<Split>0<Split>0<Split>0<Split>100<Split>0");
  RecordingShell shell;
  ScopedShell shellGuard(shell);
  ASSERT_TRUE(form.Load());
  // The search page is in front; its buttons lie at (240, 360) and (240, 1320) of the page area (240, 720).
  SendMessageW(testing::ControlAt(form.hwnd(), 240 + 300, 720 + 900), BM_CLICK, 0, 0);
  SendMessageW(testing::ControlAt(form.hwnd(), 240 + 300, 720 + 1500), BM_CLICK, 0, 0);
  form.ShowAbout();
  HWND link = testing::ControlAt(form.hwnd(), 240 + 400, 720 + 3050);
  SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  EXPECT_EQ(shell.started, (std::vector<std::wstring>{L"explorer.exe http://www.baidu.com/ @2",
                                                      L"explorer.exe http://www.google.com/ @2",
                                                      L"explorer.exe http://www.oravin.example/ @2"}));
}

TEST_F(MainWindowInProcess, ChoosingTheSearchAssistantSavesTheListLeftAndEmptiesIt) {
  Settings("0<Split>2<Split>0<Split>0<Split>100<Split>0");
  WriteBytes(dir.path() / "Bin" / "FolderList.txt", "d <Address>C:\\d<Split>\r\n");
  ASSERT_TRUE(form.Load());
  WriteBytes(dir.path() / "Bin" / "FolderList.txt", "changed");
  form.ShowMainMenu();
  form.ShowSearchAssistant();
  EXPECT_EQ(Title(), L"搜索助手");
  EXPECT_EQ(CurrentMode, kModeSearch);
  EXPECT_EQ(ReadBytes(dir.path() / "Bin" / "FolderList.txt"), "d <Address>C:\\d<Split>\r\n");
  EXPECT_EQ(form.Lists().lstTitles.ListCount(), 0);
  EXPECT_EQ(form.Lists().lstAddress.ListCount(), 0);
}

TEST_F(MainWindowInProcess, ADoubleClickOpensTheSelectedFolderWithTheFolderFlagOrNamesTheEntryItCannotOpen) {
  Settings("0<Split>2<Split>1<Split>0<Split>100<Split>0");
  const std::string folder = Narrow(dir.wpath()) + "\\b b";
  std::filesystem::create_directory(folder);
  WriteBytes(dir.path() / "Bin" / "FolderList.txt", "a <Address>C:\\missing<Split>b <Address>" + folder + "<Split>\r\n");
  RecordingShell shell;
  ScopedShell shellGuard(shell);
  ASSERT_TRUE(form.Load());
  form.Lists().lstTitles.SetListIndex(1);
  form.OpenSelectedEntry();
  ASSERT_EQ(shell.opened.size(), 1u);
  EXPECT_EQ(Narrow(shell.opened[0]), "C:\\browser.exe \"" + folder + "\"");  // new window: the program with the address
  EXPECT_EQ(shell.lookups, std::vector<std::wstring>{dir.wpath()});  // a folder asks about the program's folder
  form.Lists().lstTitles.SetListIndex(0);
  form.OpenSelectedEntry();
  EXPECT_EQ(shell.opened.size(), 1u);
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].text, L"\"a\" 的文件夹不存在, 没有打开.");
}

TEST_F(MainWindowInProcess, DeletingRemovesTheSelectedPairAndNothingInTheSearchMode) {
  Settings("0<Split>1<Split>0<Split>0<Split>100<Split>0");
  WriteBytes(dir.path() / "Bin" / "Websites.txt", "a <Address>1<Split>b <Address>2<Split>c <Address>3<Split>\r\n");
  ASSERT_TRUE(form.Load());
  FavoriteLists lists = form.Lists();
  lists.lstTitles.SetListIndex(2);
  form.DeleteSelectedEntry();
  ASSERT_EQ(lists.lstAddress.ListCount(), 2);
  EXPECT_EQ(lists.lstAddress.ListItems(1), L"b <Address>2");
  EXPECT_EQ(lists.lstTitles.ListItems(1), L"b");
  EXPECT_EQ(lists.lstTitles.ListIndex(), 1);  // the selection moved to the new last entry
  CurrentMode = kModeSearch;
  form.DeleteSelectedEntry();
  EXPECT_EQ(lists.lstAddress.ListCount(), 2);
}

TEST_F(MainWindowInProcess, TheSearchButtonOpensARequestBuiltFromTheForm) {
  Settings("0<Split>0<Split>0<Split>0<Split>2.5<Split>1");
  RecordingShell shell;
  ScopedShell shellGuard(shell);
  ASSERT_TRUE(form.Load());
  form.Search();
  form.AdvancedSearch();
  ASSERT_EQ(shell.opened.size(), 2u);
  // 2.5 rounds to the even 2; web is the kind selected at first; exact phrase is on.
  EXPECT_EQ(shell.opened[0], L"http://www.google.com/search?num=2&hl=en&lr=&ie=ISO-8859-1&as_qdr=all&q=%22%22");
  EXPECT_EQ(shell.opened[1], L"http://www.google.com/advanced_search?q=&hl=en&lr=&ie=UTF-8");
  EXPECT_EQ(CurrentMode, kModeSearch);
}

TEST_F(MainWindowInProcess, TheAddAndEditButtonsOpenTheEditorOnlyInAListMode) {
  Settings("0<Split>0<Split>0<Split>0<Split>100<Split>0");
  WriteBytes(dir.path() / "Bin" / "Websites.txt", "a <Address>http://a/<Split>\r\n");
  ASSERT_TRUE(form.Load());
  form.AddEntry();
  form.EditEntry();
  EXPECT_FALSE(form.Editor().IsOpen());
  form.ShowWebAssistant();
  form.EditEntry();
  ASSERT_TRUE(form.Editor().IsOpen());
  EXPECT_EQ(form.Editor().controls()->txtTitle.Text(), L"a");
  EXPECT_EQ(form.Editor().controls()->txtAddress.Text(), L"http://a/");
  form.Editor().Unload();
}

TEST_F(MainWindowInProcess, TheStartUpCommandIsTheProgramsFolderAndNameAndOnlyATickWritesIt) {
  Settings("0<Split>0<Split>0<Split>2<Split>100<Split>0");  // greyed is not ticked
  ASSERT_TRUE(form.Load());
  events.clear();
  form.CheckStartUp();
  ASSERT_FALSE(events.empty());
  for (const std::string& e : events) EXPECT_EQ(e, "registry delete fav");
}

TEST_F(MainWindowInProcess, AStartUpCommandWithABlankIsQuoted) {
  Settings("0<Split>0<Split>0<Split>1<Split>100<Split>0");
  ASSERT_TRUE(form.Load());
  events.clear();
  const std::wstring folder = App().Path;
  App().Path = L"C:\\Program Files\\Oravin";
  form.CheckStartUp();
  App().Path = folder;
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.front(), "registry set fav=\"C:\\Program Files\\Oravin\\fav.exe\"");
}

}  // namespace
}  // namespace oravin
