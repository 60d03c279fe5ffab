#pragma once
// The search page: two buttons for the search services' home pages and a
// small form that builds search requests.
#include <memory>

#include "controls/colorbutton/color_button.h"
#include "runtime/check_box.h"
#include "runtime/push_button.h"
#include "runtime/label.h"
#include "runtime/radio_button.h"
#include "runtime/panel.h"
#include "runtime/text_box.h"

namespace oravin {

class SearchPage : public Panel {
 public:
  bool Create(HWND parent, const LayoutRect& at);

  PushButton baiduButton, googleButton;
  Label wordsLabel, countLabel, advancedSearchLink;
  TextBox searchWordsBox, resultCountBox;
  RadioButton webOption, imageOption, newsOption, groupOption;
  CheckBox exactPhraseCheck;
  std::unique_ptr<ColorButton> goButton;

 private:
  Label header_;
};

}  // namespace oravin
