#pragma once
// A radio button; exactly one of a group is selected.
#include "runtime/child_control.h"

namespace oravin {

class RadioButton : public ChildControl {
 public:
  // The first button of a group starts the group.
  bool Create(HWND parent, const LayoutRect& at, const std::wstring& caption, COLORREF backColor, bool firstOfGroup);

  bool Value() const { return SendMessageW(hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  // Selecting one clears the others of its group.
  void Select();

  bool OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  COLORREF backColor_ = 0x8000000F;
};

}  // namespace oravin
