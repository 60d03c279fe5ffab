#pragma once
// A list control on a window of its own for the Wine tests, and what the tests
// need around it: waiting for its paint, items, icons and screenshots.
#include <windows.h>

#include <string>
#include <vector>

#include "controls/listboxex/listboxex.h"
#include "testing/captured_message_boxes.h"
#include "testing/win32_testing.h"

namespace oravin::testing {

inline constexpr COLORREF kMainListColor = 0x00A3E8FC;  // the main window's lists
inline constexpr COLORREF kBlack = 0x000000;

// One plain top-level window at the top-left of the screen for every test:
// Wine takes seconds to take a top-level window off the display.
HWND HostWindow();

// Pumps messages until the list has painted.
void WaitForPaint(const ListBoxEX& list);

// A list on the host window.
class ListHost {
 public:
  explicit ListHost(const LayoutRect& at = {0, 0, 180, 160});

  CapturedMessageBoxes boxes;
  ListBoxEX list{boxes};
};

// Adds "Item 0", "Item 1", ...
void Fill(ListBoxEX& list, int count);
// A square icon of one colour.
PicturePtr SolidIcon(COLORREF color, int size = 16);
// What the list shows once it has painted.
Capture Shot(const ListBoxEX& list);

}  // namespace oravin::testing
