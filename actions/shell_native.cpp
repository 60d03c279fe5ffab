#include <cstdio>
#include <cstdlib>

#include "actions/shell.h"

namespace oravin {

// Off Windows only tests run, and they must install a shell of their own.
Shell& PlatformShell() {
  std::fputs("no shell installed: native tests must install one\n", stderr);
  std::abort();
}

}  // namespace oravin
