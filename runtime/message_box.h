#pragma once
// Every message box of the program goes through here, so a test can capture
// what would have been shown instead of blocking on a modal window.
#include <string>

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

// Replaces the sink for a scope (tests); the Windows build starts with the
// real message box, the native build with none.
using ScopedMessageBoxSink = ScopedSeam<MessageBoxSink>;

// The sink in force when nothing replaced it.
MessageBoxSink& DefaultMessageBoxSink();

}  // namespace oravin
