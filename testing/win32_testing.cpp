#include "testing/win32_testing.h"

#include <cstdlib>
#include <filesystem>
#include <utility>

#include "runtime/handles.h"
#include "runtime/message_loop.h"
#include "testing/png.h"

namespace oravin::testing {
namespace {

// Handles what waits in the queue, as the program's loop would. A WM_QUIT met
// here is put back, so the test's own window closing ends no later pump.
void HandlePendingMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(int(msg.wParam));
      return;
    }
    DispatchQueuedMessage(msg);
  }
}

}  // namespace

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
  const ULONGLONG end = GetTickCount64() + ULONGLONG(timeoutMs);
  while (!done()) {
    if (GetTickCount64() > end) return done();
    HandlePendingMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
  return true;
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

namespace {

BOOL CALLBACK NotePaintPending(HWND window, LPARAM pending) {
  if (GetUpdateRect(window, nullptr, FALSE)) *reinterpret_cast<bool*>(pending) = true;
  return TRUE;
}

// Whether a window or a window in it waits to be painted, whichever process it belongs to.
bool PaintPending(HWND hwnd) {
  bool pending = GetUpdateRect(hwnd, nullptr, FALSE);
  EnumChildWindows(hwnd, NotePaintPending, reinterpret_cast<LPARAM>(&pending));
  return pending;
}

}  // namespace

Capture SteadyCapture(HWND hwnd, int timeoutMs) {
  Capture last;
  PumpUntil(
      [&] {
        MSG msg;
        // A WM_QUIT put back for a later loop is no paint still to come.
        if (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT) return false;
        if (PaintPending(GetAncestor(hwnd, GA_ROOT))) return false;
        Capture now = CaptureWindow(hwnd);
        const bool steady = now.width == last.width && now.pixels == last.pixels;
        last = std::move(now);
        return steady;
      },
      timeoutMs);
  return last;
}

void SaveArtifact(const Capture& capture, const std::string& name) {
  const char* dir = std::getenv("ORAVIN_ARTIFACTS");
  const std::filesystem::path folder = dir ? std::filesystem::path(dir) : std::filesystem::path("artifacts");
  WritePng(folder / (name + ".png"), capture.width, capture.height, capture.pixels);
}

namespace {

// Wine's GetGuiResources answers 0, but like Windows it keeps the process's GDI
// handle table in shared memory named by the PEB; a live entry has a type.
struct GdiHandleEntry {
  uint64_t object;
  uint32_t owner;
  uint16_t unique;
  uint8_t type;
  uint8_t flags;
  uint64_t userPointer;
};
constexpr size_t kGdiHandleTableSize = 0x10000;
constexpr size_t kPebGdiTableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;

const void* ProcessEnvironmentBlock() {
  struct BasicInformation {
    LONG_PTR exitStatus;
    const void* peb;
    ULONG_PTR rest[4];
  } info{};
  using Query = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
  const auto query =
      reinterpret_cast<Query>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  constexpr int kProcessBasicInformation = 0;
  if (!query || query(GetCurrentProcess(), kProcessBasicInformation, &info, sizeof info, nullptr) != 0) return nullptr;
  return info.peb;
}

DWORD CountGdiHandleTable() {
  const char* peb = static_cast<const char*>(ProcessEnvironmentBlock());
  if (!peb) return 0;
  const auto* table = *reinterpret_cast<const GdiHandleEntry* const*>(peb + kPebGdiTableOffset);
  if (!table) return 0;
  DWORD live = 0;
  for (size_t i = 0; i < kGdiHandleTableSize; ++i) live += table[i].type != 0;
  return live;
}

}  // namespace

HostForm::HostForm(const RECT& screenRect) {
  Create({.className = L"OravinTestHost",
          .style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
          .exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST,
          .rect = screenRect});
}

HostForm::HostForm(const RECT& screenRect, COLORREF backColor) : HostForm(screenRect) { SetBackColor(backColor); }

RECT RectInParent(HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::shared_ptr<Picture> SolidBitmap(int width, int height, COLORREF color) {
  ScopedGetDC screen(nullptr);
  UniqueDC dc(CreateCompatibleDC(screen.get()));
  UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
  {
    ScopedSelect select(dc.get(), bitmap.get());
    UniqueBrush brush(CreateSolidBrush(color));
    const RECT all{0, 0, width, height};
    FillRect(dc.get(), &all, brush.get());
  }
  return Picture::FromBitmap(bitmap.release());
}

DWORD GdiObjectCount() {
  const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  return reported ? reported : CountGdiHandleTable();
}

std::wstring ThroughDriveZ(const std::wstring& folder) {
  using UnixFileName = char*(CDECL*)(const wchar_t*);
  const auto unixName =
      reinterpret_cast<UnixFileName>(GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name"));
  if (!unixName) return {};
  char* name = unixName(folder.c_str());
  if (!name) return {};
  std::wstring path = L"Z:";
  for (const char* c = name; *c; ++c) path += *c == '/' ? L'\\' : wchar_t(static_cast<unsigned char>(*c));
  HeapFree(GetProcessHeap(), 0, name);
  return path;
}

}  // namespace oravin::testing
