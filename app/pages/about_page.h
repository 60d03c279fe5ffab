#pragma once
// The about page: a welcome text and a link to the maker's site.
#include "runtime/label.h"
#include "runtime/panel.h"

namespace oravin {

class AboutPage : public Panel {
 public:
  bool Create(HWND parent, const LayoutRect& at);

  Label makerSiteLink;  // the link

 private:
  Label aboutHeader, welcomeLabel;
};

}  // namespace oravin
