#pragma once
// Internet Shortcut (.url) files, as Windows and the browsers save a web page
// to the desktop: an INI file whose [InternetShortcut] section has URL=.
#include <optional>
#include <string>
#include <string_view>

#include "runtime/ansi_codec.h"

namespace oravin {

// The address of the shortcut, blanks at either end dropped; nothing when the
// file has no [InternetShortcut] section with a URL= line that gives one.
std::optional<std::wstring> InternetShortcutAddress(const AnsiCodec& codePage, std::string_view bytes);

}  // namespace oravin
