#pragma once
// The search page: two buttons for the search services' home pages and a
// small form that builds search requests.
#include <memory>

#include "controls/colorbutton/color_button.h"
#include "runtime/check_box.h"
#include "runtime/command_button.h"
#include "runtime/label.h"
#include "runtime/option_button.h"
#include "runtime/picture_box.h"
#include "runtime/text_box.h"

namespace oravin {

class SearchPage : public PictureBox {
 public:
  bool Create(HWND parent, const LayoutRect& at);

  CommandButton baiduButton, googleButton;
  Label wordsLabel, countLabel, advancedSearchLink;
  TextBox searchWordsBox, resultCountBox;
  OptionButton webOption, imageOption, newsOption, groupOption;
  CheckBox exactPhraseCheck;
  std::unique_ptr<ColorButton> goButton;

 private:
  Label header_;
};

}  // namespace oravin
