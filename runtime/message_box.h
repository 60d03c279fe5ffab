#pragma once
// Every message box of the program goes through a sink its windows are
// given, so a test can capture what would have been shown instead of
// blocking on a modal window.
#include <string>
#include <vector>

namespace oravin {

enum class MsgIcon { None, Critical, Exclamation, Information };

// What the program has to tell the user, in a message box with an OK button.
// A lower layer returns these, and the window that acted shows them, in their order.
struct Notice {
  std::wstring text;
  std::wstring title;
  MsgIcon icon = MsgIcon::None;
  bool operator==(const Notice&) const = default;
};
using Notices = std::vector<Notice>;

class MessageBoxSink {
 public:
  virtual ~MessageBoxSink() = default;
  virtual void Show(const Notice& notice) = 0;
  void Tell(const Notices& notices);
};

// The desktop's message boxes (Windows only).
MessageBoxSink& SystemMessageBoxes();

}  // namespace oravin
