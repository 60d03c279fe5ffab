#pragma once
#include "runtime/app.h"

namespace oravin {

// The running program's, from its module's path.
ProgramLocation ThisProgram();

}  // namespace oravin
