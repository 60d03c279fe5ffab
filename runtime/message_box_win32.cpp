#include <windows.h>

#include "runtime/message_box.h"

namespace oravin {
namespace {

UINT IconOf(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::None: return 0;
    case MsgIcon::Critical: return MB_ICONHAND;
    case MsgIcon::Exclamation: return MB_ICONEXCLAMATION;
    case MsgIcon::Information: return MB_ICONASTERISK;
  }
  return 0;
}

class Win32MessageBoxes : public MessageBoxSink {
 public:
  void Show(const Notice& notice) override {
    // Owned by the active window of this thread, so it stays in front of it.
    MessageBoxW(GetActiveWindow(), notice.text.c_str(), notice.title.c_str(),
                MB_OK | MB_SETFOREGROUND | IconOf(notice.icon));
  }
};

}  // namespace

MessageBoxSink& SystemMessageBoxes() {
  static Win32MessageBoxes sink;
  return sink;
}

}  // namespace oravin
