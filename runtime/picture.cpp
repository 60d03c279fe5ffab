#include "runtime/picture.h"

#include "runtime/himetric.h"
#include "runtime/rounding.h"

namespace oravin {
namespace {

int ScreenDpi(int index) {
  ScopedGetDC screen(nullptr);
  return GetDeviceCaps(screen.get(), index);
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

std::shared_ptr<Picture> Picture::LoadIconResource(int id) {
  HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, 0, 0, 0);  // the icon's own size, not the system's 32 x 32
  return icon ? FromIcon(static_cast<HICON>(icon)) : nullptr;
}

void Picture::SetPixelSize(int width, int height) {
  width_ = R(PixelsToHiMetric(width, ScreenDpi(LOGPIXELSX)));
  height_ = R(PixelsToHiMetric(height, ScreenDpi(LOGPIXELSY)));
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
      DrawIconEx(dc, x, y, icon_.get(), cx, cy, 0, nullptr, DI_NORMAL);
      break;
    case Kind::None:
      break;
  }
}

}  // namespace oravin
