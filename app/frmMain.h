#pragma once
// The main window.
#include "runtime/window.h"

namespace oravin {

class frmMain : public Window {
 public:
  // Creates and shows the window; false when Windows refused.
  bool Load();

 protected:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void PlaceAtBottomRight();
};

}  // namespace oravin
