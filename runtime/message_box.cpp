#include "runtime/message_box.h"

namespace oravin {
namespace {

MessageBoxSink*& CurrentSink() {
  static MessageBoxSink* sink = nullptr;
  return sink;
}

}  // namespace

MsgResult MsgBox(const std::wstring& text, const std::wstring& title, MsgIcon icon, MsgButtons buttons) {
  MessageBoxSink* sink = CurrentSink();
  return (sink ? *sink : DefaultMessageBoxSink()).Show({text, title, icon, buttons});
}

ScopedMessageBoxSink::ScopedMessageBoxSink(MessageBoxSink& sink) : previous_(CurrentSink()) {
  CurrentSink() = &sink;
}

ScopedMessageBoxSink::~ScopedMessageBoxSink() { CurrentSink() = previous_; }

}  // namespace oravin
