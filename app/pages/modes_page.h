#pragma once
// The main menu: the assistants, the options and the about page, each a
// picture button with a label beside it that does the same.
#include <memory>
#include <span>
#include <vector>

#include "controls/colorbutton/color_button.h"
#include "data/favorites.h"
#include "runtime/label.h"
#include "runtime/picture_box.h"

namespace oravin {

// An assistant the menu offers: its button and the label beside it choose
// it; while it is chosen, the title row shows its title and the button's picture.
struct AssistantChoice {
  Assistant assistant;
  ColorButton* button;
  Label* label;
  const wchar_t* title;
};

class ModesPage : public PictureBox {
 public:
  bool Create(HWND parent, const LayoutRect& at);

  // Every assistant, in the order of their numbers, once the page is created.
  std::span<const AssistantChoice> Assistants() const { return assistants_; }
  // Nothing for a number that names no assistant.
  const AssistantChoice* ChoiceOf(Assistant assistant) const;

  std::unique_ptr<ColorButton> clbSearch, clbWAssistant, clbFolderAssis, clbOptions, clbAbout;
  Label lbSearch, lbWeb, lbFolder, lbOptions, Label5;

 private:
  Label header_, line_;
  std::vector<AssistantChoice> assistants_;
};

}  // namespace oravin
