#pragma once
// What the Wine tests share: pumping messages until something has happened,
// reading pixels of real windows, and saving screenshots for people.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "runtime/form.h"
#include "runtime/picture.h"

namespace oravin::testing {

// Handles messages until done() holds or the time is up; returns done().
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 5000);

// What the screen shows of a window, from its top-left corner (0x00RRGGBB, top row first).
struct Capture {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;
  uint32_t At(int x, int y) const { return pixels[size_t(y) * width + x]; }
  // As a COLORREF (0x00BBGGRR), to compare with the colours the program draws in.
  COLORREF ColorAt(int x, int y) const {
    const uint32_t p = At(x, y);
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
};
Capture CaptureScreenRect(const RECT& screenRect);
Capture CaptureWindow(HWND hwnd);
// What a window shows once its picture is steady: no message waits for this
// thread, no window of its top-level window waits to be painted (in any
// process), and two captures a loop pass apart are alike (or the time is up).
Capture SteadyCapture(HWND hwnd, int timeoutMs = 5000);

// Saves a capture as build/<tree>/artifacts/<name>.png.
void SaveArtifact(const Capture& capture, const std::string& name);

// A visible top-level form for controls under test. Tests keep one for a whole
// suite: a top-level window takes Wine seconds to go away.
class HostForm : public Form {
 public:
  explicit HostForm(const RECT& screenRect);
  HostForm(const RECT& screenRect, COLORREF backColor);
};

// Where a child window lies in its parent's client area.
RECT RectInParent(HWND child);

// A picture of one colour, as a bitmap of the given size.
std::shared_ptr<Picture> SolidBitmap(int width, int height, COLORREF color);

// GDI objects the process holds now.
DWORD GdiObjectCount();

// A second path to a folder: Wine shows the whole Unix file system as drive Z:.
// Empty on Windows itself.
std::wstring ThroughDriveZ(const std::wstring& folder);

}  // namespace oravin::testing
