#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "actions/tray_icon.h"
#include "app/tray_message.h"
#include "testing/drag_and_drop.h"
#include "testing/scratch_dir.h"
#include "testing/win32_testing.h"
#include "tests/e2e/main_window_points.h"
#include "tests/e2e/program_under_test.h"

namespace oravin::testing {
namespace {

constexpr int kAnimationTimeoutMs = 30000;

const std::string kThreeSites =
    "Baidu <Address>http://www.baidu.com/<Split>Example <Address>http://www.example.com/<Split>"
    "\xD0\xC2\xCE\xC5 <Address>http://news.example.com/<Split>\r\n";  // 新闻 in GBK
const std::string kTwoFolders = "Docs <Address>C:\\docs<Split>Temp <Address>C:\\temp<Split>\r\n";

std::string Settings(const char* fields) { return std::string(fields) + "\r\n"; }

class MainWindow : public ::testing::Test {
 protected:
  std::filesystem::path Bin() const { return folder.path() / "Bin"; }
  void Put(const char* name, const std::string& bytes) {
    std::filesystem::create_directories(Bin());
    WriteBytes(Bin() / name, bytes);
  }
  std::string Get(const char* name) const { return ReadBytes(Bin() / name); }
  bool Has(const char* name) const { return std::filesystem::exists(Bin() / name); }

  // Starts the program and waits until its start-up has run to the end.
  HWND Start() {
    if (!program.Start()) return nullptr;
    main = program.WaitForMainWindow();
    // The outline comes after the settings and the list: start-up is as good as done.
    if (main) PumpUntil([&] { return Shaped(); }, kAnimationTimeoutMs);
    return main;
  }
  // The rounded outline is on: a region that is neither empty nor the full rectangle.
  bool Shaped() const {
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetWindowRgn(main, rgn);
    DeleteObject(rgn);
    return kind == COMPLEXREGION;
  }
  bool Hidden() const {
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetWindowRgn(main, rgn);
    DeleteObject(rgn);
    return kind == NULLREGION;
  }
  std::wstring Title() const { return WindowText(ControlAt(main, kTitle.x, kTitle.y)); }
  bool WaitForTitle(const std::wstring& title) { return testing::WaitForTitle(main, title); }
  void Click(POINT at) { ClickAt(main, at.x, at.y); }
  bool ClickToPage(POINT at) { return testing::ClickToPage(main, at); }
  // The keyboard focus is on the control at a point (for the list: on its rows).
  bool FocusIsAt(POINT at) const {
    return PumpUntil([&] { return FocusOf(main) == ControlAt(main, at.x, at.y); });
  }
  bool Choose(POINT menuItem, const std::wstring& title) { return ChooseFromMainMenu(main, menuItem, title); }
  // The page in front at a point of the page area: the window there.
  HWND PageAt(POINT at) const { return ControlAt(main, at.x, at.y); }
  LRESULT Check(POINT at) const { return SendMessageW(ControlAt(main, at.x, at.y), BM_GETCHECK, 0, 0); }
  void Close() {
    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.WaitForExit());
  }
  // With the pointer away, so that no tooltip hangs over the picture.
  void Screenshot(const std::string& name) { Screenshot(main, name); }
  void Screenshot(HWND window, const std::string& name) {
    SetCursorPos(0, 0);
    const DWORD thread = GetWindowThreadProcessId(main, nullptr);
    PumpUntil([&] {  // a tooltip is a window of its own, of the program's thread
      for (HWND tip = nullptr; (tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr));)
        if (IsWindowVisible(tip) && GetWindowThreadProcessId(tip, nullptr) == thread) return false;
      return true;
    });
    SaveArtifact(SteadyCapture(window), name);
  }

  ScratchDir folder;
  ProgramUnderTest program{folder.path()};
  HWND main = nullptr;
};

TEST_F(MainWindow, SavedSettingsChooseTheFolderPageAndOptionsAndCloseWritesThemBack) {
  Put("Settings.txt", Settings("0<Split>2<Split>1<Split>0<Split>50<Split>1"));
  Put("FolderList.txt", kTwoFolders);
  ASSERT_TRUE(Start());
  EXPECT_EQ(Title(), L"文件夹助手");
  EXPECT_EQ(Check(kChkOpen), BST_CHECKED);
  Screenshot("main_folder_list");
  Close();
  EXPECT_EQ(Get("Settings.txt"), Settings("0<Split>2<Split>1<Split>0<Split>50<Split>1"));
  EXPECT_EQ(Get("FolderList.txt"), kTwoFolders);  // it was loaded, or it would be empty now
  EXPECT_FALSE(Has("Websites.txt"));
}

TEST_F(MainWindow, WithoutSettingsItSaysSoOnceStartsOnTheSearchPageAndWritesTheInitialOptions) {
  ASSERT_TRUE(program.Start());
  EXPECT_EQ(AnswerMessageBox(program.ProcessId(), L"Error"), L"Error 76\r\n路径未找到");
  main = program.WaitForMainWindow();
  ASSERT_TRUE(main);
  PumpUntil([&] { return Shaped(); }, kAnimationTimeoutMs);
  EXPECT_EQ(Title(), L"搜索助手");
  EXPECT_EQ(Check(kChkOpen), BST_UNCHECKED);
  Screenshot("main_search");
  Close();
  EXPECT_EQ(Get("Settings.txt"), Settings("1<Split>0<Split>0<Split>1<Split>100<Split>0"));
  EXPECT_FALSE(Has("Websites.txt"));  // closing on the search page writes no list
  EXPECT_FALSE(Has("FolderList.txt"));
}

TEST_F(MainWindow, AListOfThreeEntriesComesBackByteForByte) {
  Put("Settings.txt", Settings("1<Split>1<Split>0<Split>0<Split>100<Split>0"));
  Put("Websites.txt", kThreeSites);
  ASSERT_TRUE(Start());
  EXPECT_EQ(Title(), L"网址助手");
  Screenshot("main_web_list");
  Close();
  EXPECT_EQ(Get("Websites.txt"), kThreeSites);
}

// "Unicode" as Notepad saves it: UTF-16 after its byte order mark.
std::string Utf16(const std::wstring& text) {
  return "\xFF\xFE" + std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
}

TEST_F(MainWindow, FilesSavedByNotepadComeBackByteForByteWhenNothingIsEdited) {
  // In the lists' own order. UTF-8 without a mark, a line for each entry and
  // no line end after the last: Baidu and 新闻网.
  const std::string websites =
      "Baidu <Address>http://www.baidu.com/<Split>\r\n"
      "\xE6\x96\xB0\xE9\x97\xBB\xE7\xBD\x91 <Address>http://news.example.com/<Split>";
  const std::string folders = Utf16(L"Temp <Address>C:\\temp<Split>\r\n文档 <Address>C:\\文档<Split>\r\n");
  const std::string settings = Utf16(L"0<Split>2<Split>0<Split>0<Split>100<Split>0");
  Put("Websites.txt", websites);
  Put("FolderList.txt", folders);
  Put("Settings.txt", settings);
  ASSERT_TRUE(Start());
  EXPECT_EQ(Title(), L"文件夹助手");
  // Through both lists and back: each is saved as it is left.
  ASSERT_TRUE(Choose(kMenuWeb, L"网址助手"));
  ASSERT_TRUE(Choose(kMenuFolders, L"文件夹助手"));
  Close();
  EXPECT_EQ(Get("Websites.txt"), websites);
  EXPECT_EQ(Get("FolderList.txt"), folders);
  EXPECT_EQ(Get("Settings.txt"), settings);
}

TEST_F(MainWindow, ASettingsFileOfTwoFieldsSetsOnlyThoseTwo) {
  Put("Settings.txt", Settings("0<Split>2"));
  Put("FolderList.txt", kTwoFolders);
  ASSERT_TRUE(Start());
  EXPECT_EQ(Title(), L"文件夹助手");
  Close();
  EXPECT_EQ(Get("Settings.txt"), Settings("0<Split>2<Split>0<Split>1<Split>100<Split>0"));
}

TEST_F(MainWindow, AnUnknownModeLoadsNoListAndIsKept) {
  Put("Settings.txt", Settings("1<Split>7<Split>0<Split>0<Split>100<Split>0"));
  Put("Websites.txt", kThreeSites);
  ASSERT_TRUE(Start());
  EXPECT_EQ(Title(), L"Oravin");  // no mode's title: the design-time one stays
  Close();
  EXPECT_EQ(Get("Settings.txt"), Settings("1<Split>7<Split>0<Split>0<Split>100<Split>0"));
  EXPECT_EQ(Get("Websites.txt"), kThreeSites);
  EXPECT_FALSE(Has("FolderList.txt"));
}

TEST_F(MainWindow, MinimisingHidesInTheTrayAndOnlyALeftReleaseOnTheIconBringsItBack) {
  Put("Settings.txt", Settings("1<Split>0<Split>0<Split>0<Split>100<Split>0"));
  ASSERT_TRUE(Start());
  Click(kMinimize);
  ASSERT_TRUE(PumpUntil([&] { return Hidden(); }, kAnimationTimeoutMs));
  EXPECT_TRUE(IsWindowVisible(main));  // still open, only nothing of it shows
  for (UINT ignored : {WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_RBUTTONDOWN}) {
    PostMessageW(main, kTrayMessage, 0, MAKELPARAM(ignored, kTrayIconId));
  }
  // The menu comes only while no animation plays: had an ignored message begun
  // the way back, the one asked for after them would not come.
  PostMessageW(main, kTrayMessage, 0, MAKELPARAM(WM_CONTEXTMENU, kTrayIconId));
  ASSERT_TRUE(PumpUntil([] { return FindWindowW(L"#32768", nullptr) != nullptr; }));
  EXPECT_TRUE(Hidden());
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(PumpUntil([] { return FindWindowW(L"#32768", nullptr) == nullptr; }));
  PostMessageW(main, kTrayMessage, 0, MAKELPARAM(WM_LBUTTONUP, kTrayIconId));
  EXPECT_TRUE(PumpUntil([&] { return Shaped(); }, kAnimationTimeoutMs));
  Close();
}

TEST_F(MainWindow, SwitchingAssistantsKeepsWhatAnotherProgramWroteAndLoadsTheListChosen) {
  Put("Settings.txt", Settings("0<Split>1<Split>0<Split>0<Split>100<Split>0"));
  Put("Websites.txt", kThreeSites);
  Put("FolderList.txt", kTwoFolders);
  ASSERT_TRUE(Start());
  // Changed by another program while nothing is unsaved here: the change is
  // kept, whether the program has read it again yet or the switch finds it.
  const std::string changed = "changed<Split>\r\n";
  Put("Websites.txt", changed);
  Click(kPlug);
  ASSERT_TRUE(WaitForTitle(L"Oravin"));
  Screenshot("main_menu");
  Click(kMenuFolders);
  ASSERT_TRUE(WaitForTitle(L"文件夹助手"));
  EXPECT_EQ(Get("Websites.txt"), changed);
  Click(kPlug);
  ASSERT_TRUE(WaitForTitle(L"Oravin"));
  ASSERT_TRUE(ClickToPage(kMenuOptions));
  EXPECT_EQ(Title(), L"文件夹助手");  // the options page re-applies the mode's title
  Screenshot("main_options");
  Click(kPlug);
  ASSERT_TRUE(WaitForTitle(L"Oravin"));
  ASSERT_TRUE(ClickToPage(kMenuAbout));
  Screenshot("main_about");
  // The about page kept the title: only the page in front tells that the main menu is open.
  ASSERT_TRUE(ClickToPage(kPlug));
  EXPECT_EQ(Title(), L"Oravin");
  Put("FolderList.txt", changed);
  Click(kMenuSearch);
  ASSERT_TRUE(WaitForTitle(L"搜索助手"));
  EXPECT_EQ(Get("FolderList.txt"), changed);
  Click(kPlug);
  ASSERT_TRUE(WaitForTitle(L"Oravin"));
  Click(kMenuWeb);
  ASSERT_TRUE(WaitForTitle(L"网址助手"));
  Close();
  EXPECT_EQ(Get("Websites.txt"), changed);
  EXPECT_EQ(Get("Settings.txt"), Settings("0<Split>1<Split>0<Split>0<Split>100<Split>0"));
}

std::wstring RunValue(const std::wstring& name) {
  wchar_t data[MAX_PATH * 2] = {};
  DWORD size = sizeof data;
  const LONG result = RegGetValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
                                   name.c_str(), RRF_RT_REG_SZ, nullptr, data, &size);
  return result == ERROR_SUCCESS ? std::wstring(data) : std::wstring(L"(none)");
}

TEST_F(MainWindow, TheStartUpValueFollowsTheOptionAtEveryClose) {
  Put("Settings.txt", Settings("1<Split>0<Split>0<Split>1<Split>100<Split>0"));
  ASSERT_TRUE(Start());
  Close();
  wchar_t full[MAX_PATH];
  GetFullPathNameW(program.exe().wstring().c_str(), MAX_PATH, full, nullptr);
  EXPECT_EQ(RunValue(L"oravin"), std::wstring(full));

  Put("Settings.txt", Settings("1<Split>0<Split>0<Split>0<Split>100<Split>0"));
  ASSERT_TRUE(Start());
  Close();
  EXPECT_EQ(RunValue(L"oravin"), L"(none)");
}

TEST_F(MainWindow, ASecondStartThroughAnyPathToTheFolderBringsTheFirstForwardAndEnds) {
  Put("Settings.txt", Settings("1<Split>0<Split>0<Split>0<Split>100<Split>0"));
  ASSERT_TRUE(Start());
  // The same path, then the same folder through Wine's drive Z:.
  for (const std::filesystem::path& path : {folder.path(), std::filesystem::path(ThroughDriveZ(folder.wpath()))}) {
    ASSERT_FALSE(path.empty());
    Click(kMinimize);
    ASSERT_TRUE(PumpUntil([&] { return Hidden(); }, kAnimationTimeoutMs));
    ProgramUnderTest second(path);
    ASSERT_TRUE(second.Start());
    EXPECT_TRUE(second.WaitForExit()) << path;
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_TRUE(PumpUntil([&] { return Shaped(); }, kAnimationTimeoutMs));  // out of the tray again
    ASSERT_TRUE(WaitForPageSwitch(main));  // before the next click, as after every page switch
  }
  EXPECT_EQ(program.ExitCode(), STILL_ACTIVE);
  Close();
}

TEST_F(MainWindow, TypedWordsGoToTheBrowserAsTypedForEachKindPickedWhenEnterIsPressed) {
  Put("Settings.txt", Settings("1<Split>0<Split>0<Split>0<Split>100<Split>0"));
  RegisteredFakeBrowser browser(folder.path() / "browser.txt");
  ASSERT_TRUE(Start());
  ASSERT_TRUE(BringToKeyboard(main));
  Click(kWords);
  ASSERT_TRUE(FocusIsAt(kWords));
  TypeText(L"C++ & C# 100%");
  const struct {
    POINT option;
    std::string path;
  } kinds[] = {{kImages, "images"}, {kNews, "news"}, {kGroups, "groups"}, {kWeb, "search"}};
  for (const auto& kind : kinds) {
    Click(kind.option);
    EXPECT_TRUE(PumpUntil([&] { return Check(kind.option) == BST_CHECKED; })) << kind.path;
    Click(kWords);
    ASSERT_TRUE(FocusIsAt(kWords));
    PressKey(VK_RETURN);
    EXPECT_EQ(browser.TakeAddress(), "http://www.google.com/" + kind.path +
                                         "?num=100&hl=en&lr=&ie=UTF-8&as_qdr=all&q=C%2B%2B+%26+C%23+100%25");
  }
  Screenshot("main_search_typed");
  Close();
}

// From the search page, with the keyboard in another window: the global key,
// two letters of pinyin, Enter.
TEST_F(MainWindow, TheGlobalKeyFindsFavoritesByPinyinAndEnterOpensTheBest) {
  Put("Settings.txt", Settings("1<Split>0<Split>0<Split>0<Split>100<Split>0"));
  // 百度地图, 百度 and an address that holds the letters, in GBK.
  Put("Websites.txt",
      "Example <Address>http://bd.example.com/<Split>\xB0\xD9\xB6\xC8\xB5\xD8\xCD\xBC <Address>http://map.baidu.com/"
      "<Split>\xB0\xD9\xB6\xC8 <Address>http://www.baidu.com/<Split>\r\n");
  Put("FolderList.txt", kTwoFolders);
  RegisteredFakeBrowser browser(folder.path() / "browser.txt");
  ASSERT_TRUE(Start());
  PressKey(VK_SPACE, {VK_CONTROL, VK_MENU});
  HWND box = nullptr;
  ASSERT_TRUE(PumpUntil([&] {
    box = FindWindowW(L"Oravin.frmQuickOpen", nullptr);
    return box && IsWindowVisible(box) && GetForegroundWindow() == box;
  })) << box << " " << (box ? IsWindowVisible(box) : -1) << " " << GetForegroundWindow();
  HWND results = FindWindowExW(box, nullptr, L"ListBox", nullptr);
  TypeText(L"bd");
  const std::vector<std::wstring> expected = {L"百度", L"百度地图", L"Example"};
  EXPECT_TRUE(PumpUntil([&] { return ListTexts(results) == expected; })) << ListTexts(results).size();
  Screenshot(box, "main_quick_open");
  PressKey(VK_RETURN);
  EXPECT_EQ(browser.TakeAddress(), "http://www.baidu.com/");
  EXPECT_FALSE(IsWindowVisible(box));
  Close();
}

TEST_F(MainWindow, TheTrayMenusExitSavesTheListAndTheOptionsAsTheCloseButtonDoes) {
  Put("Settings.txt", Settings("1<Split>1<Split>0<Split>0<Split>100<Split>0"));
  Put("Websites.txt", kThreeSites);
  ASSERT_TRUE(Start());
  Click(kFirstRow);
  Click(kDelete);
  Click(kChkOpen);
  ASSERT_TRUE(PumpUntil([&] { return Check(kChkOpen) == BST_CHECKED; }));
  // A right-click on the icon, as the notification area reports it in its fourth version.
  PostMessageW(main, kTrayMessage, 0, MAKELPARAM(WM_CONTEXTMENU, kTrayIconId));
  ASSERT_TRUE(PumpUntil([] { return FindWindowW(L"#32768", nullptr) != nullptr; }));
  PressKey(VK_UP);  // from the bottom: 退出
  PressKey(VK_RETURN);
  ASSERT_TRUE(program.WaitForExit());
  EXPECT_EQ(Get("Websites.txt"),
            "Example <Address>http://www.example.com/<Split>\xD0\xC2\xCE\xC5 <Address>http://news.example.com/<Split>\r\n");
  EXPECT_EQ(Get("Settings.txt"), Settings("1<Split>1<Split>1<Split>0<Split>100<Split>0"));
}

TEST_F(MainWindow, TabRunsThroughThePageAndTheWindowAndAltOTicksTheNewWindowOptionFromTheList) {
  Put("Settings.txt", Settings("1<Split>1<Split>0<Split>0<Split>100<Split>0"));
  Put("Websites.txt", kThreeSites);
  ASSERT_TRUE(Start());
  ASSERT_TRUE(BringToKeyboard(main));
  Click(kFirstRow);
  ASSERT_TRUE(FocusIsAt(kFirstRow));
  PressKey('O', {VK_MENU});
  EXPECT_TRUE(PumpUntil([&] { return Check(kChkOpen) == BST_CHECKED; }));
  EXPECT_TRUE(FocusIsAt(kChkOpen));  // as a click on it would
  // Down the window, round through the title row, into the list and back.
  for (const POINT& next : {kDelete, kEdit, kAdd, kMinimize, kClose, kPlug, kFirstRow, kChkOpen}) {
    PressKey(VK_TAB);
    EXPECT_TRUE(FocusIsAt(next)) << "Tab to " << next.x << "," << next.y;
  }
  for (const POINT& previous : {kFirstRow, kPlug}) {
    PressKey(VK_TAB, {VK_SHIFT});
    EXPECT_TRUE(FocusIsAt(previous)) << "Shift+Tab to " << previous.x << "," << previous.y;
  }
  Screenshot("main_keyboard_focus");
  // Space on the focused menu button opens the main menu; Tab then goes into it, not into the list behind.
  PressKey(VK_SPACE);
  ASSERT_TRUE(WaitForTitle(L"Oravin"));
  PressKey(VK_TAB);
  EXPECT_TRUE(FocusIsAt(kMenuSearch));
  PressKey('O', {VK_MENU});
  EXPECT_TRUE(PumpUntil([&] { return Check(kChkOpen) == BST_UNCHECKED; }));
  Close();
}

TEST_F(MainWindow, ABookmarksFileDroppedOnTheWebListJoinsItAndIsWrittenWithTheListAtClose) {
  Put("Settings.txt", Settings("0<Split>1<Split>0<Split>0<Split>100<Split>0"));
  Put("Websites.txt", kThreeSites);
  // As Chrome exports it (UTF-8): one address the list has, one new, one it cannot open.
  const std::filesystem::path bookmarks = folder.path() / "bookmarks_1_2_24.html";
  WriteBytes(bookmarks,
             "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
             "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
             "<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks</H1>\n<DL><p>\n"
             "    <DT><H3 ADD_DATE=\"1700000000\" PERSONAL_TOOLBAR_FOLDER=\"true\">Bookmarks bar</H3>\n    <DL><p>\n"
             "        <DT><A HREF=\"http://www.baidu.com\" ADD_DATE=\"1700000001\">Baidu</A>\n"
             "        <DT><A HREF=\"https://zh.wikipedia.org/\" ADD_DATE=\"1700000002\">Wiki \xE4\xB8\xAD\xE6\x96\x87</A>\n"
             "        <DT><A HREF=\"javascript:void(0)\">Bookmarklet</A>\n"
             "    </DL><p>\n</DL><p>\n");
  ASSERT_TRUE(Start());
  POINT at = kListMiddle;
  ClientToScreen(main, &at);
  // The window takes drops a moment after it has started.
  DragResult drag;
  ASSERT_TRUE(PumpUntil([&] { return (drag = DragOnto(at, DragData().Files({bookmarks}))).dropped != DROPEFFECT_NONE; },
                        kAnimationTimeoutMs));
  EXPECT_EQ(drag.shown, DWORD(DROPEFFECT_COPY));
  EXPECT_EQ(drag.dropped, DWORD(DROPEFFECT_COPY));
  EXPECT_EQ(AnswerMessageBox(program.ProcessId(), L"提示"), L"已添加 1 项, 1 项已存在, 1 项无法保存");
  EXPECT_EQ(Get("Websites.txt"), kThreeSites);  // nothing is written before the list is saved
  Close();
  // Wiki 中文 (in GBK) among the others, in the list's order.
  EXPECT_EQ(Get("Websites.txt"),
            "Baidu <Address>http://www.baidu.com/<Split>Example <Address>http://www.example.com/<Split>"
            "Wiki \xD6\xD0\xCE\xC4 <Address>https://zh.wikipedia.org/<Split>"
            "\xD0\xC2\xCE\xC5 <Address>http://news.example.com/<Split>\r\n");
}

}  // namespace
}  // namespace oravin::testing
