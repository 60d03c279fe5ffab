#pragma once
// The host's view of a control: a window places it by position and size in
// pixels at 96 dpi, shows or hides it, and gives it a tooltip text.
#include <windows.h>

#include <cstdint>
#include <string>

#include "runtime/tooltip.h"

namespace oravin {

class Control {
 public:
  Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control();

  // The window the host places.
  virtual HWND hwnd() const = 0;

  // Position and size in pixels at 96 dpi, in the parent's client area,
  // placed at the window's DPI. A changed size calls Resize.
  void Move(int32_t left, int32_t top, int32_t width, int32_t height);
  // Lays the control out again at its window's DPI, after the window has moved
  // to a monitor of another scale: fonts, pixel size and drawing.
  void Rescale();
  int32_t Left() const { return left_; }
  int32_t Top() const { return top_; }
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }

  bool Visible() const;
  void SetVisible(bool visible);

  const std::wstring& ToolTipText() const { return toolTipText_; }
  void SetToolTipText(const std::wstring& text);
  HWND tooltipWindow() const { return toolTip_.tooltipWindow(); }

 protected:
  virtual void Resize() {}
  // The DPI has changed: what the control made for the old one (fonts) must be made again.
  virtual void DpiChanged() {}
  // The window under the pointer when the tooltip should show: the control's own unless overridden.
  virtual HWND ToolTipWindow() const { return hwnd(); }

 private:
  void Place();

  int32_t left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  HWND placed_ = nullptr;  // the window Move placed, which names this control
  std::wstring toolTipText_;
  ToolTip toolTip_;
};

// Lays every control inside the window out again at its DPI (see Control::Rescale).
void RescaleControls(HWND window);

}  // namespace oravin
