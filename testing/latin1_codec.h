#pragma once
// A single-byte stand-in for the system code page in native tests.
#include "runtime/ansi_codec.h"

namespace oravin::testing {

class Latin1Codec : public AnsiCodec {
 public:
  std::string Encode(std::wstring_view text, bool* lossy = nullptr) const override {
    std::string bytes;
    if (lossy) *lossy = false;
    for (wchar_t c : text) {
      if (static_cast<unsigned long>(c) < 256) {
        bytes += static_cast<char>(c);
      } else {
        bytes += '?';
        if (lossy) *lossy = true;
      }
    }
    return bytes;
  }
  std::wstring Decode(std::string_view bytes) const override {
    std::wstring text(bytes.size(), L'\0');
    for (size_t i = 0; i < bytes.size(); ++i) text[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]));
    return text;
  }
};

}  // namespace oravin::testing
