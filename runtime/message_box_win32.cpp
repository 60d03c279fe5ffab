#include <windows.h>

#include "runtime/message_box.h"

namespace oravin {
namespace {

UINT StyleOf(const MessageBoxCall& call) {
  UINT style = MB_SETFOREGROUND;
  switch (call.icon) {
    case MsgIcon::None: break;
    case MsgIcon::Critical: style |= MB_ICONHAND; break;
    case MsgIcon::Question: style |= MB_ICONQUESTION; break;
    case MsgIcon::Exclamation: style |= MB_ICONEXCLAMATION; break;
    case MsgIcon::Information: style |= MB_ICONASTERISK; break;
  }
  switch (call.buttons) {
    case MsgButtons::Ok: style |= MB_OK; break;
    case MsgButtons::OkCancel: style |= MB_OKCANCEL; break;
    case MsgButtons::YesNo: style |= MB_YESNO; break;
  }
  return style;
}

MsgResult ResultOf(int id) {
  switch (id) {
    case IDCANCEL: return MsgResult::Cancel;
    case IDYES: return MsgResult::Yes;
    case IDNO: return MsgResult::No;
    default: return MsgResult::Ok;
  }
}

class Win32MessageBoxes : public MessageBoxSink {
 public:
  MsgResult Show(const MessageBoxCall& call) override {
    // Owned by the active window of this thread, like the boxes of the classic runtime.
    return ResultOf(MessageBoxW(GetActiveWindow(), call.text.c_str(), call.title.c_str(), StyleOf(call)));
  }
};

}  // namespace

MessageBoxSink& DefaultMessageBoxSink() {
  static Win32MessageBoxes sink;
  return sink;
}

}  // namespace oravin
