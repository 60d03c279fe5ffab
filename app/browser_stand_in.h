#pragma once
// Stands in for the embedded web browser that lies hidden beneath the pages:
// it keeps the address it was told to show and shows nothing. A program that
// called a web page at every start without being asked would tell the outside
// world each time it runs, so this one contacts no network at all.
#include <string>

#include "runtime/child_control.h"
#include "runtime/window.h"

namespace oravin {

class BrowserStandIn : public Window, public Control {
 public:
  bool Create(HWND parent, const LayoutRect& at);
  HWND hwnd() const override { return Window::hwnd(); }

  void Navigate(const std::wstring& address) { locationURL_ = address; }
  const std::wstring& LocationURL() const { return locationURL_; }

 private:
  std::wstring locationURL_;
};

}  // namespace oravin
