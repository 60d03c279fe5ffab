#pragma once
// What a web entry may open: only a page of the web, never a program or a file.
#include <optional>
#include <string>
#include <string_view>

namespace oravin {

// The address to hand to the browser, or nothing when the text is not a web
// address. Accepted are http://, https:// and ftp:// addresses (letter case
// ignored) and addresses without a scheme whose part before the first "/",
// "?" or "#" is a host name, optionally with a port ("www.example.com",
// "intranet:8080/wiki"); those get "http://" in front. Everything else is
// refused: drive letters, backslash and relative paths, file:, mailto: and
// every other scheme.
//
// Blanks and C0 control characters at either end go, as a browser's address bar
// drops them. Inside, a quote, a blank or a control character becomes %XX: in
// a command line they would end the address and start another argument, a
// switch perhaps. "%" itself is never encoded, so an address that is already
// percent-encoded passes unchanged.
std::optional<std::wstring> WebAddressToOpen(std::wstring_view text);

// The host part of a web address ("www.example.com" of "http://a@www.example.com:81/x").
std::wstring HostOf(std::wstring_view address);

// The same for two addresses that lead to the same place: they differ only in
// letter case and a trailing separator ("/" or "\").
std::wstring SamePlaceKey(std::wstring address);

}  // namespace oravin
