#pragma once
// Text files and a few system records are in the system's ANSI code page.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace oravin {

class AnsiCodec {
 public:
  virtual ~AnsiCodec() = default;
  // Characters the code page cannot hold become its default character, and
  // *lossy (when given) says so, so that callers can refuse such text.
  virtual std::string Encode(std::wstring_view text, bool* lossy = nullptr) const = 0;
  virtual std::wstring Decode(std::string_view bytes) const = 0;
  // Whether the code page can hold the text whole.
  bool Holds(std::wstring_view text) const;
};

// The system's code page (Windows only: native tests give the readers and
// writers of text files a code page of their own).
const AnsiCodec& SystemCodec();

// Text in a code page given by its Windows number (936, 950, 1252...), for a
// file that says which one it is in; nothing when the system has no such code
// page. Off Windows there are none: tests of such files run under Wine.
std::optional<std::wstring> DecodeCodePage(uint32_t codePage, std::string_view bytes);

}  // namespace oravin
