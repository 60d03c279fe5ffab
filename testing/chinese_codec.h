#pragma once
// The Chinese code page (936) for tests of its double-byte text: on Windows
// the system's own, which the test rig sets; elsewhere iconv's.
#include "runtime/ansi_codec.h"

#ifndef _WIN32
#include <iconv.h>

#include <cerrno>
#include <stdexcept>
#endif

namespace oravin::testing {

#ifdef _WIN32

class WithChineseCodePage {};

#else

// Bytes the code page has no character for read as U+FFFD, and characters
// it cannot hold are written as '?', as Windows does.
class IconvChineseCodec : public AnsiCodec {
 public:
  IconvChineseCodec() : encoder_(Open("CP936", "WCHAR_T")), decoder_(Open("WCHAR_T", "CP936")) {}
  ~IconvChineseCodec() override {
    iconv_close(encoder_);
    iconv_close(decoder_);
  }
  IconvChineseCodec(const IconvChineseCodec&) = delete;
  IconvChineseCodec& operator=(const IconvChineseCodec&) = delete;

  std::string Encode(std::wstring_view text, bool* lossy = nullptr) const override {
    std::string bytes;
    bool lost = false;
    for (const wchar_t c : text) {
      char out[8];
      if (!Convert(encoder_, reinterpret_cast<const char*>(&c), sizeof c, out, bytes, sizeof out)) {
        bytes += '?';
        lost = true;
      }
    }
    if (lossy) *lossy = lost;
    return bytes;
  }

  std::wstring Decode(std::string_view bytes) const override {
    std::wstring text;
    for (size_t i = 0; i < bytes.size();) {
      // A character is one byte, or two when the first is a lead byte.
      const size_t length = static_cast<unsigned char>(bytes[i]) > 0x80 && i + 1 < bytes.size() ? 2 : 1;
      wchar_t out[2];
      std::string wide;
      if (Convert(decoder_, bytes.data() + i, length, reinterpret_cast<char*>(out), wide, sizeof out)) {
        text.append(reinterpret_cast<const wchar_t*>(wide.data()), wide.size() / sizeof(wchar_t));
        i += length;
      } else {
        text += L'\uFFFD';
        ++i;
      }
    }
    return text;
  }

 private:
  static iconv_t Open(const char* to, const char* from) {
    const iconv_t codec = iconv_open(to, from);
    if (codec == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv has no code page 936");
    return codec;
  }

  // Converts one whole character, appending it to `into`.
  static bool Convert(iconv_t codec, const char* in, size_t length, char* out, std::string& into, size_t room) {
    char* from = const_cast<char*>(in);
    char* to = out;
    size_t left = room;
    iconv(codec, nullptr, nullptr, nullptr, nullptr);
    if (iconv(codec, &from, &length, &to, &left) == static_cast<size_t>(-1) || length != 0) return false;
    into.append(out, size_t(to - out));
    return true;
  }

  iconv_t encoder_, decoder_;
};

// Installs the code page for one test.
class WithChineseCodePage {
 public:
  WithChineseCodePage() : guard_(codec_) {}

 private:
  IconvChineseCodec codec_;
  ScopedSystemCodec guard_;
};

#endif

}  // namespace oravin::testing
