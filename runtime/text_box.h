#pragma once
// A one-line text box.
#include <functional>

#include "runtime/child_control.h"

namespace oravin {

class TextBox : public ChildControl {
 public:
  bool Create(HWND parent, const LayoutRect& at, const std::wstring& text, COLORREF backColor = 0x80000005);

  std::wstring Text() const;
  void SetText(const std::wstring& text);

  // The box has just lost the keyboard focus.
  std::function<void()> LostFocus;
  // The text has changed, by typing or by SetText.
  std::function<void()> Changed;

  bool OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  COLORREF backColor_ = 0x80000005;  // the system's window colour
};

}  // namespace oravin
