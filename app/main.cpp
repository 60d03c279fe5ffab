#include <windows.h>

#include "app/main_window.h"
#include "app/single_instance.h"
#include "runtime/app.h"
#include "runtime/app_win32.h"
#include "runtime/message_loop.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  oravin::InitApplication();
  oravin::SingleInstance instance;
  if (!instance.Claim(oravin::App().Path)) {
    oravin::ActivateRunningCopy(oravin::App().Path);
    return 0;
  }
  oravin::MainWindow main({oravin::SystemShell(), oravin::SystemRegistry(), oravin::SystemNotificationArea()});
  if (!main.Load()) return 1;
  return oravin::RunMessageLoop();
}
