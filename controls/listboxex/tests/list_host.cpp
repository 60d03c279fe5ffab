#include "controls/listboxex/tests/list_host.h"

#include <gtest/gtest.h>

#include <memory>

namespace oravin::testing {

HWND HostWindow() {
  static const UniqueWindow window(CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"",
                                                   WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 300, 300, nullptr,
                                                   nullptr, GetModuleHandleW(nullptr), nullptr));
  return window.get();
}

void WaitForPaint(const ListBoxEX& list) { ASSERT_TRUE(PumpUntil([&] { return !list.PaintPending(); })); }

ListHost::ListHost(const LayoutRect& at) {
  EXPECT_TRUE(list.Create({HostWindow(), at, std::make_shared<Font>(L"Tahoma", 8.25)}));
  WaitForPaint(list);
}

void Fill(ListBoxEX& list, int count) {
  for (int i = 0; i < count; ++i) list.AddItem(L"Item " + std::to_wstring(i));
}

PicturePtr SolidIcon(COLORREF color, int size) {
  ScopedGetDC screen(nullptr);
  UniqueBitmap image(CreateCompatibleBitmap(screen.get(), size, size));
  UniqueBitmap mask(CreateBitmap(size, size, 1, 1, nullptr));
  {
    UniqueDC dc(CreateCompatibleDC(screen.get()));
    ScopedSelect select(dc.get(), image.get());
    UniqueBrush brush(CreateSolidBrush(color));
    const RECT all{0, 0, size, size};
    FillRect(dc.get(), &all, brush.get());
    ScopedSelect selectMask(dc.get(), mask.get());
    PatBlt(dc.get(), 0, 0, size, size, BLACKNESS);  // all opaque
  }
  ICONINFO info{TRUE, 0, 0, mask.get(), image.get()};
  return Picture::FromIcon(CreateIconIndirect(&info));
}

Capture Shot(const ListBoxEX& list) {
  WaitForPaint(list);
  return SteadyCapture(list.rowSurface());
}

}  // namespace oravin::testing
