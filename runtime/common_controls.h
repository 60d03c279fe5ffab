#pragma once
// Registers the common controls' window classes (tooltips, the hotkey box) once.
namespace oravin {

void EnsureCommonControls();

}  // namespace oravin
