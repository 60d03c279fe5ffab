#include <windows.h>

#include <stdexcept>
#include <string>

#include "runtime/text_compare.h"

namespace oravin {

int CompareUserLocale(std::wstring_view a, std::wstring_view b) {
  const int result = CompareStringEx(LOCALE_NAME_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()),
                                     b.data(), static_cast<int>(b.size()), nullptr, nullptr, 0);
  if (result == 0)
    throw std::runtime_error("The texts could not be compared (system error " + std::to_string(GetLastError()) + ").");
  return result - CSTR_EQUAL;  // CSTR_LESS_THAN, CSTR_EQUAL, CSTR_GREATER_THAN are 1, 2, 3
}

}  // namespace oravin
