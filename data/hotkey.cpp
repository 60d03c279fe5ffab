#include "data/hotkey.h"

namespace oravin {
namespace {

// The name of a virtual-key code that can make a hotkey; "" for the rest
// (modifiers, mouse buttons, locks, codes Windows leaves unassigned).
std::wstring KeyName(uint8_t code) {
  static const wchar_t* const kNavigation[] = {L"Space", L"PgUp", L"PgDn", L"End",   L"Home", L"Left", L"Up", L"Right",
                                               L"Down",  L"",     L"",     L"",      L"PrtSc", L"Ins", L"Del"};
  static const wchar_t* const kKeypad[] = {L"Num *", L"Num +", L"", L"Num -", L"Num .", L"Num /"};
  static const wchar_t* const kPunctuation[] = {L";", L"=", L",", L"-", L".", L"/", L"`"};
  static const wchar_t* const kBrackets[] = {L"[", L"\\", L"]", L"'"};
  if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z')) return std::wstring(1, wchar_t(code));
  if (code >= 0x20 && code <= 0x2E) return kNavigation[code - 0x20];
  if (code >= 0x60 && code <= 0x69) return L"Num " + std::to_wstring(code - 0x60);
  if (code >= 0x6A && code <= 0x6F) return kKeypad[code - 0x6A];
  if (code >= 0x70 && code <= 0x87) return L"F" + std::to_wstring(code - 0x70 + 1);
  if (code >= 0xBA && code <= 0xC0) return kPunctuation[code - 0xBA];
  if (code >= 0xDB && code <= 0xDE) return kBrackets[code - 0xDB];
  switch (code) {
    case 0x08: return L"Backspace";
    case 0x09: return L"Tab";
    case 0x0D: return L"Enter";
    case 0x13: return L"Pause";
    case 0x1B: return L"Esc";
    default: return {};
  }
}

}  // namespace

bool IsSoundHotkey(Hotkey key) {
  const Hotkey modifiers = key & 0xFF00;
  if (modifiers & ~(kHotkeyShift | kHotkeyControl | kHotkeyAlt | kHotkeyExtended)) return false;
  return (modifiers & (kHotkeyControl | kHotkeyAlt)) && !KeyName(KeyCodeOf(key)).empty();
}

std::wstring HotkeyText(Hotkey key) {
  const std::wstring name = KeyName(KeyCodeOf(key));
  if (name.empty()) return {};
  std::wstring text;
  if (key & kHotkeyControl) text += L"Ctrl+";
  if (key & kHotkeyShift) text += L"Shift+";
  if (key & kHotkeyAlt) text += L"Alt+";
  return text + name;
}

}  // namespace oravin
