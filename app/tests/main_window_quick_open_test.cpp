// Quick open finds the favorites of every list, draws each with its list's
// picture and opens it as its list's addresses open.
#include "app/tests/main_window_fixture.h"

namespace oravin {
namespace {

TEST_F(MainWindowInProcess, QuickOpenFindsEveryListsFavoriteShowsItWithItsPictureAndOpensIt) {
  const auto address = [&](const ListKindRow& list) {
    return list.addresses == AddressKind::Web ? L"http://only" + std::to_wstring(size_t(list.kind)) + L".example/"
                                              : dir.wpath();  // a folder that is there
  };
  const auto title = [](const ListKindRow& list) { return L"Only" + std::to_wstring(size_t(list.kind)); };
  for (const ListKindRow& list : kListKindRows) {
    WriteBytes(dir.path() / "Bin" / list.fileName, Narrow(title(list) + L" <Address>" + address(list)) + "<Split>\r\n");
  }
  Settings("0<Split>0<Split>0<Split>0<Split>100<Split>0");
  ASSERT_TRUE(Start());
  for (const ListKindRow& list : kListKindRows) {
    SCOPED_TRACE(Narrow(list.fileName));
    form.ToggleQuickOpen();
    form.QuickOpen().queryBox.SetText(title(list));
    RedrawWindow(form.QuickOpen().hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    form.QuickOpen().OpenSelected();
    ASSERT_FALSE(shell.opened.empty());
    EXPECT_NE(shell.opened.back().find(address(list)), std::wstring::npos) << Narrow(shell.opened.back());
  }
  EXPECT_TRUE(boxes.calls.empty());
}

}  // namespace
}  // namespace oravin
