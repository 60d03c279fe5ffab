#include "runtime/durable_file.h"

namespace oravin {
namespace {

constexpr wchar_t kTemporarySuffix[] = L".saving";

}  // namespace

std::filesystem::path TemporaryOf(const std::filesystem::path& target) {
  std::filesystem::path temp = target;
  temp += kTemporarySuffix;
  return temp;
}

void RemoveLeftoverTemporaries(const std::filesystem::path& folder) {
  std::error_code error;
  for (std::filesystem::directory_iterator item(folder, error), end; !error && item != end; item.increment(error)) {
    std::error_code ignored;
    // Only files: a folder of that name is none of ours.
    if (item->path().extension() == kTemporarySuffix && item->is_regular_file(ignored))
      std::filesystem::remove(item->path(), ignored);
  }
}

}  // namespace oravin
