#include "data/settings.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

#include "data/entry.h"
#include "data/list_files.h"
#include "runtime/file_path.h"
#include "runtime/leading_number.h"
#include "runtime/rounding.h"

namespace oravin {
namespace {

constexpr int16_t kMaxCheckValue = 2;  // greyed

std::optional<int16_t> CheckValue(const std::wstring& field) {
  const std::optional<int16_t> value = RoundToInt16(LeadingNumber(field));
  if (!value || *value < 0 || *value > kMaxCheckValue) return std::nullopt;
  return value;
}

// "0" is no key; junk, which also reads as the number 0, is not.
Hotkey QuickOpenKey(const std::wstring& field) {
  const size_t first = field.find_first_not_of(L' '), last = field.find_last_not_of(L' ');
  if (first != std::wstring::npos && field.substr(first, last - first + 1) == L"0") return kNoHotkey;
  const double number = LeadingNumber(field);
  const bool whole = number > 0 && number <= 0xFFFF && number == std::trunc(number);
  return whole && IsSoundHotkey(Hotkey(number)) ? Hotkey(number) : kDefaultQuickOpenKey;
}

// Only what differs from the defaults is written: with the default key and
// the browsers' bookmarks searched, the file stays as the first version wrote
// it, byte for byte.
std::wstring QuickOpenFields(Hotkey key, int16_t browserBookmarks) {
  const std::wstring split(kSplit);
  if (browserBookmarks != 1) return split + std::to_wstring(key) + split + std::to_wstring(browserBookmarks);
  return key == kDefaultQuickOpenKey ? std::wstring() : split + std::to_wstring(key);
}

// The box's number, or the count a search takes for a number beyond every
// number, which the field could not give back.
std::wstring CountField(const std::wstring& countBox) {
  const double number = LeadingNumber(countBox);
  return std::isfinite(number) ? NumberText(number) : std::to_wstring(SearchResultCount(countBox));
}

}  // namespace

int32_t SearchResultCount(std::wstring_view countBox) {
  const double n = LeadingNumber(countBox);
  if (const std::optional<int32_t> count = RoundToInt32(n)) return *count;
  return n < 0 ? std::numeric_limits<int32_t>::min() : std::numeric_limits<int32_t>::max();
}

std::wstring NumberText(double value) {
  if (value == std::trunc(value) && std::fabs(value) < 1e15) return std::to_wstring(static_cast<long long>(value));
  wchar_t text[32];
  std::swprintf(text, 32, L"%.15g", value);
  return text;
}

SettingsFields ParseSettings(std::wstring_view text) {
  SettingsFields fields;
  const std::vector<std::wstring> f = SplitText(text, kSplit);
  // An empty file is no field at all.
  const size_t count = text.empty() ? 0 : f.size();
  if (count < 1 || !(fields.animate = CheckValue(f[0]))) return fields;
  if (count < 2 || !(fields.mode = RoundToInt32(LeadingNumber(f[1])))) return fields;
  if (count < 3 || !(fields.openInNewWindow = CheckValue(f[2]))) return fields;
  if (count < 4 || !(fields.startWithWindows = CheckValue(f[3]))) return fields;
  // A count beyond every number (1e400) is too large for the box like a mode for its integer.
  if (count < 5 || !std::isfinite(LeadingNumber(f[4]))) return fields;
  fields.resultCount = NumberText(LeadingNumber(f[4]));
  if (count < 6 || !(fields.exactPhrase = CheckValue(f[5]))) return fields;
  if (count < 7) return fields;
  fields.quickOpenKey = QuickOpenKey(f[6]);
  if (count >= 8) fields.browserBookmarks = CheckValue(f[7]);
  return fields;
}

std::wstring FormatSettings(const Options& o) {
  const std::wstring split(kSplit);
  return std::to_wstring(o.animate) + split + std::to_wstring(o.mode) + split + std::to_wstring(o.openInNewWindow) +
         split + std::to_wstring(o.startWithWindows) + split + CountField(o.resultCount) + split +
         std::to_wstring(o.exactPhrase) + QuickOpenFields(o.quickOpenKey, o.browserBookmarks);
}

std::wstring SettingsFileIn(const std::wstring& binFolder) { return JoinPath(binFolder, L"Settings.txt"); }

SettingsFields LoadSettings(const AnsiCodec& codePage, const std::wstring& binFolder, Notices& notices) {
  const TextFileRead file = ReadTextFile(codePage, SettingsFileIn(binFolder), notices);
  SettingsFields fields = ParseSettings(file.text);
  fields.encoding = file.encoding;
  return fields;
}

void SaveSettings(const AnsiCodec& codePage, const Options& options, const std::wstring& binFolder, Notices& notices) {
  // Replaced whole, like the lists: never deleted before the new file is there.
  WriteTextFile(codePage, FormatSettings(options), SettingsFileIn(binFolder), options.encoding, notices);
}

}  // namespace oravin
