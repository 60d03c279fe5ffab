#include "runtime/ansi_codec.h"

namespace oravin {

std::optional<std::wstring> DecodeCodePage(uint32_t, std::string_view) { return std::nullopt; }

}  // namespace oravin
