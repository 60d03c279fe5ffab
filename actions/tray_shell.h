#pragma once
// Every notification-area call goes through here, so tests can see the records
// the program hands to the shell without touching the real notification area.
#include "actions/mdlTray.h"
#include "runtime/seam.h"

namespace oravin {

class TrayShell {
 public:
  virtual ~TrayShell() = default;
  // Shell_NotifyIconA: true when the shell accepted the record.
  virtual bool NotifyIcon(DWORD message, const TrayIconData& data) = 0;
};

// The shell in force: the real one unless a test replaced it.
TrayShell& CurrentTrayShell();
// The real Shell_NotifyIconA.
TrayShell& SystemTrayShell();

using ScopedTrayShell = ScopedSeam<TrayShell>;

}  // namespace oravin
