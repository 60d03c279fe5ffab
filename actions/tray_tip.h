#pragma once
// The tip field of the notification-area record, in the system's ANSI code page.
#include <array>
#include <cstddef>
#include <string_view>

namespace oravin {

constexpr size_t kTrayTipField = 64;

// The tip left-aligned and filled up with blanks. A longer tip is cut at the
// last whole character that fits: never through a double-byte character. The
// last byte is always the terminating zero, because the shell reads the tip up
// to its terminator and the record ends right after the field.
std::array<char, kTrayTipField> TrayTipField(std::wstring_view tip);

}  // namespace oravin
