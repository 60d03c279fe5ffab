#include "effects/window_animation.h"

#include <algorithm>
#include <utility>

#include "runtime/handles.h"
#include "runtime/message_loop.h"

namespace oravin {
namespace {

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

// The animation is its timer's identifier: a window's timers need only
// identifiers of their own, and an address is unique while it plays.
UINT_PTR TimerOf(const WindowAnimation* animation) { return reinterpret_cast<UINT_PTR>(animation); }

}  // namespace

WindowAnimation::~WindowAnimation() {
  if (!Playing()) return;
  KillTimer(window_, TimerOf(this));
  HoldInput(root_, false);
}

bool WindowAnimation::Play(const AnimationRequest& request, std::function<void()> then) {
  Finish();
  RECT bounds{};
  GetWindowRect(request.window, &bounds);
  const auto width = Extent(bounds.left, bounds.right), height = Extent(bounds.top, bounds.bottom);
  std::optional<FramePlan> plan;
  if (width && height && IsEffect(request.effect)) {
    plan = FramePlan::Make(request.effect, request.mode, *width, *height,
                           EffectiveSteps(request.steps, request.animated));
  }
  if (!plan) {
    if (then) then();
    return width && height && !IsEffect(request.effect);
  }
  window_ = request.window;
  root_ = GetAncestor(window_, GA_ROOT);
  plan_ = std::move(plan);
  next_ = 0;
  width_ = *width;
  height_ = *height;
  then_ = std::move(then);
  HoldInput(root_, true);
  if (!ShowNextFrame()) {
    End();
    return true;
  }
  // Without the animate option the two frames follow at once: there is no pace
  // to keep, and a page switch should cost no timer tick.
  if (!request.animated) {
    Finish();
    return true;
  }
  // A negative delay would be a pause of weeks as the unsigned count the timer takes.
  SetTimer(window_, TimerOf(this), UINT(std::max(request.delay, 0)), &WindowAnimation::OnTick);
  return true;
}

void WindowAnimation::Finish() {
  if (!Playing()) return;
  next_ = std::max(next_, plan_->FrameCount() - 1);
  ShowNextFrame();
  End();
}

void CALLBACK WindowAnimation::OnTick(HWND, UINT, UINT_PTR timer, DWORD) {
  auto* animation = reinterpret_cast<WindowAnimation*>(timer);
  if (!animation->ShowNextFrame()) animation->End();
}

bool WindowAnimation::ShowNextFrame() {
  if (!IsWindow(window_) || next_ >= plan_->FrameCount()) return false;
  const auto frame = plan_->At(next_);
  if (!frame) return false;
  UniqueRegion region = FrameRegion(*frame, width_, height_);
  // The window owns the region now; deleting it would corrupt the next frame.
  if (SetWindowRgn(window_, region.get(), TRUE)) region.release();
  // Painted now, not when the queue is next empty, so each frame is seen whole.
  RedrawWindow(window_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  if (frameShown) frameShown(window_, next_);
  return ++next_ < plan_->FrameCount() && IsWindow(window_);
}

void WindowAnimation::End() {
  const bool windowLives = IsWindow(window_);
  KillTimer(window_, TimerOf(this));
  HoldInput(root_, false);
  plan_.reset();
  // What follows may start the next animation.
  const std::function<void()> then = std::exchange(then_, {});
  if (windowLives && then) then();
}

}  // namespace oravin
