#include <windows.h>

#include "runtime/handles.h"
#include "runtime/screen.h"
#include "runtime/twips.h"

namespace oravin {
namespace {

int ScreenDpi(int index) {
  ScopedGetDC dc(nullptr);
  return GetDeviceCaps(dc.get(), index);
}

}  // namespace

int Screen::TwipsPerPixelX() { return TwipsPerPixel(ScreenDpi(LOGPIXELSX)); }
int Screen::TwipsPerPixelY() { return TwipsPerPixel(ScreenDpi(LOGPIXELSY)); }
int Screen::WidthTwips() { return GetSystemMetrics(SM_CXSCREEN) * TwipsPerPixelX(); }
int Screen::HeightTwips() { return GetSystemMetrics(SM_CYSCREEN) * TwipsPerPixelY(); }

}  // namespace oravin
