#include "runtime/persistent_image.h"

#include <algorithm>

namespace oravin {

COLORREF ResolveColor(COLORREF color) {
  return (color & 0x80000000u) ? GetSysColor(int(color & 0xFF)) : color;
}

void PersistentImage::EnsureSize(int width, int height, COLORREF background) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  if (dc_ && width <= width_ && height <= height_) return;
  const int w = std::max(width, width_), h = std::max(height, height_);
  const int oldWidth = width_, oldHeight = height_;
  ScopedGetDC screen(nullptr);
  UniqueDC dc(CreateCompatibleDC(screen.get()));
  UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), w, h));
  HGDIOBJ original = SelectObject(dc.get(), bitmap.get());
  if (dc_) {
    BitBlt(dc.get(), 0, 0, width_, height_, dc_.get(), 0, 0, SRCCOPY);
    SelectObject(dc_.get(), originalBitmap_);  // the old bitmap must leave its DC before it can be deleted
  }
  // The image keeps whatever font, pen and brush were selected by its owner.
  dc_ = std::move(dc);
  bitmap_ = std::move(bitmap);
  originalBitmap_ = original;
  width_ = w;
  height_ = h;
  UniqueBrush brush(CreateSolidBrush(ResolveColor(background)));
  const RECT right{oldWidth, 0, w, h};
  const RECT bottom{0, oldHeight, oldWidth, h};
  FillRect(dc_.get(), &right, brush.get());
  FillRect(dc_.get(), &bottom, brush.get());
}

void PersistentImage::Clear(COLORREF color) {
  if (!dc_) return;
  UniqueBrush brush(CreateSolidBrush(ResolveColor(color)));
  const RECT all{0, 0, width_, height_};
  FillRect(dc_.get(), &all, brush.get());
}

void PersistentImage::PaintTo(HDC target, const RECT& area) const {
  if (!dc_) return;
  BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, dc_.get(), area.left,
         area.top, SRCCOPY);
}

}  // namespace oravin
