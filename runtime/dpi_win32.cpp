#include "runtime/dpi.h"

#include "runtime/handles.h"

namespace oravin {
namespace {

// Looked up, not linked: the program also runs on Windows 7, whose user32 has neither.
template <typename Function>
Function User32Function(const char* name) {
  const FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);

}  // namespace

// A process keeps the system's DPI it started with, whatever the user sets later.
int SystemDpi() {
  static const int dpi = [] {
    ScopedGetDC screen(nullptr);
    return GetDeviceCaps(screen.get(), LOGPIXELSY);
  }();
  return dpi;
}

int DpiOf(HWND window) {
  static const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
  const UINT dpi = getDpiForWindow && window ? getDpiForWindow(window) : 0;
  return dpi != 0 ? int(dpi) : SystemDpi();
}

int SystemMetricForDpi(int index, int dpi) {
  static const auto forDpi = User32Function<GetSystemMetricsForDpiFunction>("GetSystemMetricsForDpi");
  if (forDpi) return forDpi(index, UINT(dpi));
  // Before Windows 10 1607 there is one DPI, the system's, and the metrics are given at it.
  return GetSystemMetrics(index);
}

}  // namespace oravin
