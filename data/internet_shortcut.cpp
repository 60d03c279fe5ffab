#include "data/internet_shortcut.h"

#include <algorithm>

#include "data/text_encoding.h"
#include "runtime/case_fold.h"

namespace oravin {
namespace {

constexpr std::wstring_view kSection = L"[InternetShortcut]";
constexpr std::wstring_view kUrlKey = L"URL";

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

std::wstring_view Trimmed(std::wstring_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<std::wstring> InternetShortcutAddress(const AnsiCodec& codePage, std::string_view bytes) {
  // Windows writes these in the code page; a few programs in UTF-8 or UTF-16.
  const std::wstring text = DecodeText(codePage, bytes, DetectEncoding(codePage, bytes));
  bool inSection = false;
  for (size_t start = 0; start < text.size();) {
    // A line ends at CR LF, at LF, or at a lone CR, as old Mac programs end it.
    const size_t end = std::min(text.find_first_of(L"\r\n", start), text.size());
    const std::wstring_view line = Trimmed(std::wstring_view(text).substr(start, end - start));
    start = end + 1;
    const size_t equals = line.find(L'=');
    if (line.starts_with(L'[')) {
      inSection = EqualsIgnoringCase(line, kSection);
    } else if (inSection && equals != std::wstring_view::npos &&
               EqualsIgnoringCase(Trimmed(line.substr(0, equals)), kUrlKey)) {
      const std::wstring_view address = Trimmed(line.substr(equals + 1));
      if (address.empty()) return std::nullopt;
      return std::wstring(address);
    }
  }
  return std::nullopt;
}

}  // namespace oravin
