#pragma once
// The system's hotkey control: the user presses a key combination and the box
// shows it; Backspace clears it. Only combinations with Ctrl or Alt are taken:
// a bare key becomes that key with Ctrl+Alt, as the control's rules allow.
#include <cstdint>
#include <functional>

#include "runtime/child_control.h"

namespace oravin {

class HotkeyBox : public ChildControl {
 public:
  bool Create(HWND parent, const LayoutRect& at);

  // The key code in the low byte, the HOTKEYF_ modifiers in the high byte; 0: none.
  uint16_t Value() const;
  void SetValue(uint16_t value);

  // The user changed the combination (not raised by SetValue).
  std::function<void()> Changed;

  bool OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

}  // namespace oravin
