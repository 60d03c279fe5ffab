#pragma once
// Every message box of the program goes through here, so a test can capture
// what would have been shown instead of blocking on a modal window.
#include <string>
#include <vector>

#include "runtime/seam.h"

namespace oravin {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { Ok, OkCancel, YesNo };
enum class MsgResult { Ok, Cancel, Yes, No };

struct MessageBoxCall {
  std::wstring text;
  std::wstring title;
  MsgIcon icon = MsgIcon::None;
  MsgButtons buttons = MsgButtons::Ok;
};

class MessageBoxSink {
 public:
  virtual ~MessageBoxSink() = default;
  virtual MsgResult Show(const MessageBoxCall& call) = 0;
};

MsgResult MsgBox(const std::wstring& text, const std::wstring& title, MsgIcon icon,
                 MsgButtons buttons = MsgButtons::Ok);

// What a lower layer has to tell the user: it returns these, and the window
// that acted shows them, in their order, as message boxes with an OK button.
struct Notice {
  std::wstring text;
  std::wstring title;
  MsgIcon icon = MsgIcon::None;
  bool operator==(const Notice&) const = default;
};
using Notices = std::vector<Notice>;

void Tell(const Notices& notices);

// Replaces the sink for a scope (tests); the Windows build starts with the
// real message box, the native build with none.
using ScopedMessageBoxSink = ScopedSeam<MessageBoxSink>;

// The sink in force when nothing replaced it.
MessageBoxSink& DefaultMessageBoxSink();

}  // namespace oravin
