// The quick-open box of the main window.
#include "app/tests/main_window_fixture.h"

namespace oravin {
namespace {

std::vector<std::wstring> Rows(HWND list) {
  std::vector<std::wstring> rows;
  for (LRESULT i = 0; i < SendMessageW(list, LB_GETCOUNT, 0, 0); ++i) {
    std::wstring text(size_t(SendMessageW(list, LB_GETTEXTLEN, WPARAM(i), 0)) + 1, L'\0');
    text.resize(size_t(SendMessageW(list, LB_GETTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text.data()))));
    rows.push_back(text);
  }
  return rows;
}

// Words no favorite matches become one row, selected, that searches Baidu's
// web through the launcher on Enter or a double-click; while favorites
// match, only they show.
TEST_F(MainWindowInProcess, QuickOpenSearchesBaiduForWhatMatchesNoFavorite) {
  Settings("0<Split>0<Split>1<Split>0<Split>100<Split>0");
  WriteBytes(dir.path() / "Bin" / "Websites.txt", "Example <Address>http://www.example.com/<Split>\r\n");
  RecordingShell shell;
  ScopedShell shellGuard(shell);
  ASSERT_TRUE(form.Load());
  frmQuickOpen& box = form.QuickOpen();
  const struct {
    const wchar_t* query;
    std::vector<std::wstring> rows;
    UINT open;  // WM_COMMAND code to the box: Enter, or the results' double-click
    std::wstring opened;
  } cases[] = {
      {L"exam", {L"Example"}, IDOK, L"C:\\browser.exe \"http://www.example.com/\""},
      {L" \u3000", {}, IDOK, L""},
      {L"天气 北京", {L"在百度搜索 \"天气 北京\""}, IDOK,
       L"C:\\browser.exe \"https://www.baidu.com/s?ie=utf-8&wd=%E5%A4%A9%E6%B0%94+%E5%8C%97%E4%BA%AC\""},
      {L"C++ & \"x\"", {L"在百度搜索 \"C++ & \"x\"\""}, LBN_DBLCLK,
       L"C:\\browser.exe \"https://www.baidu.com/s?ie=utf-8&wd=C%2B%2B+%26+%22x%22\""},
  };
  for (const auto& c : cases) {
    shell.opened.clear();
    form.ToggleQuickOpen();
    ASSERT_TRUE(box.IsOpen());
    box.txtQuery.SetText(c.query);
    HWND results = FindWindowExW(box.hwnd(), nullptr, L"ListBox", nullptr);
    EXPECT_EQ(Rows(results), c.rows) << c.query;
    EXPECT_EQ(SendMessageW(results, LB_GETCURSEL, 0, 0), c.rows.empty() ? LB_ERR : 0) << c.query;
    SendMessageW(box.hwnd(), WM_COMMAND, c.open == IDOK ? IDOK : MAKEWPARAM(0, c.open),
                 c.open == IDOK ? 0 : reinterpret_cast<LPARAM>(results));
    EXPECT_EQ(shell.opened, c.opened.empty() ? std::vector<std::wstring>{} : std::vector{c.opened}) << c.query;
    EXPECT_EQ(box.IsOpen(), c.opened.empty()) << c.query;
    box.Close();
  }
}

}  // namespace
}  // namespace oravin
