#pragma once
// Text files and a few system records are in the system's ANSI code page.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/seam.h"

namespace oravin {

class AnsiCodec {
 public:
  virtual ~AnsiCodec() = default;
  // Characters the code page cannot hold become its default character, and
  // *lossy (when given) says so, so that callers can refuse such text.
  virtual std::string Encode(std::wstring_view text, bool* lossy = nullptr) const = 0;
  virtual std::wstring Decode(std::string_view bytes) const = 0;
};

// The system's code page on Windows. Off Windows there is none: tests install one.
const AnsiCodec& SystemCodec();

using ScopedSystemCodec = ScopedSeam<const AnsiCodec>;

// Whether the system code page can hold the text whole.
bool FitsCodePage(std::wstring_view text);

// Text in a code page given by its Windows number (936, 950, 1252...), for a
// file that says which one it is in; nothing when the system has no such code
// page. Off Windows there are none: tests of such files run under Wine.
std::optional<std::wstring> DecodeCodePage(uint32_t codePage, std::string_view bytes);

}  // namespace oravin
