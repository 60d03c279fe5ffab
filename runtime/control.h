#pragma once
// The host's view of a control: a form places it by position and size in
// twips, shows or hides it, and gives it a tooltip text.
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
  virtual ~Control() = default;

  // The window the host places.
  virtual HWND hwnd() const = 0;

  // Position and size in twips, in the parent's client area. A changed size calls Resize.
  void Move(int32_t left, int32_t top, int32_t width, int32_t height);
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
  // The window under the pointer when the tooltip should show: the control's own unless overridden.
  virtual HWND ToolTipWindow() const { return hwnd(); }

 private:
  int32_t left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  std::wstring toolTipText_;
  ToolTip toolTip_;
};

}  // namespace oravin
