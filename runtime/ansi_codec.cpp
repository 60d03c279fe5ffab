#include "runtime/ansi_codec.h"

namespace oravin {

const AnsiCodec& PlatformCodec();

namespace {

const AnsiCodec*& Installed() {
  static const AnsiCodec* codec = nullptr;
  return codec;
}

}  // namespace

const AnsiCodec& SystemCodec() {
  const AnsiCodec* codec = Installed();
  return codec ? *codec : PlatformCodec();
}

ScopedSystemCodec::ScopedSystemCodec(const AnsiCodec& codec) : previous_(Installed()) { Installed() = &codec; }

ScopedSystemCodec::~ScopedSystemCodec() { Installed() = previous_; }

bool FitsCodePage(std::wstring_view text) {
  bool lossy = false;
  SystemCodec().Encode(text, &lossy);
  return !lossy;
}

}  // namespace oravin
