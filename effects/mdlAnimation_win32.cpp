#include "effects/mdlAnimation.h"

#include <algorithm>
#include <utility>

#include "effects/animate_option.h"
#include "effects/frame_geometry.h"
#include "runtime/do_events.h"
#include "runtime/handles.h"

namespace oravin {
namespace {

ScopedFrameObserver::Observer& CurrentObserver() {
  static ScopedFrameObserver::Observer observer;
  return observer;
}

UniqueRegion RectRegion(const FrameRect& r) { return UniqueRegion(CreateRectRgn(r.left, r.top, r.right, r.bottom)); }

UniqueRegion FrameRegion(const Frame& frame, int32_t width, int32_t height) {
  UniqueRegion region;
  if (frame.rects.size() == 1) {
    region = RectRegion(frame.rects.front());
  } else {
    region.reset(CreateRectRgn(0, 0, 0, 0));
    for (const FrameRect& stripe : frame.rects) {
      CombineRgn(region.get(), region.get(), RectRegion(stripe).get(), RGN_OR);
    }
  }
  if (frame.complement) {
    CombineRgn(region.get(), region.get(), RectRegion({0, 0, width, height}).get(), RGN_XOR);
  }
  return region;
}

}  // namespace

bool AnimateWindowEffect(HWND window, int32_t mode, int32_t effect, int32_t delay, int32_t steps) {
  steps = EffectiveSteps(steps, AnimateOptionValue());
  RECT bounds{};
  GetWindowRect(window, &bounds);
  const auto width = Extent(bounds.left, bounds.right), height = Extent(bounds.top, bounds.bottom);
  if (!width || !height) return false;
  if (!IsEffect(effect)) return true;
  const auto plan = FramePlan::Make(effect, mode, *width, *height, steps);
  if (!plan) return false;
  // Sleep takes an unsigned count: a negative delay would freeze the program for weeks.
  const DWORD pause = DWORD(std::max(delay, 0));
  for (int64_t i = 0; i < plan->FrameCount(); ++i) {
    const auto frame = plan->At(i);
    if (!frame) return false;
    UniqueRegion region = FrameRegion(*frame, *width, *height);
    // The window owns the region now; deleting it would corrupt the next frame.
    if (SetWindowRgn(window, region.get(), TRUE)) region.release();
    DoEvents();
    if (CurrentObserver()) CurrentObserver()(window, i);
    Sleep(pause);
  }
  return true;
}

ScopedFrameObserver::ScopedFrameObserver(Observer observer)
    : previous_(std::exchange(CurrentObserver(), std::move(observer))) {}

ScopedFrameObserver::~ScopedFrameObserver() { CurrentObserver() = std::move(previous_); }

}  // namespace oravin
