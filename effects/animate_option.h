#pragma once
// Whether windows animate is the main window's "动画窗口" check box. Animations
// read its value through here at every call, so they need not know the window.
#include <cstdint>
#include <functional>

namespace oravin {

// The check box's value: 0 not ticked, 1 ticked. Ticked until something is wired.
int32_t AnimateOptionValue();

// Wires the source of the value (the check box); an empty function unwires it.
void WireAnimateOption(std::function<int32_t()> chkAnimateValue);

}  // namespace oravin
