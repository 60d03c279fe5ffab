#include <windows.h>

#include "app/frmMain.h"
#include "app/single_instance.h"
#include "runtime/app.h"
#include "runtime/app_win32.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  oravin::InitApplication();
  oravin::SingleInstance instance;
  if (!instance.Claim(oravin::App().Path)) {
    oravin::ActivateRunningCopy(oravin::App().Path);
    return 0;
  }
  oravin::frmMain main;
  if (!main.Load()) return 1;
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return int(msg.wParam);
}
