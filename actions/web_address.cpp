#include "actions/web_address.h"

#include <algorithm>
#include <array>
#include <utility>

#include "runtime/case_fold.h"

namespace oravin {
namespace {

constexpr std::array<std::wstring_view, 3> kWebSchemes = {L"http", L"https", L"ftp"};

bool IsAsciiLetter(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
// What a browser's address bar drops at either end: blanks and C0 controls.
bool IsBlankOrC0(wchar_t c) { return c <= L' '; }
bool IsUnsafeInACommandLine(wchar_t c) { return IsBlankOrC0(c) || c == 0x7F || c == L'"'; }

// A host name label: letters, digits and inner hyphens; letters beyond ASCII
// count, so an internationalised name passes as typed.
bool IsLabel(std::wstring_view label) {
  return !label.empty() && label.front() != L'-' && label.back() != L'-' &&
         std::all_of(label.begin(), label.end(),
                     [](wchar_t c) { return IsAsciiLetter(c) || IsDigit(c) || c == L'-' || c >= 0x80; });
}

// "host", "host.example.com" or either with ":port".
bool IsHostAndPort(std::wstring_view authority) {
  const size_t colon = authority.find(L':');
  if (colon != std::wstring_view::npos) {
    const std::wstring_view port = authority.substr(colon + 1);
    if (port.empty() || port.size() > 5 || !std::all_of(port.begin(), port.end(), IsDigit)) return false;
    authority = authority.substr(0, colon);
  }
  for (;;) {
    const size_t dot = authority.find(L'.');
    if (!IsLabel(authority.substr(0, dot))) return false;
    if (dot == std::wstring_view::npos) return true;
    authority.remove_prefix(dot + 1);
  }
}

// "scheme://" with one of the web's schemes.
bool HasWebScheme(std::wstring_view address) {
  const size_t end = address.find(L"://");
  return end != std::wstring_view::npos &&
         std::any_of(kWebSchemes.begin(), kWebSchemes.end(),
                     [&](std::wstring_view scheme) { return EqualsIgnoringCase(address.substr(0, end), scheme); });
}

std::wstring EncodeBlanksQuotesAndControls(std::wstring_view address) {
  static constexpr wchar_t kHex[] = L"0123456789ABCDEF";
  std::wstring encoded;
  encoded.reserve(address.size());
  for (wchar_t c : address) {
    if (IsUnsafeInACommandLine(c)) {
      encoded += L'%';
      encoded += kHex[c >> 4];
      encoded += kHex[c & 0xF];
    } else {
      encoded += c;
    }
  }
  return encoded;
}

}  // namespace

std::optional<std::wstring> WebAddressToOpen(std::wstring_view text) {
  const auto first = std::find_if_not(text.begin(), text.end(), IsBlankOrC0);
  const auto last = std::find_if_not(text.rbegin(), std::make_reverse_iterator(first), IsBlankOrC0).base();
  const std::wstring_view address(first, last);
  if (HasWebScheme(address)) return EncodeBlanksQuotesAndControls(address);
  if (IsHostAndPort(address.substr(0, address.find_first_of(L"/?#")))) {
    return L"http://" + EncodeBlanksQuotesAndControls(address);
  }
  return std::nullopt;
}

std::wstring HostOf(std::wstring_view address) {
  const size_t scheme = address.find(L"://");
  std::wstring_view host = scheme == std::wstring_view::npos ? address : address.substr(scheme + 3);
  host = host.substr(0, host.find_first_of(L"/?#"));
  if (const size_t at = host.rfind(L'@'); at != std::wstring_view::npos) host.remove_prefix(at + 1);
  // An IPv6 address in brackets has colons of its own before the port's.
  const size_t close = host.starts_with(L'[') ? host.find(L']') : std::wstring_view::npos;
  host = close != std::wstring_view::npos ? host.substr(0, close + 1) : host.substr(0, host.find(L':'));
  return std::wstring(host);
}

std::wstring SamePlaceKey(std::wstring address) {
  address = FoldCase(std::move(address));
  if (!address.empty() && (address.back() == L'/' || address.back() == L'\\')) address.pop_back();
  return address;
}

}  // namespace oravin
