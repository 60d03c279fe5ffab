#pragma once
// A standard push button.
#include <functional>

#include "runtime/child_control.h"

namespace oravin {

class PushButton : public ChildControl {
 public:
  bool Create(HWND parent, const LayoutRect& at, const std::wstring& caption);

  std::function<void()> Click;

  bool OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

}  // namespace oravin
