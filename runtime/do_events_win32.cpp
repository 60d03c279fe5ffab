#include <windows.h>

#include "runtime/do_events.h"
#include "runtime/message_loop.h"

namespace oravin {

void DoEvents() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(int(msg.wParam));
      return;
    }
    DispatchQueuedMessage(msg);
  }
}

}  // namespace oravin
