#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "controls/listboxex/hand_cursor_win32.h"
#include "controls/listboxex/listboxex.h"
#include "runtime/do_events.h"
#include "testing/win32_testing.h"

namespace oravin {
namespace {

using ::testing::ElementsAre;
using testing::Capture;
using testing::CaptureWindow;
using testing::PumpUntil;
using testing::SaveArtifact;

constexpr COLORREF kMainListColor = 0x00A3E8FC;
constexpr COLORREF kBlack = 0x000000;

// One plain top-level window at the top-left of the screen for every test:
// Wine takes seconds to take a top-level window off the display.
HWND HostWindow() {
  static const UniqueWindow window(CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"",
                                                   WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 300, 300, nullptr,
                                                   nullptr, GetModuleHandleW(nullptr), nullptr));
  return window.get();
}

void WaitForPaint(const ListBoxEX& list) { ASSERT_TRUE(PumpUntil([&] { return !list.PaintPending(); })); }

// Paints now, without waiting for more messages: for measuring.
void PaintNow(const ListBoxEX& list) {
  while (list.PaintPending()) DoEvents();
}

// A list on the host window.
class ListHost {
 public:
  explicit ListHost(const TwipsRect& at = {0, 0, 2700, 2400}, const PropertyBag* saved = nullptr) {
    list.PropertyChanged = [this](const wchar_t* name) { changed.push_back(name); };
    EXPECT_TRUE(list.Create({HostWindow(), at, std::make_shared<Font>(L"Tahoma", 8.25), saved}));
    WaitForPaint(list);
  }
  HWND window() const { return HostWindow(); }

  ListBoxEX list;
  std::vector<std::wstring> changed;
};

void Fill(ListBoxEX& list, int count) {
  for (int i = 0; i < count; ++i) list.AddItem(L"Item " + std::to_wstring(i));
}

// A square icon of one colour.
PicturePtr SolidIcon(COLORREF color, int kSize = 16) {
  ScopedGetDC screen(nullptr);
  UniqueBitmap image(CreateCompatibleBitmap(screen.get(), kSize, kSize));
  UniqueBitmap mask(CreateBitmap(kSize, kSize, 1, 1, nullptr));
  {
    UniqueDC dc(CreateCompatibleDC(screen.get()));
    ScopedSelect select(dc.get(), image.get());
    UniqueBrush brush(CreateSolidBrush(color));
    const RECT all{0, 0, kSize, kSize};
    FillRect(dc.get(), &all, brush.get());
    ScopedSelect selectMask(dc.get(), mask.get());
    PatBlt(dc.get(), 0, 0, kSize, kSize, BLACKNESS);  // all opaque
  }
  ICONINFO info{TRUE, 0, 0, mask.get(), image.get()};
  return Picture::FromIcon(CreateIconIndirect(&info));
}

Capture Shot(const ListBoxEX& list) {
  WaitForPaint(list);
  testing::PumpFor(30);
  return CaptureWindow(list.picDraw());
}

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

TEST(ListBoxEXLook, AnEmptyListShowsOnlyTheBackground) {
  ListHost host;
  host.list.SetStyle(0);
  host.list.SetGradient(0);
  host.list.SetStartColor(kMainListColor);
  const Capture shot = Shot(host.list);
  ASSERT_GT(shot.width, 100);
  for (int y = 0; y < shot.height; y += 3)
    for (int x = 0; x < shot.width; x += 3) ASSERT_EQ(shot.ColorAt(x, y), kMainListColor) << x << "," << y;
}

TEST(ListBoxEXLook, ANewListRunsFromWhiteAtTheLeftToTheMenuColourAtTheRight) {
  ListHost host;
  EXPECT_EQ(host.list.Gradient(), 1);
  EXPECT_EQ(host.list.Style(), 0);
  const Capture shot = Shot(host.list);
  const COLORREF menu = GetSysColor(COLOR_MENU);
  const COLORREF left = shot.ColorAt(0, 5), right = shot.ColorAt(shot.width - 1, 5);
  EXPECT_GE(GetRValue(left), 250);
  EXPECT_GE(GetBValue(left), 250);
  EXPECT_NEAR(GetRValue(right), GetRValue(menu), 2);
  EXPECT_NEAR(GetGValue(right), GetGValue(menu), 2);
  SaveArtifact(shot, "listboxex_default_gradient");
  host.list.SetRightLeft(true);
  const Capture reversed = Shot(host.list);
  EXPECT_NEAR(GetRValue(reversed.ColorAt(0, 5)), GetRValue(menu), 2);
  host.list.SetRightLeft(false);
  Fill(host.list, 6);
  host.list.SetListIndex(2);
  SaveArtifact(Shot(host.list), "listboxex_default_look");
}

TEST(ListBoxEXLook, RedStartBlueEndTopToBottomIsBlueAtTheTopAndRedAtTheBottom) {
  ListHost host;
  host.list.SetStyle(1);
  host.list.SetStartColor(0x0000FF);
  host.list.SetEndColor(0xFF0000);
  host.list.SetGradient(2);
  const Capture shot = Shot(host.list);
  const COLORREF top = shot.ColorAt(10, 0), bottom = shot.ColorAt(10, shot.height - 1);
  EXPECT_LE(GetRValue(top), 3);
  EXPECT_GE(GetBValue(top), 252);
  EXPECT_GE(GetRValue(bottom), 252);
  EXPECT_LE(GetBValue(bottom), 3);
}

TEST(ListBoxEXLook, PlainBackgroundIsStartColorEvenWithSystemStyle) {
  ListHost host;
  host.list.SetGradient(0);
  host.list.SetStartColor(0x00336699);
  Fill(host.list, 3);
  const Capture shot = Shot(host.list);
  EXPECT_EQ(shot.ColorAt(shot.width - 2, shot.height - 2), 0x00336699u);
}

// The bar on the selected first row starts where the background ends.
TEST(ListBoxEXLook, TheBarStartsPastTheIconUnlessFullRowSelect) {
  ListHost host;
  host.list.SetGradient(0);
  host.list.SetStartColor(kMainListColor);
  host.list.SetListIcon(SolidIcon(0x00008000, 8));
  Fill(host.list, 3);
  const int rowMiddle = host.list.ItemHeight() / 2;
  const int textLeft = host.list.ItemHeight() + 3;
  Capture shot = Shot(host.list);
  EXPECT_NE(shot.ColorAt(textLeft, rowMiddle), kMainListColor);
  EXPECT_EQ(shot.ColorAt(textLeft - 1, rowMiddle), kMainListColor);
  EXPECT_EQ(shot.ColorAt(0, rowMiddle), kMainListColor);
  host.list.SetFullRowSelect(true);
  shot = Shot(host.list);
  EXPECT_NE(shot.ColorAt(0, rowMiddle), kMainListColor);
  EXPECT_NE(shot.ColorAt(textLeft - 1, rowMiddle), kMainListColor);
  EXPECT_EQ(shot.ColorAt(0, rowMiddle + host.list.ItemHeight()), kMainListColor);
}

TEST(ListBoxEXLook, WithoutAnIconTheTextAndBarStartThreePixelsIn) {
  ListHost host;
  host.list.SetGradient(0);
  host.list.SetStartColor(kMainListColor);
  Fill(host.list, 2);
  const Capture shot = Shot(host.list);
  EXPECT_NE(shot.ColorAt(3, host.list.ItemHeight() / 2), kMainListColor);
  EXPECT_EQ(shot.ColorAt(2, host.list.ItemHeight() / 2), kMainListColor);
}

// Whether any pixel of the second row between x0 and x1 differs from the background.
bool RowHasInk(const Capture& shot, int32_t itemHeight, int x0, int x1, COLORREF background) {
  for (int y = itemHeight; y < 2 * itemHeight; ++y)
    for (int x = x0; x < x1; ++x)
      if (shot.ColorAt(x, y) != background) return true;
  return false;
}

TEST(ListBoxEXLook, TextAlignmentIsPassedToTextDrawingUnchanged) {
  ListHost host;
  host.list.SetGradient(0);
  host.list.SetStartColor(kMainListColor);
  host.list.AddItem(L"Left");
  host.list.AddItem(L"Right");
  const int32_t h = host.list.ItemHeight();
  Capture shot = Shot(host.list);
  EXPECT_TRUE(RowHasInk(shot, h, 0, 40, kMainListColor));
  EXPECT_FALSE(RowHasInk(shot, h, shot.width - 40, shot.width, kMainListColor));
  host.list.SetTextAlignment(DT_RIGHT);
  shot = Shot(host.list);
  EXPECT_FALSE(RowHasInk(shot, h, 0, 40, kMainListColor));
  EXPECT_TRUE(RowHasInk(shot, h, shot.width - 40, shot.width, kMainListColor));
}

TEST(ListBoxEXLook, AStretchedIconFillsTheRowSquareLessOnePixel) {
  ListHost host;
  host.list.SetGradient(0);
  host.list.SetStartColor(kMainListColor);
  host.list.SetListIcon(SolidIcon(0x00008000, 4));
  host.list.SetStrechIcon(true);
  host.list.AddItem(L"a");
  host.list.AddItem(L"b");
  const int32_t h = host.list.ItemHeight();
  const Capture shot = Shot(host.list);
  EXPECT_EQ(shot.ColorAt(1, h + 1), 0x00008000u);
  EXPECT_EQ(shot.ColorAt(h - 1, 2 * h - 1), 0x00008000u);
  EXPECT_EQ(shot.ColorAt(0, h + 1), kMainListColor);
  EXPECT_EQ(shot.ColorAt(h, h + 1), kMainListColor);
}

TEST(ListBoxEXLayout, TheScrollBarAppearsWhenTheRowsDoNotFitAndTheRowsNarrow) {
  ListHost host;
  RECT client{};
  GetClientRect(host.list.hwnd(), &client);
  Fill(host.list, host.list.VisibleCount());
  EXPECT_FALSE(IsWindowVisible(host.list.VScroll()));
  RECT surface{};
  GetClientRect(host.list.picDraw(), &surface);
  EXPECT_EQ(surface.right, client.right);
  host.list.AddItem(L"one more");
  WaitForPaint(host.list);
  EXPECT_TRUE(IsWindowVisible(host.list.VScroll()));
  GetClientRect(host.list.picDraw(), &surface);
  EXPECT_EQ(surface.right, client.right - GetSystemMetrics(SM_CXVSCROLL));
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(host.list.VScroll(), SB_CTL, &info);
  EXPECT_EQ(info.nMax - int(info.nPage) + 1, 1);  // ListCount - VisibleCount
  host.list.SetListIndex(host.list.ListCount() - 1);
  EXPECT_EQ(host.list.TopIndex(), 1);
  host.list.Remove(0);
  EXPECT_FALSE(IsWindowVisible(host.list.VScroll()));
  EXPECT_EQ(host.list.TopIndex(), 0);
  SaveArtifact(Shot(host.list), "listboxex_just_fits");
}

TEST(ListBoxEXLayout, ALongListShowsTheScrollBar) {
  ListHost host;
  host.list.SetStyle(1);
  Fill(host.list, 40);
  host.list.SetListIndex(25);
  WaitForPaint(host.list);
  testing::PumpFor(30);
  SaveArtifact(CaptureWindow(host.list.hwnd()), "listboxex_long_list");
  EXPECT_TRUE(IsWindowVisible(host.list.VScroll()));
  EXPECT_EQ(host.list.TopIndex(), 25 - host.list.VisibleCount() + 1);
}

TEST(ListBoxEXLayout, AFontChangeMeasuresTheRowsAgain) {
  ListHost host;
  const int32_t small = host.list.ItemHeight();
  host.list.SetFont(std::make_shared<Font>(L"Tahoma", 20));
  EXPECT_GT(host.list.ItemHeight(), small);
  EXPECT_THAT(host.changed, ElementsAre(L"Font"));
}

TEST(ListBoxEXLayout, MoreThan32767RowsScrollToTheEnd) {
  ListHost host;
  Fill(host.list, 40000);
  host.list.SetListIndex(39999);
  EXPECT_EQ(host.list.TopIndex(), 40000 - host.list.VisibleCount());
}

TEST(ListBoxEXMainLook, TheMainWindowsListWithAnIcon) {
  ListHost host({0, 0, 2700, 3000});
  host.list.SetStyle(1);
  host.list.SetGradient(0);
  host.list.SetStartColor(kMainListColor);
  host.list.SetFont(std::make_shared<Font>(L"Tahoma", 9.75));
  host.list.SetListIcon(SolidIcon(0x00C08000));
  host.list.SetSortOrder(-1);
  for (const wchar_t* title : {L"百度", L"Google", L"新浪", L"Example", L"网易"}) host.list.AddItem(title);
  host.list.SetListIndex(1);
  SaveArtifact(Shot(host.list), "listboxex_main_look");
  EXPECT_EQ(host.list.Text(), L"Google");
}

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
  SetForegroundWindow(host.window());
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
  EXPECT_EQ(GetCursor(), HandCursor());
  SendMessageW(surface, WM_MOUSEMOVE, 0, MAKELPARAM(10, host.list.ItemHeight() * 2));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
  Fill(host.list, 50);
  SendMessageW(surface, WM_MOUSEMOVE, 0, MAKELPARAM(10, host.list.ItemHeight() * 2));
  EXPECT_EQ(GetCursor(), HandCursor());
}

TEST(ListBoxEXPointer, TheHandIs32By32WithItsHotSpotAtTheFingerTip) {
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(HandCursor(), &info));
  UniqueBitmap mask(info.hbmMask), color(info.hbmColor);
  BITMAP bm{};
  GetObjectW(info.hbmMask, sizeof bm, &bm);
  EXPECT_EQ(bm.bmWidth, 32);
  EXPECT_EQ(bm.bmHeight, 64);  // monochrome: AND and XOR masks stacked
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(info.xHotspot, 4u);
  EXPECT_EQ(info.yHotspot, 0u);

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
    DrawIconEx(dc.get(), kAt, kAt, HandCursor(), kHandCursorSize, kHandCursorSize, 0, nullptr, DI_NORMAL);
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
  const DWORD before = testing::GdiObjectCount();
  for (int i = 0; i < 1000; ++i) {
    host.list.SetListIndex(i % 30);
    PaintNow(host.list);
  }
  EXPECT_LE(testing::GdiObjectCount(), before);
}

double PaintMicroseconds(ListBoxEX& list, int paints) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < paints; ++i) {
    list.SetListIndex(i % 10);
    PaintNow(list);
  }
  const auto spent = std::chrono::steady_clock::now() - start;
  return std::chrono::duration<double, std::micro>(spent).count() / paints;
}

TEST(ListBoxEXSpeed, APaintOfALongListCostsTheSameAsOfAShortOne) {
  ListHost shortHost, longHost;
  Fill(shortHost.list, 10);
  const auto start = std::chrono::steady_clock::now();
  Fill(longHost.list, 32767);
  PaintNow(longHost.list);
  std::printf("adding 32,767 items to the control and painting it once: %.0f ms\n",
              std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  constexpr int kPaints = 300;
  PaintMicroseconds(shortHost.list, 20);
  const double shortCost = PaintMicroseconds(shortHost.list, kPaints);
  const double longCost = PaintMicroseconds(longHost.list, kPaints);
  std::printf("full repaint: %.0f us with 10 items, %.0f us with 32,767 items (ratio %.2f)\n", shortCost, longCost,
              longCost / shortCost);
  EXPECT_LT(longCost / shortCost, 2.0);
}

TEST(ListBoxEXSpeed, KeyboardNavigationThroughALongListStaysInstant) {
  ListHost host;
  Fill(host.list, 32767);
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 100; ++i) {
    SendMessageW(host.list.picDraw(), WM_KEYDOWN, VK_NEXT, 0);
    PaintNow(host.list);
  }
  const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  std::printf("100 Page Down keys in a list of 32,767: %.1f ms\n", ms);
  EXPECT_EQ(host.list.ListIndex(), 100 * host.list.VisibleCount());
  EXPECT_LT(ms / 100, 20.0);
}

}  // namespace
}  // namespace oravin
