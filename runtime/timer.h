#pragma once
// A timer on a window: while enabled, it calls back on the window's thread
// every Interval milliseconds, from the message loop, so a tick never
// overlaps other work of that thread. An interval of 0 never ticks.
#include <windows.h>

#include <functional>

namespace oravin {

class Timer {
 public:
  Timer(HWND owner, std::function<void()> onTick) : owner_(owner), onTick_(std::move(onTick)) {}
  ~Timer() { Stop(); }
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  UINT Interval() const { return interval_; }
  void SetInterval(UINT ms);

 private:
  static void CALLBACK Tick(HWND hwnd, UINT msg, UINT_PTR id, DWORD time);
  void Apply();
  void Stop();

  HWND owner_;
  std::function<void()> onTick_;
  bool enabled_ = false;
  UINT interval_ = 0;
  bool running_ = false;
};

}  // namespace oravin
