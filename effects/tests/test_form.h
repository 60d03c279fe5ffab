#pragma once
// A plain form for the effect tests: a popup or a child window of one colour.
#include <windows.h>

#include "runtime/form.h"

namespace oravin::testing {

class TestForm : public Form {
 public:
  bool Open(const RECT& rect, COLORREF backColor, HWND parent = nullptr) {
    CreateArgs args{};
    args.className = L"OravinEffectsTestForm";
    args.style = (parent ? WS_CHILD : WS_POPUP) | WS_VISIBLE;
    args.exStyle = parent ? 0 : WS_EX_TOOLWINDOW;
    args.rect = rect;
    args.parent = parent;
    if (!Create(args)) return false;
    SetBackColor(backColor);
    return true;
  }

  int postedSeen = 0;
  static constexpr UINT kPosted = WM_APP + 1;

 protected:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == kPosted) {
      ++postedSeen;
      return 0;
    }
    return Form::OnMessage(msg, wp, lp);
  }
};

}  // namespace oravin::testing
