#pragma once

namespace oravin {

// Lets the program handle what is waiting in its message queue (repaints,
// input, timers) and returns when the queue is empty. A WM_QUIT met here is
// put back so the main loop still ends.
void DoEvents();

}  // namespace oravin
