#pragma once
// The text files as the tests reach them, in the code page given: what they
// would tell the user is shown in the given message boxes, and a file is written back in the
// encoding it was last read in.
#include <map>
#include <string>

#include "data/list_files.h"
#include "runtime/message_box.h"

namespace oravin::testing {

class TellingTextFiles {
 public:
  TellingTextFiles(const AnsiCodec& codePage, MessageBoxSink& boxes) : codePage_(codePage), boxes_(boxes) {}

  std::wstring ReadText(const std::wstring& path) {
    Notices notices;
    TextFileRead file = ReadTextFile(codePage_, path, notices);
    boxes_.Tell(notices);
    if (file.outcome == ReadOutcome::Read) encodingsRead_[path] = file.encoding;
    return std::move(file.text);
  }

  bool WriteText(const std::wstring& text, const std::wstring& path) {
    const auto known = encodingsRead_.find(path);
    Notices notices;
    const bool written =
        WriteTextFile(codePage_, text, path, known != encodingsRead_.end() ? known->second : TextEncoding::CodePage, notices)
            .has_value();
    boxes_.Tell(notices);
    return written;
  }

 private:
  const AnsiCodec& codePage_;
  MessageBoxSink& boxes_;
  std::map<std::wstring, TextEncoding> encodingsRead_;
};

}  // namespace oravin::testing
