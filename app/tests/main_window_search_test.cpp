// The main window's search page and its keys.
#include "app/tests/main_window_fixture.h"

namespace oravin {
namespace {

TEST_F(MainWindowInProcess, TheHomePageButtonsAndTheAboutLinkStartExplorerMinimised) {
  Settings("0<Split>0<Split>0<Split>0<Split>100<Split>0");
  ASSERT_TRUE(Start());
  // The search page is in front; its buttons lie at (240, 360) and (240, 1320) of the page area (240, 720).
  SendMessageW(testing::ControlAt(form.hwnd(), 16 + 20, 48 + 60), BM_CLICK, 0, 0);
  SendMessageW(testing::ControlAt(form.hwnd(), 16 + 20, 48 + 100), BM_CLICK, 0, 0);
  form.ShowAbout();
  EXPECT_TRUE(Settled());
  HWND link = testing::ControlAt(form.hwnd(), 16 + 27, 48 + 203);
  SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  EXPECT_EQ(shell.started, (std::vector<std::wstring>{L"explorer.exe http://www.baidu.com/ @2",
                                                      L"explorer.exe http://www.google.com/ @2",
                                                      L"explorer.exe http://www.oravin.example/ @2"}));
}

TEST_F(MainWindowInProcess, TheSearchButtonOpensARequestBuiltFromTheForm) {
  Settings("0<Split>0<Split>0<Split>0<Split>2.5<Split>1");
  ASSERT_TRUE(Start());
  form.Search();
  form.AdvancedSearch();
  ASSERT_EQ(shell.opened.size(), 2u);
  // 2.5 rounds to the even 2; web is the kind selected at first; exact phrase is on.
  EXPECT_EQ(shell.opened[0], L"http://www.google.com/search?num=2&hl=en&lr=&ie=UTF-8&as_qdr=all&q=%22%22");
  EXPECT_EQ(shell.opened[1], L"http://www.google.com/advanced_search?q=&hl=en&lr=&ie=UTF-8");
  EXPECT_EQ(form.Store().Current(), Assistant::Search);
}

TEST_F(MainWindowInProcess, TabRunsThroughTheSearchFormInReadingOrderThenDownTheWindowAndRound) {
  Settings("0<Split>0<Split>0<Split>0<Split>100<Split>0");
  ASSERT_TRUE(Start());
  // Points (pixels of the window at 96 dpi) on each stop; the page lies at (16, 48).
  const POINT stops[] = {
      {16 + 60, 48 + 40},  {16 + 60, 48 + 107},                // the two home pages
      {16 + 60, 48 + 140}, {16 + 147, 48 + 140},               // the words and "Go"
      {16 + 33, 48 + 160}, {16 + 67, 48 + 160},                // the count and the exact phrase
      {16 + 13, 48 + 180},                                     // the kind chosen (web)
      {16 + 7, 48 + 217},                                      // the advanced search
      {33, 285},           {40, 313},  {93, 313}, {147, 313},  // new window, delete, edit, add
      {140, 8},            {167, 8},   {156, 33},              // minimise, close, main menu
  };
  HWND at = nullptr;
  for (const POINT& stop : stops) {
    at = GetNextDlgTabItem(form.hwnd(), at, FALSE);
    EXPECT_EQ(at, testing::ControlAt(form.hwnd(), stop.x, stop.y)) << Describe(at);
  }
  EXPECT_EQ(GetNextDlgTabItem(form.hwnd(), at, FALSE), testing::ControlAt(form.hwnd(), stops[0].x, stops[0].y));
  // Only the page in front takes part: after the main menu slides in, Tab finds its first button.
  form.ShowMainMenu();
  EXPECT_TRUE(Settled());
  EXPECT_EQ(GetNextDlgTabItem(form.hwnd(), nullptr, FALSE), testing::ControlAt(form.hwnd(), 16 + 20, 48 + 36));
}

TEST_F(MainWindowInProcess, EnterInTheSearchWordsSearchesOnAHomeButtonPressesItAndOnTheLinkFollowsIt) {
  Settings("0<Split>0<Split>0<Split>0<Split>100<Split>0");
  ASSERT_TRUE(Start());
  HWND words = testing::ControlAt(form.hwnd(), 16 + 60, 48 + 140);
  SetWindowTextW(words, L"a b");
  // Enter reaches the window as the dialog keys report it: IDOK from no control.
  SetFocus(words);
  SendMessageW(form.hwnd(), WM_COMMAND, IDOK, 0);
  SetFocus(testing::ControlAt(form.hwnd(), 16 + 60, 48 + 40));
  SendMessageW(form.hwnd(), WM_COMMAND, IDOK, 0);
  // A focused link takes Enter itself.
  HWND link = testing::ControlAt(form.hwnd(), 16 + 7, 48 + 217);
  SetFocus(link);
  SendMessageW(link, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(shell.opened, (std::vector<std::wstring>{
                              L"http://www.google.com/search?num=100&hl=en&lr=&ie=UTF-8&as_qdr=all&q=a+b",
                              L"https://www.baidu.com/s?ie=utf-8&wd=a+b&rn=50",
                              L"http://www.google.com/advanced_search?q=a+b&hl=en&lr=&ie=UTF-8"}));
}

// With words the big buttons search for them as the form asks; without, they open the home page.
TEST_F(MainWindowInProcess, TheBigButtonsSearchTheWordsAndWithoutWordsOpenTheHomePage) {
  Settings("0<Split>0<Split>1<Split>0<Split>100<Split>0");  // in a new window
  ASSERT_TRUE(Start());
  const POINT baidu{16 + 20, 48 + 60}, google{16 + 20, 48 + 100};
  const POINT web{16 + 13, 48 + 180}, news{16 + 13, 48 + 197};
  const std::tuple<const wchar_t*, POINT, POINT, std::vector<std::wstring>, std::vector<std::wstring>> cases[] = {
      {L"", web, baidu, {}, {L"explorer.exe http://www.baidu.com/ @2"}},
      {L" \u3000\t", web, google, {}, {L"explorer.exe http://www.google.com/ @2"}},
      {L"天气 北京", web, baidu,
       {L"C:\\browser.exe \"https://www.baidu.com/s?ie=utf-8&wd=%E5%A4%A9%E6%B0%94+%E5%8C%97%E4%BA%AC&rn=50\""}, {}},
      {L"C++", news, google,
       {L"C:\\browser.exe \"http://www.google.com/news?num=100&hl=en&lr=&ie=UTF-8&as_qdr=all&q=C%2B%2B\""}, {}},
  };
  for (const auto& [words, kind, button, opened, started] : cases) {
    shell = RecordingShell();
    SetWindowTextW(testing::ControlAt(form.hwnd(), 16 + 60, 48 + 140), words);
    SendMessageW(testing::ControlAt(form.hwnd(), kind.x, kind.y), BM_CLICK, 0, 0);
    SendMessageW(testing::ControlAt(form.hwnd(), button.x, button.y), BM_CLICK, 0, 0);
    EXPECT_EQ(shell.opened, opened) << words;
    EXPECT_EQ(shell.started, started) << words;
  }
}

}  // namespace
}  // namespace oravin
