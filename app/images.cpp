#include "app/images.h"

#include <map>

#include "app/resource_ids.h"

namespace oravin {

PicturePtr ProgramPicture(int resourceId) {
  static std::map<int, PicturePtr> loaded;
  PicturePtr& picture = loaded[resourceId];
  if (!picture) picture = Picture::LoadIconResource(resourceId);
  return picture;
}

HICON ProgramIcon() {
  // Shared resource icons are owned by the system: nothing to destroy.
  static HICON icon = static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_ORAVIN), IMAGE_ICON, 16, 16, LR_SHARED));
  return icon;
}

HCURSOR LabelPointer() {
  static HCURSOR cursor = static_cast<HCURSOR>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_LABEL_HAND), IMAGE_CURSOR, 0, 0, LR_SHARED));
  return cursor;
}

}  // namespace oravin
