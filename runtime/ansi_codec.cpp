#include "runtime/ansi_codec.h"

namespace oravin {

bool AnsiCodec::Holds(std::wstring_view text) const {
  bool lossy = false;
  Encode(text, &lossy);
  return !lossy;
}

}  // namespace oravin
