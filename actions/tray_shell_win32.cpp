#include "actions/tray_shell.h"

namespace oravin {
namespace {

class SystemNotificationArea : public TrayShell {
 public:
  bool NotifyIcon(DWORD message, const TrayIconData& data) override {
    // The record is the first form of NOTIFYICONDATAA; its cbSize tells the
    // shell to read no further than the tip field.
    auto* record = reinterpret_cast<NOTIFYICONDATAA*>(const_cast<TrayIconData*>(&data));
    return Shell_NotifyIconA(message, record) != FALSE;
  }
};

}  // namespace

TrayShell& SystemTrayShell() {
  static SystemNotificationArea shell;
  return shell;
}

TrayShell& CurrentTrayShell() { return ScopedTrayShell::Current(SystemTrayShell); }

}  // namespace oravin
