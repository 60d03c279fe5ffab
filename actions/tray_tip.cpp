#include "actions/tray_tip.h"

#include <string>

#include "runtime/ansi_codec.h"

namespace oravin {
namespace {

constexpr size_t kTipBytes = kTrayTipField - 1;  // the rest is the terminator
constexpr char kFill = ' ';

bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }

}  // namespace

std::array<char, kTrayTipField> TrayTipField(std::wstring_view tip) {
  std::array<char, kTrayTipField> field;
  field.fill(kFill);
  field[kTipBytes] = '\0';
  size_t used = 0;
  // Character by character, so a cut falls between characters; the loop ends
  // at the field, however long the tip.
  for (size_t i = 0; i < tip.size();) {
    const size_t units = IsHighSurrogate(tip[i]) && i + 1 < tip.size() ? 2 : 1;
    const std::string bytes = SystemCodec().Encode(tip.substr(i, units));
    if (used + bytes.size() > kTipBytes) break;
    bytes.copy(field.data() + used, bytes.size());
    used += bytes.size();
    i += units;
  }
  return field;
}

}  // namespace oravin
