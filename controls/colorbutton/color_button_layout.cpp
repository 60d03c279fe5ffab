#include "controls/colorbutton/color_button_layout.h"

#include <algorithm>

#include "runtime/rounding.h"

namespace oravin {
namespace {

constexpr double kCornerDivisor = 5.0;

bool IsLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

int CornerSize(int dx, int dy) { return R(std::max(dx, dy) / kCornerDivisor); }

ContentLayout LayoutContent(double exactWidth, double exactHeight, const std::optional<PictureSize>& picture,
                            bool hasCaption, double captionHeight) {
  ContentLayout layout;
  layout.caption.right = R(exactWidth);
  layout.caption.bottom = R(exactHeight);
  if (!picture) {
    layout.caption.top = R(exactHeight / 2 - captionHeight / 2);
    return layout;
  }
  const int block = R(hasCaption ? picture->height + captionHeight : picture->height);
  const int top = R((exactHeight - block) / 2);
  const int width = R(picture->width), height = R(picture->height);
  const int left = R((exactWidth - width) / 2);
  layout.picture = Box{left, top, left + width, top + height};
  layout.caption.top = top + height;
  return layout;
}

std::wstring DisplayCaption(std::wstring_view caption) {
  // A character outside the BMP is one character, not two.
  const auto wide = std::count_if(caption.begin(), caption.end(),
                                  [](wchar_t c) { return c >= 0x80 && !IsLowSurrogate(c); });
  size_t end = caption.size();
  for (auto left = wide; left > 0 && end > 0 && caption[end - 1] == L' '; --left) --end;
  return std::wstring(caption.substr(0, end));
}

}  // namespace oravin
