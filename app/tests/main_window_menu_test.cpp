// The main menu: each entry, clicked at its button and at its label where the
// table lays them out, brings its page forward. An assistant's page takes its
// title to the title row, a list's shows what its file holds; a page below
// the line shows its title in its header.
#include <utility>

#include "app/tests/main_window_fixture.h"
#include "tests/e2e/main_window_points.h"

namespace oravin {
namespace {

TEST_F(MainWindowInProcess, EveryMenuEntryIsReachedAtItsButtonAndAtItsLabel) {
  const auto text = [](ListKind list) { return L"Only" + std::to_wstring(size_t(list)) + L" <Address>C:\\"; };
  for (const ListKindRow& row : kListKindRows) {
    WriteBytes(dir.path() / "Bin" / row.fileName, Narrow(text(row.kind)) + "<Split>\r\n");
  }
  Settings("0<Split>0<Split>0<Split>0<Split>100<Split>0");
  ASSERT_TRUE(Start());
  const HWND window = form.hwnd();
  const auto shown = [&](const MenuEntry& entry) {
    if (entry.onChoose == OnChoose::BecomeAssistant) return Title();
    return testing::WindowText(testing::ControlAt(window, testing::kListMiddle.x, 48 + 8));  // the page's header
  };
  for (size_t i = 0; i < kMenuEntryCount; ++i) {
    const MenuEntry& entry = kMenuEntries[i];
    const MenuRow row = MenuRowOf(i);
    for (const auto& [part, name] : {std::pair{row.button, "button"}, std::pair{row.label, "label"}}) {
      SCOPED_TRACE("entry " + std::to_string(i) + ", its " + name);
      form.ShowMainMenu();
      ASSERT_TRUE(Settled());
      const POINT at = testing::MenuPoint(part);
      testing::ClickAt(window, at.x, at.y);
      EXPECT_TRUE(testing::PumpUntil([&] { return shown(entry) == entry.title && !form.Animating(); }))
          << Narrow(shown(entry));
      const std::optional<ListKind> list = entry.page == Page::List ? ListOf(entry.assistant) : std::nullopt;
      if (list) {
        EXPECT_EQ(Entries(), std::vector<std::wstring>{text(*list)});
      }
    }
  }
}

}  // namespace
}  // namespace oravin
