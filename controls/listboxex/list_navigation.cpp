#include "controls/listboxex/list_navigation.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace oravin {
namespace {

int32_t Saturate(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

}  // namespace

int32_t ListIndexAfterKey(int keyCode, int32_t listIndex, int32_t listCount, int32_t visibleCount) {
  switch (keyCode) {
    case kKeyUp: return Saturate(int64_t{listIndex} - 1);
    case kKeyDown: return Saturate(int64_t{listIndex} + 1);
    case kKeyEnd: return listCount;
    case kKeyHome: return 0;
    case kKeyPageDown: return Saturate(int64_t{listIndex} + visibleCount);
    case kKeyPageUp: return Saturate(int64_t{listIndex} - visibleCount);
    default: return listIndex;
  }
}

std::optional<int32_t> ItemAtY(double y, int32_t itemHeight, int32_t topIndex) {
  if (itemHeight == 0) return std::nullopt;
  return Saturate(static_cast<int64_t>(std::floor(y / itemHeight)) + topIndex);
}

bool HandPointerAt(double y, int32_t itemHeight, int32_t listCount, int32_t visibleCount) {
  return listCount > visibleCount || y < static_cast<double>(itemHeight) * listCount;
}

int32_t TopIndexShowing(int32_t listIndex, int32_t topIndex, int32_t visibleCount) {
  if (listIndex < topIndex) topIndex = listIndex;
  if (int64_t{listIndex} > int64_t{topIndex} + visibleCount - 1) topIndex = Saturate(int64_t{listIndex} - visibleCount + 1);
  return topIndex;
}

}  // namespace oravin
