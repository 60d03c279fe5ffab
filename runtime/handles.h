#pragma once
// Move-only owners for GDI and USER handles: a handle is released exactly once,
// by the scope that made it, or handed over explicitly with release().
#include <windows.h>

#include <utility>

namespace oravin {

template <typename Handle, typename Deleter>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle h) : h_(h) {}
  UniqueHandle(UniqueHandle&& other) noexcept : h_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    reset(other.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  Handle get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  Handle release() { return std::exchange(h_, nullptr); }
  void reset(Handle h = nullptr) {
    if (h_) Deleter{}(h_);
    h_ = h;
  }

 private:
  Handle h_ = nullptr;
};

struct GdiDeleter {
  void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct DcDeleter {
  void operator()(HDC h) const { DeleteDC(h); }
};
struct IconDeleter {
  void operator()(HICON h) const { DestroyIcon(h); }
};
struct CursorDeleter {
  void operator()(HCURSOR h) const { DestroyCursor(h); }
};
struct WindowDeleter {
  void operator()(HWND h) const { DestroyWindow(h); }
};
struct KernelDeleter {
  void operator()(HANDLE h) const { CloseHandle(h); }
};
struct MenuDeleter {
  void operator()(HMENU h) const { DestroyMenu(h); }
};
struct FindDeleter {
  void operator()(HANDLE h) const { FindClose(h); }
};

using UniqueBrush = UniqueHandle<HBRUSH, GdiDeleter>;
using UniquePen = UniqueHandle<HPEN, GdiDeleter>;
using UniqueRegion = UniqueHandle<HRGN, GdiDeleter>;
using UniqueFont = UniqueHandle<HFONT, GdiDeleter>;
using UniqueBitmap = UniqueHandle<HBITMAP, GdiDeleter>;
using UniqueDC = UniqueHandle<HDC, DcDeleter>;
using UniqueIcon = UniqueHandle<HICON, IconDeleter>;
using UniqueCursor = UniqueHandle<HCURSOR, CursorDeleter>;
using UniqueWindow = UniqueHandle<HWND, WindowDeleter>;
using UniqueKernelHandle = UniqueHandle<HANDLE, KernelDeleter>;
using UniqueFindHandle = UniqueHandle<HANDLE, FindDeleter>;  // FindFirstFileW's
using UniqueMenu = UniqueHandle<HMENU, MenuDeleter>;

// Selects an object into a device context for one scope and puts the old one back.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~ScopedSelect() { SelectObject(dc_, old_); }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A window's device context for one scope.
class ScopedGetDC {
 public:
  explicit ScopedGetDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
  ~ScopedGetDC() { ReleaseDC(hwnd_, dc_); }
  ScopedGetDC(const ScopedGetDC&) = delete;
  ScopedGetDC& operator=(const ScopedGetDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

}  // namespace oravin
