#pragma once
// The off-screen image behind a form or a drawing surface: drawing goes into
// it, the window repaints from it, and a refresh shows it in one step, so a
// paint never flickers and survives being covered.
#include <windows.h>

#include "runtime/handles.h"

namespace oravin {

class PersistentImage {
 public:
  PersistentImage() = default;
  PersistentImage(const PersistentImage&) = delete;
  PersistentImage& operator=(const PersistentImage&) = delete;
  // The bitmap leaves its device context first, or it could not be deleted.
  ~PersistentImage() {
    if (dc_) SelectObject(dc_.get(), originalBitmap_);
  }

  // Grows to the given size; what was drawn is kept (it never shrinks, so
  // shrinking and growing loses nothing),
  // and newly gained area starts in the background colour, never in garbage.
  void EnsureSize(int width, int height, COLORREF background);
  int width() const { return width_; }
  int height() const { return height_; }

  // The image's device context; valid once a size was given.
  HDC dc() const { return dc_.get(); }

  // Fills the whole image with a colour (system-colour references are resolved).
  void Clear(COLORREF color);

  // Copies the image onto a window's device context.
  void PaintTo(HDC target, const RECT& area) const;

 private:
  UniqueDC dc_;
  UniqueBitmap bitmap_;
  HGDIOBJ originalBitmap_ = nullptr;
  int width_ = 0, height_ = 0;
};

// A colour value with the high bit set names a system colour.
COLORREF ResolveColor(COLORREF color);

}  // namespace oravin
