#include <windows.h>

#include "app/file_dialogs.h"
#include "app/main_window.h"
#include "app/single_instance.h"
#include "runtime/app_win32.h"
#include "runtime/message_loop.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const oravin::ProgramLocation program = oravin::ThisProgram();
  oravin::SingleInstance instance;
  if (!instance.Claim(program.folder)) {
    oravin::ActivateRunningCopy(program.folder);
    return 0;
  }
  oravin::MainWindow main({program, oravin::SystemShell(), oravin::SystemRegistry(), oravin::SystemNotificationArea(),
                           oravin::SystemFolderPicker(), oravin::SystemMessageBoxes()});
  if (!main.Load()) return 1;
  return oravin::RunMessageLoop();
}
