#include <windows.h>

#include "app/frmMain.h"
#include "runtime/app_win32.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  oravin::InitApplication();
  oravin::frmMain main;
  if (!main.Load()) return 1;
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return int(msg.wParam);
}
