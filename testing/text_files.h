#pragma once
// The text files as the tests used to reach them: what they would tell the
// user is shown (into the test's captured boxes), and a file is written back
// in the encoding it was last read in.
#include <map>
#include <string>

#include "data/list_files.h"

namespace oravin::testing {

inline std::map<std::wstring, TextEncoding>& EncodingsRead() {
  static std::map<std::wstring, TextEncoding> encodings;
  return encodings;
}

inline std::wstring ReadText(const std::wstring& path) {
  Notices notices;
  TextFileRead file = ReadTextFile(path, notices);
  Tell(notices);
  if (file.outcome == ReadOutcome::Read) EncodingsRead()[path] = file.encoding;
  return std::move(file.text);
}

inline bool WriteText(const std::wstring& text, const std::wstring& path) {
  const auto known = EncodingsRead().find(path);
  Notices notices;
  const bool written =
      WriteTextFile(text, path, known != EncodingsRead().end() ? known->second : TextEncoding::CodePage, notices)
          .has_value();
  Tell(notices);
  return written;
}

}  // namespace oravin::testing
