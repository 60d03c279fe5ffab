// What the tables of pages and lists give the main window: every entry of the
// main menu, by its button and by its label, shows its page and title; every
// list is found by quick open, with its picture, and opens as its addresses do.
#include "app/tests/main_window_fixture.h"
#include "tests/e2e/main_window_points.h"

namespace oravin {
namespace {

// A favorite of each list, found by quick open under its title alone.
std::wstring TitleIn(const ListKindRow& list) { return L"Only" + std::to_wstring(size_t(list.kind)); }

class TablesInProcess : public MainWindowInProcess {
 protected:
  std::wstring AddressIn(const ListKindRow& list) {
    if (list.addresses == AddressKind::Web) return L"http://only" + std::to_wstring(size_t(list.kind)) + L".example/";
    return dir.wpath();  // a folder that is there
  }
  void WriteEveryList() {
    for (const ListKindRow& list : kListKindRows) {
      WriteBytes(dir.path() / "Bin" / list.fileName, Narrow(TitleIn(list) + L" <Address>" + AddressIn(list)) + "<Split>\r\n");
    }
  }
  // The page in front is the main menu while its header shows.
  bool MainMenuInFront() { return testing::WindowText(testing::ControlAt(form.hwnd(), 240 + 100, 720 + 100)) == L"主菜单"; }
};

TEST_F(TablesInProcess, EveryMenuEntryByItsButtonOrItsLabelShowsItsPageAndTitle) {
  WriteEveryList();
  Settings("0<Split>1<Split>0<Split>0<Split>100<Split>0");
  ASSERT_TRUE(form.Load());
  for (size_t i = 0; i < kMenuEntryCount; ++i) {
    const MenuEntry& entry = kMenuEntries[i];
    const MenuRow row = MenuRowOf(i);
    for (const MenuRect& part : {row.button, row.label}) {
      SCOPED_TRACE("entry " + std::to_string(i) + (&part == &row.button ? ", its button" : ", its label"));
      testing::ClickAt(form.hwnd(), testing::kPlug.x, testing::kPlug.y);
      ASSERT_TRUE(testing::WaitForTitle(form.hwnd(), L"Oravin"));
      const std::wstring title = entry.onChoose == OnChoose::BecomeAssistant    ? entry.title
                                 : entry.onChoose == OnChoose::TitleOfAssistant ? MenuEntryOf(form.Store().Current())->title
                                                                                 : L"Oravin";
      const POINT middle = testing::MenuPoint(part);
      testing::ClickAt(form.hwnd(), middle.x, middle.y);
      EXPECT_TRUE(testing::PumpUntil([&] { return !MainMenuInFront(); }));
      EXPECT_TRUE(testing::WaitForTitle(form.hwnd(), title));
      if (entry.onChoose != OnChoose::BecomeAssistant) continue;
      EXPECT_EQ(form.Store().Current(), entry.assistant);
      if (const std::optional<ListKind> list = ListOf(entry.assistant)) {
        ASSERT_EQ(form.TitleList().ListCount(), 1);
        EXPECT_EQ(form.TitleList().ListItems(0), TitleIn(RowOf(*list)));
      }
    }
  }
  EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(TablesInProcess, QuickOpenFindsEveryListsFavoriteShowsItWithItsPictureAndOpensIt) {
  WriteEveryList();
  Settings("0<Split>0<Split>0<Split>0<Split>100<Split>0");
  RecordingShell shell;
  ScopedShell shellGuard(shell);
  ASSERT_TRUE(form.Load());
  for (const ListKindRow& list : kListKindRows) {
    SCOPED_TRACE(Narrow(list.fileName));
    form.ToggleQuickOpen();
    ASSERT_TRUE(form.QuickOpen().IsOpen());
    form.QuickOpen().txtQuery.SetText(TitleIn(list));
    // Each result draws its list's picture.
    RedrawWindow(form.QuickOpen().hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    form.QuickOpen().OpenSelected();
    const std::vector<std::wstring>& opened = shell.opened.empty() ? shell.started : shell.opened;
    ASSERT_FALSE(opened.empty());
    EXPECT_NE(opened.back().find(AddressIn(list)), std::wstring::npos) << Narrow(opened.back());
    shell.opened.clear();
    shell.started.clear();
  }
  EXPECT_TRUE(boxes.calls.empty());
}

}  // namespace
}  // namespace oravin
