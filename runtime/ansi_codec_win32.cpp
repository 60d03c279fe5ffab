#include <windows.h>

#include "runtime/ansi_codec.h"

namespace oravin {
namespace {

std::wstring DecodeIn(UINT codePage, std::string_view bytes) {
  if (bytes.empty()) return {};
  const int n = MultiByteToWideChar(codePage, 0, bytes.data(), int(bytes.size()), nullptr, 0);
  std::wstring text(size_t(n), L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), int(bytes.size()), text.data(), n);
  return text;
}

class SystemCodePage : public AnsiCodec {
 public:
  std::string Encode(std::wstring_view text, bool* lossy) const override {
    if (lossy) *lossy = false;
    if (text.empty()) return {};
    // No best fit: a character the code page lacks must not turn into a look-alike.
    const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), int(text.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string bytes(size_t(n), '\0');
    BOOL usedDefault = FALSE;
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), int(text.size()), bytes.data(), n, nullptr,
                        lossy ? &usedDefault : nullptr);
    if (lossy) *lossy = usedDefault != FALSE || RoundTripDiffers(text, bytes);
    return bytes;
  }

  std::wstring Decode(std::string_view bytes) const override { return DecodeIn(CP_ACP, bytes); }

 private:
  // Some code pages report no default character for text they still change
  // (lone surrogates, for one); comparing the round trip catches those.
  bool RoundTripDiffers(std::wstring_view text, const std::string& bytes) const {
    return Decode(bytes) != text;
  }
};

}  // namespace

std::optional<std::wstring> DecodeCodePage(uint32_t codePage, std::string_view bytes) {
  if (!IsValidCodePage(codePage)) return std::nullopt;
  return DecodeIn(codePage, bytes);
}

const AnsiCodec& SystemCodec() {
  static SystemCodePage codec;
  return codec;
}

}  // namespace oravin
