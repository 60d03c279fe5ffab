#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/listboxex/listboxex.h"
#include "controls/listboxex/tests/list_host.h"
#include "runtime/dpi.h"

namespace oravin {
namespace {

using ::testing::ElementsAre;
using namespace oravin::testing;

void Click(HWND surface, int x, int y, UINT down = WM_LBUTTONDOWN, UINT up = WM_LBUTTONUP) {
  SendMessageW(surface, down, down == WM_RBUTTONDOWN ? MK_RBUTTON : MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageW(surface, up, 0, MAKELPARAM(x, y));
}

struct EventLog {
  explicit EventLog(ListBoxEX& list) {
    list.Click = [this] { seen.push_back("Click"); };
    list.SelectionChanged = [this] { seen.push_back("SelectionChanged"); };
    list.DoubleClick = [this] { seen.push_back("DoubleClick"); };
  }
  std::vector<std::string> seen;
};

TEST(ListBoxEXEvents, AClickChangesTheSelectionThenClicks) {
  ListHost host;
  Fill(host.list, 5);
  EventLog log(host.list);
  const int y = host.list.ItemHeight() * 2 + 1;
  Click(host.list.rowSurface(), 20, y);
  EXPECT_THAT(log.seen, ElementsAre("SelectionChanged", "Click"));
  EXPECT_EQ(host.list.SelectedIndex(), 2);
}

TEST(ListBoxEXEvents, ADoubleClickEndsWithDoubleClick) {
  ListHost host;
  Fill(host.list, 5);
  EventLog log(host.list);
  Click(host.list.rowSurface(), 20, 1);
  Click(host.list.rowSurface(), 20, 1, WM_LBUTTONDBLCLK);
  EXPECT_THAT(log.seen, ElementsAre("SelectionChanged", "Click", "DoubleClick"));
}

TEST(ListBoxEXEvents, ARightClickSelectsLikeALeftClick) {
  ListHost host;
  Fill(host.list, 5);
  EventLog log(host.list);
  Click(host.list.rowSurface(), 20, host.list.ItemHeight() * 3 + 1, WM_RBUTTONDOWN, WM_RBUTTONUP);
  EXPECT_EQ(host.list.SelectedIndex(), 3);
  EXPECT_THAT(log.seen, ElementsAre("SelectionChanged"));
}

TEST(ListBoxEXEvents, APressBelowTheLastRowSelectsTheLastItem) {
  ListHost host;
  Fill(host.list, 3);
  Click(host.list.rowSurface(), 20, host.list.ItemHeight() * 8);
  EXPECT_EQ(host.list.SelectedIndex(), 2);
}

TEST(ListBoxEXEvents, APressOnAnEmptyListStillTellsOfTheSelection) {
  ListHost host;
  EventLog log(host.list);
  SendMessageW(host.list.rowSurface(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 30));
  EXPECT_THAT(log.seen, ElementsAre("SelectionChanged"));
  EXPECT_EQ(host.list.SelectedIndex(), -1);
  SendMessageW(host.list.rowSurface(), WM_LBUTTONUP, 0, MAKELPARAM(10, 30));
}

TEST(ListBoxEXEvents, ProgrammaticChangesRaiseNoEvents) {
  ListHost host;
  EventLog log(host.list);
  Fill(host.list, 5);
  host.list.SetSelectedIndex(3);
  host.list.Remove();
  host.list.Clear();
  EXPECT_TRUE(log.seen.empty());
}

TEST(ListBoxEXKeyboard, PageDownEndHomeAndUpAtTheTop) {
  ListHost host;
  Fill(host.list, 50);
  EventLog log(host.list);
  const int32_t visible = host.list.VisibleCount();
  ASSERT_GT(visible, 2);
  const HWND surface = host.list.rowSurface();
  SendMessageW(surface, WM_KEYDOWN, VK_NEXT, 0);
  EXPECT_EQ(host.list.SelectedIndex(), visible);
  EXPECT_EQ(host.list.TopIndex(), 1);
  SendMessageW(surface, WM_KEYDOWN, VK_END, 0);
  EXPECT_EQ(host.list.SelectedIndex(), 49);
  EXPECT_EQ(host.list.TopIndex(), 50 - visible);
  SendMessageW(surface, WM_KEYDOWN, VK_HOME, 0);
  EXPECT_EQ(host.list.SelectedIndex(), 0);
  EXPECT_EQ(host.list.TopIndex(), 0);
  SendMessageW(surface, WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(host.list.SelectedIndex(), 0);
  SendMessageW(surface, WM_KEYDOWN, 'A', 0);
  EXPECT_EQ(host.list.SelectedIndex(), 0);
  EXPECT_EQ(log.seen, std::vector<std::string>(5, "SelectionChanged"));
}

TEST(ListBoxEXScrolling, WithTheScrollBarFocusedTheViewStaysWhereTheUserPutIt) {
  ListHost host;
  Fill(host.list, 50);
  SetFocus(host.list.ScrollBar());
  EXPECT_FALSE(host.list.FollowSelection());
  SendMessageW(host.list.hwnd(), WM_VSCROLL, SB_PAGEDOWN, reinterpret_cast<LPARAM>(host.list.ScrollBar()));
  SendMessageW(host.list.hwnd(), WM_VSCROLL, SB_PAGEDOWN, reinterpret_cast<LPARAM>(host.list.ScrollBar()));
  const int32_t top = host.list.TopIndex();
  EXPECT_EQ(top, 2 * host.list.VisibleCount());
  host.list.SetForeColor(kBlack);  // a repaint does not scroll back to the selection
  EXPECT_EQ(host.list.TopIndex(), top);
  EXPECT_EQ(host.list.SelectedIndex(), 0);
  Click(host.list.rowSurface(), 20, 1);
  EXPECT_TRUE(host.list.FollowSelection());
  EXPECT_EQ(host.list.SelectedIndex(), top);
}

TEST(ListBoxEXScrolling, AClickOnTheScrollBarTakesTheFocus) {
  ListHost host;
  Fill(host.list, 50);
  WaitForPaint(host.list);
  RECT bar{};
  GetWindowRect(host.list.ScrollBar(), &bar);
  SetForegroundWindow(HostWindow());
  SetCursorPos((bar.left + bar.right) / 2, bar.bottom - 4);  // the down arrow
  INPUT press[2]{};
  press[0].type = press[1].type = INPUT_MOUSE;
  press[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  press[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, press, sizeof(INPUT));
  EXPECT_TRUE(PumpUntil([&] { return host.list.TopIndex() == 1; }));
  EXPECT_FALSE(host.list.FollowSelection());
}

TEST(ListBoxEXPointer, HandOverRowsArrowBelowTheLastRow) {
  ListHost host;
  Fill(host.list, 2);
  const HWND surface = host.list.rowSurface();
  SendMessageW(surface, WM_MOUSEMOVE, 0, MAKELPARAM(10, 2));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
  SendMessageW(surface, WM_MOUSEMOVE, 0, MAKELPARAM(10, host.list.ItemHeight() * 2));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
  Fill(host.list, 50);
  SendMessageW(surface, WM_MOUSEMOVE, 0, MAKELPARAM(10, host.list.ItemHeight() * 2));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
}

TEST(ListBoxEXProperties, TheFrameIsTheControlsOwnWindows) {
  ListHost host;
  const auto exStyle = [&] { return GetWindowLongW(host.list.hwnd(), GWL_EXSTYLE); };
  const auto style = [&] { return GetWindowLongW(host.list.hwnd(), GWL_STYLE); };
  EXPECT_TRUE(exStyle() & WS_EX_CLIENTEDGE);
  host.list.SetFrame(ListFrame::Line);
  EXPECT_FALSE(exStyle() & WS_EX_CLIENTEDGE);
  EXPECT_TRUE(style() & WS_BORDER);
  host.list.SetFrame(ListFrame::None);
  EXPECT_FALSE(style() & WS_BORDER);
  EXPECT_FALSE(GetWindowLongW(host.list.rowSurface(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

TEST(ListBoxEXProperties, WritingSortOrderSortsAtOnceWithoutMovingTheSelection) {
  ListHost host;
  for (const wchar_t* text : {L"c", L"a", L"b"}) host.list.AddItem(text);
  host.list.SetSelectedIndex(1);
  host.list.SetSortOrder(-1);
  EXPECT_EQ(host.list.ItemText(0), L"a");
  EXPECT_EQ(host.list.SelectedIndex(), 1);
  EXPECT_EQ(host.list.Text(), L"b");
}

TEST(ListBoxEXResources, A1000PaintsLeaveNoGdiObjectsBehind) {
  ListHost host;
  host.list.SetListIcon(SolidIcon(0x00C08000));
  Fill(host.list, 30);
  host.list.SetSelectedIndex(0);
  WaitForPaint(host.list);
  const DWORD before = GdiObjectCount();
  for (int i = 0; i < 1000; ++i) {
    host.list.SetSelectedIndex(i % 30);
    WaitForPaint(host.list);
  }
  EXPECT_LE(GdiObjectCount(), before);
}

}  // namespace
}  // namespace oravin
