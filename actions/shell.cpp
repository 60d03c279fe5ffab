#include "actions/shell.h"

namespace oravin {

Shell& PlatformShell();

Shell& SystemShell() { return ScopedShell::Current(PlatformShell); }

}  // namespace oravin
