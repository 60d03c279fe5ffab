#pragma once
// The settings file: one line of numbers joined by "<Split>", read when the
// main window starts and written when it closes. The six of the first
// version keep their places; the quick-open key came seventh, and whether
// quick open searches the browsers' bookmarks eighth.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "data/hotkey.h"
#include "data/text_encoding.h"
#include "runtime/message_box.h"

namespace oravin {

// The option values as the main window holds them.
struct Options {
  int16_t animate = 1;
  int32_t mode = 0;
  int16_t openInNewWindow = 0;
  int16_t startWithWindows = 1;
  std::wstring resultCount = L"100";
  int16_t exactPhrase = 0;
  Hotkey quickOpenKey = kDefaultQuickOpenKey;
  int16_t browserBookmarks = 1;
  // The file's own, kept from the start (a file saved from Notepad stays as it was saved).
  TextEncoding encoding = TextEncoding::CodePage;
};

// What a settings file gives: the fields up to the first damaged one.
struct SettingsFields {
  std::optional<int16_t> animate;
  std::optional<int32_t> mode;
  std::optional<int16_t> openInNewWindow;
  std::optional<int16_t> startWithWindows;
  std::optional<std::wstring> resultCount;
  std::optional<int16_t> exactPhrase;
  std::optional<Hotkey> quickOpenKey;
  std::optional<int16_t> browserBookmarks;
  TextEncoding encoding = TextEncoding::CodePage;
};

// Reads fields in order and stops silently at the first that is missing, too
// large for its target, or (for a check box) other than 0, 1 or 2. A
// quick-open key that is not a sound one (junk, a bare letter) reads as the
// default, so that no file can take a plain key from every other program;
// 0 is no key at all.
SettingsFields ParseSettings(std::wstring_view text);
std::wstring FormatSettings(const Options& options);

// The number of results the search asks for: the count box's leading number
// rounded, one beyond a count's range taken at its limit.
int32_t SearchResultCount(std::wstring_view countBox);

// A number as decimal text: whole numbers without a point, no leading zeros.
std::wstring NumberText(double value);

std::wstring SettingsFileIn(const std::wstring& binFolder);

// Reads the file (a missing one is reported in the notices, once).
SettingsFields LoadSettings(const AnsiCodec& codePage, const std::wstring& binFolder, Notices& notices);
// Replaces the file with the current options.
void SaveSettings(const AnsiCodec& codePage, const Options& options, const std::wstring& binFolder, Notices& notices);

}  // namespace oravin
