#pragma once
// The main menu: a picture button for each entry of kMenuEntries, with a
// label beside it that does the same, laid out in rows from the table.
#include <array>
#include <memory>

#include "app/pages/menu_entries.h"
#include "controls/colorbutton/color_button.h"
#include "runtime/label.h"
#include "runtime/panel.h"

namespace oravin {

class ModesPage : public Panel {
 public:
  struct Choice {
    std::unique_ptr<ColorButton> button;
    Label label;
  };

  bool Create(HWND parent, const LayoutRect& at);

  // A button and a label for each entry, in the order of kMenuEntries.
  std::array<Choice, kMenuEntryCount>& Choices() { return choices_; }

 private:
  Label header_, line_;
  std::array<Choice, kMenuEntryCount> choices_;
};

}  // namespace oravin
