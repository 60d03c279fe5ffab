#include <windows.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

#include "actions/registry_calls.h"
#include "actions/shell.h"
#include "actions/tray_shell.h"
#include "app/frmMain.h"
#include "data/entry.h"
#include "data/mdlSave.h"
#include "runtime/app.h"
#include "runtime/handles.h"
#include "testing/captured_message_boxes.h"
#include "testing/drag_and_drop.h"
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

// The room a control needs for its caption, in the font it draws with: a
// push button adds its edges, a check or option box its box and the gap
// before the text (13 and 4 pixels at 96 dpi). Text boxes and our own
// buttons carry no caption as their window text and need nothing here.
int CaptionWidthNeeded(HWND control) {
  constexpr int kPushEdges = 2 * 3, kBoxAndGap = 13 + 4;
  const std::wstring caption = testing::WindowText(control);
  wchar_t kind[32] = {};
  GetClassNameW(control, kind, 32);
  const bool label = _wcsicmp(kind, L"Oravin.Label") == 0, button = _wcsicmp(kind, L"Button") == 0;
  if (caption.empty() || !(label || button)) return 0;
  ScopedGetDC dc(control);
  ScopedSelect font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
  SIZE text{};
  GetTextExtentPoint32W(dc.get(), caption.c_str(), int(caption.size()), &text);
  if (label) return text.cx;
  const LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
  return text.cx + (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON ? kPushEdges : kBoxAndGap);
}

std::wstring Describe(HWND control) {
  wchar_t kind[32] = {};
  GetClassNameW(control, kind, 32);
  const RECT r = testing::RectInParent(control);
  return std::wstring(kind) + L" \"" + testing::WindowText(control) + L"\" at " + std::to_wstring(r.left) + L"," +
         std::to_wstring(r.top);
}

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
    // A window an earlier test closed asked the thread to quit, and no timer
    // fires while that request waits (DoEvents keeps it waiting).
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }
  void Settings(const std::string& fields) { WriteBytes(dir.path() / "Bin" / "Settings.txt", fields + "\r\n"); }
  std::wstring Title() const { return testing::WindowText(testing::ControlAt(form.hwnd(), 900, 300)); }
  LONG ExStyle() const { return GetWindowLongW(form.hwnd(), GWL_EXSTYLE); }
  // Drags the data to the middle of the page area once the window takes drops.
  testing::DragResult Drag(const testing::DragData& data) {
    EXPECT_TRUE(testing::PumpUntil([&] { return form.TakesDrops(); }));
    POINT at{(240 + 1200) / 15, (720 + 1700) / 15};
    ClientToScreen(form.hwnd(), &at);
    return testing::DragOnto(at, data);
  }
  // Every entry's whole text, each title checked against its own.
  std::vector<std::wstring> Entries() {
    FavoriteLists lists = form.Lists();
    std::vector<std::wstring> entries;
    EXPECT_EQ(lists.lstTitles.ListCount(), lists.lstAddress.ListCount());
    for (int32_t i = 0; i < lists.lstAddress.ListCount(); ++i) {
      entries.push_back(lists.lstAddress.ListItems(i));
      EXPECT_EQ(lists.lstTitles.ListItems(i), TitleOf(entries.back())) << i;
    }
    return entries;
  }

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

TEST_F(MainWindowInProcess, ClosingOnAnotherPageStillWritesAListWhoseSaveFailed) {
  Settings("0<Split>1<Split>0<Split>0<Split>100<Split>0");
  WriteBytes(dir.path() / "Bin" / "Websites.txt", "a <Address>1<Split>b <Address>2<Split>\r\n");
  WriteBytes(dir.path() / "Bin" / "FolderList.txt", "d <Address>C:\\d<Split>\r\n");
  ASSERT_TRUE(form.Load());
  form.Lists().lstTitles.SetListIndex(0);
  form.DeleteSelectedEntry();
  // No new copy of the file can be made while a folder stands where it goes.
  const auto blocker = dir.path() / "Bin" / "Websites.txt.saving";
  std::filesystem::create_directory(blocker);
  form.ShowFolderAssistant();
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].title, L"Error");
  std::filesystem::remove(blocker);
  form.Unload();
  EXPECT_EQ(ReadBytes(dir.path() / "Bin" / "Websites.txt"), "b <Address>2<Split>\r\n");
  EXPECT_EQ(boxes.calls.size(), 1u);
}

// The user's locale sorts "coop" and "co-op", "its" and "it's", "ＡＢＣ" and
// "ABC" as neighbours, and "News" and "news" as equals, so whole entries go by
// the addresses that follow, of which the titles alone know nothing.
TEST_F(MainWindowInProcess, EachTitleStandsOppositeItsOwnEntryThroughLoadAddEditAndDelete) {
  Settings("0<Split>1<Split>0<Split>0<Split>100<Split>0");
  const std::pair<std::wstring, std::wstring> neighbours[] = {
      {L"coop", L"co-op"}, {L"its", L"it's"}, {L"ＡＢＣ", L"ABC"}, {L"News", L"news"}, {L"same", L"same"}};
  std::wstring file;
  for (const auto& [x, y] : neighbours)
    file += x + L" <Address>http://1/<Split>" + y + L" <Address>http://2/<Split>" + x + L" <Address>http://3/<Split>";
  ASSERT_TRUE(WriteTextFile(file, dir.path() / "Bin" / "Websites.txt"));
  ASSERT_TRUE(form.Load());
  FavoriteLists lists = form.Lists();
  const auto expectPaired = [&](const char* step) {
    ASSERT_EQ(lists.lstTitles.ListCount(), lists.lstAddress.ListCount()) << step;
    for (int32_t i = 0; i < lists.lstTitles.ListCount(); ++i)
      EXPECT_EQ(lists.lstTitles.ListItems(i), TitleOf(lists.lstAddress.ListItems(i))) << step << " " << i;
  };
  const auto rowOf = [&](const std::wstring& entry) {
    for (int32_t i = 0; i < lists.lstAddress.ListCount(); ++i)
      if (lists.lstAddress.ListItems(i) == entry) return i;
    return -1;
  };
  EXPECT_EQ(lists.lstAddress.ListCount(), 15);
  expectPaired("load");

  form.AddEntry();
  form.Editor().controls()->txtTitle.SetText(L"co-op");
  form.Editor().controls()->txtAddress.SetText(L"http://0/");
  form.Editor().Confirm();
  expectPaired("add");

  lists.lstTitles.SetListIndex(rowOf(L"co-op <Address>http://2/"));
  form.EditEntry();
  EXPECT_EQ(form.Editor().controls()->txtTitle.Text(), L"co-op");
  EXPECT_EQ(form.Editor().controls()->txtAddress.Text(), L"http://2/");
  form.Editor().controls()->txtTitle.SetText(L"Co-Op");
  form.Editor().Confirm();
  EXPECT_EQ(rowOf(L"co-op <Address>http://2/"), -1);
  EXPECT_NE(rowOf(L"Co-Op <Address>http://2/"), -1);
  expectPaired("edit");

  while (lists.lstAddress.ListCount() > 0) {
    const int32_t i = lists.lstAddress.ListCount() / 2;
    const std::wstring entry = lists.lstAddress.ListItems(i);
    lists.lstTitles.SetListIndex(i);
    form.DeleteSelectedEntry();
    EXPECT_EQ(rowOf(entry), -1);
    expectPaired("delete");
  }
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

TEST_F(MainWindowInProcess, TheSearchPageShowsEveryControlWholeApartAndInsideThePage) {
  Settings("0<Split>0<Split>0<Split>0<Split>100<Split>0");
  ASSERT_TRUE(form.Load());
  HWND page = GetParent(testing::ControlAt(form.hwnd(), 240 + 600, 720 + 100));  // the page of this header
  RECT area;
  GetClientRect(page, &area);
  std::vector<HWND> controls;
  for (HWND c = GetWindow(page, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) controls.push_back(c);
  ASSERT_EQ(controls.size(), 14u);  // the header, the two home buttons and the eleven of the form
  for (size_t i = 0; i < controls.size(); ++i) {
    const RECT r = testing::RectInParent(controls[i]);
    RECT inside;
    IntersectRect(&inside, &r, &area);
    EXPECT_TRUE(EqualRect(&inside, &r)) << Describe(controls[i]) << " reaches out of the page";
    EXPECT_LE(CaptionWidthNeeded(controls[i]), r.right - r.left) << Describe(controls[i]) << " cuts its caption";
    for (size_t j = i + 1; j < controls.size(); ++j) {
      const RECT other = testing::RectInParent(controls[j]);
      RECT both;
      EXPECT_FALSE(IntersectRect(&both, &r, &other)) << Describe(controls[i]) << " overlaps " << Describe(controls[j]);
    }
  }
}

TEST_F(MainWindowInProcess, TabRunsThroughTheSearchFormInReadingOrderThenDownTheWindowAndRound) {
  Settings("0<Split>0<Split>0<Split>0<Split>100<Split>0");
  ASSERT_TRUE(form.Load());
  // Points (twips of the window) on each stop; the page lies at (240, 720).
  const POINT stops[] = {
      {240 + 900, 720 + 600},   {240 + 900, 720 + 1600},  // the two home pages
      {240 + 900, 720 + 2100},  {240 + 2200, 720 + 2100},  // the words and "Go"
      {240 + 500, 720 + 2400},  {240 + 1000, 720 + 2400},  // the count and the exact phrase
      {240 + 200, 720 + 2700},                               // the kind chosen (web)
      {240 + 100, 720 + 3250},                               // the advanced search
      {500, 4270},              {600, 4700},   {1400, 4700}, {2200, 4700},  // new window, delete, edit, add
      {2100, 120},              {2500, 120},   {2340, 500},  // minimise, close, main menu
  };
  HWND at = nullptr;
  for (const POINT& stop : stops) {
    at = GetNextDlgTabItem(form.hwnd(), at, FALSE);
    EXPECT_EQ(at, testing::ControlAt(form.hwnd(), stop.x, stop.y)) << Describe(at);
  }
  EXPECT_EQ(GetNextDlgTabItem(form.hwnd(), at, FALSE), testing::ControlAt(form.hwnd(), stops[0].x, stops[0].y));
  // Only the page in front takes part: after the main menu slides in, Tab finds its first button.
  form.ShowMainMenu();
  EXPECT_EQ(GetNextDlgTabItem(form.hwnd(), nullptr, FALSE), testing::ControlAt(form.hwnd(), 240 + 300, 720 + 540));
}

TEST_F(MainWindowInProcess, EnterInTheSearchWordsSearchesOnAHomeButtonPressesItAndOnTheLinkFollowsIt) {
  Settings("0<Split>0<Split>0<Split>0<Split>100<Split>0");
  RecordingShell shell;
  ScopedShell shellGuard(shell);
  ASSERT_TRUE(form.Load());
  HWND words = testing::ControlAt(form.hwnd(), 240 + 900, 720 + 2100);
  SetWindowTextW(words, L"a b");
  // Enter reaches the window as the dialog keys report it: IDOK from no control.
  SetFocus(words);
  SendMessageW(form.hwnd(), WM_COMMAND, IDOK, 0);
  SetFocus(testing::ControlAt(form.hwnd(), 240 + 900, 720 + 600));
  SendMessageW(form.hwnd(), WM_COMMAND, IDOK, 0);
  // A focused link takes Enter itself.
  HWND link = testing::ControlAt(form.hwnd(), 240 + 100, 720 + 3250);
  SetFocus(link);
  SendMessageW(link, WM_KEYDOWN, VK_RETURN, 0);
  ASSERT_EQ(shell.opened.size(), 2u);
  EXPECT_EQ(shell.opened[0], L"http://www.google.com/search?num=100&hl=en&lr=&ie=ISO-8859-1&as_qdr=all&q=a+b");
  EXPECT_EQ(shell.opened[1], L"http://www.google.com/advanced_search?q=a+b&hl=en&lr=&ie=UTF-8");
  EXPECT_EQ(shell.started, std::vector<std::wstring>{L"explorer.exe http://www.baidu.com/ @2"});
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

// As Chrome exports them: the list's own Baidu again, a new page and a bookmarklet.
const std::string kBookmarks =
    "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n<DL><p>\n"
    "    <DT><H3 PERSONAL_TOOLBAR_FOLDER=\"true\">Bookmarks bar</H3>\n    <DL><p>\n"
    "        <DT><A HREF=\"http://www.baidu.com\" ICON=\"data:image/png;base64,iVBORw0=\">Baidu</A>\n"
    "        <DT><A HREF=\"https://zh.wikipedia.org/\">\xE7\xBB\xB4\xE5\x9F\xBA\xE7\x99\xBE\xE7\xA7\x91</A>\n"
    "        <DT><A HREF=\"javascript:void(0)\">Bookmarklet</A>\n"
    "    </DL><p>\n</DL><p>\n";

TEST_F(MainWindowInProcess, EachKindOfDropIsTakenOnlyByTheListItFitsAndThePointerSaysSo) {
  Settings("0<Split>1<Split>0<Split>0<Split>100<Split>0");
  const auto file = [&](const char* name, const std::string& bytes) {
    WriteBytes(dir.path() / name, bytes);
    return dir.path() / name;
  };
  const auto shortcut = file("Example.url", "[InternetShortcut]\r\nURL=http://www.example.com/\r\n");
  const auto bookmarks = file("bookmarks.html", kBookmarks);
  const auto folder = dir.path() / "Folder";
  std::filesystem::create_directory(folder);
  struct Kind {
    const char* name;
    testing::DragData data;
    int32_t listMode;  // the list that takes it; kModeSearch: none
  };
  const Kind kinds[] = {
      {"shortcut", testing::DragData().Files({shortcut}), kModeWebsites},
      {"bookmarks", testing::DragData().Files({bookmarks}), kModeWebsites},
      {"folder", testing::DragData().Files({folder}), kModeFolders},
      {"browser link", testing::DragData().Text(L"UniformResourceLocatorW", L"https://a.example/"), kModeWebsites},
      {"Firefox link", testing::DragData().Text(L"text/x-moz-url", L"https://b.example/\nB"), kModeWebsites},
      {"address as text", testing::DragData().Text(L"c.example/page"), kModeWebsites},
      {"prose", testing::DragData().Text(L"two words"), kModeSearch},
      {"bookmarklet", testing::DragData().Text(L"UniformResourceLocatorW", L"javascript:void(0)"), kModeSearch},
  };
  ASSERT_TRUE(form.Load());
  const struct {
    const char* name;
    std::function<void()> show;
    int32_t listInFront;
  } pages[] = {
      {"web list", [] {}, kModeWebsites},
      {"main menu", [&] { form.ShowMainMenu(); }, kModeSearch},
      {"options", [&] { form.ShowOptions(); }, kModeSearch},
      {"about", [&] { form.ShowAbout(); }, kModeSearch},
      {"folder list", [&] { form.ShowFolderAssistant(); }, kModeFolders},
      {"search", [&] { form.ShowSearchAssistant(); }, kModeSearch},
  };
  for (const auto& page : pages) {
    page.show();
    for (const Kind& kind : kinds) {
      const size_t shown = boxes.calls.size();
      const testing::DragResult drag = Drag(kind.data);
      const bool fits = kind.listMode != kModeSearch && kind.listMode == page.listInFront;
      const DWORD expected = fits ? DROPEFFECT_COPY : DROPEFFECT_NONE;
      EXPECT_EQ(drag.shown, expected) << kind.name << " on the " << page.name;
      EXPECT_EQ(drag.dropped, expected) << kind.name << " on the " << page.name;
      // A link opens the editor; files are added and counted in a message.
      const bool link = kind.data.Formats()[0].first != CF_HDROP;
      const bool answered = testing::PumpUntil(
          [&] { return form.Editor().IsOpen() || boxes.calls.size() > shown; }, fits ? 5000 : 200);
      EXPECT_EQ(answered, fits) << kind.name << " on the " << page.name;
      EXPECT_EQ(form.Editor().IsOpen(), fits && link) << kind.name << " on the " << page.name;
      form.Editor().Unload();
    }
  }
}

TEST_F(MainWindowInProcess, DroppedFilesJoinTheWebListAtOnceSortedAndPairedAndReachTheFileWithIt) {
  Settings("0<Split>1<Split>0<Split>0<Split>100<Split>0");
  const std::string before = "Baidu <Address>http://www.baidu.com/<Split>\r\n";
  WriteBytes(dir.path() / "Bin" / "Websites.txt", before);
  const auto in = [&](const std::filesystem::path& name) { return dir.path() / name; };
  WriteBytes(in("bookmarks.html"), kBookmarks);
  WriteBytes(in(L"新浪.url"), "[InternetShortcut]\r\nURL=https://www.sina.com.cn/\r\n");
  WriteBytes(in("saved page.html"), "<html><body><a href=\"http://c.example/\">C</a></body></html>");
  WriteBytes(in("notes.txt"), "http://d.example/");
  ASSERT_TRUE(form.Load());
  const testing::DragResult drag =
      Drag(testing::DragData().Files({in("bookmarks.html"), in(L"新浪.url"), in("saved page.html"), in("notes.txt")}));
  EXPECT_EQ(drag.dropped, DWORD(DROPEFFECT_COPY));
  ASSERT_TRUE(testing::PumpUntil([&] { return !boxes.calls.empty(); }));
  EXPECT_EQ(boxes.calls[0].text,
            L"已添加 2 项, 1 项已存在, 2 项无法保存\r\n\r\n"
            L"书签文件 \"saved page.html\" 没有添加: 这不是浏览器导出的书签文件.");
  EXPECT_EQ(boxes.calls[0].title, L"提示");
  EXPECT_EQ(boxes.calls[0].icon, MsgIcon::Exclamation);
  EXPECT_EQ(Entries(), (std::vector<std::wstring>{L"Baidu <Address>http://www.baidu.com/",
                                                  L"维基百科 <Address>https://zh.wikipedia.org/",
                                                  L"新浪 <Address>https://www.sina.com.cn/"}));
  EXPECT_EQ(ReadBytes(dir.path() / "Bin" / "Websites.txt"), before);
  form.ShowFolderAssistant();
  EXPECT_EQ(ReadBytes(dir.path() / "Bin" / "Websites.txt"),
            "Baidu <Address>http://www.baidu.com/<Split>"
            "\xCE\xAC\xBB\xF9\xB0\xD9\xBF\xC6 <Address>https://zh.wikipedia.org/<Split>"  // 维基百科 in GBK
            "\xD0\xC2\xC0\xCB <Address>https://www.sina.com.cn/<Split>\r\n");             // 新浪
}

TEST_F(MainWindowInProcess, ALinkOpensTheEditorFilledInTitledByTheBrowsersDescriptionOrTheHost) {
  Settings("0<Split>1<Split>0<Split>0<Split>100<Split>0");
  ASSERT_TRUE(form.Load());
  const struct {
    testing::DragData data;
    std::wstring title, address;
  } links[] = {
      {testing::DragData().Text(L"text/x-moz-url", L"https://zh.wikipedia.org/\n维基百科"), L"维基百科",
       L"https://zh.wikipedia.org/"},
      {testing::DragData().Text(L"UniformResourceLocatorW", L"https://example.com/").FileName(L"Example Domain.url"),
       L"Example Domain", L"https://example.com/"},
      {testing::DragData().Text(L"UniformResourceLocatorW", L"http://www.example.org/a?b"), L"www.example.org",
       L"http://www.example.org/a?b"},
      {testing::DragData().Text(L"www.example.net"), L"www.example.net", L"http://www.example.net"},
  };
  for (const auto& link : links) {
    Drag(link.data);
    ASSERT_TRUE(testing::PumpUntil([&] { return form.Editor().IsOpen(); })) << link.address;
    EXPECT_EQ(form.Editor().controls()->txtTitle.Text(), link.title);
    EXPECT_EQ(form.Editor().controls()->txtAddress.Text(), link.address);
    EXPECT_EQ(form.Editor().controls()->clbAdd->Caption(), L"添加  ");
    form.Editor().Confirm();
  }
  EXPECT_EQ(Entries(), (std::vector<std::wstring>{L"Example Domain <Address>https://example.com/",
                                                  L"www.example.net <Address>http://www.example.net",
                                                  L"www.example.org <Address>http://www.example.org/a?b",
                                                  L"维基百科 <Address>https://zh.wikipedia.org/"}));
}

TEST_F(MainWindowInProcess, FoldersDroppedOnTheFolderListAreAddedByNameAndADriveByItsLabel) {
  Settings("0<Split>2<Split>0<Split>0<Split>100<Split>0");
  WriteBytes(dir.path() / "Bin" / "FolderList.txt", "Docs <Address>" + Narrow(dir.wpath()) + "\\docs<Split>\r\n");
  for (const char* name : {"Docs", "Music"}) std::filesystem::create_directory(dir.path() / name);
  WriteBytes(dir.path() / "notes.txt", "");
  wchar_t label[MAX_PATH + 1] = {};
  GetVolumeInformationW(L"C:\\", label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0);
  const std::wstring drive = *label ? label : L"C:";
  ASSERT_TRUE(form.Load());
  Drag(testing::DragData().Files({dir.path() / "Docs", dir.path() / "Music", dir.path() / "notes.txt", L"C:\\"}));
  ASSERT_TRUE(testing::PumpUntil([&] { return !boxes.calls.empty(); }));
  EXPECT_EQ(boxes.calls[0].text, L"已添加 2 项, 1 项已存在, 1 项无法保存");
  EXPECT_EQ(boxes.calls[0].icon, MsgIcon::Information);
  const std::vector<std::wstring> entries = Entries();
  EXPECT_EQ(std::count(entries.begin(), entries.end(), drive + L" <Address>C:\\"), 1);
  EXPECT_EQ(std::count(entries.begin(), entries.end(), L"Music <Address>" + dir.wpath() + L"\\Music"), 1);
  EXPECT_EQ(entries.size(), 3u);
}

}  // namespace
}  // namespace oravin
