#include "actions/tray_shell.h"

namespace oravin {
namespace {

class ShellNotificationArea : public NotificationArea {
 public:
  bool Notify(DWORD message, const NOTIFYICONDATAW& data) override {
    // The shell only reads the record, whatever the signature says.
    return Shell_NotifyIconW(message, const_cast<NOTIFYICONDATAW*>(&data)) != FALSE;
  }
};

}  // namespace

NotificationArea& SystemNotificationArea() {
  static ShellNotificationArea area;
  return area;
}

}  // namespace oravin
