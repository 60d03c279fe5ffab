#pragma once
// Opens or closes a window (top-level or child) by changing its window region
// frame by frame; nothing is drawn and nothing moves.
#include <windows.h>

#include <cstdint>
#include <functional>

namespace oravin {

constexpr int32_t kAnimateClose = 0;
constexpr int32_t kAnimateOpen = 1;

// mode: kAnimateOpen or kAnimateClose; effect: 0 to 13 (AnimationEffect), any
// other number leaves the window alone; delay: milliseconds slept after each
// frame; steps: a full animation has steps + 1 frames (one step when the
// animate option is off). Pending events run between frames, so anything,
// including another animation, may happen before the next frame.
// False when the arithmetic fails (zero steps, 32-bit overflow); the region of
// the last frame shown stays on the window.
bool AnimateWindowEffect(HWND window, int32_t mode, int32_t effect, int32_t delay, int32_t steps);

// Sees every frame once its region is on the window and pending events have
// run (so it has been painted); frames count from 0. For tests and tools.
class ScopedFrameObserver {
 public:
  using Observer = std::function<void(HWND window, int64_t frame)>;
  explicit ScopedFrameObserver(Observer observer);
  ~ScopedFrameObserver();
  ScopedFrameObserver(const ScopedFrameObserver&) = delete;
  ScopedFrameObserver& operator=(const ScopedFrameObserver&) = delete;

 private:
  Observer previous_;
};

}  // namespace oravin
