#pragma once
// The value of the number a text starts with: blanks are skipped, reading stops
// at the first character that cannot continue the number, 0 when there is none.
#include <string_view>

namespace oravin {

double LeadingNumber(std::wstring_view text);

}  // namespace oravin
