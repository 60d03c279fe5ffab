#pragma once
// Favorites dragged onto the main window from browsers and Explorer: an OLE
// drop target on the window, which reads the formats it knows from the drag.
#include <windows.h>
#include <ole2.h>

#include <functional>

#include "app/dropped_items.h"

namespace oravin {

struct DropHandlers {
  // Whether the items fit the page in front; asked as the pointer enters the window.
  std::function<bool(const DroppedItems&)> accepts;
  // The items were dropped. The source waits until this returns, so it must
  // not show anything that waits for the user.
  std::function<void(DroppedItems)> take;
};

// What a drag holds of CF_HDROP (files and folders), UniformResourceLocatorW
// and text/x-moz-url (links), FileGroupDescriptorW (the name a browser gives a
// link's shortcut, its title) and CF_UNICODETEXT.
DroppedItems ReadDroppedItems(IDataObject* data);

// OLE on the calling thread and the window's drop target, for the object's
// life: it must go before the window does.
class DropTargetRegistration {
 public:
  DropTargetRegistration(HWND window, DropHandlers handlers);
  ~DropTargetRegistration();
  DropTargetRegistration(const DropTargetRegistration&) = delete;
  DropTargetRegistration& operator=(const DropTargetRegistration&) = delete;

  bool Registered() const { return registered_; }

 private:
  HWND window_;
  bool oleReady_ = false;
  bool registered_ = false;
};

}  // namespace oravin
