#pragma once
// A check box with a value of 0 (clear), 1 (ticked) or 2 (greyed).
#include <cstdint>
#include <functional>

#include "runtime/child_control.h"

namespace oravin {

class CheckBox : public ChildControl {
 public:
  bool Create(HWND parent, const LayoutRect& at, const std::wstring& caption, COLORREF backColor);

  int16_t Value() const;
  // Values outside 0..2 are refused with false and change nothing.
  bool SetValue(int16_t value);

  COLORREF BackColor() const { return backColor_; }

  bool OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  COLORREF backColor_ = 0x8000000F;
};

}  // namespace oravin
