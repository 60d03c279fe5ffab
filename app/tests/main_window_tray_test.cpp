// The main window in the notification area, its quick-open box, and at shut-down.
#include "app/tests/main_window_fixture.h"

#include <commctrl.h>

#include "tests/e2e/main_window_points.h"

namespace oravin {
namespace {

// Counts the popup menus that open while it lives, and closes each at once.
class MenuWatch {
 public:
  MenuWatch() : timer_(SetTimer(nullptr, 0, kCheckMs, &Check)) { seen = 0; }
  ~MenuWatch() { KillTimer(nullptr, timer_); }
  MenuWatch(const MenuWatch&) = delete;
  MenuWatch& operator=(const MenuWatch&) = delete;
  static inline int seen = 0;

 private:
  static constexpr UINT kCheckMs = 20;
  static void CALLBACK Check(HWND, UINT, UINT_PTR, DWORD) {
    if (!FindWindowW(L"#32768", nullptr)) return;
    ++seen;
    EndMenu();
  }
  UINT_PTR timer_;
};

// At 275% and above the window is wider than 512 pixels: a mouse move over it
// at the x that spells a notification message is still only a mouse move.
TEST_F(MainWindowInProcess, AMouseMoveOverTheWindowAtAnyXNeitherRestoresNorOpensTheMenu) {
  Settings("0<Split>0<Split>0<Split>0<Split>100<Split>0");
  ASSERT_TRUE(Start());
  form.Minimize();
  ASSERT_TRUE(Settled());
  MenuWatch menus;
  for (int x : {WM_LBUTTONUP, WM_RBUTTONUP, WM_CONTEXTMENU, NIN_KEYSELECT, 600}) {
    SendMessageW(form.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(x, 10));
    // A restore would have begun, and a menu come and gone, within the call.
    EXPECT_FALSE(form.Animating()) << x;
    EXPECT_TRUE(form.MinimizedToTray()) << x;
    EXPECT_EQ(RegionKind(form.hwnd()), NULLREGION) << x;
  }
  EXPECT_EQ(menus.seen, 0);
  SendMessageW(form.hwnd(), kTrayMessage, 0, MAKELPARAM(WM_CONTEXTMENU, kTrayIconId));
  EXPECT_EQ(menus.seen, 1);
  SendMessageW(form.hwnd(), kTrayMessage, 0, MAKELPARAM(WM_LBUTTONUP, kTrayIconId));
  EXPECT_TRUE(Settled());
  EXPECT_FALSE(form.MinimizedToTray());
  EXPECT_EQ(RegionKind(form.hwnd()), COMPLEXREGION);
}

// The close animates on the window's own loop: a click, the quick-open key and
// the icon meanwhile are not taken, and the close still saves and ends.
TEST_F(MainWindowInProcess, InputDuringTheCloseIsNotTakenAndTheCloseStillSaves) {
  Settings("1<Split>1<Split>0<Split>0<Split>100<Split>0");
  ASSERT_TRUE(Start());
  std::filesystem::remove(dir.path() / "Bin" / "Settings.txt");
  MenuWatch menus;
  form.Close();
  ASSERT_TRUE(form.Animating());
  HWND add = testing::ControlAt(form.hwnd(), testing::kAdd.x, testing::kAdd.y);
  PostMessageW(add, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageW(add, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  PostMessageW(form.hwnd(), WM_HOTKEY, 1, 0);
  SendMessageW(form.hwnd(), kTrayMessage, 0, MAKELPARAM(WM_CONTEXTMENU, kTrayIconId));
  EXPECT_TRUE(testing::PumpUntil([&] { return form.hwnd() == nullptr; }));
  EXPECT_FALSE(form.Editor().IsOpen());
  EXPECT_FALSE(form.QuickOpen().IsOpen());
  EXPECT_EQ(menus.seen, 0);
  EXPECT_EQ(ReadBytes(dir.path() / "Bin" / "Settings.txt"), "1<Split>1<Split>0<Split>0<Split>100<Split>0\r\n");
}

TEST_F(MainWindowInProcess, WithoutANotificationAreaItMinimisesToTheTaskbarAndComesBackShaped) {
  Settings("0<Split>0<Split>0<Split>0<Split>100<Split>0");
  tray.accept = false;
  ASSERT_TRUE(Start());
  EXPECT_TRUE(ExStyle() & WS_EX_APPWINDOW);
  EXPECT_FALSE(ExStyle() & WS_EX_TOOLWINDOW);
  form.Minimize();
  EXPECT_TRUE(Settled());
  EXPECT_TRUE(IsIconic(form.hwnd()));
  ShowWindow(form.hwnd(), SW_RESTORE);
  EXPECT_TRUE(testing::PumpUntil([&] { return RegionKind(form.hwnd()) == COMPLEXREGION; }));
  EXPECT_FALSE(form.MinimizedToTray());
}

TEST_F(MainWindowInProcess, InTheNotificationAreaItHasNoTaskbarButtonAndHidesByItsRegion) {
  Settings("0<Split>0<Split>0<Split>0<Split>100<Split>0");
  ASSERT_TRUE(Start());
  EXPECT_TRUE(ExStyle() & WS_EX_TOOLWINDOW);
  form.Minimize();
  EXPECT_TRUE(Settled());
  EXPECT_FALSE(IsIconic(form.hwnd()));
  EXPECT_EQ(RegionKind(form.hwnd()), NULLREGION);
  EXPECT_TRUE(form.MinimizedToTray());
  SendMessageW(form.hwnd(), kTrayMessage, 0, MAKELPARAM(WM_LBUTTONUP, kTrayIconId));
  EXPECT_TRUE(Settled());
  EXPECT_EQ(RegionKind(form.hwnd()), COMPLEXREGION);
  EXPECT_FALSE(form.MinimizedToTray());
}

TEST_F(MainWindowInProcess, ARecreatedTaskbarGetsTheIconBackAndEndsTheTaskbarFallback) {
  Settings("0<Split>0<Split>0<Split>0<Split>100<Split>0");
  tray.accept = false;
  ASSERT_TRUE(Start());
  tray.accept = true;
  SendMessageW(form.hwnd(), TaskbarCreatedMessage(), 0, 0);
  EXPECT_EQ(std::count(events.begin(), events.end(), "tray add"), 2);
  EXPECT_TRUE(ExStyle() & WS_EX_TOOLWINDOW);
}

TEST_F(MainWindowInProcess, EndingTheSessionRunsTheShutDownInItsOrderOnce) {
  Settings("0<Split>1<Split>0<Split>1<Split>100<Split>0");
  WriteBytes(dir.path() / "Bin" / "Websites.txt", "a <Address>http://a/<Split>\r\n");
  ASSERT_TRUE(Start());
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

TEST_F(MainWindowInProcess, TheStartUpCommandIsTheProgramsFolderAndNameAndOnlyATickWritesIt) {
  Settings("0<Split>0<Split>0<Split>2<Split>100<Split>0");  // greyed is not ticked
  ASSERT_TRUE(Start());
  events.clear();
  form.CheckStartUp();
  ASSERT_FALSE(events.empty());
  for (const std::string& e : events) EXPECT_EQ(e, "registry delete fav");
}

TEST_F(MainWindowInProcess, AStartUpCommandWithABlankIsQuoted) {
  Settings("0<Split>0<Split>0<Split>1<Split>100<Split>0");
  ASSERT_TRUE(Start());
  events.clear();
  const std::wstring folder = program.folder;
  program.folder = L"C:\\Program Files\\Oravin";
  form.CheckStartUp();
  program.folder = folder;
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.front(), "registry set fav=\"C:\\Program Files\\Oravin\\fav.exe\"");
}

// A key another program holds is said next to the field and nowhere else;
// another key chosen there works at once, opens the box and closes it again.
TEST_F(MainWindowInProcess, TheQuickOpenKeyWorksOrTheOptionsPageSaysItIsTaken) {
  Settings("0<Split>0<Split>0<Split>0<Split>100<Split>0");
  UniqueWindow other(CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr));
  ASSERT_TRUE(RegisterHotKey(other.get(), 7, MOD_CONTROL | MOD_ALT, VK_SPACE));
  ASSERT_TRUE(Start());
  form.ShowOptions();
  EXPECT_TRUE(Settled());
  HWND field = FindWindowExW(GetParent(testing::ControlAt(form.hwnd(), 16 + 40, 48 + 7)), nullptr,
                             L"msctls_hotkey32", nullptr);
  ASSERT_TRUE(field);
  HWND taken = FindWindowExW(GetParent(field), nullptr, L"Oravin.Label", L"已被其他程序占用");
  EXPECT_FALSE(form.QuickOpenKeyWorks());
  EXPECT_TRUE(IsWindowVisible(taken));
  EXPECT_EQ(tray.tip, L"Oravin");
  EXPECT_TRUE(boxes.calls.empty());

  SendMessageW(field, HKM_SETHOTKEY, MAKEWORD('Q', HOTKEYF_CONTROL | HOTKEYF_ALT), 0);
  SendMessageW(GetParent(field), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(field), EN_CHANGE), LPARAM(field));
  EXPECT_TRUE(form.QuickOpenKeyWorks());
  EXPECT_FALSE(IsWindowVisible(taken));
  EXPECT_EQ(tray.tip.substr(tray.tip.size() - 10), L"Ctrl+Alt+Q");
  SendMessageW(form.hwnd(), WM_HOTKEY, 1, 0);
  EXPECT_TRUE(form.QuickOpen().IsOpen());
  SendMessageW(form.hwnd(), WM_HOTKEY, 1, 0);
  EXPECT_FALSE(form.QuickOpen().IsOpen());
  UnregisterHotKey(other.get(), 7);
}

// Words no favorite matches give one row, selected: Enter opens Baidu's
// web search through the launcher. While favorites match, only they show.
TEST_F(MainWindowInProcess, QuickOpenSearchesBaiduForWhatMatchesNoFavorite) {
  Settings("0<Split>0<Split>1<Split>0<Split>100<Split>0");  // in a new window
  WriteBytes(dir.path() / "Bin" / "Websites.txt", "Example <Address>http://www.example.com/<Split>\r\n");
  ASSERT_TRUE(Start());
  QuickOpenBox& box = form.QuickOpen();
  const std::tuple<const wchar_t*, const wchar_t*, std::vector<std::wstring>> cases[] = {
      {L"exam", L"Example", {L"C:\\browser.exe \"http://www.example.com/\""}},
      {L" \u3000", L"", {}},
      {L"天气 C++", L"在百度搜索 \"天气 C++\"",
       {L"C:\\browser.exe \"https://www.baidu.com/s?ie=utf-8&wd=%E5%A4%A9%E6%B0%94+C%2B%2B\""}},
  };
  for (const auto& [query, row, opened] : cases) {
    shell.opened.clear();
    form.ToggleQuickOpen();
    box.queryBox.SetText(query);
    HWND results = FindWindowExW(box.hwnd(), nullptr, L"ListBox", nullptr);
    wchar_t shown[64] = L"";
    SendMessageW(results, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(shown));
    EXPECT_STREQ(shown, row);
    EXPECT_EQ(SendMessageW(results, LB_GETCOUNT, 0, 0), *row ? 1 : 0) << query;
    SendMessageW(box.hwnd(), WM_COMMAND, IDOK, 0);
    EXPECT_EQ(shell.opened, opened) << query;
    EXPECT_EQ(box.IsOpen(), opened.empty()) << query;
    box.Close();
  }
}

}  // namespace
}  // namespace oravin
