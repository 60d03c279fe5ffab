#pragma once
// A standard Windows tooltip for one window: shown when the pointer rests on
// it. Each holder owns its own tooltip window, made when a text is first set.
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
  // The tooltip window, null while no text is set.
  HWND tooltipWindow() const { return tip_.get(); }

 private:
  void Remove();

  UniqueWindow tip_;
  HWND tool_ = nullptr;
  std::wstring text_;
};

}  // namespace oravin
