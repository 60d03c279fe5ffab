#include "runtime/message_box.h"

#include <cstdio>
#include <cstdlib>

namespace oravin {

// Off Windows only tests run, and each of them installs its own sink: reaching
// this one means a test forgot to, which must not pass silently.
MessageBoxSink& DefaultMessageBoxSink() {
  struct Abort : MessageBoxSink {
    MsgResult Show(const MessageBoxCall&) override {
      std::fputs("message box shown without a sink\n", stderr);
      std::abort();
    }
  };
  static Abort sink;
  return sink;
}

}  // namespace oravin
