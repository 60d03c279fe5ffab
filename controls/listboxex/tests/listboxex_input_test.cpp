#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/listboxex/hand_cursor_win32.h"
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
    list.Events.MouseClick = [this] { seen.push_back("MouseClick"); };
    list.Events.SelChange = [this] { seen.push_back("SelChange"); };
    list.Events.DbClick = [this] { seen.push_back("DbClick"); };
    list.Events.MouseUp = [this](int16_t& b, int16_t&, float& x, float& y) { Mouse("MouseUp", b, x, y); };
    list.Events.MouseDown = [this](int16_t& b, int16_t&, float& x, float& y) { Mouse("MouseDown", b, x, y); };
  }
  void Mouse(const char* name, int16_t button, float x, float y) {
    seen.push_back(name);
    lastButton = button;
    lastX = x;
    lastY = y;
  }
  std::vector<std::string> seen;
  int16_t lastButton = 0;
  float lastX = 0, lastY = 0;
};

TEST(ListBoxEXEvents, AClickRaisesSelChangeMouseDownMouseUpMouseClick) {
  ListHost host;
  Fill(host.list, 5);
  EventLog log(host.list);
  const int y = host.list.ItemHeight() * 2 + 1;
  Click(host.list.picDraw(), 20, y);
  EXPECT_THAT(log.seen, ElementsAre("SelChange", "MouseDown", "MouseUp", "MouseClick"));
  EXPECT_EQ(host.list.ListIndex(), 2);
  EXPECT_EQ(log.lastButton, 1);
  EXPECT_EQ(log.lastX, 20);
  EXPECT_EQ(log.lastY, y);
}

TEST(ListBoxEXEvents, ADoubleClickEndsWithDbClickAndASecondMouseUp) {
  ListHost host;
  Fill(host.list, 5);
  EventLog log(host.list);
  Click(host.list.picDraw(), 20, 1);
  Click(host.list.picDraw(), 20, 1, WM_LBUTTONDBLCLK);
  EXPECT_THAT(log.seen, ElementsAre("SelChange", "MouseDown", "MouseUp", "MouseClick", "DbClick", "MouseUp"));
}

TEST(ListBoxEXEvents, ARightClickSelectsLikeALeftClick) {
  ListHost host;
  Fill(host.list, 5);
  EventLog log(host.list);
  Click(host.list.picDraw(), 20, host.list.ItemHeight() * 3 + 1, WM_RBUTTONDOWN, WM_RBUTTONUP);
  EXPECT_EQ(host.list.ListIndex(), 3);
  EXPECT_EQ(log.lastButton, 2);
}

TEST(ListBoxEXEvents, APressBelowTheLastRowSelectsTheLastItem) {
  ListHost host;
  Fill(host.list, 3);
  Click(host.list.picDraw(), 20, host.list.ItemHeight() * 8);
  EXPECT_EQ(host.list.ListIndex(), 2);
}

TEST(ListBoxEXEvents, APressOnAnEmptyListStillRaisesSelChangeAndMouseDown) {
  ListHost host;
  EventLog log(host.list);
  SendMessageW(host.list.picDraw(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 30));
  EXPECT_THAT(log.seen, ElementsAre("SelChange", "MouseDown"));
  EXPECT_EQ(host.list.ListIndex(), -1);
  SendMessageW(host.list.picDraw(), WM_LBUTTONUP, 0, MAKELPARAM(10, 30));
}

TEST(ListBoxEXEvents, ProgrammaticChangesRaiseNoEvents) {
  ListHost host;
  EventLog log(host.list);
  Fill(host.list, 5);
  host.list.SetListIndex(3);
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
  const HWND surface = host.list.picDraw();
  SendMessageW(surface, WM_KEYDOWN, VK_NEXT, 0);
  EXPECT_EQ(host.list.ListIndex(), visible);
  EXPECT_EQ(host.list.TopIndex(), 1);
  SendMessageW(surface, WM_KEYDOWN, VK_END, 0);
  EXPECT_EQ(host.list.ListIndex(), 49);
  EXPECT_EQ(host.list.TopIndex(), 50 - visible);
  SendMessageW(surface, WM_KEYDOWN, VK_HOME, 0);
  EXPECT_EQ(host.list.ListIndex(), 0);
  EXPECT_EQ(host.list.TopIndex(), 0);
  SendMessageW(surface, WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(host.list.ListIndex(), 0);
  SendMessageW(surface, WM_KEYDOWN, 'A', 0);
  EXPECT_EQ(host.list.ListIndex(), 0);
  EXPECT_EQ(log.seen, std::vector<std::string>(5, "SelChange"));
}

TEST(ListBoxEXScrolling, WithTheScrollBarFocusedTheViewStaysWhereTheUserPutIt) {
  ListHost host;
  Fill(host.list, 50);
  SetFocus(host.list.VScroll());
  EXPECT_FALSE(host.list.FollowSelection());
  SendMessageW(host.list.hwnd(), WM_VSCROLL, SB_PAGEDOWN, reinterpret_cast<LPARAM>(host.list.VScroll()));
  SendMessageW(host.list.hwnd(), WM_VSCROLL, SB_PAGEDOWN, reinterpret_cast<LPARAM>(host.list.VScroll()));
  const int32_t top = host.list.TopIndex();
  EXPECT_EQ(top, 2 * host.list.VisibleCount());
  host.list.SetForeColor(kBlack);  // a repaint does not scroll back to the selection
  EXPECT_EQ(host.list.TopIndex(), top);
  EXPECT_EQ(host.list.ListIndex(), 0);
  Click(host.list.picDraw(), 20, 1);
  EXPECT_TRUE(host.list.FollowSelection());
  EXPECT_EQ(host.list.ListIndex(), top);
}

TEST(ListBoxEXScrolling, AClickOnTheScrollBarTakesTheFocus) {
  ListHost host;
  Fill(host.list, 50);
  WaitForPaint(host.list);
  RECT bar{};
  GetWindowRect(host.list.VScroll(), &bar);
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
  const HWND surface = host.list.picDraw();
  SendMessageW(surface, WM_MOUSEMOVE, 0, MAKELPARAM(10, 2));
  EXPECT_EQ(GetCursor(), HandCursor(DpiOf(surface)));
  SendMessageW(surface, WM_MOUSEMOVE, 0, MAKELPARAM(10, host.list.ItemHeight() * 2));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
  Fill(host.list, 50);
  SendMessageW(surface, WM_MOUSEMOVE, 0, MAKELPARAM(10, host.list.ItemHeight() * 2));
  EXPECT_EQ(GetCursor(), HandCursor(DpiOf(surface)));
}

// A cursor's kind, hot spot and mask size.
struct CursorShape {
  ICONINFO info{};
  BITMAP mask{};
};
CursorShape ShapeOf(HCURSOR cursor) {
  CursorShape shape;
  if (!GetIconInfo(cursor, &shape.info)) return shape;
  UniqueBitmap mask(shape.info.hbmMask), color(shape.info.hbmColor);
  GetObjectW(shape.info.hbmMask, sizeof shape.mask, &shape.mask);
  return shape;
}

TEST(ListBoxEXPointer, TheHandIs32By32WithItsHotSpotAtTheFingerTipAndGrowsWithTheDpi) {
  const CursorShape hand = ShapeOf(HandCursor(96));
  EXPECT_EQ(hand.mask.bmWidth, 32);
  EXPECT_EQ(hand.mask.bmHeight, 64);  // monochrome: AND and XOR masks stacked
  EXPECT_FALSE(hand.info.fIcon);
  EXPECT_EQ(hand.info.xHotspot, 4u);
  EXPECT_EQ(hand.info.yHotspot, 0u);
  // At 150% it is half as large again, the hot spot still at the finger tip.
  const CursorShape scaled = ShapeOf(HandCursor(144));
  EXPECT_EQ(scaled.mask.bmWidth, 48);
  EXPECT_EQ(scaled.info.xHotspot, 6u);

  // A picture of it for people, drawn on the list's yellow.
  constexpr int kSide = 48, kAt = 8;
  BITMAPINFO bmi{};
  bmi.bmiHeader = {sizeof bmi.bmiHeader, kSide, -kSide, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  UniqueBitmap dib(CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0));
  UniqueDC dc(CreateCompatibleDC(nullptr));
  {
    ScopedSelect select(dc.get(), dib.get());
    UniqueBrush yellow(CreateSolidBrush(kMainListColor));
    const RECT all{0, 0, kSide, kSide};
    FillRect(dc.get(), &all, yellow.get());
    DrawIconEx(dc.get(), kAt, kAt, HandCursor(96), kHandCursorSize, kHandCursorSize, 0, nullptr, DI_NORMAL);
    GdiFlush();
  }
  Capture shot;
  shot.width = shot.height = kSide;
  const auto* pixels = static_cast<const uint32_t*>(bits);
  shot.pixels.assign(pixels, pixels + kSide * kSide);
  for (uint32_t& p : shot.pixels) p &= 0x00FFFFFF;
  EXPECT_EQ(shot.ColorAt(kAt + 4, kAt), kBlack);  // the finger tip
  EXPECT_EQ(shot.ColorAt(kAt + 4, kAt + 1), 0x00FFFFFFu);
  EXPECT_EQ(shot.ColorAt(kAt, kAt), kMainListColor);
  SaveArtifact(shot, "listboxex_hand_cursor");
}

TEST(ListBoxEXProperties, ChangesNotifyTheHostByName) {
  ListHost host;
  host.list.SetSelColor(1);
  host.list.SetStrechIcon(true);
  host.list.SetAppearance(0);
  host.list.SetBorderStyle(0);
  host.list.SetSortOrder(1);
  host.list.SetListIndex(0);
  host.list.SetRightLeft(true);
  EXPECT_THAT(host.changed, ElementsAre(L"SelColor", L"StrechIcon", L"Appearance", L"BorderStyle", L"SortOrder",
                                        L"ListIndex", L"RightLeft"));
}

TEST(ListBoxEXProperties, AppearanceAndBorderStyleShapeTheControlsOwnFrame) {
  ListHost host;
  const auto exStyle = [&] { return GetWindowLongW(host.list.hwnd(), GWL_EXSTYLE); };
  const auto style = [&] { return GetWindowLongW(host.list.hwnd(), GWL_STYLE); };
  EXPECT_TRUE(exStyle() & WS_EX_CLIENTEDGE);
  host.list.SetAppearance(0);
  EXPECT_FALSE(exStyle() & WS_EX_CLIENTEDGE);
  EXPECT_TRUE(style() & WS_BORDER);
  host.list.SetBorderStyle(0);
  EXPECT_FALSE(style() & WS_BORDER);
  EXPECT_NE(host.list.Hwnd(), static_cast<int32_t>(reinterpret_cast<intptr_t>(host.list.picDraw())));
  EXPECT_EQ(host.list.Hwnd(), static_cast<int32_t>(reinterpret_cast<intptr_t>(host.list.hwnd())));
}

TEST(ListBoxEXProperties, WritingSortOrderSortsAtOnceWithoutMovingTheSelection) {
  ListHost host;
  for (const wchar_t* text : {L"c", L"a", L"b"}) host.list.AddItem(text);
  host.list.SetListIndex(1);
  host.list.SetSortOrder(-1);
  EXPECT_EQ(host.list.ListItems(0), L"a");
  EXPECT_EQ(host.list.ListIndex(), 1);
  EXPECT_EQ(host.list.Text(), L"b");
}

TEST(ListBoxEXPersistence, AllDefaultsStoreNothing) {
  ListHost host;
  PropertyBag bag;
  host.list.WriteProperties(bag);
  EXPECT_TRUE(bag.Keys().empty());
}

TEST(ListBoxEXPersistence, ChangedSettingsComeBackInTheirOrderButNotRightLeft) {
  ListHost host;
  const PicturePtr icon = SolidIcon(0x00C08000);
  host.list.SetListIcon(icon);
  host.list.SetForeColor(0x112233);
  host.list.SetAppearance(0);
  host.list.SetSortOrder(-1);
  host.list.SetIconFocus(false);
  host.list.SetStartColor(kMainListColor);
  host.list.SetGradient(0);
  host.list.SetStyle(1);
  host.list.SetRightLeft(true);
  PropertyBag bag;
  host.list.WriteProperties(bag);
  EXPECT_THAT(bag.Keys(), ElementsAre(L"ListIcon", L"ForeColor", L"Appearance", L"SortOrder", L"IconFocus",
                                      L"StartColor", L"Gradient", L"Style"));
  ListHost restored({0, 0, 2700, 2400}, &bag);
  EXPECT_EQ(restored.list.ListIcon(), icon);
  EXPECT_EQ(restored.list.ForeColor(), 0x112233u);
  EXPECT_EQ(restored.list.Appearance(), 0);
  EXPECT_EQ(restored.list.SortOrder(), -1);
  EXPECT_FALSE(restored.list.IconFocus());
  EXPECT_EQ(restored.list.StartColor(), kMainListColor);
  EXPECT_EQ(restored.list.Gradient(), 0);
  EXPECT_EQ(restored.list.Style(), 1);
  EXPECT_FALSE(restored.list.RightLeft());
  EXPECT_EQ(restored.list.BorderStyle(), 1);
  EXPECT_THAT(restored.changed, ElementsAre(L"Appearance", L"BorderStyle"));
}

TEST(ListBoxEXResources, A1000PaintsLeaveNoGdiObjectsBehind) {
  ListHost host;
  host.list.SetListIcon(SolidIcon(0x00C08000));
  Fill(host.list, 30);
  host.list.SetListIndex(0);
  WaitForPaint(host.list);
  const DWORD before = GdiObjectCount();
  for (int i = 0; i < 1000; ++i) {
    host.list.SetListIndex(i % 30);
    WaitForPaint(host.list);
  }
  EXPECT_LE(GdiObjectCount(), before);
}

}  // namespace
}  // namespace oravin
