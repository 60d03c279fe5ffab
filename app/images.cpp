#include "app/images.h"

#include <map>
#include <utility>

#include "app/resource_ids.h"

namespace oravin {
namespace {

// The menu button's picture fills a wider button than the assistants' do.
constexpr int kMenuPicturePixels = 24;
constexpr int kPicturePixels = 16;

// Shared resource images are owned by the system: nothing to destroy. The
// system keeps one image per resource, whatever size is asked for next, so
// each size is loaded unshared and kept for the life of the program.
HANDLE LoadSized(int id, UINT type, int pixels) {
  static std::map<std::pair<int, int>, HANDLE> loaded;
  HANDLE& image = loaded[{id, pixels}];
  if (!image) image = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), type, pixels, pixels, 0);
  return image;
}

}  // namespace

PicturePtr ProgramPicture(int resourceId) {
  static std::map<int, PicturePtr> loaded;
  PicturePtr& picture = loaded[resourceId];
  if (!picture) {
    picture = Picture::LoadIconResource(resourceId, resourceId == IDI_MENU ? kMenuPicturePixels : kPicturePixels);
  }
  return picture;
}

HICON ProgramIcon(int pixels) { return static_cast<HICON>(LoadSized(IDI_ORAVIN, IMAGE_ICON, pixels)); }


}  // namespace oravin
