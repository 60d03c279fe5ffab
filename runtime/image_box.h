#pragma once
// An image control: a picture at its natural size on a see-through background.
#include "runtime/child_control.h"
#include "runtime/picture.h"
#include "runtime/window.h"

namespace oravin {

class ImageBox : public Window, public Control {
 public:
  bool Create(HWND parent, const LayoutRect& at);
  HWND hwnd() const override { return Window::hwnd(); }

  const PicturePtr& Picture() const { return picture_; }
  void SetPicture(PicturePtr picture);

 protected:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void OnPaint();
  PicturePtr picture_;
};

}  // namespace oravin
