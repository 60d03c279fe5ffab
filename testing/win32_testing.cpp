#include "testing/win32_testing.h"

#include <cstdlib>
#include <filesystem>

#include "runtime/do_events.h"
#include "runtime/handles.h"
#include "testing/png.h"

namespace oravin::testing {

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
  const ULONGLONG end = GetTickCount64() + ULONGLONG(timeoutMs);
  while (!done()) {
    if (GetTickCount64() > end) return done();
    DoEvents();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
  return true;
}

void PumpFor(int ms) {
  const ULONGLONG end = GetTickCount64() + ULONGLONG(ms);
  PumpUntil([&] { return GetTickCount64() >= end; }, ms + 1000);
}

Capture CaptureScreenRect(const RECT& r) {
  Capture c;
  c.width = r.right - r.left;
  c.height = r.bottom - r.top;
  if (c.width <= 0 || c.height <= 0) return c;
  ScopedGetDC screen(nullptr);
  UniqueDC memory(CreateCompatibleDC(screen.get()));
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = c.width;
  info.bmiHeader.biHeight = -c.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  UniqueBitmap dib(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  {
    ScopedSelect select(memory.get(), dib.get());
    BitBlt(memory.get(), 0, 0, c.width, c.height, screen.get(), r.left, r.top, SRCCOPY);
    GdiFlush();
  }
  const auto* p = static_cast<const uint32_t*>(bits);
  c.pixels.assign(p, p + size_t(c.width) * c.height);
  for (uint32_t& px : c.pixels) px &= 0x00FFFFFF;
  return c;
}

Capture CaptureWindow(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  return CaptureScreenRect(r);
}

void SaveArtifact(const Capture& capture, const std::string& name) {
  const char* dir = std::getenv("ORAVIN_ARTIFACTS");
  const std::filesystem::path folder = dir ? std::filesystem::path(dir) : std::filesystem::path("artifacts");
  WritePng(folder / (name + ".png"), capture.width, capture.height, capture.pixels);
}

DWORD GdiObjectCount() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }

}  // namespace oravin::testing
