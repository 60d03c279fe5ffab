#include "runtime/message_box.h"

namespace oravin {

MsgResult MsgBox(const std::wstring& text, const std::wstring& title, MsgIcon icon, MsgButtons buttons) {
  return ScopedMessageBoxSink::Current(DefaultMessageBoxSink).Show({text, title, icon, buttons});
}

void Tell(const Notices& notices) {
  for (const Notice& notice : notices) MsgBox(notice.text, notice.title, notice.icon);
}

}  // namespace oravin
