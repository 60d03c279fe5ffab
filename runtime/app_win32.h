#pragma once

namespace oravin {

// Fills App() from the running module's path.
void InitApplication();

}  // namespace oravin
