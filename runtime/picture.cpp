#include "runtime/picture.h"

#include "runtime/dpi.h"
#include "runtime/design_scale.h"

namespace oravin {
namespace {

int ScreenDpi(int index) {
  ScopedGetDC screen(nullptr);
  return GetDeviceCaps(screen.get(), index);
}

HICON LoadIconAt(int id, int cx, int cy) {
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, cx, cy, 0));
}

}  // namespace

std::shared_ptr<Picture> Picture::FromBitmap(HBITMAP bitmap) {
  auto picture = std::make_shared<Picture>();
  BITMAP info{};
  if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return picture;
  picture->kind_ = Kind::Bitmap;
  picture->bitmap_.reset(bitmap);
  picture->SetPixelSize(info.bmWidth, info.bmHeight);
  return picture;
}

std::shared_ptr<Picture> Picture::FromIcon(HICON icon) {
  auto picture = std::make_shared<Picture>();
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) return picture;
  // GetIconInfo hands out copies of the icon's bitmaps; they are ours to delete.
  UniqueBitmap mask(info.hbmMask), color(info.hbmColor);
  BITMAP bm{};
  GetObjectW(info.hbmMask, sizeof bm, &bm);
  // A monochrome icon keeps its AND and XOR masks stacked in one bitmap of double height.
  const int height = color ? bm.bmHeight : bm.bmHeight / 2;
  picture->kind_ = Kind::Icon;
  picture->icon_.reset(icon);
  picture->SetPixelSize(bm.bmWidth, height);
  return picture;
}

std::shared_ptr<Picture> Picture::LoadBitmapResource(int id) {
  HANDLE bitmap = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, 0);
  return bitmap ? FromBitmap(static_cast<HBITMAP>(bitmap)) : nullptr;
}

std::shared_ptr<Picture> Picture::LoadIconResource(int id, int designPixels) {
  HICON icon = LoadIconAt(id, designPixels, designPixels);
  if (!icon) return nullptr;
  auto picture = FromIcon(icon);
  picture->resourceId_ = id;
  picture->designPixels_ = designPixels;
  // Its size is that of the design, whatever the screen's DPI.
  picture->width_ = picture->height_ = designPixels;
  return picture;
}

HICON Picture::IconFor(int cx, int cy) const {
  if (resourceId_ == 0 || (cx == designPixels_ && cy == designPixels_)) return icon_.get();
  if (!sized_ || sizedAt_.cx != cx || sizedAt_.cy != cy) {
    // Windows takes the image nearest the size from the resource and scales it only when none fits.
    sized_.reset(LoadIconAt(resourceId_, cx, cy));
    sizedAt_ = {cx, cy};
  }
  return sized_ ? sized_.get() : icon_.get();
}

void Picture::SetPixelSize(int width, int height) {
  width_ = double(width) * kDesignDpi / ScreenDpi(LOGPIXELSX);
  height_ = double(height) * kDesignDpi / ScreenDpi(LOGPIXELSY);
}

uintptr_t Picture::Handle() const {
  switch (kind_) {
    case Kind::Bitmap:
      return reinterpret_cast<uintptr_t>(bitmap_.get());
    case Kind::Icon:
      return reinterpret_cast<uintptr_t>(icon_.get());
    case Kind::None:
      break;
  }
  return 0;
}

void Picture::Render(HDC dc, int x, int y, int cx, int cy) const {
  switch (kind_) {
    case Kind::Bitmap: {
      BITMAP info{};
      GetObjectW(bitmap_.get(), sizeof info, &info);
      UniqueDC source(CreateCompatibleDC(dc));
      ScopedSelect select(source.get(), bitmap_.get());
      SetStretchBltMode(dc, COLORONCOLOR);
      StretchBlt(dc, x, y, cx, cy, source.get(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
      break;
    }
    case Kind::Icon:
      DrawIconEx(dc, x, y, IconFor(cx, cy), cx, cy, 0, nullptr, DI_NORMAL);
      break;
    case Kind::None:
      break;
  }
}

}  // namespace oravin
