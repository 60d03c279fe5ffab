#pragma once
// How lists order their items: the user's locale, ignoring letter case.
#include <functional>
#include <string_view>

namespace oravin {

// -1 when a sorts before b, 0 when they are equal, 1 when after. Throws
// std::runtime_error when the system cannot compare the two.
using TextComparison = std::function<int(std::wstring_view a, std::wstring_view b)>;

// On Windows the user's locale, case-insensitively. Off Windows, where only
// tests run, a stand-in that folds ASCII letters only.
int CompareUserLocale(std::wstring_view a, std::wstring_view b);

}  // namespace oravin
