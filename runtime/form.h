#pragma once
// A top-level form: a window whose drawing goes into a persistent image that it
// repaints itself from, with a background colour. Its size is given in pixels
// at 96 dpi; moved to a monitor of another scale, it lays itself and its
// controls out again at the new DPI.
#include "runtime/persistent_image.h"
#include "runtime/window.h"

namespace oravin {

class Form : public Window {
 public:
  // Interior size in pixels: the forms are borderless, so it is the whole window.
  int ClientWidth() const;
  int ClientHeight() const;

  // The device context to draw into: the persistent image's.
  HDC ImageDC();
  // Clears the image to the background colour.
  void ClearImage();
  // Shows what was drawn, in one step.
  void Refresh();

  COLORREF BackColor() const { return backColor_; }
  void SetBackColor(COLORREF color);

 protected:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  // The form's size at 96 dpi, and in pixels at the form's DPI.
  void SetDesignSize(int width, int height) { designSize_ = {width, height}; }
  SIZE PixelSize() const;
  // After a change of DPI, once the form and its controls are laid out again.
  virtual void Rescaled() {}

 private:
  void OnDpiChanged(const RECT& suggested);
  void SyncImageSize();
  SIZE designSize_{};
  PersistentImage image_;
  COLORREF backColor_ = 0x8000000F;  // the system's button face
};

}  // namespace oravin
