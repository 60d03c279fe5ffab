#pragma once
// A standard Windows tooltip for one window: shown when the pointer rests on
// it. Each holder owns its own tooltip window, made when the pointer first
// comes over the window: a form's many tooltips, most never shown, would
// otherwise cost a window each at start-up.
#include <windows.h>

#include <string>

#include "runtime/handles.h"

namespace oravin {

class ToolTip {
 public:
  ToolTip() = default;
  ~ToolTip() { Remove(); }
  ToolTip(const ToolTip&) = delete;
  ToolTip& operator=(const ToolTip&) = delete;

  // Shows text over window from now on; an empty text shows no tooltip.
  void Set(HWND window, const std::wstring& text);
  // The tooltip window, null until the pointer has come over the window with a text set.
  HWND tooltipWindow() const { return tip_.get(); }

 private:
  static LRESULT CALLBACK WatchForPointer(HWND window, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR self);
  void Make(const MSG& firstMove);
  void StopWatching();
  void Remove();

  UniqueWindow tip_;
  bool watching_ = false;
  HWND tool_ = nullptr;
  std::wstring text_;
};

}  // namespace oravin
