#include "runtime/timer.h"

namespace oravin {

void Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Apply();
}

void Timer::SetInterval(UINT ms) {
  interval_ = ms;
  Apply();
}

void Timer::Apply() {
  if (enabled_ && interval_ > 0) {
    // The object's address is the timer's id, so the tick finds its object
    // without a lookup; setting it again restarts the count.
    running_ = SetTimer(owner_, reinterpret_cast<UINT_PTR>(this), interval_, &Timer::Tick) != 0;
  } else {
    Stop();
  }
}

void Timer::Stop() {
  // KillTimer also drops a tick already waiting in the queue.
  if (running_) KillTimer(owner_, reinterpret_cast<UINT_PTR>(this));
  running_ = false;
}

void CALLBACK Timer::Tick(HWND, UINT, UINT_PTR id, DWORD) {
  auto* self = reinterpret_cast<Timer*>(id);
  if (self->onTick_) self->onTick_();
}

}  // namespace oravin
