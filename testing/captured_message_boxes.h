#pragma once
// Collects the message boxes a test provokes instead of showing them.
#include <vector>

#include "runtime/message_box.h"

namespace oravin::testing {

class CapturedMessageBoxes : public MessageBoxSink {
 public:
  void Show(const Notice& notice) override { calls.push_back(notice); }
  std::vector<Notice> calls;
};

}  // namespace oravin::testing
