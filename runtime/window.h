#pragma once
// The base of every window class: the window procedure finds its object through
// GWLP_USERDATA (stored at WM_NCCREATE) and hands each message to OnMessage.
#include <windows.h>

namespace oravin {

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND hwnd() const { return hwnd_; }

 protected:
  struct CreateArgs {
    const wchar_t* className;
    DWORD style = 0;
    DWORD exStyle = 0;
    const wchar_t* title = L"";
    RECT rect{};  // pixels, in the parent's client coordinates for a child
    HWND parent = nullptr;
    UINT classStyle = 0;
    HCURSOR cursor = nullptr;  // null: the arrow
    HICON icon = nullptr;       // the large one, for Alt+Tab
    HICON smallIcon = nullptr;  // null: the large one
  };
  // Registers the class on first use and creates the window; false when Windows refused.
  bool Create(const CreateArgs& args);

  // Called for every message; return DefaultProc(...) for what is not handled.
  virtual LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(hwnd_, msg, wp, lp); }

  // The window is gone (WM_NCDESTROY); the object may still live on.
  virtual void OnDestroyed() {}

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  HWND hwnd_ = nullptr;
};

// Puts a window in front of its siblings without moving or activating it.
void BringToFront(HWND window);

}  // namespace oravin
