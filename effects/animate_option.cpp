#include "effects/animate_option.h"

#include <utility>

namespace oravin {
namespace {

constexpr int32_t kTicked = 1;

std::function<int32_t()>& Source() {
  static std::function<int32_t()> source;
  return source;
}

}  // namespace

int32_t AnimateOptionValue() { return Source() ? Source()() : kTicked; }

void WireAnimateOption(std::function<int32_t()> chkAnimateValue) { Source() = std::move(chkAnimateValue); }

}  // namespace oravin
