#include "data/conflict_copy.h"

#include <algorithm>
#include <cwctype>

namespace oravin {
namespace {

wchar_t Folded(wchar_t c) { return wchar_t(std::towlower(std::wint_t(c))); }

bool StartsWith(std::wstring_view text, std::wstring_view start) {
  return text.size() >= start.size() &&
         std::equal(start.begin(), start.end(), text.begin(), [](wchar_t a, wchar_t b) { return Folded(a) == Folded(b); });
}

bool EndsWith(std::wstring_view text, std::wstring_view end) {
  return text.size() >= end.size() && StartsWith(text.substr(text.size() - end.size()), end);
}

// Shapes of what stands between the name's stem and its extension.
bool Digits(std::wstring_view text, size_t count) {
  return text.size() == count && std::all_of(text.begin(), text.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

// "-PC2": the name of the other PC, which holds no separator of a path.
bool IsOneDriveMark(std::wstring_view mark) {
  return mark.size() > 1 && mark[0] == L'-' && mark.find_first_of(L"\\/.") == std::wstring_view::npos;
}

// " (PC2's conflicted copy 2026-12-01)", and the same without a PC's name.
bool IsDropboxMark(std::wstring_view mark) {
  return StartsWith(mark, L" (") && mark.back() == L')' && mark.find(L"conflicted copy") != std::wstring_view::npos;
}

// ".sync-conflict-20261201-101010-ABCDEFG": a date, a time and the device's short ID.
bool IsSyncthingMark(std::wstring_view mark) {
  constexpr std::wstring_view kStart = L".sync-conflict-";
  if (!StartsWith(mark, kStart)) return false;
  mark.remove_prefix(kStart.size());
  if (mark.size() != 8 + 1 + 6 + 1 + 7 || mark[8] != L'-' || mark[15] != L'-') return false;
  const std::wstring_view device = mark.substr(16);
  return Digits(mark.substr(0, 8), 8) && Digits(mark.substr(9, 6), 6) &&
         std::all_of(device.begin(), device.end(), [](wchar_t c) { return std::iswalnum(std::wint_t(c)) != 0; });
}

}  // namespace

bool IsConflictCopyOf(std::wstring_view copy, std::wstring_view file) {
  const size_t dot = file.rfind(L'.');
  const std::wstring_view stem = file.substr(0, dot), extension = dot == file.npos ? L"" : file.substr(dot);
  if (copy.size() <= file.size() || !StartsWith(copy, stem) || !EndsWith(copy, extension)) return false;
  const std::wstring_view mark = copy.substr(stem.size(), copy.size() - stem.size() - extension.size());
  return IsOneDriveMark(mark) || IsDropboxMark(mark) || IsSyncthingMark(mark);
}

}  // namespace oravin
