#pragma once
// The quick-open key as the system's hotkey control gives it and the settings
// file keeps it: the key's virtual-key code in the low byte, the modifiers in
// the high byte.
#include <cstdint>
#include <string>

namespace oravin {

using Hotkey = uint16_t;

inline constexpr Hotkey kHotkeyShift = 0x0100;
inline constexpr Hotkey kHotkeyControl = 0x0200;
inline constexpr Hotkey kHotkeyAlt = 0x0400;
inline constexpr Hotkey kHotkeyExtended = 0x0800;  // the key's right-hand or keypad twin; not part of the key
inline constexpr Hotkey kNoHotkey = 0;
inline constexpr Hotkey kDefaultQuickOpenKey = kHotkeyControl | kHotkeyAlt | 0x20;  // Ctrl+Alt+Space

inline uint8_t KeyCodeOf(Hotkey key) { return uint8_t(key & 0xFF); }

// A key that may be taken from every other program: Ctrl or Alt held, with a
// key that has a name. A bare letter, Tab, a modifier alone or an unknown
// code is not; neither is "no key".
bool IsSoundHotkey(Hotkey key);

// "Ctrl+Alt+Space", as the hotkey control shows it.
std::wstring HotkeyText(Hotkey key);

}  // namespace oravin
