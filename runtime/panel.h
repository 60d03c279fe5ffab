#pragma once
// A panel that serves as a page: a child window in one colour that holds
// other controls. Its window is what the page animations reshape.
#include "runtime/child_control.h"
#include "runtime/window.h"

namespace oravin {

class Panel : public Window, public Control {
 public:
  bool Create(HWND parent, const LayoutRect& at, COLORREF backColor);
  HWND hwnd() const override { return Window::hwnd(); }

  COLORREF BackColor() const { return backColor_; }
  // Brings the page in front of its siblings.
  void MoveToFront();

 protected:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void PaintBackground(HDC dc);
  COLORREF backColor_ = 0x8000000F;
};

}  // namespace oravin
