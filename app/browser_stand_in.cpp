#include "app/browser_stand_in.h"

namespace oravin {

bool BrowserStandIn::Create(HWND parent, const LayoutRect& at) {
  if (!Window::Create({.className = L"Oravin.WebBrowser", .style = WS_CHILD | WS_CLIPSIBLINGS, .parent = parent})) {
    return false;
  }
  Move(at.left, at.top, at.width, at.height);
  return true;
}

}  // namespace oravin
