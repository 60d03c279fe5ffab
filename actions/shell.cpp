#include "actions/shell.h"

namespace oravin {

Shell& PlatformShell();

namespace {

Shell*& Installed() {
  static Shell* shell = nullptr;
  return shell;
}

}  // namespace

Shell& SystemShell() {
  Shell* shell = Installed();
  return shell ? *shell : PlatformShell();
}

ScopedShell::ScopedShell(Shell& shell) : previous_(Installed()) { Installed() = &shell; }

ScopedShell::~ScopedShell() { Installed() = previous_; }

}  // namespace oravin
