#pragma once
// Opens or closes a window (top-level or child) by changing its window region
// frame by frame; nothing is drawn and nothing moves. The frames step on a
// timer of the animated window, so the window's own message loop stays the
// only one; while they play, the user's input to that window's top-level
// window is ignored.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>

#include "effects/frame_geometry.h"

namespace oravin {

constexpr int32_t kAnimateClose = 0;
constexpr int32_t kAnimateOpen = 1;

struct AnimationRequest {
  HWND window = nullptr;
  int32_t mode = kAnimateOpen;  // kAnimateOpen or kAnimateClose
  int32_t effect = 0;           // 0 to 13 (AnimationEffect); any other number leaves the window alone
  int32_t delay = 1;            // milliseconds from one frame to the next (at least the system's timer tick)
  int32_t steps = 33;           // a full animation has steps + 1 frames
  bool animated = true;         // the animate option: without it, one step
};

// One animation at a time, of any window the owner chooses.
class WindowAnimation {
 public:
  WindowAnimation() = default;
  ~WindowAnimation();
  WindowAnimation(const WindowAnimation&) = delete;
  WindowAnimation& operator=(const WindowAnimation&) = delete;

  // Shows the first frame at once and the next one at every tick of the
  // window's timer; `then` runs once the last frame shows, or at once when
  // there is nothing to play. An animation still playing is finished first.
  // False when the arithmetic fails (zero steps, 32-bit overflow): the region
  // stays as it was, and `then` still runs.
  bool Play(const AnimationRequest& request, std::function<void()> then = {});
  bool Playing() const { return plan_.has_value(); }
  // Shows the last frame now and runs what was to follow it.
  void Finish();

  // Sees every frame once its region is on the window and painted; frames
  // count from 0. For tests and tools.
  std::function<void(HWND window, int64_t frame)> frameShown;

 private:
  static void CALLBACK OnTick(HWND window, UINT message, UINT_PTR timer, DWORD time);
  // Frame next_; false when the run ended (the last frame, a failure, or the window went).
  bool ShowNextFrame();
  void End();

  HWND window_ = nullptr;
  // The top-level window whose input waits meanwhile.
  HWND root_ = nullptr;
  std::optional<FramePlan> plan_;
  int64_t next_ = 0;
  int32_t width_ = 0, height_ = 0;
  std::function<void()> then_;
};

}  // namespace oravin
