#pragma once
// Collects the message boxes a test provokes instead of showing them.
#include <vector>

#include "runtime/message_box.h"

namespace oravin::testing {

class CapturedMessageBoxes : public MessageBoxSink {
 public:
  CapturedMessageBoxes() : guard_(*this) {}
  MsgResult Show(const MessageBoxCall& call) override {
    calls.push_back(call);
    return answer;
  }
  std::vector<MessageBoxCall> calls;
  MsgResult answer = MsgResult::Ok;

 private:
  ScopedMessageBoxSink guard_;
};

}  // namespace oravin::testing
