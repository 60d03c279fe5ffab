#include "runtime/message_box.h"

namespace oravin {

void MessageBoxSink::Tell(const Notices& notices) {
  for (const Notice& notice : notices) Show(notice);
}

}  // namespace oravin
