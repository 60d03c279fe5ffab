#include "app/pages/modes_page.h"

#include "app/images.h"
#include "app/main_window_look.h"
#include "app/pages/page_look.h"
#include "controls/colorbutton/button_spec.h"

namespace oravin {
namespace {

constexpr COLORREF kLineColor = 0x0097D1FD;
LayoutRect Laid(const MenuRect& r) { return {r.left, r.top, r.width, r.height}; }

}  // namespace

bool ModesPage::Create(HWND parent, const LayoutRect& at) {
  if (!Panel::Create(parent, at, kPageBackColor)) return false;
  header_.Create(hwnd(), kHeaderRect, L"主菜单", HeaderLook());
  const Label::Look look{.font = std::make_shared<Font>(L"宋体", 9), .handPointer = true};
  // The buttons first, then the labels: a button lies over the blanks of its label.
  for (size_t i = 0; i < kMenuEntryCount; ++i) {
    const MenuEntry& entry = kMenuEntries[i];
    choices_[i].button = MakeButton(
        hwnd(), {Laid(MenuRowOf(i).button), L"", ProgramPicture(entry.picture), entry.tip, kButtonBackColor});
  }
  for (size_t i = 0; i < kMenuEntryCount; ++i) {
    const std::wstring caption = std::wstring(kMenuLabelIndent) + kMenuEntries[i].title;
    choices_[i].label.Create(hwnd(), Laid(MenuRowOf(i).label), caption, look);
  }
  // The line between the assistants and the rest: one pixel high.
  line_.Create(hwnd(), {0, kMenuLayout.LineTop(), kMenuLineWidth, 1}, L"", {.backColor = kLineColor});
  return true;
}

}  // namespace oravin
