#pragma once
// A picture: a bitmap or an icon with its natural size, shared by reference
// between the controls that show it.
#include <windows.h>

#include <cstdint>
#include <memory>

#include "runtime/handles.h"

namespace oravin {

class Picture final {
 public:
  enum class Kind { None, Bitmap, Icon };

  // An empty picture: no handle, no size.
  Picture() = default;
  // Takes ownership of the handle; the size is read from it.
  static std::shared_ptr<Picture> FromBitmap(HBITMAP bitmap);
  static std::shared_ptr<Picture> FromIcon(HICON icon);
  // From the program's resources; null when the resource is missing.
  static std::shared_ptr<Picture> LoadBitmapResource(int id);
  // An icon with images of several sizes, whose natural size is designPixels
  // square at 96 dpi: drawn at another size, it takes the image for that size.
  static std::shared_ptr<Picture> LoadIconResource(int id, int designPixels);

  Kind kind() const { return kind_; }
  // The bitmap or icon handle, as a number (0 for none).
  uintptr_t Handle() const;
  // Natural size in pixels at 96 dpi: an image made on a screen of another
  // DPI keeps the size it has there, as an icon of the design keeps its own.
  double Width() const { return width_; }
  double Height() const { return height_; }

  // Draws the picture with its top-left corner at (x, y), scaled to cx × cy pixels.
  void Render(HDC dc, int x, int y, int cx, int cy) const;

 private:
  void SetPixelSize(int width, int height);
  HICON IconFor(int cx, int cy) const;

  Kind kind_ = Kind::None;
  UniqueBitmap bitmap_;
  UniqueIcon icon_;
  int resourceId_ = 0;  // an icon from the resources, whose other sizes can be loaded
  int designPixels_ = 0;  // the size of icon_'s image
  // The image last drawn at a size icon_ does not have: one size per DPI, so one is kept.
  mutable UniqueIcon sized_;
  mutable SIZE sizedAt_{};
  double width_ = 0, height_ = 0;
};

using PicturePtr = std::shared_ptr<Picture>;

}  // namespace oravin
