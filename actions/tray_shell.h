#pragma once
// The notification area, as the program's icon reaches it. The program hands
// the real one to the window that owns the icon; tests hand in their own to
// see the records without touching the real notification area.
#include <windows.h>
#include <shellapi.h>

namespace oravin {

class NotificationArea {
 public:
  virtual ~NotificationArea() = default;
  // Shell_NotifyIconW: true when the shell took the record.
  virtual bool Notify(DWORD message, const NOTIFYICONDATAW& data) = 0;
};

// The system's own.
NotificationArea& SystemNotificationArea();

}  // namespace oravin
