#include <cstdio>
#include <cstdlib>

#include "runtime/ansi_codec.h"

namespace oravin {

const AnsiCodec& PlatformCodec() {
  std::fputs("no code page installed: native tests must install a codec\n", stderr);
  std::abort();
}

std::optional<std::wstring> DecodeCodePage(uint32_t, std::string_view) { return std::nullopt; }

}  // namespace oravin
