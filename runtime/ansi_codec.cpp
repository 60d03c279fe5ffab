#include "runtime/ansi_codec.h"

namespace oravin {

const AnsiCodec& PlatformCodec();

const AnsiCodec& SystemCodec() { return ScopedSystemCodec::Current(PlatformCodec); }

bool FitsCodePage(std::wstring_view text) {
  bool lossy = false;
  SystemCodec().Encode(text, &lossy);
  return !lossy;
}

}  // namespace oravin
